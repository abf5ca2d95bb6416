#include "Shell.h"

#include "Backend.h"
#include "TestHooks.h"

INT_PTR AfxShellExecute(HWND owner, const std::string& operation, const std::string& file,
                        const char* parameters, const char* directory, int showCommand) {
    if (const ShellExecuteHook& hook = GetShellExecuteHook()) {
        auto optional = [](const char* text) {
            return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
        };
        hook({owner, operation, file, optional(parameters), optional(directory), showCommand});
        return 33;
    }
    return PlatformShellExecute(owner, operation, file, parameters, directory, showCommand);
}
