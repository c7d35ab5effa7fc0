#include "platform/stretch.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

using namespace veldor;

namespace {

using Groups = std::vector<std::vector<int>>;

// Source k carries every bit but bit k, so the cleared bits of a result name
// the sources that were ANDed into it.
Color oneBitCleared(int k) { return 0x00FFFFFFu & ~(Color(1) << k); }

Groups clearedBits(const std::vector<Color>& values)
{
    Groups groups;
    for (Color v : values) {
        std::vector<int> g;
        for (int k = 0; k < 24; ++k)
            if (!(v & (Color(1) << k)))
                g.push_back(k);
        groups.push_back(g);
    }
    return groups;
}

// Groups of one axis read back through stretchCopy, along x or along y.
Groups measuredGroups(int s, int d, bool alongY)
{
    Surface src(alongY ? 1 : s, alongY ? s : 1);
    for (int k = 0; k < s; ++k)
        src.setPixel(alongY ? 0 : k, alongY ? k : 0, oneBitCleared(k));
    Surface dst(alongY ? 1 : d, alongY ? d : 1, kBlack);
    if (alongY)
        stretchCopy(dst, 0, 0, 1, d, src, 0, 0, 1, s);
    else
        stretchCopy(dst, 0, 0, d, 1, src, 0, 0, s, 1);
    return clearedBits(dst.data());
}

// The rule read literally, one source or destination at a time.
struct ReferenceAxis {
    std::vector<std::vector<std::int64_t>> groups; // per destination, source offsets

    ReferenceAxis(std::int64_t s, std::int64_t d) : groups(std::size_t(d))
    {
        if (d == 1 && s > 1)
            --s;
        if (d >= s) {
            for (std::int64_t i = 0; i < d; ++i)
                groups[std::size_t(i)].push_back(((2 * i + 1) * s - 1) / (2 * d));
        } else {
            for (std::int64_t k = 0; k < s; ++k)
                groups[std::size_t(((2 * k + 1) * d - 1) / (2 * s))].push_back(k);
        }
    }
};

void referenceStretch(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                      int sw, int sh)
{
    const ReferenceAxis ax(sw, dw), ay(sh, dh);
    for (int j = 0; j < dh; ++j)
        for (int i = 0; i < dw; ++i) {
            Color c = kInvalidColor;
            for (auto y : ay.groups[std::size_t(j)])
                for (auto x : ax.groups[std::size_t(i)])
                    c &= src.pixel(int(sx + x), int(sy + y));
            dst.setPixel(dx + i, dy + j, c);
        }
}

Surface randomPicture(std::mt19937& rng, int w, int h)
{
    Surface s(w, h);
    for (Color& c : s.data())
        c = Color(rng() & 0x00FFFFFFu);
    return s;
}

struct AxisCase {
    int s;
    int d;
    Groups groups;
};

} // namespace

TEST(Stretch, AxisGroupsOfKnownSizes)
{
    const std::vector<AxisCase> cases = {
        {5, 3, {{0, 1}, {2}, {3, 4}}},
        {3, 5, {{0}, {0}, {1}, {2}, {2}}},
        {2, 3, {{0}, {0}, {1}}},
        {4, 3, {{0}, {1, 2}, {3}}},
        {10, 4, {{0, 1, 2}, {3, 4}, {5, 6, 7}, {8, 9}}},
        {4, 10, {{0}, {0}, {0}, {1}, {1}, {2}, {2}, {2}, {3}, {3}}},
        {4, 1, {{0, 1, 2}}},
        {3, 1, {{0, 1}}},
        {2, 1, {{0}}},
        {1, 1, {{0}}},
        {6, 6, {{0}, {1}, {2}, {3}, {4}, {5}}},
    };
    for (const AxisCase& c : cases) {
        EXPECT_EQ(measuredGroups(c.s, c.d, false), c.groups) << c.s << " -> " << c.d << " along x";
        EXPECT_EQ(measuredGroups(c.s, c.d, true), c.groups) << c.s << " -> " << c.d << " along y";
    }
}

// 640 -> 630 keeps every column but ten, each ANDed into its left neighbour.
TEST(Stretch, SixHundredFortyToSixHundredThirty)
{
    // Source x holds NOT x: an AND of x and x+1 can never equal NOT x alone.
    auto value = [](int x) { return ~Color(x) & 0x00FFFFFFu; };
    Surface src(640, 1);
    for (int x = 0; x < 640; ++x)
        src.setPixel(x, 0, value(x));
    Surface dst(630, 1);
    stretchCopy(dst, 0, 0, 630, 1, src, 0, 0, 640, 1);

    std::vector<int> paired;
    int k = 0;
    for (int i = 0; i < 630; ++i) {
        if (dst.pixel(i, 0) == value(k)) {
            ++k;
        } else {
            ASSERT_EQ(dst.pixel(i, 0), value(k) & value(k + 1)) << i;
            paired.push_back(i);
            k += 2;
        }
    }
    EXPECT_EQ(k, 640);
    EXPECT_EQ(paired, (std::vector<int>{31, 94, 157, 220, 283, 346, 409, 472, 535, 598}));
}

// Destination (i, j) is the AND of the x-group of i times the y-group of j.
TEST(Stretch, TwoAxesCombine)
{
    Surface src(5, 4); // 5 -> 3 across, 4 -> 3 down: bits y * 5 + x
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            src.setPixel(x, y, oneBitCleared(y * 5 + x));
    Surface dst(3, 3);
    stretchCopy(dst, 0, 0, 3, 3, src, 0, 0, 5, 4);
    EXPECT_EQ(clearedBits(dst.data()), (Groups{
                                           {0, 1}, {2}, {3, 4},
                                           {5, 6, 10, 11}, {7, 12}, {8, 9, 13, 14},
                                           {15, 16}, {17}, {18, 19},
                                       }));
}

