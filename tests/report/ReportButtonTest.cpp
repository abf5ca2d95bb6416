#include "links/ShellRequests.h"
#include "report/ListEntries.h"
#include "support/ScenarioTest.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class ReportButtonTest : public ScenarioTest {
protected:
    static std::string Report() { return ReadFile("Report.htm"); }

    ShellRequests m_shell;
};

// An entry with only the fields a case needs; the worked example's purchase fields play no part.
ShareEntry Row(std::string ticker, std::string notes = {}) {
    ShareEntry entry;
    entry.TICKER = std::move(ticker);
    entry.NOTES = std::move(notes);
    return entry;
}

ShareEntry Entry(std::string ticker, std::string shares, std::string notes) {
    ShareEntry entry = Row(std::move(ticker), std::move(notes));
    entry.NUMBEROFSHARES = std::move(shares);
    entry.PURCHASEPRICE = "1.00";
    entry.PURCHASEDATE = "2007-01-08";
    return entry;
}

void ExpectOwnBox(const MessageBoxCall& box, const std::string& text, const std::string& caption) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.type, MB_OK);
    EXPECT_EQ(box.ownerTemplateId, IDD_QUILLFOLIO_DIALOG);
}

TEST_F(ReportButtonTest, FillsTheTemplatesWithEveryRowFromTheTop) {
    WriteFile("ReportOutter.htm", "Portfolio\r\n#LINKS#End\r\n");
    WriteFile("ReportInner.htm", "#TICKER# x #NUMBEROFSHARES# (#NOTES#)\r\n");
    WriteFile("Report.htm",
              "an earlier report, longer than the new one\r\n" + std::string(500, 'x'));
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Entry("ABC", "100", "long term"), Entry("XYZ", "50", "")});
        drive::Click(dialog, IDC_REPORT);
    });
    EXPECT_EQ(Report(), "Portfolio\r\nABC x 100 (long term)\r\nXYZ x 50 ()\r\nEnd\r\n");
    EXPECT_TRUE(m_boxes.shown.empty());
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

struct TemplateCase {
    const char* name;
    std::string outer;
    std::string inner;
    std::vector<ShareEntry> rows; // top to bottom
    std::string report;
};

class ReportTemplateTest : public ReportButtonTest,
                           public testing::WithParamInterface<TemplateCase> {};

TEST_P(ReportTemplateTest, WritesTheFilledTemplates) {
    const TemplateCase& c = GetParam();
    WriteFile("ReportOutter.htm", c.outer);
    WriteFile("ReportInner.htm", c.inner);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, c.rows);
        drive::Click(dialog, IDC_REPORT);
    });
    EXPECT_EQ(Report(), c.report);
    EXPECT_TRUE(m_boxes.shown.empty());
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

