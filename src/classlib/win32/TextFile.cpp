#include "../TextFile.h"

#include "../TestHooks.h"
#include "FileHandle.h"

#include <algorithm>

namespace {

constexpr DWORD kPieceSize = 64 * 1024;

// Opens the file for reading, creating it empty when it is missing.
FileResult OpenForReading(const std::string& name, HANDLE& handle) {
    handle = INVALID_HANDLE_VALUE;
    if (FileOperationFailsForTest(FileOperation::Open)) {
        return FileResult::OpenFailed;
    }
    handle = CreateFileA(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        return FileResult::Ok;
    }
    // A directory of that name cannot be opened as a file: it is there, so this is no missing
    // file.
    if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return FileResult::OpenFailed;
    }
    handle = CreateFileA(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle != INVALID_HANDLE_VALUE ? FileResult::Ok : FileResult::CreateFailed;
}

} // namespace

TextFileContents ReadTextFile(const std::string& name) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    const FileResult opened = OpenForReading(name, handle);
    FileHandle file(handle);
    if (opened != FileResult::Ok) {
        return {opened, {}};
    }
    std::string bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size)) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    std::string buffer(kPieceSize, '\0');
    for (;;) {
        DWORD got = 0;
        if (FileOperationFailsForTest(FileOperation::Read) ||
            !ReadFile(file.get(), buffer.data(), kPieceSize, &got, nullptr)) {
            return {FileResult::ReadFailed, DecodeTextMode(bytes)};
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer.data(), got);
    }
    return {FileResult::Ok, DecodeTextMode(bytes)};
}

// Opened as it stands and emptied, rather than created anew, so that a hidden or system file
// may be written as well.
FileResult WriteTextFile(const std::string& name, std::string_view text) {
    FileHandle file(CreateFileA(name.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen() || !SetEndOfFile(file.get())) {
        return FileResult::OpenFailed;
    }
    const std::string bytes = EncodeTextMode(text);
    for (std::size_t written = 0; written < bytes.size();) {
        DWORD put = 0;
        const auto piece =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, kPieceSize));
        if (!WriteFile(file.get(), bytes.data() + written, piece, &put, nullptr) || put == 0) {
            return FileResult::WriteFailed;
        }
        written += put;
    }
    return file.Close() ? FileResult::Ok : FileResult::WriteFailed;
}
