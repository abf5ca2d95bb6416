// One portfolio entry: nine free-text fields, in list column order.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct ShareEntry {
    std::string TICKER;
    std::string NUMBEROFSHARES;
    std::string PURCHASEPRICE;
    std::string PURCHASEDATE;
    std::string CURRENTPRICE;
    std::string CURRENTDATE;
    std::string SALEPRICE;
    std::string SALEDATE;
    std::string NOTES;

    bool operator==(const ShareEntry&) const = default;
};

inline constexpr int kShareColumnCount = 9;

// The field shown in each list column.
inline constexpr std::array<std::string ShareEntry::*, kShareColumnCount> kShareColumnFields = {
    &ShareEntry::TICKER,       &ShareEntry::NUMBEROFSHARES, &ShareEntry::PURCHASEPRICE,
    &ShareEntry::PURCHASEDATE, &ShareEntry::CURRENTPRICE,   &ShareEntry::CURRENTDATE,
    &ShareEntry::SALEPRICE,    &ShareEntry::SALEDATE,       &ShareEntry::NOTES,
};

inline constexpr std::array<std::string_view, kShareColumnCount> kShareColumnHeadings = {
    "Ticker",       "Shares",     "Purchase Price", "Purchase Date", "Current Price",
    "Current Date", "Sale Price", "Sale Date",      "Notes",
};
