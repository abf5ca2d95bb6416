// Saves a picture of the program's main dialog, started as usual in the working directory:
//   quillfolio-screenshot OUTPUT.png [about | date]
// With "about", the picture shows the About box instead, with "date" the date dialog that the
// first Select button opens.
#include "../../src/app/PortfolioApp.h"
#include "../../src/classlib/Dialog.h"
#include "../../src/classlib/TestDriver.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/res/resource.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: quillfolio-screenshot OUTPUT.png [about | date]\n", stderr);
        return 2;
    }
    const std::string output = argv[1];
    const std::string shown = argc > 2 ? argv[2] : "";
    if (const int failure = AfxWinInit(1, argv)) {
        return failure;
    }
    bool saved = false;
    SetModalHook([&](CDialog& dialog) {
        if (dialog.GetTemplateId() == IDD_QUILLFOLIO_DIALOG && shown == "about") {
            drive::ChooseSystemMenuItem(dialog, IDM_ABOUTBOX);
        } else if (dialog.GetTemplateId() == IDD_QUILLFOLIO_DIALOG && shown == "date") {
            drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
        } else {
            saved = drive::SaveImage(dialog, output);
        }
        dialog.EndDialog(IDCANCEL);
    });
    theApp.InitInstance();
    AfxWinTerm();
    if (!saved) {
        std::fprintf(stderr, "quillfolio-screenshot: could not save %s\n", output.c_str());
        return 1;
    }
    return 0;
}
