// The application object: one global instance per program, started by the class library.
#pragma once

#include "Window.h"

#include <string>

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start-up; the process ends when it returns FALSE.
    virtual BOOL InitInstance();

    HICON LoadIcon(UINT id) const;

    // The executable's file name without its extension.
    const std::string& GetAppName() const { return m_appName; }

    CWnd* m_pMainWnd = nullptr;

protected:
    // The standard Help command (F1): opens the help file named after the application beside the
    // executable.
    void OnHelp();

private:
    friend int AfxWinInit(int argc, char** argv);
    // Closes down the window system again, before the process ends.
    void AfxWinTerm();
    std::string m_appName;
    std::string m_helpFilePath;
};

CWinApp* AfxGetApp();

// Sets up the window system for the process and names the application after argv[0].
// Returns 0, or the process's exit code when the window system cannot start.
int AfxWinInit(int argc, char** argv);
// Closes down the window system again, before the process ends.
void AfxWinTerm();

// Starts the socket library (version 1.1); FALSE when it cannot start.
BOOL AfxSocketInit();

// A message box raised through the application: captioned with the application name, and an
// OK box that names no icon gets the exclamation icon.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
