// Starts the program in the working directory, presses Report once and ends, with nothing on
// screen and nothing opened: Report.htm is then what a person would get from that folder.
//   quillfolio-report-page
#include "../../src/app/PortfolioApp.h"
#include "../../src/classlib/Dialog.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/res/resource.h"

#include <cstdio>

int main(int, char** argv) {
    if (const int failure = AfxWinInit(1, argv)) {
        return failure;
    }
    bool failed = false;
    SetShellExecuteHook([](const ShellExecuteCall&) {});
    SetMessageBoxHook([&](const MessageBoxCall& box) {
        std::fprintf(stderr, "quillfolio-report-page: %s: %s\n", box.caption.c_str(),
                     box.text.c_str());
        failed = true;
        return IDOK;
    });
    SetModalHook([](CDialog& dialog) {
        dialog.SendMessage(WM_COMMAND, MakeCommandParam(IDC_REPORT, BN_CLICKED), 0);
        dialog.EndDialog(IDCANCEL);
    });
    theApp.InitInstance();
    AfxWinTerm();
    return failed ? 1 : 0;
}
