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

// Fills the entry's block into block, with scratch as the second buffer of each replacement; both
// keep their memory from one entry to the next.
void FillEntryBlock(std::string& block, std::string& scratch, std::string_view innerTemplate,
                    const ShareEntry& entry) {
    block.assign(innerTemplate);
    for (const EntryPlaceholder& each : kEntryPlaceholders) {
        scratch.clear();
        AppendReplacingPlaceholder(scratch, block, each.placeholder, entry.*each.field);
        block.swap(scratch);
    }
}

} // namespace

// The entry blocks are built straight into the report at the first "#LINKS#", so the largest part
// of the report is written once; only a template with several "#LINKS#" copies them again.
std::string BuildReportText(std::string_view outerTemplate, std::string_view innerTemplate,
                            const std::vector<ShareEntry>& entries) {
    const std::size_t first = outerTemplate.find(kEntryBlocksPlaceholder);
    if (first == std::string_view::npos) {
        return std::string(outerTemplate);
    }
    std::string report;
    report.reserve(outerTemplate.size() + innerTemplate.size() * entries.size());
    report.append(outerTemplate, 0, first);

    const std::size_t blocksBegin = report.size();
    std::string block;
    std::string scratch;
    for (const ShareEntry& entry : entries) {
        FillEntryBlock(block, scratch, innerTemplate, entry);
        report += block;
    }

    const std::string_view rest = outerTemplate.substr(first + kEntryBlocksPlaceholder.size());
    if (rest.find(kEntryBlocksPlaceholder) == std::string_view::npos) {
        report.append(rest);
    } else {
        const std::string entryBlocks = report.substr(blocksBegin);
        AppendReplacingPlaceholder(report, rest, kEntryBlocksPlaceholder, entryBlocks);
    }
    return report;
}
