// Large and hostile inputs along the whole path a person takes, in the real dialog: a share.dat
// with a 100 MB value (loaded, its row clicked so that the form holds it, saved at close), a
// share.dat of a million lines, 100 MB of random bytes as share.dat, and report templates of
// 50 MB; and a value of 1 MB that the reading rules carry over into 100,000 entries. Each case runs
// at a tenth of its size too, so that the cost per byte shows whether it grows with the size. Each
// run has a process of its own, so that its peak memory is its own; prints seconds and nanoseconds
// per input byte for each step, and the peak memory over that of an empty run, per input byte.
//   quillfolio-hostile-input-bench                 runs every case at both sizes
//   quillfolio-hostile-input-bench CASE TENTHS     runs one case at TENTHS tenths of its size
#include "../src/app/PortfolioDialog.h"
#include "../src/classlib/TestDriver.h"
#include "../src/classlib/TestHooks.h"
#include "../src/classlib/TextFile.h"
#include "../src/classlib/WinApp.h"
#include "../src/portfolio/ShareFile.h"
#include "../src/res/resource.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMegabyte = 1024 * 1024;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// What one case did: its input's size and the seconds of each step, in order.
struct Steps {
    std::size_t inputBytes = 0;
    std::vector<std::pair<std::string, double>> seconds;
    bool ok = true;
};

void Fail(Steps& steps, const char* what) {
    std::fprintf(stderr, "%s\n", what);
    steps.ok = false;
}

