// Icons of the program's resources as Qt images.
#pragma once

#include "../WinDefs.h"

#include <QIcon>
#include <QImage>

// The image of that size, or the nearest one scaled; a null image for a null handle.
QImage IconImageFor(HICON icon, int size);
QIcon IconFor(HICON icon);
