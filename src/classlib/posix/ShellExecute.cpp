// The desktop's opener (xdg-open) started for each request, with the address or the absolute file
// name as its one argument, byte for byte, and never through a shell command line.
#include "../Shell.h"
#include "../TestHooks.h"

#include <cerrno>
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

// Starts the opener in a grandchild, so that nothing waits for it and no zombie is left behind.
bool StartDetached(const std::string& argument) {
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        if (fork() == 0) {
            setsid();
            char opener[] = "xdg-open";
            char* arguments[] = {opener, const_cast<char*>(argument.c_str()), nullptr};
            execvp(opener, arguments);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

} // namespace

INT_PTR AfxShellExecute(HWND owner, const std::string& operation, const std::string& file,
                        const char* parameters, const char* directory, int showCommand) {
    if (const ShellExecuteHook& hook = GetShellExecuteHook()) {
        auto optional = [](const char* text) {
            return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
        };
        hook({owner, operation, file, optional(parameters), optional(directory), showCommand});
        return 33;
    }
    if (operation != "open" || file.empty()) {
        return 0;
    }
    return StartDetached(OpenerArgument(file, directory)) ? 33 : 0;
}
