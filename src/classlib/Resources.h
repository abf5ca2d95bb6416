// The program's resources as data: dialog templates in dialog units, the string table and icons.
// The program defines them (its resource files); every backend builds its windows from them.
#pragma once

#include "WinDefs.h"

#include <span>
#include <string_view>

enum class ControlClass { Edit, Button, Static, ListView, MonthCalendar };

struct ControlTemplate {
    int id;
    ControlClass controlClass;
    DWORD style;
    std::string_view text;
    short x, y, cx, cy;
};

struct DialogTemplate {
    UINT id;
    bool extended;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    std::string_view caption;
    std::string_view fontName;
    WORD pointSize;
    std::span<const ControlTemplate> controls;
};

// One image of an icon: size x size pixels, one character per pixel in rows from the top, each
// a hexadecimal index into the 16-colour palette, or '.' for a transparent pixel.
struct IconImage {
    int size;
    std::span<const std::string_view> rows;
};

struct IconResource {
    UINT id;
    std::span<const IconImage> images;
};

// The 16-colour palette of icon images, as 0xRRGGBB.
inline constexpr DWORD kIconPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// Defined by the program's resources. Each returns nullptr (or the empty text) for an id it
// does not hold.
const DialogTemplate* FindDialogResource(UINT id);
std::string_view FindStringResource(UINT id);
const IconResource* FindIconResource(UINT id);
