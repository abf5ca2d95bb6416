#include "WinApp.h"

#include "Backend.h"
#include "Shell.h"
#include "TestHooks.h"

#include <filesystem>

namespace {

CWinApp* theApplication = nullptr;

// The help file is named after the application: beside the executable, or where an installation
// keeps documentation.
std::string HelpFilePath(const std::filesystem::path& executable, const std::string& appName) {
    const std::string fileName = appName + ".htm";
    const std::filesystem::path beside = executable.parent_path() / fileName;
    const std::filesystem::path installed =
        executable.parent_path().parent_path() / "share" / "doc" / appName / fileName;
    std::error_code error;
    return (std::filesystem::exists(beside, error) || !std::filesystem::exists(installed, error)
                ? beside
                : installed)
        .string();
}

} // namespace

CWinApp::CWinApp() { theApplication = this; }

CWinApp::~CWinApp() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }

CWinApp* AfxGetApp() { return theApplication; }

int AfxWinInit(int argc, char** argv) {
    if (theApplication != nullptr) {
        const std::filesystem::path executable =
            PlatformExecutablePath(argc > 0 ? argv[0] : nullptr);
        theApplication->m_appName = executable.stem().string();
        theApplication->m_helpFilePath = HelpFilePath(executable, theApplication->m_appName);
    }
    return PlatformInit(argc, argv);
}

void AfxWinTerm() { PlatformTerm(); }

BOOL AfxSocketInit() { return SocketStartupFailsForTest() ? FALSE : PlatformSocketStartup(); }

void CWinApp::OnHelp() {
    std::error_code error;
    if (!m_helpFilePath.empty() && std::filesystem::exists(m_helpFilePath, error)) {
        AfxShellExecute(nullptr, "open", m_helpFilePath, nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    AfxMessageBox("The help file \"" + m_helpFilePath + "\" could not be found.");
}
