// Writes Report.htm in the working directory as the Report button does, for the entries of a
// portfolio file, in the real main dialog with nothing on screen and nothing opened:
//   quillfolio-report-page SHARE.DAT
// The working directory holds the templates and no share.dat of its own, so the program's own
// loading and saving leave the given file alone; its entries go into the list through the form,
// each on top, as loading puts them.
#include "../../src/app/PortfolioApp.h"
#include "../../src/app/PortfolioDialog.h"
#include "../../src/app/ShareEntry.h"
#include "../../src/classlib/TestHooks.h"
#include "../../src/classlib/TextFile.h"
#include "../../src/res/resource.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Key {
    std::string_view name;
    int formControl;
};

constexpr std::array<Key, kShareColumnCount> kKeys = {{
    {"TICKER", IDC_TICKER},
    {"NUMBEROFSHARES", IDC_NUMBEROFSHARES},
    {"NOTES", IDC_NOTES},
    {"SALEPRICE", IDC_SALEPRICE},
    {"SALEDATE", IDC_SALEDATE},
    {"PURCHASEPRICE", IDC_PURCHASEPRICE},
    {"PURCHASEDATE", IDC_PURCHASEDATE},
    {"CURRENTPRICE", IDC_CURRENTPRICE},
    {"CURRENTDATE", IDC_CURRENTDATE},
}};

using Record = std::array<std::string, kShareColumnCount>; // values in key order

// The records of a portfolio file in file order: a TICKER line begins a record, the other keys
// fill it, fields carry over from the record before, records without a ticker are dropped.
std::vector<Record> ReadRecords(const std::string& bytes) {
    const std::string text = DecodeTextMode(bytes);
    std::vector<Record> records;
    Record current;
    bool started = false;
    auto complete = [&] {
        if (started && !current[0].empty()) {
            records.push_back(current);
        }
    };
    for (std::size_t begin = 0, end; (end = text.find('\n', begin)) != std::string::npos;
         begin = end + 1) {
        std::string_view line(text.data() + begin, end - begin);
        line = line.substr(0, line.find_last_not_of(" \t\n\v\f\r") + 1);
        const std::size_t equals = line.find('=');
        const std::string_view key = line.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            if (key == kKeys[k].name) {
                if (k == 0) {
                    complete();
                    started = true;
                }
                current[k] = value;
            }
        }
    }
    complete();
    return records;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quillfolio-report-page SHARE.DAT\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "quillfolio-report-page: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<Record> records =
        ReadRecords({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    if (const int failure = AfxWinInit(1, argv)) {
        return failure;
    }
    SetShellExecuteHook([](const ShellExecuteCall&) {});
    SetMessageBoxHook([](const MessageBoxCall& box) {
        std::fprintf(stderr, "quillfolio-report-page: %s: %s\n", box.caption.c_str(),
                     box.text.c_str());
        return IDOK;
    });
    SetModalHook([&](CDialog& shown) {
        auto& dialog = static_cast<CPortfolioDialog&>(shown);
        for (const Record& record : records) {
            for (std::size_t k = 0; k < kKeys.size(); ++k) {
                dialog.SetDlgItemText(kKeys[k].formControl, record[k]);
            }
            dialog.InsertFormAsTopRow();
        }
        dialog.SendMessage(WM_COMMAND, MakeCommandParam(IDC_REPORT, BN_CLICKED), 0);
        dialog.EndDialog(IDCANCEL);
    });
    theApp.InitInstance();
    std::printf("Report.htm written with %zu entries\n", records.size());
    return 0;
}
