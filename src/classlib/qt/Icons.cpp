#include "Icons.h"

#include "../Resources.h"

#include <cstdlib>

namespace {

QImage ToImage(const IconImage& image) {
    QImage result(image.size, image.size, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    for (int y = 0; y < image.size && y < static_cast<int>(image.rows.size()); ++y) {
        const std::string_view row = image.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < image.size && x < static_cast<int>(row.size()); ++x) {
            const char pixel = row[static_cast<std::size_t>(x)];
            if (pixel == '.') {
                continue;
            }
            const long index = std::strtol(std::string(1, pixel).c_str(), nullptr, 16);
            result.setPixel(x, y, 0xFF000000u | kIconPalette[index & 0xF]);
        }
    }
    return result;
}

} // namespace

QImage IconImageFor(HICON icon, int size) {
    if (icon == nullptr || icon->images.empty()) {
        return {};
    }
    const IconImage* best = &icon->images.front();
    for (const IconImage& image : icon->images) {
        if (std::abs(image.size - size) < std::abs(best->size - size)) {
            best = &image;
        }
    }
    QImage image = ToImage(*best);
    return best->size == size ? image : image.scaled(size, size);
}

QIcon IconFor(HICON icon) {
    QIcon result;
    if (icon != nullptr) {
        for (const IconImage& image : icon->images) {
            result.addPixmap(QPixmap::fromImage(ToImage(image)));
        }
    }
    return result;
}
