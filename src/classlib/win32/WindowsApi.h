// The Windows system headers, as the class library's public headers see them on Windows.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <commctrl.h>

// The class library's own functions and members carry these names; the system headers make
// them macros for their ANSI and wide variants. The backend calls the ANSI variants by name.
#undef AppendMenu
#undef DispatchMessage
#undef GetDlgItemText
#undef LoadIcon
#undef MessageBox
#undef SendMessage
#undef SetDlgItemText

struct IconResource;

// The standard Help command, as the class library defines it.
inline constexpr UINT ID_HELP = 0xE146;
