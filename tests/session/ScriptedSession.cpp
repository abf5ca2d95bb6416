// The real program, started as usual in the working directory, with a script as the person in
// front of it, so that tests in other processes can watch, stop or kill a real run:
//   quillfolio-scripted-session add-and-quit
//     adds the entry ADDED, says "closing" and quits, so that the dialog saves share.dat;
//   quillfolio-scripted-session hold
//     says "running", then takes commands line by line from its standard input: "save" saves
//     share.dat at once and says "saved"; "quit" or the end of the input quits.
// Every dialog shown is reported as "dialog ID", every message box as
// "box TYPE OWNER CAPTION|TEXT" (and answered OK, or No to a question).
#include "../../src/app/PortfolioApp.h"
#include "../../src/app/PortfolioDialog.h"
#include "../../src/classlib/TestDriver.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/res/resource.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// Straight to the descriptor: a killed process leaves nothing unsaid in a buffer.
void Say(const std::string& line) {
    const std::string text = line + "\n";
    static_cast<void>(::write(STDOUT_FILENO, text.data(), text.size()));
}

std::string ReadCommand() {
    std::string line;
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

void AddAndQuit(CPortfolioDialog& dialog) {
    drive::Type(dialog, IDC_TICKER, "ADDED");
    drive::Type(dialog, IDC_NOTES, "added by the scripted session");
    drive::Click(dialog, IDC_ADD);
    Say("closing");
    drive::Click(dialog, IDOK);
}

void Hold(CPortfolioDialog& dialog) {
    Say("running");
    for (std::string command = ReadCommand(); command == "save"; command = ReadCommand()) {
        dialog.SavePortfolio();
        Say("saved");
    }
    drive::Click(dialog, IDOK);
}

} // namespace

int main(int argc, char** argv) {
    const std::string script = argc > 1 ? argv[1] : "";
    if (script != "add-and-quit" && script != "hold") {
        std::fputs("usage: quillfolio-scripted-session add-and-quit|hold\n", stderr);
        return 2;
    }
    if (const int failure = AfxWinInit(1, argv)) {
        return failure;
    }
    SetMessageBoxHook([](const MessageBoxCall& call) {
        Say("box " + std::to_string(call.type) + " " + std::to_string(call.ownerTemplateId) + " " +
            call.caption + "|" + call.text);
        return (call.type & MB_TYPEMASK) == MB_OK ? IDOK : IDNO;
    });
    SetModalHook([&](CDialog& dialog) {
        Say("dialog " + std::to_string(dialog.GetTemplateId()));
        if (dialog.GetTemplateId() != IDD_QUILLFOLIO_DIALOG) {
            return;
        }
        auto& portfolioDialog = static_cast<CPortfolioDialog&>(dialog);
        script == "hold" ? Hold(portfolioDialog) : AddAndQuit(portfolioDialog);
    });
    theApp.InitInstance();
    AfxWinTerm();
    return 0;
}
