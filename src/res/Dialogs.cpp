// The dialog templates, in dialog units. Control order is also the tab order.
#include "resource.h"

#include "../classlib/Resources.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kReadOnlyEdit = kEdit | ES_READONLY;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kDialogFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr ControlTemplate kMainControls[] = {
    {IDC_NOTES, ControlClass::Edit, kEdit, "", 54, 59, 192, 22},
    {IDC_TICKER, ControlClass::Edit, kEdit, "", 54, 1, 33, 14},
    {IDC_QUOTE, ControlClass::Button, kButton, "Quote", 91, 1, 50, 14},
    {IDC_PURCHASEPRICE, ControlClass::Edit, kEdit, "", 54, 16, 40, 14},
    {IDC_CURRENTPRICE, ControlClass::Edit, kEdit, "", 54, 30, 40, 14},
    {IDC_SALEPRICE, ControlClass::Edit, kEdit, "", 54, 44, 40, 14},
    {IDC_NUMBEROFSHARES, ControlClass::Edit, kEdit, "", 205, 3, 40, 14},
    {IDC_PURCHASEDATE, ControlClass::Edit, kReadOnlyEdit, "", 154, 16, 40, 14},
    {IDC_SELECT_PURCHASEDATE, ControlClass::Button, kButton, "Select", 196, 16, 50, 14},
    {IDC_CURRENTDATE, ControlClass::Edit, kReadOnlyEdit, "", 154, 30, 40, 14},
    {IDC_SELECT_CURRENTDATE, ControlClass::Button, kButton, "Select", 196, 30, 50, 14},
    {IDC_SALEDATE, ControlClass::Edit, kReadOnlyEdit, "", 154, 44, 40, 14},
    {IDC_SELECT_SALEDATE, ControlClass::Button, kButton, "Select", 196, 44, 50, 14},
    {IDC_ENTRYLIST, ControlClass::ListView,
     kChild | LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, "List1", 7, 84, 240, 79},
    {IDOK, ControlClass::Button, kDefaultButton, "Quit", 260, 1, 50, 14},
    {IDC_CLEAR, ControlClass::Button, kButton, "Clear", 260, 17, 50, 14},
    {IDC_ADD, ControlClass::Button, kButton, "Add", 260, 36, 50, 14},
    {IDC_UPDATE, ControlClass::Button, kButton, "Update", 260, 50, 50, 14},
    {IDC_REMOVE, ControlClass::Button, kButton, "Remove", 260, 64, 50, 14},
    {IDC_HELPBUTTON, ControlClass::Button, kButton, "Help", 260, 134, 50, 14},
    {-1, ControlClass::Static, kLabel, "Please contact a financial advisor before investing.", 9,
     166, 200, 8},
    {-1, ControlClass::Static, kLabel, "Ticker Symbol:", 1, 4, 48, 8},
    {-1, ControlClass::Static, kLabel, "Purchase Price:", 1, 19, 51, 8},
    {-1, ControlClass::Static, kLabel, "Purchase Date:", 95, 19, 50, 8},
    {-1, ControlClass::Static, kLabel, "Current Price:", 1, 33, 44, 8},
    {-1, ControlClass::Static, kLabel, "Current Date:", 95, 33, 43, 8},
    {-1, ControlClass::Static, kLabel, "Sale Price:", 1, 47, 35, 8},
    {-1, ControlClass::Static, kLabel, "Sale Date:", 95, 47, 34, 8},
    {IDC_ENTRYCOUNT, ControlClass::Edit, kReadOnlyEdit, "", 265, 117, 40, 14},
    {-1, ControlClass::Static, kLabel, "Notes:", 1, 61, 22, 8},
    {-1, ControlClass::Static, kLabel, "Number of Shares:", 145, 4, 60, 8},
    {-1, ControlClass::Static, kLabel,
     "Quillfolio 1.03 - your share holdings, kept on your own computer.", 8, 176, 245, 8},
    {IDC_REPORT, ControlClass::Button, kButton, "Report", 260, 86, 50, 14},
};

constexpr ControlTemplate kAboutControls[] = {
    {-1, ControlClass::Static, kChild | SS_ICON, "128", 11, 17, 20, 20},
    {-1, ControlClass::Static, kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, "Quillfolio Version 1.0",
     40, 10, 119, 8},
    {-1, ControlClass::Static, kChild | SS_LEFT | WS_GROUP, "Copyright (C) 2026 Quillfolio", 40, 25,
     119, 8},
    {IDOK, ControlClass::Button, kDefaultButton | WS_GROUP, "OK", 178, 7, 50, 14},
};

constexpr ControlTemplate kDateSelectControls[] = {
    {IDC_CALENDAR, ControlClass::MonthCalendar, kChild | WS_TABSTOP, "MonthCalendar1", 7, 7, 134,
     97},
    {IDOK, ControlClass::Button, kDefaultButton, "Return", 142, 7, 37, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_QUILLFOLIO_DIALOG, true, kDialogFrame | WS_VISIBLE, WS_EX_APPWINDOW, 317, 191,
     "Quillfolio - Share Portfolio", "MS Sans Serif", 8, kMainControls},
    {IDD_ABOUTBOX, false, kDialogFrame, 0, 235, 55, "About Quillfolio", "MS Sans Serif", 8,
     kAboutControls},
    {IDD_DATESELECT, false, kDialogFrame, 0, 186, 113, "Date Selection", "MS Sans Serif", 8,
     kDateSelectControls},
};

} // namespace

const DialogTemplate* FindDialogResource(UINT id) {
    for (const DialogTemplate& dialog : kDialogs) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}
