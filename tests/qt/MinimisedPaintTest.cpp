// Only the Qt backend keeps the dialog's client area while it is minimised; on Windows a minimised
// window is its caption bar alone, with no client area to paint the icon in.
#include "support/ScenarioTest.h"

#include "../../src/classlib/Resources.h"

#include <algorithm>

namespace {

class MinimisedPaintTest : public ScenarioTest {};

// Minimised, the dialog paints only its icon, centred by (client - icon + 1) / 2.
TEST_F(MinimisedPaintTest, PaintsOnlyItsIconCentredWhileMinimised) {
    const IconImage& icon = FindIconResource(IDR_MAINFRAME)->images.front();
    ASSERT_EQ(icon.size, 32);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Minimise(dialog, true);
        const drive::Picture picture = drive::Paint(dialog);
        const int left = (picture.width - 32 + 1) / 2;
        const int top = (picture.height - 32 + 1) / 2;
        const DWORD background = picture.At(1, 1);
        int iconPixels = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const bool inIcon = x >= left && x < left + 32 && y >= top && y < top + 32;
                const char pixel = inIcon ? icon.rows[static_cast<std::size_t>(y - top)]
                                                     [static_cast<std::size_t>(x - left)]
                                          : '.';
                const DWORD expected =
                    pixel == '.' ? background
                                 : kIconPalette[pixel <= '9' ? pixel - '0' : pixel - 'A' + 10];
                if (picture.At(x, y) != expected) {
                    ADD_FAILURE() << "pixel " << x << "," << y;
                    return;
                }
                iconPixels += pixel != '.';
            }
        }
        EXPECT_GT(iconPixels, 100);
        drive::Minimise(dialog, false);
        const drive::Picture restored = drive::Paint(dialog);
        EXPECT_EQ(std::count(restored.pixels.begin(), restored.pixels.end(), background),
                  static_cast<long>(restored.pixels.size()));
    });
}

} // namespace
