// The process-wide parts of the Win32 backend: the common controls, message boxes, sockets and
// the program's own file.
#include <winsock2.h>

#include "../Backend.h"
#include "../WinApp.h"

#include <vector>

namespace {

// Each successful start-up is matched by one clean-up when the program ends.
int socketStartups = 0;

HWND BoxOwner(const CDialog* owner) {
    if (owner != nullptr && owner->m_hWnd != nullptr) {
        return owner->m_hWnd;
    }
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
}

} // namespace

int PlatformInit(int, char**) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES;
    return InitCommonControlsEx(&controls) ? 0 : 1;
}

void PlatformTerm() {
    for (; socketStartups > 0; --socketStartups) {
        WSACleanup();
    }
}

// Version 1.1 and no other.
BOOL PlatformSocketStartup() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) {
        return FALSE;
    }
    if (data.wVersion != MAKEWORD(1, 1)) {
        WSACleanup();
        return FALSE;
    }
    ++socketStartups;
    return TRUE;
}

// The icon resource linked into the executable.
HICON CWinApp::LoadIcon(UINT id) const {
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

int PlatformMessageBox(const CDialog* owner, const std::string& text, const std::string& caption,
                       UINT type) {
    return MessageBoxA(BoxOwner(owner), text.c_str(), caption.c_str(), type);
}

std::filesystem::path PlatformExecutablePath(const char* argv0) {
    std::vector<char> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            std::error_code error;
            return argv0 != nullptr ? std::filesystem::absolute(argv0, error)
                                    : std::filesystem::path();
        }
        if (length < name.size()) {
            return std::filesystem::path(std::string(name.data(), length));
        }
        name.resize(name.size() * 2);
    }
}
