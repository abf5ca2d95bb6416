// The report's text, made from the two templates and the entries.
#pragma once

#include "../app/ShareEntry.h"

#include <string>
#include <string_view>
#include <vector>

// One copy of the inner template with the entry's fields in place of the nine entry placeholders,
// replaced one placeholder after the other in the order #TICKER#, #NUMBEROFSHARES#,
// #PURCHASEPRICE#, #PURCHASEDATE#, #CURRENTPRICE#, #CURRENTDATE#, #SALEPRICE#, #SALEDATE#,
// #NOTES#. A later placeholder is thus also replaced where an earlier field's text holds it.
std::string FillEntryBlock(std::string_view innerTemplate, const ShareEntry& entry);

// The outer template with "#LINKS#" replaced by the entry blocks; the blocks themselves are not
// searched.
std::string FillReportPage(std::string_view outerTemplate, std::string_view entryBlocks);

// The whole report: one entry block per entry, in the order given, joined without anything
// between them, in place of "#LINKS#".
std::string BuildReportText(std::string_view outerTemplate, std::string_view innerTemplate,
                            const std::vector<ShareEntry>& entries);