const ShareEntry kEveryField{"T", "1", "2", "3", "4", "5", "6", "7", "8"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportTemplateTest,
    testing::Values(
        TemplateCase{"EachPlaceholderTakesItsField",
                     "#LINKS#",
                     "#TICKER#|#NUMBEROFSHARES#|#PURCHASEPRICE#|#PURCHASEDATE#|#CURRENTPRICE#|"
                     "#CURRENTDATE#|#SALEPRICE#|#SALEDATE#|#NOTES#\n",
                     {kEveryField},
                     "T|1|2|3|4|5|6|7|8\r\n"},
        TemplateCase{"PlaceholderSeveralTimes",
                     "[#LINKS#]",
                     "#TICKER#-#TICKER#;",
                     {Row("A"), Row("B")},
                     "[A-A;B-B;]"},
        TemplateCase{"EntryBlocksAtEveryLinks",
                     "#LINKS#|#LINKS#",
                     "#TICKER#",
                     {Row("A"), Row("B")},
                     "AB|AB"},
        TemplateCase{"OtherLetterCaseLeftAlone",
                     "#LINKS#",
                     "#ticker# #Ticker# #TICKER# #links#",
                     {Row("A")},
                     "#ticker# #Ticker# A #links#"},
        TemplateCase{"EachTemplateKnowsOnlyItsOwnPlaceholders",
                     "#TICKER# #LINKS# #NOTES#",
                     "<#LINKS#:#TICKER#>",
                     {Row("A")},
                     "#TICKER# <#LINKS#:A> #NOTES#"},
        TemplateCase{"OtherTokensCopied",
                     "#TOTAL# #LINKS#",
                     "#PRICE##TICKER##",
                     {Row("A")},
                     "#TOTAL# #PRICE#A#"},
        TemplateCase{"TickerHoldingALaterPlaceholder",
                     "#LINKS#",
                     "#TICKER#",
                     {Row("#NOTES#", "held long")},
                     "held long"},
        TemplateCase{"NotesHoldingAnEarlierPlaceholder",
                     "#LINKS#",
                     "#NOTES#/#TICKER#",
                     {Row("A", "see #TICKER#")},
                     "see #TICKER#/A"},
        TemplateCase{
            "FieldHoldingLinksKept", "#LINKS#", "#NOTES#", {Row("A", "#LINKS#")}, "#LINKS#"},
        TemplateCase{"EmptyFieldsRemoveTheirPlaceholders",
                     "#LINKS#",
                     "(#NUMBEROFSHARES#)(#SALEDATE#)(#NOTES#)",
                     {Row("A")},
                     "()()()"},
        TemplateCase{"MarkupCharactersUnchanged",
                     "#LINKS#",
                     "#NOTES#",
                     {Row("A", "<b>\"R&D\"</b> 'x' &amp;")},
                     "<b>\"R&D\"</b> 'x' &amp;"},
        TemplateCase{"BytesUnchanged",
                     "#LINKS#",
                     "#TICKER#:#NOTES#",
                     {Row("\xC4\x42", "caf\xE9 \xFF")},
                     "\xC4\x42:caf\xE9 \xFF"},
        TemplateCase{"LfLineEndsWrittenAsCrLf",
                     "<html>\n#LINKS#</html>\n",
                     "<p>#TICKER#</p>\n",
                     {Row("A"), Row("B")},
                     "<html>\r\n<p>A</p>\r\n<p>B</p>\r\n</html>\r\n"},
        TemplateCase{"CrLfLineEndsStayCrLf",
                     "<html>\r\n#LINKS#</html>\r\n",
                     "<p>#TICKER#</p>\r\n",
                     {Row("A"), Row("B")},
                     "<html>\r\n<p>A</p>\r\n<p>B</p>\r\n</html>\r\n"},
        TemplateCase{"LoneCrStays", "#LINKS#", "#TICKER#\r|\r\r\n", {Row("A")}, "A\r|\r\r\n"},
        TemplateCase{
            "OuterWithoutFinalLineEnd", "<p>\n#LINKS#</p>", "#TICKER#", {Row("A")}, "<p>\r\nA</p>"},
        TemplateCase{"CtrlZEndsTheInnerTemplate",
                     "#LINKS#",
                     "#TICKER#;\x1A#NOTES#\n",
                     {Row("A"), Row("B")},
                     "A;B;"},
        TemplateCase{
            "CtrlZEndsTheOuterTemplate", "[#LINKS#]\x1A#LINKS#\n", "#TICKER#", {Row("A")}, "[A]"},
        TemplateCase{
            "EmptyListRemovesEveryLinks", "a#LINKS#b\n#LINKS#c", "#TICKER#", {}, "ab\r\nc"},
        TemplateCase{"OuterWithoutLinks",
                     "no entries here\n",
                     "#TICKER#",
                     {Row("A")},
                     "no entries here\r\n"},
        TemplateCase{"EmptyInnerTemplateRemovesLinks", "x#LINKS#y", "", {Row("A")}, "xy"},
        TemplateCase{"EmptyOuterTemplateGivesAnEmptyReport", "", "#TICKER#", {Row("A")}, ""}),
    [](const testing::TestParamInfo<TemplateCase>& info) { return info.param.name; });

TEST_F(ReportButtonTest, MissingTemplatesAreCreatedEmptyAndGiveAnEmptyReport) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("A")});
        drive::Click(dialog, IDC_REPORT);
    });
    for (const char* file : {"ReportOutter.htm", "ReportInner.htm", "Report.htm"}) {
        SCOPED_TRACE(file);
        EXPECT_TRUE(fs::is_regular_file(file));
        EXPECT_EQ(ReadFile(file), "");
    }
    EXPECT_TRUE(m_boxes.shown.empty());
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

