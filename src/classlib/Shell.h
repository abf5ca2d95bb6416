// Handing a document or a web address to the desktop to open.
#pragma once

#include "WinDefs.h"

#include <string>

#ifndef _WIN32
// Show commands; on Windows the system's own.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
#endif

// Asks the desktop to open the file or web address with the program it uses for such things,
// without waiting for it. A relative file name is taken in the working directory. The result is
// greater than 32 when the request was handed on. parameters and directory may be nullptr.
INT_PTR AfxShellExecute(HWND owner, const std::string& operation, const std::string& file,
                        const char* parameters, const char* directory, int showCommand);
