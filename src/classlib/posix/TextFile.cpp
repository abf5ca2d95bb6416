#include "../TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Owns a file descriptor; close() reports whether the close succeeded.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

} // namespace

TextFileContents ReadTextFile(const std::string& name) {
    FileDescriptor file(::open(name.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
    if (!file.IsOpen()) {
        return {FileResult::OpenFailed, {}};
    }
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return {FileResult::ReadFailed, DecodeTextMode(bytes)};
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return {FileResult::Ok, DecodeTextMode(bytes)};
}

FileResult WriteTextFile(const std::string& name, std::string_view text) {
    FileDescriptor file(::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!file.IsOpen()) {
        return FileResult::OpenFailed;
    }
    const std::string bytes = EncodeTextMode(text);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return FileResult::WriteFailed;
        }
        written += static_cast<std::size_t>(put);
    }
    return file.Close() ? FileResult::Ok : FileResult::WriteFailed;
}
