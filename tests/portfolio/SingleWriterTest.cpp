// One running program per share.dat: a second one is turned away before it reads or writes the
// file, for the whole run of the first, and the system lets go when the first one ends.
#include "PortfolioTest.h"

#include "../../src/app/PortfolioApp.h"
#include "../../src/classlib/FileClaim.h"
#include "../../src/classlib/SafeFile.h"
#ifndef _WIN32
#include "support/ChildProcess.h"

#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

class SingleWriterTest : public PortfolioTest {
protected:
    void ExpectInUseBox() {
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        const MessageBoxCall& box = m_boxes.shown.front();
        EXPECT_NE(box.text.find("share.dat"), std::string::npos) << box.text;
        EXPECT_NE(box.text.find("in use"), std::string::npos) << box.text;
        EXPECT_EQ(box.caption, "quillfolio_tests");
        EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(box.ownerTemplateId, 0u);
    }

    static bool ClaimedElsewhere(const std::string& name) {
        return FileClaim(name).IsInUseElsewhere();
    }
};

TEST_F(SingleWriterTest, SecondProgramIsTurnedAwayAndTouchesNothing) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    const auto written = fs::last_write_time("share.dat");
    const FileClaim first("share.dat");
    ASSERT_FALSE(first.IsInUseElsewhere());

    EXPECT_EQ(theApp.InitInstance(), FALSE);
    ExpectInUseBox();
    EXPECT_TRUE(m_modal.opened.empty());
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
    EXPECT_EQ(fs::last_write_time("share.dat"), written);
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

TEST_F(SingleWriterTest, RunsOneAfterTheOther) {
    m_modal.On(IDD_QUILLFOLIO_DIALOG,
               [&](CDialog&) { EXPECT_TRUE(ClaimedElsewhere("share.dat")); });
    m_modal.On(IDD_QUILLFOLIO_DIALOG,
               [&](CDialog&) { EXPECT_TRUE(ClaimedElsewhere("share.dat")); });
    theApp.InitInstance();
    theApp.InitInstance();
    EXPECT_EQ(m_modal.opened, (std::vector<UINT>{IDD_QUILLFOLIO_DIALOG, IDD_QUILLFOLIO_DIALOG}));
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_FALSE(ClaimedElsewhere("share.dat"));
}

// The save puts a new file in share.dat's place; the claim goes with it at every step, and
// stays on the old file when the save fails.
TEST_F(SingleWriterTest, ClaimHoldsAtEveryStepOfTheSave) {
    for (const bool saveFails : {false, true}) {
        SCOPED_TRACE(saveFails ? "failed save" : "save");
        WriteFile("share.dat", WithCrLf(kWorkedExampleText));
        m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog& dialog) {
            std::vector<FileOperation> unclaimedAt;
            SetFileFaultHook([&](FileOperation operation) {
                if (!ClaimedElsewhere("share.dat")) {
                    unclaimedAt.push_back(operation);
                }
                return saveFails && operation == FileOperation::Replace;
            });
            InsertRow(static_cast<CPortfolioDialog&>(dialog),
                      {"NEW", "1", "", "", "", "", "", "", ""});
            static_cast<CPortfolioDialog&>(dialog).SavePortfolio();
            SetFileFaultHook({});
            EXPECT_EQ(ReadFile("share.dat").find("TICKER=NEW") != std::string::npos, !saveFails);
            EXPECT_TRUE(unclaimedAt.empty());
            EXPECT_TRUE(ClaimedElsewhere("share.dat"));
        });
        theApp.InitInstance();
        EXPECT_FALSE(ClaimedElsewhere("share.dat"));
        m_boxes.shown.clear();
    }
}

// The compiler's standard library for Windows cannot make symbolic links.
#ifndef _WIN32
TEST_F(SingleWriterTest, ClaimFollowsASymbolicLinkAndItsSaves) {
    fs::create_directory("data");
    WriteFile("data/portfolio.dat", WithCrLf(kWorkedExampleText));
    fs::create_symlink("data/portfolio.dat", "share.dat");
    {
        const FileClaim other("data/portfolio.dat");
        EXPECT_EQ(theApp.InitInstance(), FALSE);
        ExpectInUseBox();
    }
    const FileClaim claim("share.dat");
    ASSERT_FALSE(claim.IsInUseElsewhere());
    ASSERT_TRUE(ReplaceTextFile("share.dat", "TICKER=NEW\n"));
    EXPECT_TRUE(ClaimedElsewhere("data/portfolio.dat"));
    EXPECT_TRUE(ClaimedElsewhere("share.dat"));
    EXPECT_TRUE(fs::is_symlink("share.dat"));
}
#endif

