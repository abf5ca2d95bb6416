// The keys of share.dat in the order a written record gives them, and the field each one names.
#pragma once

#include "../app/ShareEntry.h"

#include <array>
#include <string_view>

inline constexpr std::string_view kShareFileHeader = "CREATOR=QUILLFOLIO 1.0";

struct ShareFileKey {
    std::string_view key;
    std::string ShareEntry::*field;
};

inline constexpr std::array<ShareFileKey, kShareColumnCount> kShareFileKeys = {{
    {"TICKER", &ShareEntry::TICKER},
    {"NUMBEROFSHARES", &ShareEntry::NUMBEROFSHARES},
    {"NOTES", &ShareEntry::NOTES},
    {"SALEPRICE", &ShareEntry::SALEPRICE},
    {"SALEDATE", &ShareEntry::SALEDATE},
    {"PURCHASEPRICE", &ShareEntry::PURCHASEPRICE},
    {"PURCHASEDATE", &ShareEntry::PURCHASEDATE},
    {"CURRENTPRICE", &ShareEntry::CURRENTPRICE},
    {"CURRENTDATE", &ShareEntry::CURRENTDATE},
}};
