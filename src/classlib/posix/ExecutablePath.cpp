#include "../Backend.h"

std::filesystem::path PlatformExecutablePath(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error && argv0 != nullptr) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self;
}
