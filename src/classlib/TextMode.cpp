#include "TextFile.h"

std::string DecodeTextMode(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += bytes[i];
    }
    return text;
}

std::string EncodeTextMode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (std::size_t lineEnd; (lineEnd = text.find('\n')) != std::string_view::npos;
         text.remove_prefix(lineEnd + 1)) {
        bytes.append(text, 0, lineEnd);
        bytes += "\r\n";
    }
    bytes.append(text);
    return bytes;
}
