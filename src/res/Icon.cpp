// Icon 128, the program icon: a page with a rising chart and a quill, 32x32 and 16x16 in
// 16 colours (one palette index per pixel, '.' transparent).
#include "resource.h"

#include "../classlib/Resources.h"

namespace {

// clang-format off
constexpr std::string_view kLarge[] = {
    "..........................44CC..",
    ".........................44CC44.",
    "....0000000000000000777774CC44E.",
    "....0FFFFFFFFFFFFFF0077774CC4EE.",
    "....0FFFFFFFFFFFFFF0F0777CC44E4.",
    "....0FFFFFFFFFFFFFF0FF077CC4EE4.",
    "....0FFFFFFFFFFFFFF0FFF0CC44E4..",
    "....0FFFFFFFFFFFFFF0FFF4C44E.4..",
    "....0FFFFFFFFFFFFFF00004C4EE....",
    "....0FFFFFFFFFFFFFFFFF4C44E.....",
    "....0FFFFFFFFFFFFFFFFF4C4E4.....",
    "....0FFFFFFFFFFFFFFFF4C444......",
    "....0F777777777777777C44E0......",
    "....0FFFFFFFFFFFFFFFFC4E40......",
    "....0FFFFFFFFFFFFFFFC44FF0......",
    "....0FFFFFFFFFFF222F44EFF0......",
    "....0FFFFFFFFFF2222444FFF0......",
    "....0F777777777227444477F0......",
    "....0FFFFFFFFF22FF444FFFF0......",
    "....0FFFFFFFFF22FF44FFFFF0......",
    "....0FFFF222F22FFF4FFFFFF0......",
    "....0FFF2222222FF44FFFFFF0......",
    "....0F722772227744777777F0......",
    "....0F22FFFFF2FF4FFFFFFFF0......",
    "....0F2FFFFFFFF44FFFFFFFF0......",
    "....0F2FFFFFFFF4FFFFFFFFF0......",
    "....0FFFFFFFFFF0FFFFFFFFF0......",
    "....0FFFFFFFFF0FFFFFFFFFF0......",
    "....0FFFFFFFFFFFFFFFFFFFF0......",
    "....0000000000000000000000......",
    "................................",
    "................................",
};

constexpr std::string_view kSmall[] = {
    ".............CC4",
    "..00000000777C4E",
    "..0FFFFFF00744E.",
    "..0FFFFFF0F4444.",
    "..0FFFFFF00444..",
    "..0FFFFFFFF444..",
    "..0F777777244...",
    "..0FFFFF2F4F0...",
    "..0F7772224F0...",
    "..0FFFF2F4FF0...",
    "..0F2222F4FF0...",
    "..027727477F0...",
    "..02FFF4FFFF0...",
    "..0FFFF0FFFF0...",
    "..00000000000...",
    "................",
};
// clang-format on

constexpr IconImage kProgramIconImages[] = {{32, kLarge}, {16, kSmall}};
constexpr IconResource kProgramIcon{IDR_MAINFRAME, kProgramIconImages};

} // namespace

const IconResource* FindIconResource(UINT id) {
    return id == IDR_MAINFRAME ? &kProgramIcon : nullptr;
}
