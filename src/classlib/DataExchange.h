// The text rules of data exchange, apart from any window.
#pragma once

#include <optional>
#include <string_view>

// A decimal integer as a form shows it: an optional sign and digits, with blanks around them
// allowed; nullopt for anything else, also for a number outside the range of int.
std::optional<int> ParseDecimalInteger(std::string_view text);
