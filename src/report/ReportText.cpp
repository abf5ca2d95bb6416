#include "ReportText.h"

#include "PlaceholderReplacement.h"

#include <array>

namespace {

struct EntryPlaceholder {
    std::string_view placeholder;
    std::string ShareEntry::*field;
};

// In the order in which they are replaced.
constexpr std::array<EntryPlaceholder, kShareColumnCount> kEntryPlaceholders = {{
    {"#TICKER#", &ShareEntry::TICKER},
    {"#NUMBEROFSHARES#", &ShareEntry::NUMBEROFSHARES},
    {"#PURCHASEPRICE#", &ShareEntry::PURCHASEPRICE},
    {"#PURCHASEDATE#", &ShareEntry::PURCHASEDATE},
    {"#CURRENTPRICE#", &ShareEntry::CURRENTPRICE},
    {"#CURRENTDATE#", &ShareEntry::CURRENTDATE},
    {"#SALEPRICE#", &ShareEntry::SALEPRICE},
    {"#SALEDATE#", &ShareEntry::SALEDATE},
    {"#NOTES#", &ShareEntry::NOTES},
}};

constexpr std::string_view kEntryBlocksPlaceholder = "#LINKS#";

} // namespace

std::string FillEntryBlock(std::string_view innerTemplate, const ShareEntry& entry) {
    std::string block(innerTemplate);
    for (const EntryPlaceholder& each : kEntryPlaceholders) {
        block = ReplacePlaceholder(block, each.placeholder, entry.*each.field);
    }
    return block;
}

std::string FillReportPage(std::string_view outerTemplate, std::string_view entryBlocks) {
    return ReplacePlaceholder(outerTemplate, kEntryBlocksPlaceholder, entryBlocks);
}

std::string BuildReportText(std::string_view outerTemplate, std::string_view innerTemplate,
                            const std::vector<ShareEntry>& entries) {
    std::string entryBlocks;
    for (const ShareEntry& entry : entries) {
        entryBlocks += FillEntryBlock(innerTemplate, entry);
    }
    return FillReportPage(outerTemplate, entryBlocks);
}
