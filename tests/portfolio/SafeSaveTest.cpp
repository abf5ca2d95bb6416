#include "PortfolioTest.h"

#include <csignal>
#include <cstdio>
#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

const Row kNewEntry = {"NEW", "10", "1.00", "2008-01-01", "", "", "", "", "added this run"};

class SafeSaveTest : public PortfolioTest {
protected:
    // A file of the program's own, big enough to be written in several pieces.
    static std::string LargeFile() {
        std::string text = "CREATOR=QUILLFOLIO 1.0";
        for (int record = 0; record < 1500; ++record) {
            text += "\nTICKER=T" + std::to_string(record) +
                    "\nNUMBEROFSHARES=100\nNOTES=" + std::string(60, 'n') +
                    "\nSALEPRICE=\nSALEDATE=\nPURCHASEPRICE=3.20\nPURCHASEDATE=2007-01-08"
                    "\nCURRENTPRICE=3.75\nCURRENTDATE=2007-02-01\n";
        }
        return WithCrLf(text);
    }

    bool ShowedSaveFailureBox() const {
        return m_boxes.shown.size() == 1 && m_boxes.shown.front().text == "Save to File" &&
               m_boxes.shown.front().caption == "Error Writing File" &&
               m_boxes.shown.front().type == MB_OK &&
               m_boxes.shown.front().ownerTemplateId == IDD_QUILLFOLIO_DIALOG;
    }

    void ExpectSaveFailureBox() {
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        const MessageBoxCall& box = m_boxes.shown.front();
        EXPECT_EQ(box.text, "Save to File");
        EXPECT_EQ(box.caption, "Error Writing File");
        EXPECT_EQ(box.type, MB_OK);
        EXPECT_EQ(box.ownerTemplateId, IDD_QUILLFOLIO_DIALOG);
    }
};

TEST_F(SafeSaveTest, StepsOfTheSaveComeInOrder) {
    const std::string old = LargeFile();
    WriteFile("share.dat", old);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, kNewEntry);
        FailFileOperation(0);
    });
    const std::vector<FileOperation> steps = FileOperationsSeen();
    ASSERT_GT(steps.size(), 6u);
    EXPECT_EQ(steps.front(), FileOperation::Open);
    EXPECT_EQ(steps[1], FileOperation::Write);
    EXPECT_EQ(steps[2], FileOperation::Write);
    EXPECT_EQ(std::vector<FileOperation>(steps.end() - 4, steps.end()),
              (std::vector<FileOperation>{FileOperation::Flush, FileOperation::Close,
                                          FileOperation::Replace, FileOperation::SyncDirectory}));
    EXPECT_NE(ReadFile("share.dat"), old);
    EXPECT_TRUE(m_boxes.shown.empty());
}

// The Nth step of the save fails, for N = 1, 2, ... until a save gets through untouched, once
// per N. Whatever fails, the file is the old one or the new one, never anything between, no
// temporary file stays behind, and the person is told exactly when the old one stayed.
struct FaultCase {
    const char* name;
    // Lays out the working directory as it was before the run; the old contents of the file
    // that the save writes.
    std::function<std::string()> prepare;
    std::function<void(CPortfolioDialog&)> edit;
    std::string savedFile;
};

