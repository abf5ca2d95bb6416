#include "IconFile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kBitsPerPixel = 4;
constexpr int kPaletteSize = 16;
constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kDirectoryEntrySize = 16;
constexpr std::size_t kBitmapHeaderSize = 40;

void PutWord(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void PutDword(std::string& out, std::uint32_t value) {
    PutWord(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutWord(out, static_cast<std::uint16_t>(value >> 16));
}

// Bitmap rows are padded to whole 32-bit words.
std::size_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// The pixel's palette index, or -1 for a transparent pixel.
int PixelAt(const IconImage& image, int x, int y) {
    if (y >= static_cast<int>(image.rows.size())) {
        return -1;
    }
    const std::string_view row = image.rows[static_cast<std::size_t>(y)];
    if (x >= static_cast<int>(row.size()) || row[static_cast<std::size_t>(x)] == '.') {
        return -1;
    }
    return static_cast<int>(
        std::strtol(std::string(1, row[static_cast<std::size_t>(x)]).c_str(), nullptr, 16) & 0xF);
}

// One image as a device-independent bitmap: header, palette, colour rows and mask rows, both
// from the bottom row up. The header's height counts both bitmaps.
std::string ImageBytes(const IconImage& image) {
    const int size = image.size;
    const std::size_t colourRow = RowBytes(size, kBitsPerPixel);
    const std::size_t maskRow = RowBytes(size, 1);
    std::string out;
    PutDword(out, kBitmapHeaderSize);
    PutDword(out, static_cast<std::uint32_t>(size));
    PutDword(out, static_cast<std::uint32_t>(2 * size));
    PutWord(out, 1);
    PutWord(out, kBitsPerPixel);
    PutDword(out, 0); // no compression
    PutDword(out,
             static_cast<std::uint32_t>((colourRow + maskRow) * static_cast<std::size_t>(size)));
    PutDword(out, 0);
    PutDword(out, 0);
    PutDword(out, kPaletteSize);
    PutDword(out, 0);
    for (const DWORD colour : kIconPalette) {
        out += static_cast<char>(colour & 0xFF);
        out += static_cast<char>((colour >> 8) & 0xFF);
        out += static_cast<char>((colour >> 16) & 0xFF);
        out += '\0';
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(colourRow, 0);
        for (int x = 0; x < size; ++x) {
            const int index = PixelAt(image, x, y);
            const auto nibble = static_cast<unsigned char>(index < 0 ? 0 : index);
            row[static_cast<std::size_t>(x / 2)] |= x % 2 == 0 ? nibble << 4 : nibble;
        }
        out.append(row.begin(), row.end());
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(maskRow, 0);
        for (int x = 0; x < size; ++x) {
            if (PixelAt(image, x, y) < 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
        out.append(row.begin(), row.end());
    }
    return out;
}

} // namespace

std::string IconFileBytes(const IconResource& icon) {
    std::vector<std::string> images;
    for (const IconImage& image : icon.images) {
        images.push_back(ImageBytes(image));
    }
    std::string out;
    PutWord(out, 0);
    PutWord(out, 1); // an icon, not a cursor
    PutWord(out, static_cast<std::uint16_t>(images.size()));
    std::size_t offset = kDirectorySize + kDirectoryEntrySize * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = icon.images[i].size;
        out += static_cast<char>(size >= 256 ? 0 : size);
        out += static_cast<char>(size >= 256 ? 0 : size);
        out += static_cast<char>(kPaletteSize);
        out += '\0';
        PutWord(out, 1);
        PutWord(out, kBitsPerPixel);
        PutDword(out, static_cast<std::uint32_t>(images[i].size()));
        PutDword(out, static_cast<std::uint32_t>(offset));
        offset += images[i].size();
    }
    for (const std::string& image : images) {
        out += image;
    }
    return out;
}
