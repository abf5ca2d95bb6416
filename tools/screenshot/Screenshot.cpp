// Saves a picture of the program's main dialog, started as usual in the working directory:
//   quillfolio-screenshot OUTPUT.png [about]
// With "about", the picture shows the About box instead.
#include "../../src/app/PortfolioApp.h"
#include "../../src/classlib/Dialog.h"
#include "../../src/classlib/TestDriver.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/res/resource.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: quillfolio-screenshot OUTPUT.png [about]\n", stderr);
        return 2;
    }
    const std::string output = argv[1];
    const bool about = argc > 2 && std::string(argv[2]) == "about";
    if (const int failure = AfxWinInit(1, argv)) {
        return failure;
    }
    bool saved = false;
    SetModalHook([&](CDialog& dialog) {
        if (dialog.GetTemplateId() == IDD_QUILLFOLIO_DIALOG && about) {
            drive::ChooseSystemMenuItem(dialog, IDM_ABOUTBOX);
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
