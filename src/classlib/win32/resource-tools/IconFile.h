// An icon of the program's resources in the .ico file format that resource compilers take.
#pragma once

#include "../../Resources.h"

#include <string>

// Every image of the icon, 16 colours with a transparency mask, as the bytes of one .ico file.
std::string IconFileBytes(const IconResource& icon);
