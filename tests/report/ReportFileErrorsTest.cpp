// Report files that refuse to be written, made so for real on a POSIX system.
#include "links/ShellRequests.h"
#include "report/ListEntries.h"
#include "support/ScenarioTest.h"

#include <filesystem>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// While it lives, files are opened with the rights of an ordinary user (nobody, 65534), so that
// a read-only file refuses to be written also when the tests run as root. The directory and its
// files are made readable to that user.
class AsOrdinaryUser {
public:
    explicit AsOrdinaryUser(const fs::path& directory) : m_wasRoot(geteuid() == 0) {
        if (m_wasRoot) {
            // Its group stays root's, so the group's rights count for it, not the others'.
            fs::permissions(directory,
                            fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec,
                            fs::perm_options::add);
            for (const fs::directory_entry& file : fs::directory_iterator(directory)) {
                fs::permissions(file.path(), fs::perms::group_read | fs::perms::others_read,
                                fs::perm_options::add);
            }
            EXPECT_EQ(seteuid(65534), 0);
        }
    }
    ~AsOrdinaryUser() {
        if (m_wasRoot) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool m_wasRoot;
};

ShareEntry Row(std::string ticker) {
    ShareEntry entry;
    entry.TICKER = std::move(ticker);
    return entry;
}

class ReportFileErrorsTest : public ScenarioTest {
protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        WriteFile("ReportOutter.htm", "<ul>\n#LINKS#</ul>\n");
        WriteFile("ReportInner.htm", "<li>#TICKER#</li>\n");
    }

    void ExpectTheWriteFailureBox() {
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        EXPECT_EQ(m_boxes.shown[0].text, "Could not write to report file");
        EXPECT_EQ(m_boxes.shown[0].caption, "Error Log");
        EXPECT_EQ(m_boxes.shown[0].type, MB_OK);
        EXPECT_EQ(m_boxes.shown[0].ownerTemplateId, IDD_QUILLFOLIO_DIALOG);
    }

    ShellRequests m_shell;
};

TEST_F(ReportFileErrorsTest, ReadOnlyReportIsKeptAndOpened) {
    const std::string earlier = "<ul>\r\n<li>OLD</li>\r\n</ul>\r\n";
    WriteFile("Report.htm", earlier);
    fs::permissions("Report.htm",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("NEW")});
        const AsOrdinaryUser user(m_directory);
        drive::Click(dialog, IDC_REPORT);
    });
    ExpectTheWriteFailureBox();
    EXPECT_EQ(ReadFile("Report.htm"), earlier);
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

TEST_F(ReportFileErrorsTest, FailedWriteAfterTheOpenIsReportedAndTheReportStillOpened) {
    fs::create_symlink("/dev/full", "Report.htm");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("NEW")});
        drive::Click(dialog, IDC_REPORT);
    });
    ExpectTheWriteFailureBox();
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

} // namespace
