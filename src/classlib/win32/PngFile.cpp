#include "PngFile.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace {

std::uint32_t Crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    PutBigEndian(out, Crc32(typed));
}

// Deflate with the fixed Huffman codes; the only matches are runs of the byte before, which is
// what filtered rows of a window's flat colours mostly are.
class RunLengthDeflater {
public:
    std::string Compress(const std::string& bytes) {
        Bits(1, 1); // the last block
        Bits(1, 2); // fixed Huffman codes
        for (std::size_t i = 0; i < bytes.size();) {
            std::size_t run = 0;
            while (i > 0 && i + run < bytes.size() && run < 258 && bytes[i + run] == bytes[i - 1]) {
                ++run;
            }
            if (run >= 3) {
                Length(static_cast<int>(run));
                Code(0, 5); // distance 1
                i += run;
            } else {
                Literal(static_cast<unsigned char>(bytes[i]));
                ++i;
            }
        }
        Literal(256); // end of block
        if (m_bitCount > 0) {
            m_out += static_cast<char>(m_bits);
        }
        return m_out;
    }

private:
    // Extra bits and literal values go least significant bit first.
    void Bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            m_bits |= ((value >> i) & 1) << m_bitCount;
            if (++m_bitCount == 8) {
                m_out += static_cast<char>(m_bits);
                m_bits = 0;
                m_bitCount = 0;
            }
        }
    }
    // Huffman codes go most significant bit first.
    void Code(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) {
            Bits((code >> i) & 1, 1);
        }
    }
    void Literal(int value) {
        if (value < 144) {
            Code(0x30 + static_cast<std::uint32_t>(value), 8);
        } else if (value < 256) {
            Code(0x190 + static_cast<std::uint32_t>(value - 144), 9);
        } else if (value < 280) {
            Code(static_cast<std::uint32_t>(value - 256), 7);
        } else {
            Code(0xC0 + static_cast<std::uint32_t>(value - 280), 8);
        }
    }
    void Length(int length) {
        static constexpr int kBase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                        15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                        67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                         2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        int code = 28;
        while (kBase[code] > length) {
            --code;
        }
        Literal(257 + code);
        Bits(static_cast<std::uint32_t>(length - kBase[code]), kExtra[code]);
    }

    std::string m_out;
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
};

std::uint32_t Adler32(const std::string& bytes) {
    std::uint32_t a = 1, b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<unsigned char>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

} // namespace

bool WritePngFile(const std::string& path, int width, int height,
                  const std::vector<DWORD>& pixels) {
    // Each row with the Sub filter: every byte less the one of the pixel before.
    std::string rows;
    for (int y = 0; y < height; ++y) {
        rows += '\1';
        DWORD previous = 0;
        for (int x = 0; x < width; ++x) {
            const DWORD pixel = pixels[static_cast<std::size_t>(y * width + x)];
            for (int shift = 16; shift >= 0; shift -= 8) {
                rows += static_cast<char>(((pixel >> shift) - (previous >> shift)) & 0xFF);
            }
            previous = pixel;
        }
    }
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, filters, no interlace
    std::string compressed = "\x78\x01" + RunLengthDeflater().Compress(rows);
    PutBigEndian(compressed, Adler32(rows));

    std::string file = "\x89PNG\r\n\x1A\n";
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", compressed);
    PutChunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << file) && static_cast<bool>(out.flush());
}
