// Files in text mode, the same on every platform: on reading, CR LF becomes LF, a lone CR stays
// and the first Ctrl-Z (0x1A) ends the text; on writing, each LF becomes CR LF.
#pragma once

#include <string>
#include <string_view>

std::string DecodeTextMode(std::string_view bytes);
std::string EncodeTextMode(std::string_view text);

enum class FileResult { Ok, OpenFailed, ReadFailed, WriteFailed, CreateFailed };

struct TextFileContents {
    FileResult result;
    // Everything read up to the end or up to a read error.
    std::string text;
};

// Opens the file for reading, creating it empty when it is missing, and reads it whole.
// OpenFailed: the file is there but could not be opened; CreateFailed: it was missing and could
// not be created.
TextFileContents ReadTextFile(const std::string& name);

// Creates the file or empties it, and writes the text. WriteFailed when a write or the close
// fails after the file was opened.
FileResult WriteTextFile(const std::string& name, std::string_view text);
