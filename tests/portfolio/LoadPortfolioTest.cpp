#include "PortfolioTest.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class LoadPortfolioTest : public PortfolioTest {
protected:
    // The start-up box about a file that could not be read.
    void ExpectUnreadableFileBox() {
        ASSERT_EQ(m_boxes.shown.size(), 1u);
        const MessageBoxCall& box = m_boxes.shown.front();
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.type, MB_OK);
        EXPECT_EQ(box.ownerTemplateId, IDD_QUILLFOLIO_DIALOG);
        EXPECT_NE(box.text.find("share.dat"), std::string::npos) << box.text;
        EXPECT_NE(box.text.find("not be overwritten"), std::string::npos) << box.text;
    }
};

TEST_F(LoadPortfolioTest, WorkedExampleShowsTheLastRecordOnTop) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
        EXPECT_TRUE(FormIsEmpty(dialog));
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(LoadPortfolioTest, RecordsReadInFileOrderAreShownUpsideDown) {
    WriteFile("share.dat", "TICKER=R1\r\nTICKER=R2\r\nTICKER=R3\r\n");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ASSERT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 3);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "R3");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 1, 0), "R2");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 2, 0), "R1");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "3");
        EXPECT_TRUE(FormIsEmpty(dialog));
    });
}

TEST_F(LoadPortfolioTest, MissingFileIsCreatedEmptyWithoutAWord) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_TRUE(fs::is_regular_file("share.dat"));
        EXPECT_EQ(fs::file_size("share.dat"), 0u);
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(LoadPortfolioTest, ColumnsFitTheLoadedCells) {
    WriteFile("share.dat", "TICKER=AN-UNUSUALLY-LONG-TICKER\r\nNUMBEROFSHARES=1\r\n"
                           "TICKER=B\r\nNOTES=notes long enough to need a wide column\r\n");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        std::vector<int> loaded;
        for (int column = 0; column < 9; ++column) {
            loaded.push_back(drive::ListColumnWidth(dialog, IDC_ENTRYLIST, column));
        }
        EXPECT_GE(loaded[0], drive::ListCellsWidthNeeded(dialog, IDC_ENTRYLIST, 0));
        EXPECT_GT(loaded[0], drive::ListHeadingWidthNeeded(dialog, IDC_ENTRYLIST, 0));
        EXPECT_GE(loaded[8], drive::ListCellsWidthNeeded(dialog, IDC_ENTRYLIST, 8));

        dialog.AutoSizeColumns();
        for (int column = 0; column < 9; ++column) {
            EXPECT_EQ(drive::ListColumnWidth(dialog, IDC_ENTRYLIST, column), loaded[column])
                << "column " << column;
        }
    });
}

// Bytes that are not text in the locale's encoding reach the cells untouched.
TEST_F(LoadPortfolioTest, CellsHoldTheFileBytesAsTheyStand) {
    const std::string legacy = "Caf\xE9 \xFF\xFE \xC3( \x01\x7F" + std::string(1, '\0') + "end";
    WriteFile("share.dat", "TICKER=\xC4\x42\x43\r\nNOTES=" + legacy + "\r\n");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "\xC4\x42\x43");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 8), legacy);
    });
}

// A file that is there but cannot be read whole is never replaced by the part that was read.

TEST_F(LoadPortfolioTest, DirectoryNamedShareDatIsReportedAndLeftAlone) {
    fs::create_directory("share.dat");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        InsertRow(dialog, {"NEW", "1", "", "", "", "", "", "", ""});
    });
    ExpectUnreadableFileBox();
    EXPECT_TRUE(fs::is_directory("share.dat"));
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

TEST_F(LoadPortfolioTest, RefusedOpenIsReportedAndTheFileKept) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    FailFileOperation(1);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        EXPECT_TRUE(FormIsEmpty(dialog));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
    });
    ExpectUnreadableFileBox();
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
}

// Permission bits cannot make a file unreadable on Windows, where they set only the read-only
// attribute.
#ifndef _WIN32
TEST_F(LoadPortfolioTest, FileThePersonMayNotReadIsReportedAndKept) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    fs::permissions("share.dat", fs::perms::none);
    AsOrdinaryUser([&] {
        RunMainDialog([&](CPortfolioDialog& dialog) {
            EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        });
    });
    ExpectUnreadableFileBox();
    EXPECT_EQ(fs::status("share.dat").permissions(), fs::perms::none);
    fs::permissions("share.dat", fs::perms::owner_read);
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
}
#endif