TEST_F(SafeSaveTest, FailingEachStepInTurnLeavesTheOldFileOrTheNew) {
    const FaultCase cases[] = {
        {"large file, an entry added",
         [] {
             WriteFile("share.dat", LargeFile());
             return LargeFile();
         },
         [](CPortfolioDialog& dialog) { InsertRow(dialog, kNewEntry); }, "share.dat"},
        {"no file yet, an entry added", [] { return std::string(); },
         [](CPortfolioDialog& dialog) { InsertRow(dialog, kNewEntry); }, "share.dat"},
        {"every entry removed",
         [] {
             WriteFile("share.dat", WithCrLf(kWorkedExampleText));
             return WithCrLf(kWorkedExampleText);
         },
         [](CPortfolioDialog& dialog) {
             for (int row = 0; row < 2; ++row) {
                 drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
                 drive::Click(dialog, IDC_REMOVE);
             }
         },
         "share.dat"},
#ifndef _WIN32 // the compiler's standard library for Windows cannot make symbolic links
        {"through a symbolic link",
         [] {
             fs::create_directory("data");
             WriteFile("data/portfolio.dat", WithCrLf(kWorkedExampleText));
             fs::create_symlink("data/portfolio.dat", "share.dat");
             return WithCrLf(kWorkedExampleText);
         },
         [](CPortfolioDialog& dialog) { InsertRow(dialog, kNewEntry); }, "data/portfolio.dat"},
#endif
    };
    int caseCount = 0;
    int badOutcomes = 0;
    for (const FaultCase& faultCase : cases) {
        SCOPED_TRACE(faultCase.name);
        const auto startAfresh = [&] {
            SetFileFaultHook({});
            for (const auto& entry : fs::directory_iterator(m_directory)) {
                fs::remove_all(entry.path());
            }
            m_boxes.shown.clear();
            return faultCase.prepare();
        };
        const std::string old = startAfresh();
        RunMainDialog([&](CPortfolioDialog& dialog) {
            faultCase.edit(dialog);
            FailFileOperation(0);
        });
        const std::string saved = ReadFile(faultCase.savedFile);
        const std::vector<std::string> listing = DirectoryListing();
        ASSERT_NE(saved, old);
        ASSERT_TRUE(m_boxes.shown.empty());

        for (int failing = 1;; ++failing) {
            SCOPED_TRACE("failing step " + std::to_string(failing));
            startAfresh();
            RunMainDialog([&](CPortfolioDialog& dialog) {
                faultCase.edit(dialog);
                FailFileOperation(failing);
            });
            const std::vector<FileOperation>& steps = FileOperationsSeen();
            const bool faultStruck = static_cast<int>(steps.size()) >= failing;
            // Once the new file has taken the old one's place, the save is done.
            const bool completed = !faultStruck || steps[static_cast<std::size_t>(failing - 1)] ==
                                                       FileOperation::SyncDirectory;
            ++caseCount;
            const bool rightFile = ReadFile(faultCase.savedFile) == (completed ? saved : old);
            const bool nothingLeftBehind =
                DirectoryListing() == listing &&
                (!fs::is_directory("data") ||
                 std::distance(fs::directory_iterator("data"), fs::directory_iterator()) == 1);
            const bool toldWhenItFailed =
                completed ? m_boxes.shown.empty() : ShowedSaveFailureBox();
            EXPECT_TRUE(rightFile) << (completed ? "expected the new file" : "expected the old");
            EXPECT_TRUE(nothingLeftBehind);
            EXPECT_TRUE(toldWhenItFailed) << m_boxes.shown.size() << " boxes";
            badOutcomes += rightFile && nothingLeftBehind && toldWhenItFailed ? 0 : 1;
            if (!faultStruck) {
                break;
            }
        }
    }
    std::printf("fault injection on the save: %d cases, %d bad outcomes\n", caseCount, badOutcomes);
    EXPECT_GT(caseCount, 20);
}

TEST_F(SafeSaveTest, ReadOnlyFileIsNotReplacedInAWritableDirectory) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions("share.dat", readOnly);
    AsOrdinaryUser([&] {
        RunMainDialog([&](CPortfolioDialog& dialog) {
            EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
            InsertRow(dialog, kNewEntry);
        });
    });
    ExpectSaveFailureBox();
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
    EXPECT_EQ(fs::status("share.dat").permissions(), readOnly);
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
    EXPECT_NE(fs::status(m_directory).permissions() & fs::perms::owner_write, fs::perms::none);
}

// Directory permissions, mounts and file size limits are POSIX's.
#ifndef _WIN32
// The person may write the file but not create the new one beside it.
TEST_F(SafeSaveTest, WritableFileInAReadOnlyDirectoryIsKept) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    fs::permissions("share.dat", fs::perms::owner_read | fs::perms::owner_write |
                                     fs::perms::group_read | fs::perms::group_write |
                                     fs::perms::others_read | fs::perms::others_write);
    AsOrdinaryUser([&] {
        fs::permissions(m_directory, fs::perms::owner_read | fs::perms::owner_exec);
        RunMainDialog([&](CPortfolioDialog& dialog) {
            EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
            InsertRow(dialog, kNewEntry);
        });
    });
    ExpectSaveFailureBox();
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

