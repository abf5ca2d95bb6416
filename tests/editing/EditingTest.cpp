#include "EditingTest.h"

#include <array>
#include <ctime>

namespace {

// The form's controls in list column order.
constexpr std::array<int, 9> kFormControls = {
    IDC_TICKER,      IDC_NUMBEROFSHARES, IDC_PURCHASEPRICE, IDC_PURCHASEDATE, IDC_CURRENTPRICE,
    IDC_CURRENTDATE, IDC_SALEPRICE,      IDC_SALEDATE,      IDC_NOTES,
};

} // namespace

void EditingTest::TypeEntry(CDialog& dialog, const TypedEntry& entry) {
    drive::Type(dialog, IDC_TICKER, entry.ticker);
    drive::Type(dialog, IDC_NUMBEROFSHARES, entry.shares);
    drive::Type(dialog, IDC_PURCHASEPRICE, entry.purchasePrice);
    drive::Type(dialog, IDC_CURRENTPRICE, entry.currentPrice);
    drive::Type(dialog, IDC_SALEPRICE, entry.salePrice);
    drive::Type(dialog, IDC_NOTES, entry.notes);
}

EditingTest::Texts EditingTest::Form(const CDialog& dialog) {
    Texts texts;
    for (const int id : kFormControls) {
        texts.push_back(dialog.GetDlgItemText(id));
    }
    return texts;
}

EditingTest::Texts EditingTest::Row(const CDialog& dialog, int row) {
    Texts texts;
    for (int column = 0; column < static_cast<int>(kFormControls.size()); ++column) {
        texts.push_back(drive::ListCell(dialog, IDC_ENTRYLIST, row, column));
    }
    return texts;
}

std::vector<EditingTest::Texts> EditingTest::Rows(const CDialog& dialog) {
    std::vector<Texts> rows;
    for (int row = 0; row < drive::ListRowCount(dialog, IDC_ENTRYLIST); ++row) {
        rows.push_back(Row(dialog, row));
    }
    return rows;
}

bool EditingTest::TabTo(CDialog& dialog, int id) {
    for (int presses = 0; presses < 40; ++presses) {
        if (drive::FocusedControl(dialog) == id) {
            return true;
        }
        drive::Press(dialog, drive::Key::Tab);
    }
    return false;
}

std::string EditingTest::DayFromToday(int days) {
    const std::time_t now = std::time(nullptr);
    std::tm day = *std::localtime(&now);
    day.tm_mday += days;
    day.tm_hour = 12;
    day.tm_isdst = -1;
    std::mktime(&day);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}
