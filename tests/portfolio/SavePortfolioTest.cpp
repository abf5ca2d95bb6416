#include "PortfolioTest.h"

namespace {

class SavePortfolioTest : public PortfolioTest {};

Row Entry(const std::string& ticker, const std::string& notes = "") {
    return {ticker, "", "", "", "", "", "", "", notes};
}

TEST_F(SavePortfolioTest, WorkedExampleIsWrittenByteForByte) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, kWorkedExampleRows[1]);
        InsertRow(dialog, kWorkedExampleRows[0]);
        ASSERT_EQ(ListRows(dialog), kWorkedExampleRows);
    });
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(SavePortfolioTest, EmptyListGivesAnEmptyFile) {
    WriteFile("share.dat", "CREATOR=QUILLFOLIO 1.0\r\n");
    RunMainDialog([](CPortfolioDialog&) {});
    EXPECT_EQ(ReadFile("share.dat"), "");
    EXPECT_TRUE(std::filesystem::is_regular_file("share.dat"));
}

TEST_F(SavePortfolioTest, OneEntryGivesTheHeaderAndNineLines) {
    RunMainDialog([&](CPortfolioDialog& dialog) { InsertRow(dialog, Entry("ABC")); });
    EXPECT_EQ(ReadFile("share.dat"), "CREATOR=QUILLFOLIO 1.0\r\nTICKER=ABC\r\nNUMBEROFSHARES=\r\n"
                                     "NOTES=\r\nSALEPRICE=\r\nSALEDATE=\r\nPURCHASEPRICE=\r\n"
                                     "PURCHASEDATE=\r\nCURRENTPRICE=\r\nCURRENTDATE=\r\n");
}

TEST_F(SavePortfolioTest, BottomRowIsWrittenFirst) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (const char* ticker : {"P", "Q", "R"}) {
            InsertRow(dialog, Entry(ticker));
        }
    });
    const std::string file = ReadFile("share.dat");
    EXPECT_LT(file.find("TICKER=P"), file.find("TICKER=Q"));
    EXPECT_LT(file.find("TICKER=Q"), file.find("TICKER=R"));
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), (Rows{Entry("R"), Entry("Q"), Entry("P")}));
    });
}

// The form accepts a ticker of blanks; the entry must outlive a restart like any other.
TEST_F(SavePortfolioTest, AnEntryWithATickerOfBlanksComesBack) {
    const Rows rows = {Entry("ABC", "after"), Entry("   ", "blank"), Entry("XYZ", "before")};
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            InsertRow(dialog, *row);
        }
    });
    RunMainDialog([&](CPortfolioDialog& dialog) { EXPECT_EQ(ListRows(dialog), rows); });
}

// Files the program writes come back byte for byte, whatever bytes the values hold.
TEST_F(SavePortfolioTest, SavingWhatWasLoadedGivesTheSameBytes) {
    const std::string files[] = {
        WithCrLf(kWorkedExampleText),
        WithCrLf(
            "CREATOR=QUILLFOLIO 1.0\n"
            "TICKER=\xC4\x42\x43\nNUMBEROFSHARES= 12\nNOTES=Caf\xE9 \xFF\xFE \xC3( \x01 a\rb = c\n"
            "SALEPRICE=\nSALEDATE=\nPURCHASEPRICE=  3.20\nPURCHASEDATE=2007-01-08\n"
            "CURRENTPRICE=\nCURRENTDATE=\n\n"
            "TICKER=\xE6\x97\xA5\xE6\x9C\xAC\nNUMBEROFSHARES=\nNOTES=" +
            std::string(5000, 'x') +
            "\nSALEPRICE=\x80\x81\nSALEDATE=" + std::string("nul\0byte", 8) +
            "\nPURCHASEPRICE=\nPURCHASEDATE=\n"
            "CURRENTPRICE=\nCURRENTDATE=\n"),
    };
    for (const std::string& bytes : files) {
        WriteFile("share.dat", bytes);
        RunMainDialog([](CPortfolioDialog&) {});
        EXPECT_EQ(ReadFile("share.dat"), bytes);
    }
}

// A row that went through the form keeps its bytes too.
TEST_F(SavePortfolioTest, RowCopiedThroughTheFormKeepsItsBytes) {
    // "ÄBC", "£3" and "Café" in a Latin-1 code page, and a NUL byte.
    const Row legacy = {"\xC4\x42\x43",
                        "1",
                        "\xA3\x33",
                        "2007-01-08",
                        "",
                        "",
                        "",
                        "",
                        std::string("Caf\xE9 \xFF\0!", 8)};
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, legacy);
        dialog.ClearForm();
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        dialog.InsertFormAsTopRow();
        EXPECT_EQ(ListRows(dialog), (Rows{legacy, legacy}));
    });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), (Rows{legacy, legacy}));
    });
}

TEST_F(SavePortfolioTest, ValuesAreWrittenAsTheCellsHoldThem) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, {"ABC  ", "", "", "", "", "", "", "", "  a = b = c  "});
    });
    const std::string file = ReadFile("share.dat");
    EXPECT_NE(file.find("\r\nTICKER=ABC  \r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nNOTES=  a = b = c  \r\n"), std::string::npos);
    // Reading trims what trails and keeps what leads.
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(ListRows(dialog), (Rows{{"ABC", "", "", "", "", "", "", "", "  a = b = c"}}));
    });
}

TEST_F(SavePortfolioTest, SavingLeavesTheListAndEmptiesTheForm) {
    WriteFile("share.dat", WithCrLf(kWorkedExampleText));
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 1);
        drive::Type(dialog, IDC_TICKER, "TYPED");
        drive::Type(dialog, IDC_NOTES, "never added");

        dialog.SavePortfolio();
        EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
        EXPECT_EQ(ListRows(dialog), kWorkedExampleRows);
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), 1);
        EXPECT_TRUE(FormIsEmpty(dialog));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
    });
    EXPECT_EQ(ReadFile("share.dat"), WithCrLf(kWorkedExampleText));
}

struct ClosingWay {
    const char* name;
    std::function<void(CPortfolioDialog&)> close;
};

void PrintTo(const ClosingWay& way, std::ostream* out) { *out << way.name; }

class ClosingTest : public PortfolioTest, public testing::WithParamInterface<ClosingWay> {};

TEST_P(ClosingTest, EveryWayOfClosingSaves) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, Entry("ABC", "kept"));
        GetParam().close(dialog);
        EXPECT_FALSE(drive::IsRunning(dialog));
    });
    EXPECT_NE(ReadFile("share.dat").find("\r\nNOTES=kept\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    testing::Values(ClosingWay{"Quit", [](CPortfolioDialog& d) { drive::Click(d, IDOK); }},
                    ClosingWay{"Escape",
                               [](CPortfolioDialog& d) { drive::Press(d, drive::Key::Escape); }},
                    ClosingWay{"CloseBox", [](CPortfolioDialog& d) { drive::CloseBox(d); }},
                    ClosingWay{"EnterInAField",
                               [](CPortfolioDialog& d) {
                                   drive::Focus(d, IDC_NOTES);
                                   drive::Press(d, drive::Key::Enter);
                               }}),
    [](const testing::TestParamInfo<ClosingWay>& info) { return std::string(info.param.name); });

} // namespace
