// Resource and control ids.
#pragma once

// Dialog templates.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDD_QUILLFOLIO_DIALOG = 102;
inline constexpr unsigned IDD_DATESELECT = 130;

// Strings.
inline constexpr unsigned IDS_ABOUTBOX = 101;
inline constexpr unsigned IDP_SOCKETS_INIT_FAILED = 103;

// Icons.
inline constexpr unsigned IDR_MAINFRAME = 128;

// The About command on the system menu.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Controls of the main dialog.
inline constexpr int IDC_HELPBUTTON = 1000;
inline constexpr int IDC_PURCHASEPRICE = 1001;
inline constexpr int IDC_TICKER = 1002;
inline constexpr int IDC_QUOTE = 1003;
inline constexpr int IDC_PURCHASEDATE = 1006;
inline constexpr int IDC_SELECT_PURCHASEDATE = 1007;
inline constexpr int IDC_CURRENTPRICE = 1008;
inline constexpr int IDC_CURRENTDATE = 1009;
inline constexpr int IDC_SELECT_CURRENTDATE = 1010;
inline constexpr int IDC_SALEPRICE = 1011;
inline constexpr int IDC_SALEDATE = 1012;
inline constexpr int IDC_SELECT_SALEDATE = 1013;
inline constexpr int IDC_ENTRYLIST = 1014;
inline constexpr int IDC_CLEAR = 1015;
inline constexpr int IDC_ADD = 1016;
inline constexpr int IDC_UPDATE = 1017;
inline constexpr int IDC_REMOVE = 1018;
inline constexpr int IDC_ENTRYCOUNT = 1020;
inline constexpr int IDC_NOTES = 1021;
inline constexpr int IDC_NUMBEROFSHARES = 1022;
inline constexpr int IDC_REPORT = 1023;

// Controls of the date dialog.
inline constexpr int IDC_CALENDAR = 1053;
