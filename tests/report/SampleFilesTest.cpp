// The sample portfolio and report templates shipped in examples/.
#include "links/ShellRequests.h"
#include "report/ListEntries.h"
#include "support/ScenarioTest.h"

#include "../../src/classlib/TextFile.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = QUILLFOLIO_EXAMPLES_DIR;

class SampleFilesTest : public ScenarioTest {};

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

TEST_F(SampleFilesTest, SampleTemplatesGiveOneTableRowPerEntryInListOrder) {
    fs::copy_file(kExamples / "ReportOutter.htm", "ReportOutter.htm");
    fs::copy_file(kExamples / "ReportInner.htm", "ReportInner.htm");
    ShellRequests shell;
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ListEntries(
            dialog,
            {{"FIRST", "10", "1.10", "2007-01-01", "1.20", "2007-02-01", "", "", "a note"},
             {"SECOND", "20", "2.10", "2007-01-02", "", "", "2.30", "2007-03-02", ""},
             {"THIRD", "30", "3.10", "2007-01-03", "3.20", "2007-02-03", "", "", "R&D <new>"}});
        drive::Click(dialog, IDC_REPORT);
    });
    const std::string report = ReadFile("Report.htm");
    EXPECT_EQ(Count(report, "<tr><td class=\"ticker\">"), 3u);
    const std::size_t first = report.find(">FIRST<");
    const std::size_t second = report.find(">SECOND<");
    const std::size_t third = report.find(">THIRD<");
    EXPECT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_NE(third, std::string::npos);
    EXPECT_NE(report.find("R&D <new>"), std::string::npos);
    for (const char* placeholder :
         {"#LINKS#", "#TICKER#", "#NUMBEROFSHARES#", "#PURCHASEPRICE#", "#PURCHASEDATE#",
          "#CURRENTPRICE#", "#CURRENTDATE#", "#SALEPRICE#", "#SALEDATE#", "#NOTES#"}) {
        EXPECT_EQ(report.find(placeholder), std::string::npos) << placeholder;
    }
    EXPECT_TRUE(m_boxes.shown.empty());
}

// Rebuilt from its own values the way the program writes a portfolio, the sample must come out
// byte for byte: the header, then per entry nine key=value lines in record order, an empty line
// between entries, every line ending in CR LF.
TEST_F(SampleFilesTest, SamplePortfolioIsWrittenAsTheProgramWritesIt) {
    constexpr std::array<std::string_view, 9> kRecordKeys = {
        "TICKER",        "NUMBEROFSHARES", "NOTES",        "SALEPRICE",  "SALEDATE",
        "PURCHASEPRICE", "PURCHASEDATE",   "CURRENTPRICE", "CURRENTDATE"};
    const std::string bytes = ReadFile(kExamples / "share.dat");
    const std::string text = DecodeTextMode(bytes);
    std::vector<std::string> lines;
    for (std::size_t begin = 0, end; (end = text.find('\n', begin)) != std::string::npos;
         begin = end + 1) {
        lines.push_back(text.substr(begin, end - begin));
    }
    std::string rebuilt = "CREATOR=QUILLFOLIO 1.0";
    std::size_t entries = 0;
    for (std::size_t line = 1; line + kRecordKeys.size() <= lines.size(); line += 10) {
        ++entries;
        for (std::size_t k = 0; k < kRecordKeys.size(); ++k) {
            const std::string& given = lines[line + k];
            const std::string prefix = std::string(kRecordKeys[k]) + "=";
            const std::string value =
                given.starts_with(prefix) ? given.substr(prefix.size()) : "(" + given + ")";
            rebuilt += "\n" + prefix + value;
        }
        rebuilt += "\n";
    }
    EXPECT_EQ(EncodeTextMode(rebuilt), bytes);
    EXPECT_GE(entries, 8u);
    EXPECT_LE(entries, 12u);
}

} // namespace