TEST_F(LoadPortfolioTest, ReadErrorPartWayKeepsWhatWasReadAndTheFile) {
    std::string text = "CREATOR=QUILLFOLIO 1.0\n";
    for (int record = 0; record < 3000; ++record) {
        text += "TICKER=T" + std::to_string(record) + "\nNOTES=" + std::string(40, 'n') + "\n\n";
    }
    const std::string bytes = WithCrLf(text);
    ASSERT_GT(bytes.size(), 2u * 64 * 1024);
    WriteFile("share.dat", bytes);
    FailFileOperation(3); // the open, the first read, then the read that fails
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const int rows = drive::ListRowCount(dialog, IDC_ENTRYLIST);
        EXPECT_GT(rows, 0);
        EXPECT_LT(rows, 3000);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, rows - 1, 0), "T0");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), std::to_string(rows));
        InsertRow(dialog, {"NEW", "1", "", "", "", "", "", "", ""});
    });
    ExpectUnreadableFileBox();
    EXPECT_EQ(ReadFile("share.dat"), bytes);
    EXPECT_EQ(DirectoryListing(), std::vector<std::string>{"share.dat"});
}

// One long value carried over into ever more entries would take far more memory than the file
// holds: the reading stops, says so, and the file stays as it is.
TEST_F(LoadPortfolioTest, EntriesFarLargerThanTheFileAreNotAllLoaded) {
    const std::size_t valueSize = 256 * 1024;
    std::string text = "NOTES=" + std::string(valueSize, 'n') + "\r\n";
    for (int record = 0; record < 200; ++record) {
        text += "TICKER=T" + std::to_string(record) + "\r\n";
    }
    WriteFile("share.dat", text);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const int rows = drive::ListRowCount(dialog, IDC_ENTRYLIST);
        EXPECT_GT(rows, 50);
        EXPECT_LT(rows, 200);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, rows - 1, 0), "T0");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 8).size(), valueSize);
    });
    ExpectUnreadableFileBox();
    EXPECT_EQ(ReadFile("share.dat"), text);
}

