#include "PortfolioTest.h"

#include <algorithm>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

constexpr std::array<int, 9> kFormControls = {
    IDC_TICKER,      IDC_NUMBEROFSHARES, IDC_PURCHASEPRICE, IDC_PURCHASEDATE, IDC_CURRENTPRICE,
    IDC_CURRENTDATE, IDC_SALEPRICE,      IDC_SALEDATE,      IDC_NOTES,
};

#ifndef _WIN32
// The nobody user and group.
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;

// Takes root's rights away from file operations (the effective ids) until it goes.
class OrdinaryUserRights {
public:
    OrdinaryUserRights() {
        EXPECT_EQ(::setegid(kOrdinaryGroup), 0);
        EXPECT_EQ(::seteuid(kOrdinaryUser), 0);
    }
    ~OrdinaryUserRights() {
        EXPECT_EQ(::seteuid(0), 0);
        EXPECT_EQ(::setegid(0), 0);
    }
    OrdinaryUserRights(const OrdinaryUserRights&) = delete;
    OrdinaryUserRights& operator=(const OrdinaryUserRights&) = delete;
};
#endif

} // namespace

const std::string PortfolioTest::kWorkedExampleText = "CREATOR=QUILLFOLIO 1.0\n"
                                                      "TICKER=ABC\n"
                                                      "NUMBEROFSHARES=100\n"
                                                      "NOTES=price=target 4.00\n"
                                                      "SALEPRICE=\n"
                                                      "SALEDATE=\n"
                                                      "PURCHASEPRICE=3.20\n"
                                                      "PURCHASEDATE=2007-01-08\n"
                                                      "CURRENTPRICE=3.75\n"
                                                      "CURRENTDATE=2007-02-01\n"
                                                      "\n"
                                                      "TICKER=XYZ\n"
                                                      "NUMBEROFSHARES=50\n"
                                                      "NOTES=second lot\n"
                                                      "SALEPRICE=\n"
                                                      "SALEDATE=\n"
                                                      "PURCHASEPRICE=12.40\n"
                                                      "PURCHASEDATE=2007-03-15\n"
                                                      "CURRENTPRICE=\n"
                                                      "CURRENTDATE=\n";

const Rows PortfolioTest::kWorkedExampleRows = {
    {"XYZ", "50", "12.40", "2007-03-15", "", "", "", "", "second lot"},
    {"ABC", "100", "3.20", "2007-01-08", "3.75", "2007-02-01", "", "", "price=target 4.00"},
};

void PortfolioTest::TearDown() {
    SetFileFaultHook({});
    ScenarioTest::TearDown();
}

Rows PortfolioTest::ListRows(const CPortfolioDialog& dialog) {
    Rows rows;
    for (int row = 0; row < drive::ListRowCount(dialog, IDC_ENTRYLIST); ++row) {
        Row cells;
        for (int column = 0; column < 9; ++column) {
            cells.push_back(drive::ListCell(dialog, IDC_ENTRYLIST, row, column));
        }
        rows.push_back(cells);
    }
    return rows;
}

bool PortfolioTest::FormIsEmpty(const CPortfolioDialog& dialog) {
    return std::all_of(kFormControls.begin(), kFormControls.end(),
                       [&](int id) { return dialog.GetDlgItemText(id).empty(); });
}

void PortfolioTest::InsertRow(CPortfolioDialog& dialog, const Row& row) {
    for (std::size_t column = 0; column < kFormControls.size(); ++column) {
        dialog.SetDlgItemText(kFormControls[column], row[column]);
    }
    dialog.InsertFormAsTopRow();
}

std::string PortfolioTest::WithCrLf(const std::string& text) {
    std::string bytes;
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

std::vector<std::string> PortfolioTest::DirectoryListing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void PortfolioTest::FailFileOperation(int nth) {
    m_fileOperationsSeen.clear();
    SetFileFaultHook([this, nth](FileOperation operation) {
        m_fileOperationsSeen.push_back(operation);
        return static_cast<int>(m_fileOperationsSeen.size()) == nth;
    });
}

void PortfolioTest::AsOrdinaryUser(const std::function<void()>& action) {
#ifdef _WIN32
    // Windows refuses what a file's read-only attribute forbids to every user alike.
    action();
#else
    if (::geteuid() != 0) {
        action();
        return;
    }
    ASSERT_EQ(::chown(m_directory.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
    const OrdinaryUserRights rights;
    action();
#endif
}