// A disk that fills up half-way through the save: a small file system of its own where the
// machine lets us mount one, else a limit on the size of the files this process may write.
class FullDisk {
public:
    explicit FullDisk(const fs::path& directory) : m_directory(directory) {
        fs::create_directory(directory);
        m_mounted = ::mount("tmpfs", directory.c_str(), "tmpfs", 0, "size=64k") == 0;
        std::printf("full disk: %s\n", m_mounted ? "a tmpfs of 64 KiB"
                                                 : "a file size limit of 64 KiB (no mount here)");
    }
    ~FullDisk() {
        EndLimit();
        if (m_mounted) {
            EXPECT_EQ(::umount(m_directory.c_str()), 0);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // From now on no more than 64 KiB fit.
    void Fill() {
        if (m_mounted || m_limited) {
            return;
        }
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &m_previousLimit), 0);
        const rlimit limit{64 * 1024, m_previousLimit.rlim_max};
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        m_limited = true;
    }

    void EndLimit() {
        if (m_limited) {
            EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &m_previousLimit), 0);
            std::signal(SIGXFSZ, m_previousHandler);
            m_limited = false;
        }
    }

private:
    fs::path m_directory;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_previousLimit{};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(SafeSaveTest, FullDiskKeepsTheOldFile) {
    FullDisk disk(m_directory / "disk");
    fs::current_path("disk");
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    disk.Fill();
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
        Row large = kNewEntry;
        large[8] = std::string(100 * 1024, 'n');
        InsertRow(dialog, large);
    });
    disk.EndLimit();
    ExpectSaveFailureBox();
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
    fs::current_path(m_directory);
}

#endif

TEST_F(SafeSaveTest, DirectoryInTheFilesPlaceIsNotReplaced) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, kNewEntry);
        fs::remove("share.dat");
        fs::create_directory("share.dat");
    });
    ExpectSaveFailureBox();
    EXPECT_TRUE(fs::is_directory("share.dat"));
    EXPECT_TRUE(fs::is_empty("share.dat"));
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

// Permission bits, the creation mask and symbolic links are POSIX's here; the Windows side
// keeps the file's attributes (tests/win32).
#ifndef _WIN32
TEST_F(SafeSaveTest, FileKeepsItsPermissions) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions("share.dat", mode);
    RunMainDialog([&](CPortfolioDialog& dialog) { InsertRow(dialog, kNewEntry); });
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_NE(ReadFile("share.dat").find("TICKER=NEW"), std::string::npos);
    EXPECT_EQ(fs::status("share.dat").permissions(), mode);
}

TEST_F(SafeSaveTest, NewFileGetsThePermissionsOfAnyNewFile) {
    const mode_t previousMask = ::umask(027);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, kNewEntry);
        fs::remove("share.dat");
    });
    ::umask(previousMask);
    EXPECT_NE(ReadFile("share.dat").find("TICKER=NEW"), std::string::npos);
    EXPECT_EQ(fs::status("share.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeSaveTest, SymbolicLinkIsSavedToItsTargetAndStaysALink) {
    fs::create_directory("data");
    WriteFile("data/portfolio.dat", WithCrLf(kWorkedExampleText));
    fs::create_symlink("data/portfolio.dat", "share.dat");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
        InsertRow(dialog, kNewEntry);
    });
    EXPECT_TRUE(m_boxes.shown.empty());
    ASSERT_TRUE(fs::is_symlink("share.dat"));
    EXPECT_EQ(fs::read_symlink("share.dat"), "data/portfolio.dat");
    EXPECT_NE(ReadFile("data/portfolio.dat").find("TICKER=NEW"), std::string::npos);
    EXPECT_EQ(DirectoryListing(), (std::vector<std::string>{"data", "share.dat"}));
    EXPECT_EQ(std::distance(fs::directory_iterator("data"), fs::directory_iterator()), 1);
}
#endif

} // namespace
