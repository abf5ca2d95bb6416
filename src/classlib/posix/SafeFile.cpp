#include "../SafeFile.h"

#include "../TestHooks.h"
#include "../TextFile.h"
#include "ClaimTransfer.h"
#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The text goes out in pieces of this size.
constexpr std::size_t kWriteSize = 64 * 1024;
// More links in a row than this are a loop; the name is then left as it stands.
constexpr int kMaxLinksFollowed = 40;
constexpr int kMaxTemporaryNamesTried = 100;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReadLink(const std::string& path) {
    std::vector<char> target(256);
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            return std::string(target.data(), static_cast<std::size_t>(length));
        }
        target.resize(target.size() * 2);
    }
}

// The file the name finally stands for, through any symbolic links; it may not exist yet.
std::string FollowLinks(std::string path) {
    for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        const std::string target = ReadLink(path);
        if (target.empty()) {
            return path;
        }
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return path;
}

// Only a regular file that the person may open for writing may be replaced.
bool MayReplace(const std::string& path, const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return false;
    }
    FileDescriptor probe(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    return probe.IsOpen();
}

// The new contents on their way in; removed again unless they took the old file's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : m_file(Create(target)) {}
    ~TemporaryFile() {
        if (!m_path.empty() && !m_replaced) {
            ::unlink(m_path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return m_file.IsOpen(); }
    int Descriptor() const { return m_file.get(); }

    // The old file's permissions, and its owner where the system lets us keep it.
    bool TakeOverAccessOf(const struct stat& old) {
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            static_cast<void>(::fchown(m_file.get(), old.st_uid, old.st_gid));
        }
        return ::fchmod(m_file.get(), old.st_mode & 07777) == 0;
    }

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
        return !FileOperationFailsForTest(FileOperation::Flush) && ::fsync(m_file.get()) == 0;
    }

    bool Close() {
        if (FileOperationFailsForTest(FileOperation::Close)) {
            return false;
        }
        return m_file.Close();
    }

    bool Replace(const std::string& target) {
        m_replaced = !FileOperationFailsForTest(FileOperation::Replace) &&
                     ::rename(m_path.c_str(), target.c_str()) == 0;
        return m_replaced;
    }

private:
    bool Write(std::string_view bytes) {
        while (!bytes.empty()) {
            if (FileOperationFailsForTest(FileOperation::Write)) {
                return false;
            }
            const ssize_t put = ::write(m_file.get(), bytes.data(), bytes.size());
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(put));
        }
        return true;
    }

    // Created with the permissions a new file gets, beside the target so that the rename stays
    // on one file system.
    int Create(const std::string& target) {
        if (FileOperationFailsForTest(FileOperation::Open)) {
            return -1;
        }
        const std::string stem =
            DirectoryOf(target) + "/." + FileNameOf(target) + "." + std::to_string(::getpid());
        for (int attempt = 0; attempt < kMaxTemporaryNamesTried; ++attempt) {
            const std::string path = stem + "." + std::to_string(attempt) + ".tmp";
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_path = path;
                return fd;
            }
            if (errno != EEXIST) {
                return -1;
            }
        }
        return -1;
    }

    std::string m_path;
    FileDescriptor m_file;
    bool m_replaced = false;
};

// Makes the rename itself durable. The new contents are in place by now, so a failure here
// is not a failed save: at worst a crash brings back the old file whole.
void SyncDirectory(const std::string& directory) {
    if (FileOperationFailsForTest(FileOperation::SyncDirectory)) {
        return;
    }
    FileDescriptor handle(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen()) {
        static_cast<void>(::fsync(handle.get()));
    }
}

} // namespace

bool ReplaceTextFile(const std::string& name, std::string_view text) {
    const std::string target = FollowLinks(name);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !MayReplace(target, old)) {
        return false;
    }
    TemporaryFile temporary(target);
    if (!temporary.IsOpen() || (exists && !temporary.TakeOverAccessOf(old))) {
        return false;
    }
    // Claimed before it takes the old file's place, so that a claim on the file never lapses.
    // (A missing file's old is all zeros, which names no claimed file.)
    ClaimTransfer claim(old, temporary.Descriptor());
    if (!temporary.WriteInTextMode(text) || !temporary.Flush() || !temporary.Close() ||
        !temporary.Replace(target)) {
        return false;
    }
    claim.Complete();
    SyncDirectory(DirectoryOf(target));
    return true;
}
