// The addresses of the web pages the program opens.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kManualPageAddress = "http://www.quillfolio.com/manual.htm";

// The public quote page for the ticker. The ticker goes in exactly as typed: not trimmed, not
// changed in case, not encoded.
std::string QuotePageAddress(std::string_view ticker);
