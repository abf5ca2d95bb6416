// Modal dialogs built from a dialog template, with data exchange between controls and fields.
#pragma once

#include "Window.h"

#include <string>
#include <vector>

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate; // TRUE: controls into fields; FALSE: fields into controls
    CDialog* m_pDlgWnd;

    // Ends the exchange with failure, with the focus on the offending control.
    [[noreturn]] void Fail(int controlId);
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// A decimal integer; anything else is refused with "Please enter an integer.".
void DDX_Text(CDataExchange* pDX, int id, int& value);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window from the template and runs it until EndDialog; the result that
    // EndDialog was given, or -1 when the window could not be created.
    INT_PTR DoModal();
    void EndDialog(int result);

    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_templateId; }
    HWND GetDlgItem(int id) const;
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);

    // A message box owned by this dialog, with the caption given.
    int MessageBox(const std::string& text, const std::string& caption, UINT type = MB_OK);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    friend class DialogRunner;
    friend void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

    UINT m_templateId;
    CWnd* m_pParentWnd;
    // Controls attached by DDX_Control; they let go of their windows with the dialog's.
    std::vector<CWnd*> m_boundControls;
};
