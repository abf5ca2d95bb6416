// The text of a window or control, as bytes in the ANSI code page.
#pragma once

#include "../WinDefs.h"

#include <string>

std::string WindowText(HWND window);
bool IsEditControl(HWND window);
