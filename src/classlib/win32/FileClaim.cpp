// Claims are named mutexes of the system, one per file, named after the file's full path: the
// system lets go of them when the process ends, and since they belong to the name and not to the
// file, a save that puts a new file in the old one's place keeps the claim without a gap.
#include "../FileClaim.h"

#include "../WinDefs.h"
#include "FileHandle.h"

#include <vector>

namespace {

// The file's full path in one spelling: Windows' file names ignore letter case, and the names of
// the system's objects may hold no backslash.
std::string ClaimName(const std::string& name) {
    std::vector<char> path(MAX_PATH);
    DWORD length =
        GetFullPathNameA(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    if (length >= path.size()) {
        path.resize(length + 1);
        length =
            GetFullPathNameA(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    }
    std::string claim(path.data(), length);
    CharLowerBuffA(claim.data(), static_cast<DWORD>(claim.size()));
    for (char& c : claim) {
        c = c == '\\' ? '/' : c;
    }
    return "Global\\Quillfolio claim " + claim;
}

// A regular file, created empty when it is missing, as reading it would.
bool IsClaimableFile(const std::string& name) {
    const FileHandle file(CreateFileA(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && GetFileType(file.get()) == FILE_TYPE_DISK;
}

} // namespace

struct FileClaim::Lock {
    HANDLE mutex;
};

FileClaim::FileClaim(const std::string& name) {
    if (!IsClaimableFile(name)) {
        return;
    }
    const HANDLE mutex = CreateMutexA(nullptr, FALSE, ClaimName(name).c_str());
    if (mutex == nullptr) {
        // A name that some other program holds in a way we may not open is in use there.
        m_inUseElsewhere = GetLastError() == ERROR_ACCESS_DENIED;
        return;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        m_inUseElsewhere = true;
        return;
    }
    m_lock = std::make_unique<Lock>(Lock{mutex});
}

FileClaim::~FileClaim() {
    if (m_lock) {
        CloseHandle(m_lock->mutex);
    }
}
