// The form's edits in the Qt backend: a very long value is handed back whole while only its
// beginning is shown, and what the person pastes keeps to one line.
#include "support/ScenarioTest.h"

#include "../../src/classlib/qt/ByteLineEdit.h"
#include "../../src/classlib/qt/Handles.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

constexpr std::size_t kShown = ByteLineEdit::kShownBytes;

class FormEditTest : public ScenarioTest {
protected:
    static QLineEdit& Edit(CDialog& dialog, int id) {
        return *qobject_cast<QLineEdit*>(WidgetOf(dialog.GetDlgItem(id)));
    }

    static void Paste(CDialog& dialog, int id, const std::string& clipboard) {
        QApplication::clipboard()->setText(
            QString::fromLatin1(clipboard.data(), static_cast<qsizetype>(clipboard.size())));
        drive::Focus(dialog, id);
        QTest::keyClick(&Edit(dialog, id), Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(FormEditTest, LongValueIsHandedBackWholeAndShownCutShort) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const std::string fits(kShown, 'f');
        dialog.SetDlgItemText(IDC_NOTES, fits);
        EXPECT_EQ(Edit(dialog, IDC_NOTES).text().size(), static_cast<qsizetype>(kShown));
        EXPECT_FALSE(drive::IsReadOnly(dialog, IDC_NOTES));

        const std::string value = std::string(1024 * 1024, 'n') + "end";
        dialog.SetDlgItemText(IDC_NOTES, value);
        EXPECT_EQ(Edit(dialog, IDC_NOTES).text().size(), static_cast<qsizetype>(kShown));
        EXPECT_TRUE(drive::IsReadOnly(dialog, IDC_NOTES));
        drive::Type(dialog, IDC_NOTES, "typed");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), value);

        dialog.SetDlgItemText(IDC_NOTES, "short");
        EXPECT_FALSE(drive::IsReadOnly(dialog, IDC_NOTES));
        drive::Type(dialog, IDC_NOTES, "typed");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), "typed");

        // A control that its template makes read-only stays so.
        dialog.SetDlgItemText(IDC_ENTRYCOUNT, value);
        dialog.SetDlgItemText(IDC_ENTRYCOUNT, "0");
        EXPECT_TRUE(drive::IsReadOnly(dialog, IDC_ENTRYCOUNT));
    });
}

// Loading, clicking the row (the form then holds the value), updating and saving keep it whole.
TEST_F(FormEditTest, LongValueGoesThroughTheFormIntoTheFileByteForByte) {
    const std::string value = std::string(2 * 1024 * 1024, 'v') + "\xE9nd";
    const std::string file =
        "CREATOR=QUILLFOLIO 1.0\r\nTICKER=LONG\r\nNUMBEROFSHARES=1\r\nNOTES=" + value +
        "\r\nSALEPRICE=\r\nSALEDATE=\r\nPURCHASEPRICE=\r\nPURCHASEDATE=\r\n"
        "CURRENTPRICE=\r\nCURRENTDATE=\r\n";
    WriteFile("share.dat", file);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), value);
        drive::Click(dialog, IDC_UPDATE);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 8), value);
    });
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_EQ(ReadFile("share.dat"), file);
}

struct PasteCase {
    const char* name;
    std::string clipboard;
    std::string kept;
};

void PrintTo(const PasteCase& paste, std::ostream* out) { *out << paste.name; }

class PasteTest : public FormEditTest, public testing::WithParamInterface<PasteCase> {};

TEST_P(PasteTest, PastedTextKeepsToOneLine) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Paste(dialog, IDC_NOTES, GetParam().clipboard);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), GetParam().kept);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteTest,
    testing::Values(PasteCase{"PlainText", "as is", "as is"},
                    PasteCase{"TrailingLineBreak", "ABC\r\n", "ABC"},
                    PasteCase{"SeveralLines", "one\ntwo\rthree", "onetwothree"},
                    PasteCase{"CtrlZ",
                              "be\x1A"
                              "fore",
                              "before"},
                    PasteCase{"TabsStay", "a\tb", "a\tb"}),
    [](const testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.name); });

// A pasted line break would otherwise start a line of its own in share.dat.
TEST_F(FormEditTest, PastedLinesCannotBecomeRecordsOfTheirOwn) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "ABC");
        Paste(dialog, IDC_NOTES, "kept\r\nTICKER=INJECTED\r\n");
        drive::Click(dialog, IDC_ADD);
    });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ASSERT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 1);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "ABC");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 8), "keptTICKER=INJECTED");
    });
}

} // namespace
