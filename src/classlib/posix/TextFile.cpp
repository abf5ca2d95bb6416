#include "../TextFile.h"

#include "../TestHooks.h"
#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens the file for reading into fd, creating it empty when it is missing.
FileResult OpenForReading(const std::string& name, int& fd) {
    fd = -1;
    if (FileOperationFailsForTest(FileOperation::Open)) {
        return FileResult::OpenFailed;
    }
    // Non-blocking, so that a FIFO of that name cannot stop the program at the open.
    fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        // A directory opens on POSIX, but it is no file to read; nor is a FIFO or a device,
        // which could block or never end.
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            fd = -1;
            return FileResult::OpenFailed;
        }
        return FileResult::Ok;
    }
    if (errno != ENOENT) {
        return FileResult::OpenFailed;
    }
    fd = ::open(name.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    return fd >= 0 ? FileResult::Ok : FileResult::CreateFailed;
}

} // namespace

TextFileContents ReadTextFile(const std::string& name) {
    int fd = -1;
    const FileResult opened = OpenForReading(name, fd);
    FileDescriptor file(fd);
    if (opened != FileResult::Ok) {
        return {opened, {}};
    }
    std::string bytes;
    struct stat info {};
    if (::fstat(file.get(), &info) == 0) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[64 * 1024];
    for (;;) {
        if (FileOperationFailsForTest(FileOperation::Read)) {
            return {FileResult::ReadFailed, DecodeTextMode(bytes)};
        }
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
