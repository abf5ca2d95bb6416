// Only Windows has file attributes: a saved share.dat keeps the ones it had.
#include "portfolio/PortfolioTest.h"

namespace {

class FileAttributesTest : public PortfolioTest {};

TEST_F(FileAttributesTest, SavedFileKeepsItsAttributesAndLeavesNoTemporaryFile) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesA("share.dat", attributes));
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
        InsertRow(dialog, {"NEW", "10", "", "", "", "", "", "", ""});
    });
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_NE(ReadFile("share.dat").find("TICKER=NEW"), std::string::npos);
    EXPECT_EQ(GetFileAttributesA("share.dat") & (attributes | FILE_ATTRIBUTE_READONLY), attributes);
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

TEST_F(FileAttributesTest, AFileAnotherProgramHoldsWithoutSharingIsNotReplaced) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    HANDLE held = INVALID_HANDLE_VALUE;
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, {"NEW", "10", "", "", "", "", "", "", ""});
        // Held from here until after the save, as another program might hold it.
        held = CreateFileA("share.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    });
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CloseHandle(held);
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Save to File");
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

} // namespace
