// The report's text, made from the two templates and the entries.
#pragma once

#include "../app/ShareEntry.h"

#include <string>
#include <string_view>
#include <vector>

// The outer template with every "#LINKS#" replaced by the entry blocks: one per entry, in the
// order given, joined without anything between them. An entry block is the inner template with
// the entry's fields in place of the nine entry placeholders, replaced one placeholder after the
// other in the order #TICKER#, #NUMBEROFSHARES#, #PURCHASEPRICE#, #PURCHASEDATE#,
// #CURRENTPRICE#, #CURRENTDATE#, #SALEPRICE#, #SALEDATE#, #NOTES#; so a later placeholder is
// replaced also where an earlier field's text holds it. The entry blocks are not searched for
// "#LINKS#", and the outer template not for the entry placeholders.
std::string BuildReportText(std::string_view outerTemplate, std::string_view innerTemplate,
                            const std::vector<ShareEntry>& entries);
