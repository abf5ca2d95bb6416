// What a backend supplies besides the member functions of the public classes.
#pragma once

#include "Dialog.h"

#include <filesystem>
#include <string>

// Shows a real message box; owner is nullptr for a box raised through the application.
int PlatformMessageBox(const CDialog* owner, const std::string& text, const std::string& caption,
                       UINT type);

// Creates the platform's application object for the process; 0, or the exit code on failure.
int PlatformInit(int argc, char** argv);
void PlatformTerm();

// Puts the keyboard focus on a control of the dialog.
void PlatformFocusControl(CDialog& dialog, int id);

// Starts the socket library, version 1.1; TRUE where there is nothing to start.
BOOL PlatformSocketStartup();

// The running program's own file; argv0 where the system cannot tell.
std::filesystem::path PlatformExecutablePath(const char* argv0);

// Hands the file or web address to the desktop, as AfxShellExecute describes.
INT_PTR PlatformShellExecute(HWND owner, const std::string& operation, const std::string& file,
                             const char* parameters, const char* directory, int showCommand);

// What a backend does with a CDialog that the dialog's own interface does not offer.
class DialogRunner {
public:
    static BOOL InitDialog(CDialog& dialog) { return dialog.OnInitDialog(); }
    static CWnd* Parent(const CDialog& dialog) { return dialog.m_pParentWnd; }
    // The controls attached by data exchange let go of the dialog's window as it goes.
    static void ReleaseControls(CDialog& dialog) {
        for (CWnd* control : dialog.m_boundControls) {
            control->m_hWnd = nullptr;
        }
        dialog.m_boundControls.clear();
    }
};
