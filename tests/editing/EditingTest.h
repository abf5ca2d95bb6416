// The fixture of the editing tests: typing entries into the form and reading the form and the
// list back, in list column order.
#pragma once

#include "support/ScenarioTest.h"

#include <string>
#include <vector>

class EditingTest : public ScenarioTest {
protected:
    using Texts = std::vector<std::string>;

    // The six fields a person can type into; the date fields are filled by their Select buttons.
    struct TypedEntry {
        std::string ticker;
        std::string shares;
        std::string purchasePrice;
        std::string currentPrice;
        std::string salePrice;
        std::string notes;
    };

    static void TypeEntry(CDialog& dialog, const TypedEntry& entry);
    // The nine form fields, and the nine cells of a row, in list column order.
    static Texts Form(const CDialog& dialog);
    static Texts Row(const CDialog& dialog, int row);
    static std::vector<Texts> Rows(const CDialog& dialog);
    // Presses Tab until the control has the focus; false when Tab never gets there.
    static bool TabTo(CDialog& dialog, int id);
    // The local day that lies the given number of days from today, as a date field shows it.
    static std::string DayFromToday(int days);
};
