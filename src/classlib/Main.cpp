// The program's entry point: the class library starts the application object's start-up.
#include "WinApp.h"

int main(int argc, char** argv) {
    if (const int failure = AfxWinInit(argc, argv)) {
        return failure;
    }
    if (CWinApp* app = AfxGetApp()) {
        app->InitInstance();
    }
    AfxWinTerm();
    return 0;
}
