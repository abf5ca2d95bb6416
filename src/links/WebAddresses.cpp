#include "WebAddresses.h"

namespace {

constexpr std::string_view kQuotePagePrefix = "http://finance.yahoo.com/q?s=";

} // namespace

std::string QuotePageAddress(std::string_view ticker) {
    std::string address(kQuotePagePrefix);
    address += ticker;
    return address;
}
