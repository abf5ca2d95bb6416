#include "PlaceholderReplacement.h"

#include <cstring>

namespace {

// The first occurrence at or after from, or npos. Candidates are found by their first byte; most
// fail at the second, so the comparison runs inline rather than as a library call per candidate.
std::size_t FindPlaceholder(std::string_view text, std::string_view placeholder, std::size_t from) {
    if (text.size() < placeholder.size()) {
        return std::string_view::npos;
    }
    const std::size_t lastStart = text.size() - placeholder.size();
    while (from <= lastStart) {
        const void* hit = std::memchr(text.data() + from, placeholder[0], lastStart - from + 1);
        if (hit == nullptr) {
            return std::string_view::npos;
        }
        from = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        std::size_t matched = 1;
        while (matched < placeholder.size() && text[from + matched] == placeholder[matched]) {
            ++matched;
        }
        if (matched == placeholder.size()) {
            return from;
        }
        ++from;
    }
    return std::string_view::npos;
}

} // namespace

void AppendReplacingPlaceholder(std::string& out, std::string_view text,
                                std::string_view placeholder, std::string_view replacement) {
    if (placeholder.empty()) {
        out.append(text);
        return;
    }
    std::size_t copied = 0;
    for (std::size_t found = FindPlaceholder(text, placeholder, 0); found != std::string_view::npos;
         found = FindPlaceholder(text, placeholder, copied)) {
        out.append(text, copied, found - copied);
        out.append(replacement);
        copied = found + placeholder.size();
    }
    out.append(text, copied);
}

std::string ReplacePlaceholder(std::string_view text, std::string_view placeholder,
                               std::string_view replacement) {
    std::string result;
    result.reserve(text.size());
    AppendReplacingPlaceholder(result, text, placeholder, replacement);
    return result;
}
