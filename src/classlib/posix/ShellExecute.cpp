// The desktop's opener (xdg-open) started for each request, with the address or the absolute file
// name as its one argument, byte for byte, and never through a shell command line.
#include "../Backend.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool IsWebAddress(std::string_view target) {
    const std::size_t colon = target.find(':');
    return colon != std::string_view::npos && colon > 1 && target.find_first_of("/\\") > colon;
}

std::string OpenerArgument(const std::string& file, const char* directory) {
    if (IsWebAddress(file)) {
        return file;
    }
    std::error_code error;
    const std::filesystem::path base = directory != nullptr ? std::filesystem::path(directory)
                                                            : std::filesystem::current_path(error);
    return (base / file).lexically_normal().string();
}

// The opener's full path, looked up on PATH before forking: between fork and exec the child may
// only make async-signal-safe calls, and execvp's own search is not one of them.
std::string FindOpener() {
    const char* path = std::getenv("PATH");
    std::string_view directories = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    for (;;) {
        const std::size_t colon = directories.find(':');
        const std::string_view directory = directories.substr(0, colon);
        const std::string candidate =
            (directory.empty() ? std::string(".") : std::string(directory)) + "/xdg-open";
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return {};
        }
        directories.remove_prefix(colon + 1);
    }
}

// Starts the opener in a grandchild, so that nothing waits for it and no zombie is left behind.
bool StartDetached(const std::string& opener, const std::string& argument) {
    char* arguments[] = {const_cast<char*>("xdg-open"), const_cast<char*>(argument.c_str()),
                         nullptr};
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        if (fork() == 0) {
            setsid();
            execv(opener.c_str(), arguments);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

} // namespace

// The opener takes one argument and shows its window itself: there is no owner window, no
// parameters and no show command to pass on.
INT_PTR PlatformShellExecute(HWND, const std::string& operation, const std::string& file,
                             const char*, const char* directory, int) {
    if (operation != "open" || file.empty()) {
        return 0;
    }
    const std::string opener = FindOpener();
    if (opener.empty()) {
        return 0;
    }
    return StartDetached(opener, OpenerArgument(file, directory)) ? 33 : 0;
}