// Runs the main dialog: the script acts in it, then the dialog ends and saves.
void RunDialog(Steps& steps, const std::function<void(CPortfolioDialog&)>& script) {
    const Clock::time_point opening = Clock::now();
    Clock::time_point closing;
    CPortfolioDialog dialog;
    SetModalHook([&](CDialog&) {
        drive::SaveImage(dialog, "shown.png"); // paints the window, as the screen would
        steps.seconds.emplace_back("open", Seconds(opening));
        script(dialog);
        closing = Clock::now();
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    steps.seconds.emplace_back("close and save", Seconds(closing));
}

Steps Empty(std::size_t) {
    Steps steps;
    RunDialog(steps, [](CPortfolioDialog&) {});
    return steps;
}

Steps HugeValue(std::size_t tenths) {
    ShareEntry entry;
    entry.TICKER = "HUGE";
    entry.NOTES = std::string(tenths * 10 * kMegabyte, 'n');
    const std::string bytes = EncodeTextMode(WriteShareRecords({entry}));
    WriteBytes("share.dat", bytes);
    Steps steps;
    steps.inputBytes = bytes.size();
    RunDialog(steps, [&](CPortfolioDialog& dialog) {
        const Clock::time_point clicking = Clock::now();
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        steps.seconds.emplace_back("click the row", Seconds(clicking));
        if (dialog.GetDlgItemText(IDC_NOTES).size() != entry.NOTES.size()) {
            Fail(steps, "the form does not hold the whole value");
        }
    });
    if (ReadBytes("share.dat") != bytes) {
        Fail(steps, "the saved file differs");
    }
    return steps;
}

Steps MillionLines(std::size_t tenths) {
    const ShareEntry sample{"T", "100", "3.20", "2007-01-08", "", "", "", "", "second lot"};
    std::vector<ShareEntry> entries(tenths * 10'000, sample);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        entries[index].TICKER += std::to_string(index);
    }
    const std::string bytes = EncodeTextMode(WriteShareRecords(entries));
    WriteBytes("share.dat", bytes);
    Steps steps;
    steps.inputBytes = bytes.size();
    RunDialog(steps, [](CPortfolioDialog&) {});
    if (ReadBytes("share.dat") != bytes) {
        Fail(steps, "the saved file differs");
    }
    return steps;
}

Steps RandomBytes(std::size_t tenths) {
    std::string bytes(tenths * 10 * kMegabyte, '\0');
    std::mt19937_64 random(1998);
    for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) {
        const std::uint64_t word = random();
        std::memcpy(bytes.data() + at, &word, 8);
    }
    WriteBytes("share.dat", bytes);
    Steps steps;
    steps.inputBytes = bytes.size();
    RunDialog(steps, [](CPortfolioDialog&) {});
    return steps;
}

// One long value carried over into 100,000 entries: reading stops at its bound, and the file is
// kept as it is.
Steps CarriedOver(std::size_t tenths) {
    std::string text = "NOTES=" + std::string(tenths * kMegabyte / 10, 'n') + "\r\n";
    for (int record = 0; record < 100'000; ++record) {
        text += "TICKER=T" + std::to_string(record) + "\r\n";
    }
    WriteBytes("share.dat", text);
    Steps steps;
    steps.inputBytes = text.size();
    RunDialog(steps, [](CPortfolioDialog&) {});
    if (ReadBytes("share.dat") != text) {
        Fail(steps, "the file was not kept");
    }
    return steps;
}

// One report template of 50 MB, the other small; many entries for a large outer template, a
// few for a large inner one, whose every block holds it whole.
Steps LargeTemplate(bool inner, std::size_t tenths) {
    const std::size_t size = tenths * 5 * kMegabyte;
    std::string large;
    large.reserve(size + 64);
    const std::string line = inner ? "<tr><td>#TICKER#</td><td>#NOTES#</td></tr> text #x# \n"
                                   : "<p>A paragraph of the page, with a # or two #.</p>\n";
    while (large.size() < size) {
        large += line;
    }
    if (!inner) {
        large.insert(large.size() / 2, "#LINKS#");
    }
    WriteBytes("ReportOutter.htm", EncodeTextMode(inner ? "<html>#LINKS#</html>\n" : large));
    WriteBytes("ReportInner.htm", EncodeTextMode(inner ? large : "<tr><td>#TICKER#</td></tr>\n"));
    const std::size_t entries = inner ? 4 : tenths * 1'000;
    std::string file = "CREATOR=QUILLFOLIO 1.0";
    for (std::size_t index = 0; index < entries; ++index) {
        file += "\nTICKER=T" + std::to_string(index) + "\nNOTES=n\n";
    }
    WriteBytes("share.dat", EncodeTextMode(file));
    SetShellExecuteHook([](const ShellExecuteCall&) {});
    Steps steps;
    steps.inputBytes = size;
    RunDialog(steps, [&](CPortfolioDialog& dialog) {
        const Clock::time_point clicking = Clock::now();
        drive::Click(dialog, IDC_REPORT);
        steps.seconds.emplace_back("Report", Seconds(clicking));
    });
    if (fs::file_size("Report.htm") < size) {
        Fail(steps, "the report is short");
    }
    return steps;
}

// By name; each takes its size in tenths.
const std::map<std::string, std::function<Steps(std::size_t)>> kCases = {
    {"empty", Empty},
    {"carried-over-1MB", CarriedOver},
    {"value-100MB", HugeValue},
    {"million-lines", MillionLines},
    {"random-100MB", RandomBytes},
    {"outer-template-50MB", [](std::size_t tenths) { return LargeTemplate(false, tenths); }},
    {"inner-template-50MB", [](std::size_t tenths) { return LargeTemplate(true, tenths); }},
};

int RunCase(const std::string& name, std::size_t tenths, int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (const int failure = AfxWinInit(argc, argv)) {
        return failure;
    }
    SetMessageBoxHook([](const MessageBoxCall& box) {
        std::fprintf(stderr, "message box: %s\n", box.text.c_str());
        return IDOK;
    });
    const fs::path directory = fs::temp_directory_path() / ("quillfolio-hostile-" + name);
    fs::remove_all(directory);
    fs::create_directories(directory);
    fs::current_path(directory);
    const Steps steps = kCases.at(name)(tenths);
    std::printf("%zu", steps.inputBytes);
    for (const auto& [step, seconds] : steps.seconds) {
        std::printf("|%s|%.6f", step.c_str(), seconds);
    }
    std::printf("\n");
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(directory);
    AfxWinTerm();
    return steps.ok ? 0 : 1;
}

struct CaseRun {
    std::string output;
    double peakMegabytes = 0;
    bool ok = false;
};

// The case in a process of its own: what it printed and its peak memory.
CaseRun RunInOwnProcess(const char* self, const std::string& name, const std::string& tenths) {
    CaseRun run;
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    char* arguments[] = {const_cast<char*>(self), const_cast<char*>(name.c_str()),
                         const_cast<char*>(tenths.c_str()), nullptr};
    pid_t child = -1;
    const bool started = posix_spawn(&child, self, &actions, nullptr, arguments, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    char buffer[4096];
    for (ssize_t got; started && (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    rusage usage{};
    if (started && ::wait4(child, &status, 0, &usage) == child) {
        run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return run;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        return RunCase(argv[1], std::strtoul(argv[2], nullptr, 10), argc, argv);
    }
    const CaseRun empty = RunInOwnProcess(argv[0], "empty", "0");
    std::printf("empty run: peak %.1f MB\n", empty.peakMegabytes);
    std::printf("%-20s %6s %-15s %9s %10s %9s %12s\n", "case", "size", "step", "s", "ns/byte",
                "peak MB", "extra B/byte");
    bool ok = empty.ok;
    for (const auto& [name, function] : kCases) {
        for (const char* tenths : {"1", "10"}) {
            if (name == "empty") {
                continue;
            }
            const CaseRun run = RunInOwnProcess(argv[0], name, tenths);
            ok = ok && run.ok;
            std::istringstream fields(run.output);
            std::string field;
            std::getline(fields, field, '|');
            const double bytes = std::strtod(field.c_str(), nullptr);
            const double extra = (run.peakMegabytes - empty.peakMegabytes) * kMegabyte / bytes;
            bool first = true;
            std::string step;
            while (std::getline(fields, step, '|') && std::getline(fields, field, '|')) {
                const double seconds = std::strtod(field.c_str(), nullptr);
                std::printf("%-20s %6s %-15s %9.3f %10.2f", first ? name.c_str() : "",
                            first ? (std::string(tenths) + "/10").c_str() : "", step.c_str(),
                            seconds, seconds / bytes * 1e9);
                if (first) {
                    std::printf(" %9.1f %12.2f", run.peakMegabytes, extra);
                }
                std::printf("\n");
                first = false;
            }
            if (!run.ok) {
                std::printf("%-20s failed\n", name.c_str());
            }
        }
    }
    return ok ? 0 : 1;
}
