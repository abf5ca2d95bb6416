// Pictures as PNG files, for the test driver's pictures of the program.
#pragma once

#include "../WinDefs.h"

#include <string>
#include <vector>

// Rows of 0xRRGGBB pixels from the top, as an RGB PNG file.
bool WritePngFile(const std::string& path, int width, int height, const std::vector<DWORD>& pixels);
