// Runs the program in the working directory as a person would: it loads share.dat (if there is
// one), then the entries below are put into the form and added with the Add button, one row is
// updated and one removed, and Quit closes the program, which saves share.dat.
//   quillfolio-share-file
// The same run on every backend writes the same bytes.
#include "../../src/app/PortfolioApp.h"
#include "../../src/classlib/Dialog.h"
#include "../../src/classlib/TestDriver.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/res/resource.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::vector<std::pair<int, std::string>> fields;
};

// Values as a person leaves them, and bytes that are no text in the locale's encoding.
const std::vector<Entry> kEntries = {
    {{{IDC_TICKER, "IBM"},
      {IDC_NUMBEROFSHARES, "100"},
      {IDC_PURCHASEPRICE, "12.50"},
      {IDC_PURCHASEDATE, "2007-03-05"},
      {IDC_NOTES, "price=target 4.00"}}},
    {{{IDC_TICKER, "  SAP"},
      {IDC_NUMBEROFSHARES, "20 "},
      {IDC_SALEPRICE, "120"},
      {IDC_SALEDATE, "2024-12-31"},
      {IDC_NOTES, "Caf\xE9 \xFF\xFE \x01\x7F"}}},
    {{{IDC_TICKER, "A&B#C"},
      {IDC_CURRENTPRICE, "1,5"},
      {IDC_CURRENTDATE, "2040-02-29"},
      {IDC_NOTES, "lone\rreturn and a tab\there"}}},
    {{{IDC_TICKER, "GONE"}, {IDC_NOTES, "removed before the save"}}},
};

void AddEntry(CDialog& dialog, const Entry& entry) {
    drive::Click(dialog, IDC_CLEAR);
    for (const auto& [id, text] : entry.fields) {
        dialog.SetDlgItemText(id, text);
    }
    drive::Click(dialog, IDC_ADD);
}

} // namespace

int main(int, char** argv) {
    if (const int failure = AfxWinInit(1, argv)) {
        return failure;
    }
    bool ran = false;
    SetModalHook([&](CDialog& dialog) {
        if (dialog.GetTemplateId() != IDD_QUILLFOLIO_DIALOG) {
            return;
        }
        for (const Entry& entry : kEntries) {
            AddEntry(dialog, entry);
        }
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        drive::Click(dialog, IDC_REMOVE);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 1);
        dialog.SetDlgItemText(IDC_NUMBEROFSHARES, "25");
        drive::Click(dialog, IDC_UPDATE);
        drive::Click(dialog, IDOK);
        ran = true;
    });
    theApp.InitInstance();
    AfxWinTerm();
    if (!ran) {
        std::fputs("quillfolio-share-file: the main dialog did not run\n", stderr);
        return 1;
    }
    return 0;
}
