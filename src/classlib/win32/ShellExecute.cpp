// The shell's "open" for documents and web addresses: ShellExecuteA, byte for byte.
#include "../Backend.h"

#include <shellapi.h>

INT_PTR PlatformShellExecute(HWND owner, const std::string& operation, const std::string& file,
                             const char* parameters, const char* directory, int showCommand) {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(owner, operation.c_str(), file.c_str(), parameters, directory, showCommand));
}
