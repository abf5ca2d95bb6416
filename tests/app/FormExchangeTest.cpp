// The form read and the form write: every field, in order, the integer rule, and bytes kept.
#include "support/ScenarioTest.h"

namespace {

class FormExchangeTest : public ScenarioTest {};

// Control ids in data exchange order.
const int kExchangeOrder[] = {
    IDC_TICKER,       IDC_SALEPRICE,   IDC_SALEDATE,   IDC_PURCHASEPRICE, IDC_PURCHASEDATE,
    IDC_CURRENTPRICE, IDC_CURRENTDATE, IDC_ENTRYCOUNT, IDC_NOTES,         IDC_NUMBEROFSHARES};

TEST_F(FormExchangeTest, ReadThenWriteGivesEveryControlItsTextBack) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (const int id : kExchangeOrder) {
            dialog.SetDlgItemText(id, id == IDC_ENTRYCOUNT ? "12" : "value " + std::to_string(id));
        }
        ASSERT_TRUE(dialog.UpdateData(TRUE));
        for (const int id : kExchangeOrder) {
            dialog.SetDlgItemText(id, "overwritten");
        }
        ASSERT_TRUE(dialog.UpdateData(FALSE));
        for (const int id : kExchangeOrder) {
            EXPECT_EQ(dialog.GetDlgItemText(id),
                      id == IDC_ENTRYCOUNT ? "12" : "value " + std::to_string(id));
        }
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

// A count that is not an integer stops the read there: the fields before it have their new
// values, the fields after it keep the old ones.
TEST_F(FormExchangeTest, ACountThatIsNoIntegerStopsTheReadWithTheLibrarysMessage) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (const int id : kExchangeOrder) {
            dialog.SetDlgItemText(id, id == IDC_ENTRYCOUNT ? "3 shares" : "new");
        }
        EXPECT_FALSE(dialog.UpdateData(TRUE));
        EXPECT_EQ(drive::FocusedControl(dialog), IDC_ENTRYCOUNT);
        ASSERT_TRUE(dialog.UpdateData(FALSE));
        bool beforeCount = true;
        for (const int id : kExchangeOrder) {
            if (id == IDC_ENTRYCOUNT) {
                EXPECT_EQ(dialog.GetDlgItemText(id), "0");
                beforeCount = false;
                continue;
            }
            EXPECT_EQ(dialog.GetDlgItemText(id), beforeCount ? "new" : "") << id;
        }
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Please enter an integer.");
    EXPECT_EQ(m_boxes.shown[0].caption, AfxGetApp()->GetAppName());
    EXPECT_EQ(m_boxes.shown[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(m_boxes.shown[0].ownerTemplateId, 0u);
}

TEST_F(FormExchangeTest, QuitWithAFailingReadKeepsTheDialogOpen) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        dialog.SetDlgItemText(IDC_ENTRYCOUNT, "x");
        drive::Click(dialog, IDOK);
        EXPECT_TRUE(drive::IsRunning(dialog));
        dialog.SetDlgItemText(IDC_ENTRYCOUNT, "0");
        drive::Click(dialog, IDOK);
        EXPECT_FALSE(drive::IsRunning(dialog));
    });
    EXPECT_EQ(m_boxes.shown.size(), 1u);
}

// Values of any length and any bytes pass through the form and the list unchanged.
TEST_F(FormExchangeTest, KeepsEveryByteOfTextOfAnyLength) {
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\n') {
            allBytes += static_cast<char>(byte);
        }
    }
    const std::string values[] = {
        std::string(200'000, 'x'),        allBytes,
        "caf\xE9 \xFF\xFE invalid UTF-8", std::string("nul\0inside", 10),
        "  spaces at both ends  ",        "\xC3\xBC\xE2\x82\xAC valid UTF-8",
    };
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (const std::string& value : values) {
            dialog.SetDlgItemText(IDC_TICKER, value);
            dialog.SetDlgItemText(IDC_NOTES, value);
            ASSERT_TRUE(dialog.UpdateData(TRUE));
            ASSERT_TRUE(dialog.UpdateData(FALSE));
            EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), value);
            dialog.InsertFormAsTopRow();
            EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), value);
            EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 8), value);
            dialog.ClearForm();
            dialog.CopyRowToForm(0);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), value);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), value);
        }
    });
}

TEST_F(FormExchangeTest, TypedTextIsReadInTheLocalesEncoding) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_NOTES, "Z\xC3\xBCrich \xE2\x82\xAC 5");
        ASSERT_TRUE(dialog.UpdateData(TRUE));
        ASSERT_TRUE(dialog.UpdateData(FALSE));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES),
                  drive::TypedBytes("Z\xC3\xBCrich \xE2\x82\xAC 5"));
    });
}

} // namespace
