#include "TextFile.h"

// Both directions copy whole runs between line breaks: the files run to megabytes.

std::string DecodeTextMode(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::string text;
    text.reserve(bytes.size());
    std::size_t runStart = 0;
    for (std::size_t crlf = bytes.find("\r\n"); crlf != std::string_view::npos;
         crlf = bytes.find("\r\n", runStart)) {
        text.append(bytes.substr(runStart, crlf - runStart));
        runStart = crlf + 1; // the LF starts the next run
    }
    text.append(bytes.substr(runStart));
    return text;
}

std::string EncodeTextMode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    std::size_t runStart = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         lf = text.find('\n', runStart)) {
        bytes.append(text.substr(runStart, lf - runStart));
        bytes.append("\r\n");
        runStart = lf + 1;
    }
    bytes.append(text.substr(runStart));
    return bytes;
}
