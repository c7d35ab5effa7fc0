#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/surface.h"
#include "platform/textfile.h"

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
} // namespace

std::vector<std::uint8_t> encodeBmp(const Surface& surface)
{
    const int w = surface.width();
    const int h = surface.height();
    const std::size_t stride = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    const std::size_t imageSize = stride * std::size_t(h);
    std::vector<std::uint8_t> out(54 + imageSize, 0);
    std::uint8_t* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, std::uint32_t(out.size()));
    put32(p + 10, 54);
    put32(p + 14, 40);
    put32(p + 18, std::uint32_t(w));
    put32(p + 22, std::uint32_t(h)); // positive: bottom-up
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 34, std::uint32_t(imageSize));
    put32(p + 38, 3780); // 96 dpi
    put32(p + 42, 3780);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* d = p + 54 + std::size_t(h - 1 - y) * stride;
        const Color* s = surface.row(y);
        for (int x = 0; x < w; ++x) {
            const Color c = s[x];
            d[0] = std::uint8_t(c >> 16); // blue
            d[1] = std::uint8_t(c >> 8);  // green
            d[2] = std::uint8_t(c);       // red
            d += 3;
        }
    }
    return out;
}

void saveBmpFile(const Surface& surface, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = encodeBmp(surface);
    try {
        writeFileReplacing(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const Error&) {
        throw Error("Cannot create file " + path);
    }
}

} // namespace veldor
