#include "platform/surface.h"

#include "platform/bmp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <atomic>
#include <utility>

namespace veldor {

void Surface::replaceBitmap(int width, int height, std::vector<Color> pixels)
{
    static_cast<Picture&>(*this) = Picture(width, height, std::move(pixels));
    pen_ = Pen{};
    static std::atomic<std::uint64_t> replacements{0};
    generation_ = ++replacements;
}

void Surface::load(const std::string& path)
{
    Bitmap b = loadBmpFile(path);
    replaceBitmap(b.width, b.height, std::move(b.pixels));
}

namespace {

// Pen geometry works in doubled coordinates so that both odd and even pen
// widths stay integral: pixel x has its centre at 2x + 1.
using Coord = std::int64_t;

// floor(sqrt(n)) for 0 <= n < 2^62, exact.
Coord isqrt(Coord n)
{
    Coord m = Coord(std::sqrt(double(n)));
    while (m * m > n)
        --m;
    while ((m + 1) * (m + 1) <= n)
        ++m;
    return m;
}

Coord floorHalf(Coord v) { return v >= 0 ? v / 2 : -((1 - v) / 2); }
// Pixels whose doubled centre 2x + 1 lies in [a, b]: x from ceil((a-1)/2)
// to floor((b-1)/2).
Coord firstPixel(Coord a) { return -floorHalf(1 - a); }
Coord lastPixel(Coord b) { return floorHalf(b - 1); }

} // namespace

// The pen is a disc of diameter w swept along the centre line of the
// outline: the border of [l, r-1] x [t, b-1], shifted so that a band of w
// pixels [e - w/2, e - w/2 + w - 1] straddles each edge e. A pixel belongs
// to the outline when its centre lies within w/2 of that centre line; this
// gives square inner corners and rounded outer ones, and for w = 1 the plain
// one-pixel border. Each row is at most two pen spans and one brush span, so
// every pixel is touched once.
void Surface::rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2 || empty())
        return;
    const Coord l = std::min(x1, x2), r = std::max(x1, x2);
    const Coord t = std::min(y1, y2), b = std::max(y1, y2);
    const Coord w = std::max(pen_.width, 1);
    const Coord half = w / 2;

    // Centre line in doubled coordinates; the pen reaches w (doubled) from it.
    const Coord cl = 2 * (l - half) + w, cr = 2 * (r - 1 - half) + w;
    const Coord ct = 2 * (t - half) + w, cb = 2 * (b - 1 - half) + w;

    const Coord yFirst = std::max<Coord>(firstPixel(ct - w), 0);
    const Coord yLast = std::min<Coord>(lastPixel(cb + w), height() - 1);
    const Color penColor = pen_.color & 0x00FFFFFFu;
    const bool notXor = pen_.mode == PenMode::NotXor;
    const Color flip = ~penColor & 0x00FFFFFFu; // NOT (c XOR p) == p XOR (NOT c)

    auto span = [&](Color* rowPixels, Coord a, Coord bEnd, bool brush) {
        const Coord x0 = std::max<Coord>(firstPixel(a), 0);
        const Coord x1 = std::min<Coord>(lastPixel(bEnd), width() - 1);
        if (x0 > x1)
            return;
        Color* p = rowPixels + x0;
        Color* const end = rowPixels + x1 + 1;
        if (brush) {
            std::fill(p, end, kWhite);
        } else if (notXor) {
            for (; p != end; ++p)
                *p ^= flip;
        } else {
            std::fill(p, end, penColor);
        }
    };

    for (Coord y = yFirst; y <= yLast; ++y) {
        Color* rowPixels = row(int(y));
        const Coord cy = 2 * y + 1;
        if (cy < ct || cy > cb) {
            // Beyond the top or bottom edge: one span, rounded at the corners.
            const Coord ay = cy < ct ? ct - cy : cy - cb;
            const Coord m = isqrt(w * w - ay * ay);
            span(rowPixels, cl - m, cr + m, false);
        } else if (std::min(cy - ct, cb - cy) <= w) {
            span(rowPixels, cl - w, cr + w, false); // top or bottom band
        } else if (cl + w >= cr - w) {
            span(rowPixels, cl - w, cr + w, false); // side bands meet
        } else {
            span(rowPixels, cl - w, cl + w, false);
            if (!notXor) // white under NOT-XOR changes nothing
                span(rowPixels, cl + w + 1, cr - w - 1, true);
            span(rowPixels, cr - w, cr + w, false);
        }
    }
}

} // namespace veldor
