#include "PlaceholderReplacement.h"

std::string ReplacePlaceholder(std::string_view text, std::string_view placeholder,
                               std::string_view replacement) {
    std::size_t found = placeholder.empty() ? std::string_view::npos : text.find(placeholder);
    if (found == std::string_view::npos) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size() + replacement.size());
    std::size_t copied = 0;
    while (found != std::string_view::npos) {
        result.append(text, copied, found - copied);
        result.append(replacement);
        copied = found + placeholder.size();
        found = text.find(placeholder, copied);
    }
    result.append(text, copied);
    return result;
}
