// What the tests of the portfolio file share: the file's bytes, the list and form as shown,
// failures injected into file operations, and acting as a user without root's rights.
#pragma once

#include "support/ScenarioTest.h"

#include <string>
#include <vector>

using Row = std::vector<std::string>; // the nine cells, in column order
using Rows = std::vector<Row>;        // top to bottom

class PortfolioTest : public ScenarioTest {
protected:
    void TearDown() override;

    // The list as shown.
    static Rows ListRows(const CPortfolioDialog& dialog);
    static bool FormIsEmpty(const CPortfolioDialog& dialog);
    // Fills the form as the person would (dates as the Select buttons do) and inserts it.
    static void InsertRow(CPortfolioDialog& dialog, const Row& row);

    // The text with every LF written as CR LF.
    static std::string WithCrLf(const std::string& text);
    // The names in the working directory, sorted.
    std::vector<std::string> DirectoryListing() const;

    // From now on the nth file operation (1 = the next) fails; 0 fails none. Either way the
    // operations are recorded.
    void FailFileOperation(int nth);
    const std::vector<FileOperation>& FileOperationsSeen() const { return m_fileOperationsSeen; }

    // Runs the action with the rights of an ordinary user, so that file permissions really
    // refuse it; as root the working directory is given to that user first. The directory stays
    // writable for the user unless a test says otherwise. On Windows the action runs as it is.
    void AsOrdinaryUser(const std::function<void()>& action);

    static const std::string kWorkedExampleText;
    static const Rows kWorkedExampleRows;

private:
    std::vector<FileOperation> m_fileOperationsSeen;
};
