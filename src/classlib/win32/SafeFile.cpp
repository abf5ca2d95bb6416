#include "../SafeFile.h"

#include "../TestHooks.h"
#include "../TextFile.h"
#include "FileHandle.h"

#include <vector>

namespace {

// The text goes out in pieces of this size.
constexpr std::size_t kWriteSize = 64 * 1024;
constexpr int kMaxTemporaryNamesTried = 100;
// The attributes that a replaced file keeps; read-only files are never replaced.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string DirectoryOf(const std::string& path) {
    const std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? "." : path.substr(0, separator);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The file a symbolic link stands for; any other name as it is.
std::string FollowLinks(const std::string& name) {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return name;
    }
    FileHandle target(CreateFileA(name.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!target.IsOpen()) {
        return name;
    }
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleA(
            target.get(), path.data(), static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
        if (length == 0) {
            return name;
        }
        if (length < path.size()) {
            std::string resolved(path.data(), length);
            constexpr std::string_view kLongPathPrefix = "\\\\?\\";
            return resolved.starts_with(kLongPathPrefix) ? resolved.substr(kLongPathPrefix.size())
                                                         : resolved;
        }
        path.resize(length + 1);
    }
}

// Only a file that is no directory, is not read-only and may be opened for writing may be
// replaced.
bool MayReplace(const std::string& path, DWORD attributes) {
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }
    FileHandle probe(CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    return probe.IsOpen();
}

// The new contents on their way in; removed again unless they took the old file's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : m_file(Create(target)) {}
    ~TemporaryFile() {
        if (m_file.IsOpen()) {
            m_file.Close();
        }
        if (!m_path.empty() && !m_replaced) {
            DeleteFileA(m_path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return m_file.IsOpen(); }

    // Piece by piece, each encoded on its way out.
    bool WriteInTextMode(std::string_view text) {
        for (std::size_t start = 0; start < text.size(); start += kWriteSize) {
            if (!Write(EncodeTextMode(text.substr(start, kWriteSize)))) {
                return false;
            }
        }
        return true;
    }

    bool Flush() {
        return !FileOperationFailsForTest(FileOperation::Flush) && FlushFileBuffers(m_file.get());
    }

    bool Close() {
        if (FileOperationFailsForTest(FileOperation::Close)) {
            return false;
        }
        return m_file.Close();
    }

    // The old file's attributes go with the new contents; ReplaceFileA keeps the rest of what
    // belongs to the old file (its security, its creation time). Where the file system cannot
    // do that, the new file is moved over the old one.
    bool Replace(const std::string& target, DWORD oldAttributes) {
        if (FileOperationFailsForTest(FileOperation::Replace)) {
            return false;
        }
        if (oldAttributes == INVALID_FILE_ATTRIBUTES) {
            m_replaced = MoveFileExA(m_path.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
            return m_replaced;
        }
        const DWORD kept = oldAttributes & kKeptAttributes;
        SetFileAttributesA(m_path.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
        m_replaced = ReplaceFileA(target.c_str(), m_path.c_str(), nullptr,
                                  REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0 ||
                     MoveFileExA(m_path.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        return m_replaced;
    }

private:
    bool Write(std::string_view bytes) {
        while (!bytes.empty()) {
            if (FileOperationFailsForTest(FileOperation::Write)) {
                return false;
            }
            DWORD put = 0;
            if (!WriteFile(m_file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put,
                           nullptr) ||
                put == 0) {
                return false;
            }
            bytes.remove_prefix(put);
        }
        return true;
    }

    // Beside the target, so that the replacement stays on one volume.
    HANDLE Create(const std::string& target) {
        if (FileOperationFailsForTest(FileOperation::Open)) {
            return INVALID_HANDLE_VALUE;
        }
        const std::string stem = DirectoryOf(target) + "\\." + FileNameOf(target) + "." +
                                 std::to_string(GetCurrentProcessId());
        for (int attempt = 0; attempt < kMaxTemporaryNamesTried; ++attempt) {
            const std::string path = stem + "." + std::to_string(attempt) + ".tmp";
            const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                              FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE) {
                m_path = path;
                return handle;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) {
                return INVALID_HANDLE_VALUE;
            }
        }
        return INVALID_HANDLE_VALUE;
    }

    std::string m_path;
    FileHandle m_file;
    bool m_replaced = false;
};

// Asks that the directory's new entry reach the disk as well. The new contents are in place by
// now, so a failure here is not a failed save.
void SyncDirectory(const std::string& directory) {
    if (FileOperationFailsForTest(FileOperation::SyncDirectory)) {
        return;
    }
    FileHandle handle(CreateFileA(directory.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle.IsOpen()) {
        static_cast<void>(FlushFileBuffers(handle.get()));
    }
}

} // namespace

bool ReplaceTextFile(const std::string& name, std::string_view text) {
    const std::string target = FollowLinks(name);
    const DWORD oldAttributes = GetFileAttributesA(target.c_str());
    if (oldAttributes != INVALID_FILE_ATTRIBUTES && !MayReplace(target, oldAttributes)) {
        return false;
    }
    TemporaryFile temporary(target);
    if (!temporary.IsOpen() || !temporary.WriteInTextMode(text) || !temporary.Flush() ||
        !temporary.Close() || !temporary.Replace(target, oldAttributes)) {
        return false;
    }
    SyncDirectory(DirectoryOf(target));
    return true;
}
