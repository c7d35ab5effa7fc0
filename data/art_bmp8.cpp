#include "data/artbmp8.h"

#include "platform/bmp.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace veldor::art {

namespace {

void put16(std::string& s, unsigned v)
{
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// One row of indices in RLE8: runs as (count, index); stretches of
// differing pixels in absolute mode (0, n, n indices, padded to a word).
void encodeRow(std::string& out, const std::uint8_t* row, int width)
{
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x])
            ++run;
        if (run >= 2) {
            out += char(run);
            out += char(row[x]);
            x += run;
            continue;
        }
        // Literal stretch: up to the next pair of equal pixels.
        int n = 1;
        while (x + n < width && n < 255 && !(x + n + 1 < width && row[x + n] == row[x + n + 1]))
            ++n;
        if (n < 3) {
            for (int i = 0; i < n; ++i) {
                out += char(1);
                out += char(row[x + i]);
            }
        } else {
            out += char(0);
            out += char(n);
            out.append(reinterpret_cast<const char*>(row + x), std::size_t(n));
            if (n % 2)
                out += char(0);
        }
        x += n;
    }
    out += char(0);
    out += char(0); // end of line
}

std::string header(int w, int h, int colors, std::uint32_t compression, const std::string& pixels,
                   const std::vector<Color>& palette)
{
    const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(colors);
    std::string s;
    s += "BM";
    put32(s, offset + std::uint32_t(pixels.size()));
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, std::uint32_t(w));
    put32(s, std::uint32_t(h)); // bottom-up
    put16(s, 1);
    put16(s, 8);
    put32(s, compression);
    put32(s, std::uint32_t(pixels.size()));
    put32(s, 2835);
    put32(s, 2835);
    put32(s, std::uint32_t(colors));
    put32(s, 0);
    for (Color c : palette) {
        s += char(blueOf(c));
        s += char(greenOf(c));
        s += char(redOf(c));
        s += char(0);
    }
    return s + pixels;
}

} // namespace

std::string encodeCompactBmp(const Picture& picture)
{
    const int w = picture.width(), h = picture.height();
    std::map<Color, std::uint8_t> index;
    std::vector<Color> palette;
    for (const Color c : picture.data()) {
        if (index.count(c))
            continue;
        if (palette.size() == 256) {
            const std::vector<std::uint8_t> bytes = encodeBmp(picture);
            return std::string(bytes.begin(), bytes.end());
        }
        index.emplace(c, std::uint8_t(palette.size()));
        palette.push_back(c);
    }
    std::vector<std::uint8_t> row(std::size_t(std::max(w, 1)));
    std::string rle, plain;
    const int stride = (w + 3) / 4 * 4;
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x)
            row[std::size_t(x)] = index[picture.pixel(x, y)];
        encodeRow(rle, row.data(), w);
        plain.append(reinterpret_cast<const char*>(row.data()), std::size_t(w));
        plain.append(std::size_t(stride - w), '\0');
    }
    rle += char(0);
    rle += char(1); // end of bitmap
    const int colors = int(palette.size());
    return rle.size() < plain.size() ? header(w, h, colors, 1, rle, palette) : header(w, h, colors, 0, plain, palette);
}

} // namespace veldor::art
