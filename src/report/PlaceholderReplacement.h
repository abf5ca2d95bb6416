// Plain text substitution, the whole of what the report templates know.
#pragma once

#include <string>
#include <string_view>

// Appends the text to out with every occurrence of the placeholder replaced, from left to right.
// The search goes on directly behind each inserted text, so the inserted text is never searched
// again for the same placeholder. One pass: linear in the size of the text and of the result.
// The match is byte for byte and case-sensitive; the placeholders begin with "#", a byte that
// never stands inside a multibyte character, so a match never begins inside one. An empty
// placeholder matches nothing.
void AppendReplacingPlaceholder(std::string& out, std::string_view text,
                                std::string_view placeholder, std::string_view replacement);

// The same, as a new text.
std::string ReplacePlaceholder(std::string_view text, std::string_view placeholder,
                               std::string_view replacement);