// A file that cannot be claimed does not stop the program: opening and saving it say what is
// wrong, as they would anyway.
struct UnclaimableCase {
    const char* name;
    std::function<void()> prepare;
};

void PrintTo(const UnclaimableCase& unclaimable, std::ostream* out) { *out << unclaimable.name; }

class UnclaimableFileTest : public SingleWriterTest,
                            public testing::WithParamInterface<UnclaimableCase> {};

TEST_P(UnclaimableFileTest, ProgramStillRuns) {
    GetParam().prepare();
    theApp.InitInstance();
    EXPECT_EQ(m_modal.opened, std::vector<UINT>{IDD_QUILLFOLIO_DIALOG});
    for (const MessageBoxCall& box : m_boxes.shown) {
        EXPECT_EQ(box.text.find("in use"), std::string::npos) << box.text;
    }
}

// FIFOs and symbolic links are POSIX's.
const UnclaimableCase kUnclaimableCases[] = {
    {"Directory", [] { fs::create_directory("share.dat"); }},
#ifndef _WIN32
    {"Fifo", [] { ASSERT_EQ(::mkfifo("share.dat", 0600), 0); }},
    {"LinkLoop", [] { fs::create_symlink("share.dat", "share.dat"); }},
#endif
};

INSTANTIATE_TEST_SUITE_P(Cases, UnclaimableFileTest, testing::ValuesIn(kUnclaimableCases),
                         [](const testing::TestParamInfo<UnclaimableCase>& info) {
                             return std::string(info.param.name);
                         });

// A file the person may read but not write is claimed all the same: two runs on it would
// still each try to save.
TEST_F(SingleWriterTest, ReadOnlyFileIsClaimedToo) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    fs::permissions("share.dat",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    AsOrdinaryUser([&] {
        m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog& dialog) {
            EXPECT_EQ(ListRows(static_cast<CPortfolioDialog&>(dialog)), kWorkedExampleRows);
            EXPECT_TRUE(ClaimedElsewhere("share.dat"));
        });
        theApp.InitInstance();
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown.front().text, "Save to File");
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
}

TEST_F(SingleWriterTest, MissingFileIsCreatedAndClaimed) {
    m_modal.On(IDD_QUILLFOLIO_DIALOG,
               [&](CDialog&) { EXPECT_TRUE(ClaimedElsewhere("share.dat")); });
    theApp.InitInstance();
    EXPECT_TRUE(fs::is_regular_file("share.dat"));
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Real programs in processes of their own, started as POSIX processes.
#ifndef _WIN32

const std::string kSession = QUILLFOLIO_SCRIPTED_SESSION;

// Starts a second program while the first runs; it must say so and end by itself.
void ExpectSecondProgramTurnedAway() {
    ChildProcess second({kSession, "hold"});
    const std::string said = second.ReadToEnd(std::chrono::seconds(10));
    second.Kill();
    EXPECT_EQ(said.find("dialog"), std::string::npos) << said;
    EXPECT_NE(said.find("box " + std::to_string(MB_OK | MB_ICONEXCLAMATION) +
                        " 0 quillfolio-scripted-session|"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("share.dat is in use"), std::string::npos) << said;
    const int status = second.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST_F(SingleWriterTest, AnotherProcessIsTurnedAwayForTheWholeRunOfTheFirst) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    ChildProcess first({kSession, "hold"});
    ASSERT_EQ(first.ReadLine(), "dialog 102");
    ASSERT_EQ(first.ReadLine(), "running");
    ExpectSecondProgramTurnedAway();
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));

    // The first one's save renames a new file into place; it is claimed all the same.
    const fs::file_status before = fs::status("share.dat");
    struct stat oldFile {};
    ASSERT_EQ(::stat("share.dat", &oldFile), 0);
    first.WriteLine("save");
    ASSERT_EQ(first.ReadLine(), "saved");
    struct stat newFile {};
    ASSERT_EQ(::stat("share.dat", &newFile), 0);
    EXPECT_NE(newFile.st_ino, oldFile.st_ino);
    EXPECT_EQ(fs::status("share.dat").permissions(), before.permissions());
    ExpectSecondProgramTurnedAway();
    EXPECT_TRUE(ClaimedElsewhere("share.dat"));

    // Killed, it leaves nothing behind that would keep the next one out.
    first.Kill();
    first.Wait();
    EXPECT_FALSE(ClaimedElsewhere("share.dat"));
    ChildProcess next({kSession, "hold"});
    EXPECT_EQ(next.ReadLine(), "dialog 102");
    EXPECT_EQ(next.ReadLine(), "running");
    next.WriteLine("quit");
    EXPECT_EQ(next.Wait(), 0);
}
#endif

} // namespace
