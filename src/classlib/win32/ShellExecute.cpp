// The shell's "open" for documents and web addresses: ShellExecuteA, byte for byte.
#include "../Shell.h"
#include "../TestHooks.h"

#include <shellapi.h>

INT_PTR AfxShellExecute(HWND owner, const std::string& operation, const std::string& file,
                        const char* parameters, const char* directory, int showCommand) {
    if (const ShellExecuteHook& hook = GetShellExecuteHook()) {
        auto optional = [](const char* text) {
            return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
        };
        hook({owner, operation, file, optional(parameters), optional(directory), showCommand});
        return 33;
    }
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(owner, operation.c_str(), file.c_str(), parameters, directory, showCommand));
}
