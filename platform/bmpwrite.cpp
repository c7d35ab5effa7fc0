#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/picture.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace veldor {

namespace {
void put16(std::uint8_t* p, std::uint32_t v) { p[0] = std::uint8_t(v); p[1] = std::uint8_t(v >> 8); }
void put32(std::uint8_t* p, std::uint32_t v)
{
    put16(p, v & 0xFFFF);
    put16(p + 2, v >> 16);
}

// The 54 bytes before the rows of a 24-bit, bottom-up picture.
std::array<std::uint8_t, 54> bmpHeader(int w, int h, std::size_t stride)
{
    const std::size_t imageSize = stride * std::size_t(h);
    std::array<std::uint8_t, 54> header{};
    std::uint8_t* p = header.data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, std::uint32_t(54 + imageSize));
    put32(p + 10, 54);
    put32(p + 14, 40);
    put32(p + 18, std::uint32_t(w));
    put32(p + 22, std::uint32_t(h)); // positive: bottom-up
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 34, std::uint32_t(imageSize));
    put32(p + 38, 3780); // 96 dpi
    put32(p + 42, 3780);
    return header;
}

// One picture row as the file stores it; the padding bytes stay as they are.
void encodeRow(const Color* s, int w, std::uint8_t* d)
{
    for (int x = 0; x < w; ++x) {
        const Color c = s[x];
        d[0] = std::uint8_t(c >> 16); // blue
        d[1] = std::uint8_t(c >> 8);  // green
        d[2] = std::uint8_t(c);       // red
        d += 3;
    }
}

std::size_t rowStride(int w) { return (std::size_t(w) * 3 + 3) & ~std::size_t(3); }
} // namespace

std::vector<std::uint8_t> encodeBmp(const Picture& surface)
{
    const int w = surface.width();
    const int h = surface.height();
    const std::size_t stride = rowStride(w);
    const auto header = bmpHeader(w, h, stride);
    std::vector<std::uint8_t> out(header.size() + stride * std::size_t(h), 0);
    std::copy(header.begin(), header.end(), out.begin());
    for (int y = 0; y < h; ++y)
        encodeRow(surface.row(y), w, out.data() + header.size() + std::size_t(h - 1 - y) * stride);
    return out;
}

void saveBmpFile(const Picture& surface, const std::string& path)
{
    const int w = surface.width();
    const int h = surface.height();
    const std::size_t stride = rowStride(w);
    try {
        // Row by row, bottom first: the file's size never sits in memory.
        ReplacementFile file(path);
        const auto header = bmpHeader(w, h, stride);
        file.write(std::string_view(reinterpret_cast<const char*>(header.data()), header.size()));
        std::string row(stride, '\0');
        for (int y = h - 1; y >= 0; --y) {
            encodeRow(surface.row(y), w, reinterpret_cast<std::uint8_t*>(row.data()));
            file.write(row);
        }
        file.commit();
    } catch (const Error& e) {
        raiseCannotCreate(path, e.what());
    }
}

} // namespace veldor