TEST(Stretch, ClipsAndReadsOutsideAsAllOnes)
{
    Surface src(2, 2);
    src.setPixel(0, 0, 0x000000F0u);
    src.setPixel(1, 0, 0x0000000Fu);
    src.setPixel(0, 1, 0x00000F00u);
    src.setPixel(1, 1, 0x0000F000u);

    // Enlarge a source rectangle that starts one pixel left of the bitmap,
    // onto a destination that sticks out on the top and right.
    Surface dst(4, 3, kBlack);
    stretchCopy(dst, 1, -1, 6, 4, src, -1, 0, 3, 2);
    const std::vector<Color> expected = {
        kBlack, kWhite,      kWhite,      0x000000F0u,
        kBlack, kWhite,      kWhite,      0x00000F00u,
        kBlack, kWhite,      kWhite,      0x00000F00u,
    };
    EXPECT_EQ(dst.data(), expected);

    // Shrinking a group that is partly outside ANDs only what is inside.
    Surface one(1, 1, kBlack);
    stretchCopy(one, 0, 0, 1, 1, src, 1, 0, 3, 1); // sources 1 and 2 of the row
    EXPECT_EQ(one.pixel(0, 0), 0x0000000Fu);

    Surface untouched(3, 3, kBlack);
    stretchCopy(untouched, 0, 0, 0, 3, src, 0, 0, 2, 2);
    stretchCopy(untouched, 0, 0, 3, 3, src, 0, 0, 2, -2);
    stretchCopy(untouched, 3, 0, 3, 3, src, 0, 0, 2, 2);
    EXPECT_EQ(untouched, Surface(3, 3, kBlack));
}

TEST(Stretch, MatchesReferenceOnRandomRectangles)
{
    std::mt19937 rng(1234);
    for (int round = 0; round < 400; ++round) {
        const Surface src = randomPicture(rng, 1 + int(rng() % 40), 1 + int(rng() % 40));
        const int dwAll = 1 + int(rng() % 40), dhAll = 1 + int(rng() % 40);
        const int sw = 1 + int(rng() % 60), sh = 1 + int(rng() % 60);
        const int dw = round % 7 == 0 ? sw : 1 + int(rng() % 60);
        const int dh = round % 7 == 0 ? sh : 1 + int(rng() % 60);
        const int sx = int(rng() % 20) - 8, sy = int(rng() % 20) - 8;
        const int dx = int(rng() % 30) - 12, dy = int(rng() % 30) - 12;

        Surface expected = randomPicture(rng, dwAll, dhAll);
        Surface actual = expected;
        referenceStretch(expected, dx, dy, dw, dh, src, sx, sy, sw, sh);
        stretchCopy(actual, dx, dy, dw, dh, src, sx, sy, sw, sh);
        ASSERT_EQ(actual, expected) << "round " << round << ": " << sw << "x" << sh << " -> " << dw << "x"
                                    << dh;
    }
}

TEST(Stretch, WindowMatchesReference)
{
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        const Surface src = randomPicture(rng, 1 + int(rng() % 40), 1 + int(rng() % 40));
        const int dw = 1 + int(rng() % 70), dh = 1 + int(rng() % 70);
        const int cx = int(rng() % 90) - 10, cy = int(rng() % 90) - 10;
        const int cw = 1 + int(rng() % 30), ch = 1 + int(rng() % 30);

        Surface whole(dw, dh);
        referenceStretch(whole, 0, 0, dw, dh, src, 0, 0, src.width(), src.height());
        std::vector<Color> window(std::size_t(cw * ch));
        stretchWindow(src, dw, dh, cx, cy, cw, ch, window.data());
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                ASSERT_EQ(window[std::size_t(y * cw + x)], whole.pixel(cx + x, cy + y))
                    << "round " << round << " at " << x << "," << y;
    }
}

// Cost must follow the window and the source, not the virtual size.
TEST(Stretch, HugeVirtualSizes)
{
    std::mt19937 rng(5);
    const Surface src = randomPicture(rng, 7, 5);
    const int huge = 2000000000;
    std::vector<Color> window(16 * 3);
    stretchWindow(src, huge, huge, huge - 8, 1000, 16, 3, window.data());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::int64_t i = std::int64_t(huge) - 8 + x, j = 1000 + y;
            const Color expected = i < huge ? src.pixel(int(((2 * i + 1) * 7 - 1) / (2 * std::int64_t(huge))),
                                                        int(((2 * j + 1) * 5 - 1) / (2 * std::int64_t(huge))))
                                            : kInvalidColor;
            ASSERT_EQ(window[std::size_t(y * 16 + x)], expected) << x << "," << y;
        }

    // A vast source rectangle shrunk: the first group holds the whole bitmap.
    Surface dst(10, 1, kBlack);
    stretchCopy(dst, 0, 0, 10, 1, src, 0, 0, huge, 1);
    Color all = kInvalidColor;
    for (int x = 0; x < 7; ++x)
        all &= src.pixel(x, 0);
    EXPECT_EQ(dst.pixel(0, 0), all);
    for (int x = 1; x < 10; ++x)
        EXPECT_EQ(dst.pixel(x, 0), kWhite);
}
