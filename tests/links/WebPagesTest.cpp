#include "links/ShellRequests.h"
#include "support/ScenarioTest.h"

namespace {

const std::string kManualPage = "http://www.quillfolio.com/manual.htm";
const std::string kQuotePagePrefix = "http://finance.yahoo.com/q?s=";

class WebPagesTest : public ScenarioTest {
protected:
    ShellRequests m_shell;
};

struct QuoteCase {
    const char* name;
    std::string typed;
    std::string address;
};

class QuotePageTest : public WebPagesTest, public testing::WithParamInterface<QuoteCase> {};

TEST_P(QuotePageTest, OpensThePageForTheTickerAsTyped) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, GetParam().typed);
        drive::Click(dialog, IDC_QUOTE);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), drive::TypedBytes(GetParam().typed));
    });
    // Typed text reaches the address in the locale's encoding.
    ExpectOpenRequests(m_shell.calls, {drive::TypedBytes(GetParam().address)});
    EXPECT_TRUE(m_boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tickers, QuotePageTest,
    testing::Values(QuoteCase{"Empty", "", kQuotePagePrefix},
                    QuoteCase{"UpperCase", "IBM", kQuotePagePrefix + "IBM"},
                    QuoteCase{"LowerCase", "ibm", kQuotePagePrefix + "ibm"},
                    QuoteCase{"SpacePadded", "  IBM ", kQuotePagePrefix + "  IBM "},
                    QuoteCase{"AmpersandAndHash", "A&B#C=1?%20", kQuotePagePrefix + "A&B#C=1?%20"},
                    QuoteCase{"NonAscii", "\xC3\x84X", kQuotePagePrefix + "\xC3\x84X"}),
    [](const testing::TestParamInfo<QuoteCase>& info) { return info.param.name; });

TEST_F(WebPagesTest, QuoteTakesAClickedRowsTickerUntilItIsTypedOver) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "ROW");
        dialog.InsertFormAsTopRow();
        drive::Click(dialog, IDC_CLEAR);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        drive::Click(dialog, IDC_QUOTE);
        drive::Type(dialog, IDC_TICKER, "typed");
        drive::Click(dialog, IDC_QUOTE);
    });
    ExpectOpenRequests(m_shell.calls, {kQuotePagePrefix + "ROW", kQuotePagePrefix + "typed"});
}

TEST_F(WebPagesTest, HelpOpensTheManualWhateverTheFormHolds) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Click(dialog, IDC_HELPBUTTON);
        drive::Type(dialog, IDC_TICKER, "IBM");
        drive::Type(dialog, IDC_NOTES, "typed");
        drive::Click(dialog, IDC_HELPBUTTON);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "IBM");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), "typed");
    });
    ExpectOpenRequests(m_shell.calls, {kManualPage, kManualPage});
    EXPECT_TRUE(m_boxes.shown.empty());
}

} // namespace