// Nothing is lost when the file is missing, so there is nothing to warn about; the save at the
// end is what fails. Only POSIX permissions can forbid creating files in a directory.
#ifndef _WIN32
TEST_F(LoadPortfolioTest, MissingFileThatCannotBeCreatedIsNoFaultAtStartUp) {
    AsOrdinaryUser([&] {
        fs::permissions(m_directory, fs::perms::owner_read | fs::perms::owner_exec);
        RunMainDialog([&](CPortfolioDialog& dialog) {
            EXPECT_TRUE(m_boxes.shown.empty());
            EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        });
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown.front().text, "Save to File");
    EXPECT_TRUE(DirectoryListing().empty());
}
#endif

// The reading rules, each shown by a small file and the list it gives, top row first.

struct ReadingCase {
    const char* name;
    std::string bytes;
    Rows rows;
};

void PrintTo(const ReadingCase& readingCase, std::ostream* out) { *out << readingCase.name; }

class ReadingRulesTest : public PortfolioTest, public testing::WithParamInterface<ReadingCase> {};

TEST_P(ReadingRulesTest, FileGivesTheList) {
    WriteFile("share.dat", GetParam().bytes);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), GetParam().rows);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), std::to_string(GetParam().rows.size()));
        EXPECT_TRUE(FormIsEmpty(dialog));
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Columns: ticker, shares, purchase price and date, current price and date, sale price and date,
// notes.
const ReadingCase kReadingCases[] = {
    {"EmptyFile", "", {}},
    {"HeaderOnly", "CREATOR=QUILLFOLIO 1.0\r\n", {}},
    {"HeaderIsNotNeeded",
     "CREATOR=SOMETHING ELSE 9.9\r\nTICKER=ABC\r\n",
     {{"ABC", "", "", "", "", "", "", "", ""}}},
    {"LowerCaseKeyIsIgnored",
     "TICKER=ABC\r\nticker=XYZ\r\nnotes=lower\r\n",
     {{"ABC", "", "", "", "", "", "", "", ""}}},
    {"SpaceBeforeEqualsIsIgnored",
     "TICKER=ABC\r\nTICKER =XYZ\r\nNOTES =spaced\r\n",
     {{"ABC", "", "", "", "", "", "", "", ""}}},
    {"UnknownKeysAreSkipped",
     "TICKER=ABC\r\nCOLOUR=red\r\n=orphan\r\nCREATOR=x\r\nNOTES=kept\r\n",
     {{"ABC", "", "", "", "", "", "", "", "kept"}}},
    {"TickerWithoutEqualsBeginsARecordThatIsDropped",
     "TICKER=ABC\r\nNOTES=first\r\nTICKER\r\nNOTES=carried\r\nNUMBEROFSHARES=7\r\nTICKER=XYZ\r\n",
     {{"XYZ", "7", "", "", "", "", "", "", "carried"},
      {"ABC", "", "", "", "", "", "", "", "first"}}},
    {"EmptyTickerIsDroppedAndItsValuesCarryOver",
     "TICKER=\r\nNOTES=carried\r\nTICKER=ABC\r\n",
     {{"ABC", "", "", "", "", "", "", "", "carried"}}},
    {"TickerOfBlanksIsKeptWhole",
     "TICKER=   \r\nNOTES=own\r\nTICKER=\t\r\nTICKER=ABC  \r\n",
     {{"ABC", "", "", "", "", "", "", "", "own"},
      {"\t", "", "", "", "", "", "", "", "own"},
      {"   ", "", "", "", "", "", "", "", "own"}}},
    {"FieldsCarryOverFromTheRecordBefore",
     "TICKER=ABC\r\nNOTES=shared\r\nSALEPRICE=5\r\nTICKER=XYZ\r\nSALEPRICE=6\r\n",
     {{"XYZ", "", "", "", "", "", "6", "", "shared"},
      {"ABC", "", "", "", "", "", "5", "", "shared"}}},
    {"KeysBeforeTheFirstTickerBelongToTheFirstRecord",
     "NOTES=early\r\nTICKER=ABC\r\n",
     {{"ABC", "", "", "", "", "", "", "", "early"}}},
    {"KeyOrderInsideARecordDoesNotMatter",
     "TICKER=ABC\r\nCURRENTDATE=2007-02-01\r\nNUMBEROFSHARES=100\r\nPURCHASEDATE=2007-01-08\r\n",
     {{"ABC", "100", "", "2007-01-08", "", "2007-02-01", "", "", ""}}},
    {"LaterOfTwoEqualKeysWins",
     "TICKER=ABC\r\nNOTES=one\r\nNOTES=two\r\n",
     {{"ABC", "", "", "", "", "", "", "", "two"}}},
    {"SameTickerTwiceGivesTwoEntries",
     "TICKER=ABC\r\nNOTES=one\r\nTICKER=ABC\r\nNOTES=two\r\n",
     {{"ABC", "", "", "", "", "", "", "", "two"}, {"ABC", "", "", "", "", "", "", "", "one"}}},
    {"LineFeedsOnlyAndExtraEmptyLines",
     "\n\nCREATOR=QUILLFOLIO 1.0\n\n\nTICKER=ABC\nNOTES=a\n\n\n\nTICKER=XYZ\nNOTES=b\n\n",
     {{"XYZ", "", "", "", "", "", "", "", "b"}, {"ABC", "", "", "", "", "", "", "", "a"}}},
    {"LastLineWithoutLineBreakIsRead",
     "TICKER=ABC\r\nCURRENTDATE=2007-02-01\r\n\r\nTICKER=XYZ\r\nCURRENTDATE=2007-04-01",
     {{"XYZ", "", "", "", "", "2007-04-01", "", "", ""},
      {"ABC", "", "", "", "", "2007-02-01", "", "", ""}}},
    {"CtrlZEndsTheInputAndTheRecordIsCompleted",
     "TICKER=ABC\r\nNOTES=be\x1A"
     "fore\r\nTICKER=XYZ\r\n",
     {{"ABC", "", "", "", "", "", "", "", "be"}}},
    {"LoneCrStaysInTheValue",
     "TICKER=ABC\r\nNOTES=a\rb\r\n",
     {{"ABC", "", "", "", "", "", "", "", "a\rb"}}},
    {"CrBeforeTheLineBreakIsTrailingWhiteSpace",
     "TICKER=ABC\r\r\nNOTES=ab\r\r\r\n",
     {{"ABC", "", "", "", "", "", "", "", "ab"}}},
    {"EqualsSignsInAValueAreKept",
     "TICKER=A=B\r\nNOTES=price=target 4.00=\r\n",
     {{"A=B", "", "", "", "", "", "", "", "price=target 4.00="}}},
    {"LeadingSpacesStayTrailingWhiteSpaceGoes",
     "TICKER=  ABC \t \r\nNOTES= two words \v\f \r\n",
     {{"  ABC", "", "", "", "", "", "", "", " two words"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadingRulesTest, testing::ValuesIn(kReadingCases),
                         [](const testing::TestParamInfo<ReadingCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
