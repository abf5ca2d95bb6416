// Times the Report button on lists of 1,000, 10,000 and 100,000 entries in the real main dialog,
// with the example templates, and the report text alone for comparison:
//   quillfolio-report-bench
#include "../src/app/PortfolioDialog.h"
#include "../src/app/ShareEntry.h"
#include "../src/classlib/TestHooks.h"
#include "../src/classlib/TextFile.h"
#include "../src/classlib/WinApp.h"
#include "../src/portfolio/ShareFile.h"
#include "../src/report/ReportText.h"
#include "../src/res/resource.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::array<int, kShareColumnCount> kFormControlOfColumn = {
    IDC_TICKER,      IDC_NUMBEROFSHARES, IDC_PURCHASEPRICE, IDC_PURCHASEDATE, IDC_CURRENTPRICE,
    IDC_CURRENTDATE, IDC_SALEPRICE,      IDC_SALEDATE,      IDC_NOTES,
};

std::vector<ShareEntry> SampleEntries(int count) {
    std::vector<ShareEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        entries.push_back({"T" + n, std::to_string(10 + i % 990), "12.40", "2007-03-15", "14.05",
                           "2007-09-28", i % 3 == 0 ? "15.10" : "", i % 3 == 0 ? "2008-01-04" : "",
                           "lot " + n + ", bought on a dip"});
    }
    return entries;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr int kPresses = 5;

struct Timing {
    double loadSeconds = 0;
    std::vector<double> pressSeconds;
    bool formShowsBottomRow = true;

    double Best() const { return *std::min_element(pressSeconds.begin(), pressSeconds.end()); }
    double Median() const {
        std::vector<double> sorted = pressSeconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

// Stores the entries in share.dat so that the dialog opens with them listed top to bottom, then
// presses Report a few times, with text typed into the form before each press.
Timing TimeReportButton(const std::vector<ShareEntry>& entries) {
    Timing timing;
    const std::vector<ShareEntry> bottomToTop(entries.rbegin(), entries.rend());
    WriteTextFile(kPortfolioFileName, WriteShareRecords(bottomToTop));
    CPortfolioDialog dialog;
    const Clock::time_point loadStart = Clock::now();
    SetModalHook([&](CDialog&) {
        timing.loadSeconds = SecondsSince(loadStart);
        for (int press = 0; press < kPresses; ++press) {
            dialog.SetDlgItemText(IDC_TICKER, "typed");
            const Clock::time_point pressStart = Clock::now();
            dialog.SendMessage(WM_COMMAND, MakeCommandParam(IDC_REPORT, BN_CLICKED), 0);
            timing.pressSeconds.push_back(SecondsSince(pressStart));
            timing.formShowsBottomRow =
                timing.formShowsBottomRow &&
                dialog.GetDlgItemText(IDC_TICKER) == entries.back().TICKER &&
                dialog.GetDlgItemText(IDC_NOTES) == entries.back().NOTES;
        }
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    SetModalHook({});
    return timing;
}

double TimeReportText(const std::vector<ShareEntry>& entries) {
    const std::string outer = ReadTextFile("ReportOutter.htm").text;
    const std::string inner = ReadTextFile("ReportInner.htm").text;
    const Clock::time_point start = Clock::now();
    const std::string report = BuildReportText(outer, inner, entries);
    const double seconds = SecondsSince(start);
    return report.empty() ? -1 : seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (const int failure = AfxWinInit(argc, argv)) {
        return failure;
    }
    std::string pattern = (fs::temp_directory_path() / "quillfolio-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("quillfolio-report-bench");
        return 1;
    }
    const fs::path directory = pattern;
    for (const char* name : {"ReportOutter.htm", "ReportInner.htm"}) {
        fs::copy_file(fs::path(QUILLFOLIO_EXAMPLES_DIR) / name, directory / name);
    }
    fs::current_path(directory);
    SetShellExecuteHook([](const ShellExecuteCall&) {});

    std::printf("Report button, best and median of %d presses; the report text alone; opening "
                "the dialog with the entries beforehand\n",
                kPresses);
    std::printf("%9s %10s %12s %15s %12s %10s %12s\n", "entries", "best (s)", "median (s)",
                "best/entry (us)", "Report.htm", "text (s)", "opening (s)");
    bool ok = true;
    for (const int count : {1'000, 10'000, 100'000}) {
        const std::vector<ShareEntry> entries = SampleEntries(count);
        const Timing timing = TimeReportButton(entries);
        const double textSeconds = TimeReportText(entries);
        const auto reportBytes = fs::file_size("Report.htm");
        std::printf("%9d %10.3f %12.3f %15.2f %9.1f MB %10.3f %12.1f\n", count, timing.Best(),
                    timing.Median(), timing.Best() * 1e6 / count,
                    static_cast<double>(reportBytes) / 1e6, textSeconds, timing.loadSeconds);
        if (!timing.formShowsBottomRow) {
            std::fprintf(stderr, "the form does not show the bottom row after %d entries\n", count);
            ok = false;
        }
    }
    fs::current_path(directory.parent_path());
    fs::remove_all(directory);
    AfxWinTerm();
    return ok ? 0 : 1;
}
