// The Report button: every entry of the list, top row first, through the two templates into
// Report.htm, which the desktop then opens.
#include "../app/PortfolioDialog.h"

#include "ReportText.h"

#include "../classlib/Shell.h"
#include "../classlib/TextFile.h"

#include <utility>
#include <vector>

namespace {

const std::string kOuterTemplateFile = "ReportOutter.htm";
const std::string kInnerTemplateFile = "ReportInner.htm";
const std::string kReportFile = "Report.htm";

} // namespace

void CPortfolioDialog::WriteReport() {
    const std::string outerTemplate = LoadTemplate(kOuterTemplateFile);
    const std::string innerTemplate = LoadTemplate(kInnerTemplateFile);
    const std::string reportText = BuildReportText(outerTemplate, innerTemplate, ListedEntries());

    // A failure after the open would leave a cut-off page, so it is reported like a failed open.
    if (WriteTextFile(kReportFile, reportText) != FileResult::Ok) {
        MessageBox("Could not write to report file", "Error Log", MB_OK);
    }
    AfxShellExecute(nullptr, "open", kReportFile, nullptr, nullptr, SW_HIDE);
}

std::string CPortfolioDialog::LoadTemplate(const std::string& fileName) {
    UpdateData(TRUE);
    TextFileContents contents = ReadTextFile(fileName);
    if (contents.result == FileResult::OpenFailed || contents.result == FileResult::CreateFailed) {
        MessageBox("Error loading file", "Error", MB_OK);
        return {};
    }
    // A read error ends the text as the end of the file would.
    return std::move(contents.text);
}

// Every row, from the top, read straight from the list. Passing each row through the form in turn
// would end with the bottom row in the form and cost most of the report's time on long lists, so
// only the bottom row is copied into the form, which ends the same.
std::vector<ShareEntry> CPortfolioDialog::ListedEntries() {
    const int rows = m_list.GetItemCount();
    std::vector<ShareEntry> entries(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        ShareEntry& entry = entries[static_cast<std::size_t>(row)];
        for (int column = 0; column < kShareColumnCount; ++column) {
            entry.*kShareColumnFields[static_cast<std::size_t>(column)] =
                m_list.GetItemText(row, column);
        }
    }
    if (rows > 0) {
        CopyRowToForm(rows - 1);
    }
    return entries;
}
