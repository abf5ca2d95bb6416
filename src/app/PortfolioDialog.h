// The main dialog: the entry form above the list of entries, and every button of the program.
// Its operations live in the folder of their subsystem.
#pragma once

#include "../classlib/Dialog.h"
#include "../classlib/ListCtrl.h"

#include <string>
#include <vector>

struct ShareEntry;

class CPortfolioDialog : public CDialog {
public:
    explicit CPortfolioDialog(CWnd* parent = nullptr);

    // The list and the form.
    void SetUpColumns();
    void AutoSizeColumns();
    void InsertFormAsTopRow();
    void CopyRowToForm(int row);
    void RefreshEntryCount();
    void ClearForm();

    // The portfolio file: read as the dialog opens, written as its window goes.
    void LoadPortfolio();
    void SavePortfolio();
    void ReverseRowOrder();
    // Editing the list from the form.
    void AddEntry();
    void UpdateEntry();
    void RemoveEntry();
    // 1 when a row already holds the entry in the form, else 0.
    int IsEntryListed();
    // Writes the day picked in the date dialog into one of the three date fields.
    void SelectDate(std::string& targetField);
    // The report.
    void WriteReport();
    std::string LoadTemplate(const std::string& fileName);

    // The web pages.
    void OpenManualPage();
    void OpenQuotePage();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    void OnClickEntryList(NMHDR* notification, LRESULT* result);

    // A button handler: a form read, the operation, a form write.
    template <void (CPortfolioDialog::*Operation)()> void WithFormExchange() {
        UpdateData(TRUE);
        (this->*Operation)();
        UpdateData(FALSE);
    }

    // A Select button's handler: a form read, SelectDate for its date field, a form write.
    template <std::string CPortfolioDialog::*DateField> void OnSelectDate() {
        UpdateData(TRUE);
        SelectDate(this->*DateField);
        UpdateData(FALSE);
    }

    DECLARE_MESSAGE_MAP()

private:
    // The form field shown in a list column.
    std::string& FormField(int column);
    std::vector<ShareEntry> ListedEntries();

    CListCtrl m_list;
    std::string TICKER;
    std::string SALEPRICE;
    std::string SALEDATE;
    std::string PURCHASEPRICE;
    std::string PURCHASEDATE;
    std::string CURRENTPRICE;
    std::string CURRENTDATE;
    int m_entryCount = 0;
    std::string NOTES;
    std::string NUMBEROFSHARES;
    HICON m_hIcon;
    // share.dat is there but could not be read whole: saving the incomplete list over it would
    // lose the entries that were not read.
    bool m_keepPortfolioFile = false;
};
