#include "PortfolioTest.h"

#ifndef _WIN32
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

    void ExpectSaveFailureBox() {
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        const MessageBoxCall& box = m_boxes.shown.front();
        EXPECT_EQ(box.text, "Save to File");
        EXPECT_EQ(box.caption, "Error Writing File");
        EXPECT_EQ(box.type, MB_OK);
        EXPECT_EQ(box.ownerTemplateId, IDD_QUILLFOLIO_DIALOG);
    }
};

TEST_F(SafeSaveTest, EveryStepOfTheSaveMayFailAndTheOldFileStays) {
    const std::string old = LargeFile();
    WriteFile("share.dat", old);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, kNewEntry);
        FailFileOperation(0);
    });
    const std::vector<FileOperation> steps = FileOperationsSeen();
    ASSERT_GT(steps.size(), 5u);
    EXPECT_EQ(steps.front(), FileOperation::Open);
    EXPECT_EQ(steps[1], FileOperation::Write);
    EXPECT_EQ(steps[2], FileOperation::Write);
    EXPECT_EQ(std::vector<FileOperation>(steps.end() - 3, steps.end()),
              (std::vector<FileOperation>{FileOperation::Flush, FileOperation::Close,
                                          FileOperation::Replace}));
    ASSERT_NE(ReadFile("share.dat"), old);

    for (std::size_t failing = 1; failing <= steps.size(); ++failing) {
        SCOPED_TRACE("failing step " + std::to_string(failing));
        WriteFile("share.dat", old);
        m_boxes.shown.clear();
        RunMainDialog([&](CPortfolioDialog& dialog) {
            InsertRow(dialog, kNewEntry);
            FailFileOperation(static_cast<int>(failing));
        });
        ExpectSaveFailureBox();
        EXPECT_EQ(ReadFile("share.dat"), old);
        EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
    }
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

// Permission bits and the creation mask are POSIX's; the Windows side keeps the file's attributes
// (tests/win32).
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
#endif

// The compiler's standard library for Windows cannot make symbolic links.
#ifndef _WIN32
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