TEST_F(ReportButtonTest, OuterTemplateThatCannotBeOpenedIsReportedBeforeTheInnerOneIsRead) {
    fs::create_directory("ReportOutter.htm");
    std::vector<bool> innerTemplateExistedAtBox;
    SetMessageBoxHook([&](const MessageBoxCall& call) {
        innerTemplateExistedAtBox.push_back(fs::exists("ReportInner.htm"));
        return m_boxes.Respond(call);
    });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("A")});
        drive::Click(dialog, IDC_REPORT);
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    ExpectOwnBox(m_boxes.shown[0], "Error loading file", "Error");
    EXPECT_EQ(innerTemplateExistedAtBox, std::vector<bool>{false});
    EXPECT_TRUE(fs::is_regular_file("ReportInner.htm"));
    EXPECT_EQ(Report(), "");
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

TEST_F(ReportButtonTest, InnerTemplateThatCannotBeOpenedCountsAsEmpty) {
    WriteFile("ReportOutter.htm", "a#LINKS#b\n");
    fs::create_directory("ReportInner.htm");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("A"), Row("B")});
        drive::Click(dialog, IDC_REPORT);
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    ExpectOwnBox(m_boxes.shown[0], "Error loading file", "Error");
    EXPECT_EQ(Report(), "ab\r\n");
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

TEST_F(ReportButtonTest, TwoTemplatesThatCannotBeOpenedGiveTwoBoxes) {
    fs::create_directory("ReportOutter.htm");
    fs::create_directory("ReportInner.htm");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("A")});
        drive::Click(dialog, IDC_REPORT);
    });
    ASSERT_EQ(m_boxes.shown.size(), 2u);
    ExpectOwnBox(m_boxes.shown[0], "Error loading file", "Error");
    ExpectOwnBox(m_boxes.shown[1], "Error loading file", "Error");
    EXPECT_EQ(Report(), "");
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

TEST_F(ReportButtonTest, ReportThatCannotBeOpenedIsReportedAndStillOpened) {
    WriteFile("ReportOutter.htm", "#LINKS#");
    WriteFile("ReportInner.htm", "#TICKER#");
    fs::create_directory("Report.htm");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("A")});
        drive::Click(dialog, IDC_REPORT);
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    ExpectOwnBox(m_boxes.shown[0], "Could not write to report file", "Error Log");
    EXPECT_TRUE(fs::is_directory("Report.htm"));
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

TEST_F(ReportButtonTest, TemplatesAreReadAgainAtEveryPress) {
    WriteFile("ReportOutter.htm", "1[#LINKS#]");
    WriteFile("ReportInner.htm", "#TICKER#");
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, {Row("A")});
        drive::Click(dialog, IDC_REPORT);
        EXPECT_EQ(Report(), "1[A]");
        WriteFile("ReportOutter.htm", "2(#LINKS#)\n");
        WriteFile("ReportInner.htm", "<#TICKER#>");
        drive::Click(dialog, IDC_REPORT);
        EXPECT_EQ(Report(), "2(<A>)\r\n");
    });
    ExpectOpenRequests(m_shell.calls, {"Report.htm", "Report.htm"});
}

TEST_F(ReportButtonTest, FormShowsTheBottomRowAfterwardsAndTheListIsUnchanged) {
    const std::vector<ShareEntry> rows = {
        {"TOP", "10", "1.10", "2007-01-01", "1.20", "2007-02-01", "1.30", "2007-03-01", "a"},
        {"MID", "20", "2.10", "2007-01-02", "2.20", "2007-02-02", "2.30", "2007-03-02", "b"},
        {"BOT", "30", "3.10", "2007-01-03", "3.20", "2007-02-03", "3.30", "2007-03-03", "c"}};
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(dialog, rows);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        drive::Type(dialog, IDC_TICKER, "typed");
        drive::Type(dialog, IDC_NOTES, "typed, not added");

        drive::Click(dialog, IDC_REPORT);

        EXPECT_EQ(FormShown(dialog), rows[2]);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "3");
        ASSERT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 3);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < kShareColumnCount; ++column) {
                EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, row, column),
                          rows[static_cast<std::size_t>(row)].*
                              kShareColumnFields[static_cast<std::size_t>(column)]);
            }
        }
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), 0);
        // The selection mark stayed too: a click below the rows loads the marked row.
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        EXPECT_EQ(FormShown(dialog), rows[0]);
    });
}

TEST_F(ReportButtonTest, EmptyListLeavesTheFormAsTyped) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "NEW");
        drive::Type(dialog, IDC_NOTES, "not added yet");
        drive::Click(dialog, IDC_REPORT);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "NEW");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), "not added yet");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
    });
    ExpectOpenRequests(m_shell.calls, {"Report.htm"});
}

} // namespace
