// Times the main dialog's start-up with share.dat loading, until the list is on the screen, and
// the save at close, for portfolios of 1,000, 10,000 and 100,000 entries; prints the median
// times, the cost per entry and the process's peak memory.
#include "../src/app/PortfolioDialog.h"
#include "../src/classlib/TestDriver.h"
#include "../src/classlib/TestHooks.h"
#include "../src/classlib/TextFile.h"
#include "../src/classlib/WinApp.h"
#include "../src/portfolio/ShareFile.h"
#include "../src/res/resource.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kSizes[] = {1'000, 10'000, 100'000};
// Each size runs this often and the median counts, as other work shares the machine.
constexpr int kRunsPerSize = 5;

// Entries as an investor keeps them: most still held, some sold, notes of any length.
std::vector<ShareEntry> RealisticEntries(int count) {
    std::mt19937 random(20070315);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    auto price = [&] {
        const int cents = between(5, 90'000);
        const std::string fraction = std::to_string(cents % 100);
        return std::to_string(cents / 100) + "." + (fraction.size() < 2 ? "0" : "") + fraction;
    };
    auto date = [&] {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", between(1998, 2024), between(1, 12),
                      between(1, 28));
        return std::string(text);
    };
    const std::string notes[] = {"",
                                 "second lot",
                                 "price=target 4.00",
                                 "dividend reinvested",
                                 "bought on the advice of a friend; review after the results",
                                 "Caf\xE9 holdings (legacy code page)",
                                 "sell if below 3.00"};
    std::vector<ShareEntry> entries(static_cast<std::size_t>(count));
    for (ShareEntry& entry : entries) {
        for (int letter = between(2, 5); letter > 0; --letter) {
            entry.TICKER += static_cast<char>('A' + between(0, 25));
        }
        entry.NUMBEROFSHARES = std::to_string(between(1, 5'000));
        entry.PURCHASEPRICE = price();
        entry.PURCHASEDATE = date();
        if (between(1, 10) <= 8) {
            entry.CURRENTPRICE = price();
            entry.CURRENTDATE = date();
        }
        if (between(1, 10) <= 2) {
            entry.SALEPRICE = price();
            entry.SALEDATE = date();
        }
        entry.NOTES = notes[between(0, std::size(notes) - 1)];
    }
    return entries;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes share.dat with that many entries; the hash of its bytes.
std::size_t WriteSampleFile(int entries) {
    const std::string bytes = EncodeTextMode(WriteShareRecords(RealisticEntries(entries)));
    std::ofstream("share.dat", std::ios::binary) << bytes;
    return std::hash<std::string>()(bytes);
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Timing {
    double load = 0; // seconds from the dialog's construction until its list is painted
    double save = 0; // seconds from ending the dialog until its window is gone, saved
    int rows = 0;
};

// One run of the main dialog on the share.dat in the working directory.
Timing RunDialog() {
    Timing timing;
    const Clock::time_point start = Clock::now();
    Clock::time_point closing;
    CPortfolioDialog dialog;
    SetModalHook([&](CDialog&) {
        // Grabbing the window paints it, the list included, as the screen would show it.
        drive::SaveImage(dialog, "shown.bmp");
        closing = Clock::now();
        timing.rows = drive::ListRowCount(dialog, IDC_ENTRYLIST);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    const Clock::time_point end = Clock::now();
    timing.load = std::chrono::duration<double>(closing - start).count();
    timing.save = std::chrono::duration<double>(end - closing).count();
    return timing;
}

// The median load and the median save of the runs, each on its own.
Timing Median(std::vector<Timing> runs) {
    const std::size_t middle = runs.size() / 2;
    Timing median = runs.front();
    std::nth_element(runs.begin(), runs.begin() + middle, runs.end(),
                     [](const Timing& a, const Timing& b) { return a.load < b.load; });
    median.load = runs[middle].load;
    std::nth_element(runs.begin(), runs.begin() + middle, runs.end(),
                     [](const Timing& a, const Timing& b) { return a.save < b.save; });
    median.save = runs[middle].save;
    return median;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (const int failure = AfxWinInit(argc, argv)) {
        return failure;
    }
    bool ok = true;
    SetMessageBoxHook([&](const MessageBoxCall& box) {
        std::fprintf(stderr, "unexpected message box: %s\n", box.text.c_str());
        ok = false;
        return IDOK;
    });

    const fs::path directory = fs::temp_directory_path() / "quillfolio-bench";
    fs::remove_all(directory);
    fs::create_directories(directory);
    fs::current_path(directory);
    RunDialog(); // the first window pays for fonts and styles

    std::printf("%9s %9s %12s %9s %12s %10s\n", "entries", "load s", "load us/ent", "save s",
                "save us/ent", "peak MB");
    double loadPerEntry10k = 0;
    double savePerEntry10k = 0;
    for (const int size : kSizes) {
        const std::size_t written = WriteSampleFile(size);
        std::vector<Timing> runs;
        double peak = 0;
        for (int run = 0; run < kRunsPerSize; ++run) {
            runs.push_back(RunDialog());
            // The peak of one run; later runs add what the allocator keeps back.
            if (run == 0) {
                peak = PeakMegabytes();
            }
            if (runs.back().rows != size ||
                std::hash<std::string>()(ReadBytes("share.dat")) != written) {
                std::fprintf(stderr, "%d entries: the list or the saved file is wrong\n", size);
                ok = false;
            }
        }
        const Timing timing = Median(runs);
        const double loadPerEntry = timing.load / size * 1e6;
        const double savePerEntry = timing.save / size * 1e6;
        std::printf("%9d %9.3f %12.2f %9.3f %12.2f %10.1f\n", size, timing.load, loadPerEntry,
                    timing.save, savePerEntry, peak);
        if (size == 10'000) {
            loadPerEntry10k = loadPerEntry;
            savePerEntry10k = savePerEntry;
        } else if (size == 100'000) {
            std::printf("per-entry cost at 100,000 over 10,000: load %.2fx, save %.2fx\n",
                        loadPerEntry / loadPerEntry10k, savePerEntry / savePerEntry10k);
        }
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(directory);
    AfxWinTerm();
    return ok ? 0 : 1;
}
