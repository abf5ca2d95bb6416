#include "PortfolioFileClaim.h"

#include "../classlib/WinApp.h"
#include "ShareFile.h"

namespace {

constexpr char kInUseText[] =
    "The portfolio file share.dat is in use by another Quillfolio window.\r\n"
    "Close that window first: this one ends now, without opening share.dat, so that neither "
    "window throws away the other's changes.";

} // namespace

std::unique_ptr<FileClaim> ClaimPortfolioFile() {
    auto claim = std::make_unique<FileClaim>(kPortfolioFileName);
    if (claim->IsInUseElsewhere()) {
        AfxMessageBox(kInUseText);
        return nullptr;
    }
    return claim;
}
