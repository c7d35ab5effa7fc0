#include "platform/surface.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace veldor;

namespace {

constexpr Color kGrey = 0x00808080u;

// '#' pen colour (black), 'w' white brush, '.' untouched grey.
std::vector<std::string> grid(const Surface& s)
{
    std::vector<std::string> rows;
    for (int y = 0; y < s.height(); ++y) {
        std::string line;
        for (int x = 0; x < s.width(); ++x) {
            const Color c = s.pixel(x, y);
            line += c == kBlack ? '#' : c == kWhite ? 'w' : '.';
        }
        rows.push_back(line);
    }
    return rows;
}

Surface randomPicture(std::mt19937& rng, int w, int h)
{
    Surface s(w, h);
    for (Color& c : s.data())
        c = rng() & 0x00FFFFFFu;
    return s;
}

} // namespace

TEST(Surface, PixelsInsideAndOutside)
{
    Surface s(3, 2, kGrey);
    s.setPixel(2, 1, 0xAB123456u); // the top byte is not a colour
    EXPECT_EQ(s.pixel(2, 1), 0x00123456u);
    EXPECT_EQ(s.pixel(0, 0), kGrey);

    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {-2147483647 - 1, 0}}) {
        s.setPixel(x, y, kBlack);
        EXPECT_EQ(s.pixel(x, y), kInvalidColor);
    }
    Surface expected(3, 2, kGrey); // writes outside changed nothing
    expected.setPixel(2, 1, 0x00123456u);
    EXPECT_EQ(s, expected);
    EXPECT_EQ(redOf(kInvalidColor), 255);
    EXPECT_EQ(blueOf(kInvalidColor), 255);
}

TEST(Surface, NewBitmapResetsThePen)
{
    Surface s(4, 4);
    s.pen() = Pen{630, 0x00123456u, PenMode::NotXor};
    s.replaceBitmap(2, 3, std::vector<Color>(6, kGrey));
    EXPECT_EQ(s.width(), 2);
    EXPECT_EQ(s.height(), 3);
    EXPECT_EQ(s.pen().width, 1);
    EXPECT_EQ(s.pen().color, kBlack);
    EXPECT_EQ(s.pen().mode, PenMode::Copy);
}

TEST(Surface, RectangleWidthOne)
{
    Surface s(8, 6, kGrey);
    s.rectangle(6, 4, 1, 0); // corners in any order
    EXPECT_EQ(grid(s), (std::vector<std::string>{
                           ".#####..",
                           ".#www#..",
                           ".#www#..",
                           ".#####..",
                           "........",
                           "........",
                       }));

    Surface flat(8, 6, kGrey);
    flat.rectangle(3, 0, 3, 5);
    flat.rectangle(0, 2, 7, 2);
    EXPECT_EQ(flat, Surface(8, 6, kGrey));

    Surface thin(5, 4, kGrey); // one pixel wide: a single column
    thin.rectangle(2, 1, 3, 4);
    EXPECT_EQ(grid(thin), (std::vector<std::string>{".....", "..#..", "..#..", "..#.."}));
}

TEST(Surface, RectangleWidthFour)
{
    Surface s(17, 15, kGrey);
    s.pen().width = 4;
    s.rectangle(4, 4, 14, 12);
    EXPECT_EQ(grid(s), (std::vector<std::string>{
                           //        x: 0         1
                           //           01234567890123456
                           ".................", // 0
                           ".................",
                           "...###########...", // 2
                           "..#############..",
                           "..#############..",
                           "..#############..",
                           "..####wwwww####..", // 6
                           "..####wwwww####..",
                           "..####wwwww####..",
                           "..#############..", // 9
                           "..#############..",
                           "..#############..",
                           "...###########...", // 12
                           ".................",
                           ".................",
                       }));
}

// The band straddles each edge as the header says, for odd and even widths:
// on a row through the middle each band starts at e - w/2 (e = l, r-1) and
// is w pixels wide.
TEST(Surface, PenBandStraddlesTheEdges)
{
    for (int w = 1; w <= 12; ++w) {
        Surface s(80, 80, kGrey);
        s.pen().width = w;
        s.rectangle(20, 20, 60, 60);
        const std::string mid = grid(s)[40];
        const int l = 20, r = 60;
        const std::string expected = std::string(std::size_t(l - w / 2), '.') + std::string(std::size_t(w), '#')
                                   + std::string(std::size_t(r - 1 - l - w), 'w') + std::string(std::size_t(w), '#');
        EXPECT_EQ(mid, expected + std::string(80 - expected.size(), '.')) << "width " << w;
        EXPECT_EQ(grid(s)[std::size_t(20 - w / 2)].substr(std::size_t(l), std::size_t(r - l)),
                  std::string(std::size_t(r - l), '#'))
            << "width " << w;
    }
}

// The outline shapes of widths 1 and 4 as stated in the contract, for random
// rectangles that may stick out of the bitmap; NOT-XOR with black must flip
// exactly the pixels that Copy paints, so nothing is touched twice.
TEST(Surface, OutlineShapesOnRandomRectangles)
{
    std::mt19937 rng(7);
    auto coord = [&](int n) { return int(rng() % unsigned(n + 16)) - 8; };
    for (int round = 0; round < 400; ++round) {
        const int w = 24, h = 20;
        int l = coord(w), r = coord(w), t = coord(h), b = coord(h);
        const int penWidth = round % 2 ? 4 : 1;

        Surface copy(w, h, kGrey);
        copy.pen().width = penWidth;
        copy.rectangle(l, t, r, b);

        if (l > r)
            std::swap(l, r);
        if (t > b)
            std::swap(t, b);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool pen = false;
                if (l != r && t != b) {
                    if (penWidth == 1) {
                        const bool inBox = x >= l && x <= r - 1 && y >= t && y <= b - 1;
                        pen = inBox && (x == l || x == r - 1 || y == t || y == b - 1);
                    } else if (r - l >= 7 && b - t >= 7) {
                        const bool outer = x >= l - 2 && x <= r && y >= t - 2 && y <= b;
                        const bool hole = x >= l + 2 && x <= r - 4 && y >= t + 2 && y <= b - 4;
                        const bool corner = (x == l - 2 || x == r) && (y == t - 2 || y == b);
                        pen = outer && !hole && !corner;
                    } else {
                        continue; // small rectangles: covered by the NOT-XOR check below
                    }
                }
                ASSERT_EQ(copy.pixel(x, y) == kBlack, pen)
                    << "(" << x << "," << y << ") rect " << l << "," << t << "," << r << "," << b
                    << " width " << penWidth;
            }

        Surface flipped(w, h, kGrey);
        flipped.pen() = Pen{penWidth, kBlack, PenMode::NotXor};
        flipped.rectangle(l, t, r, b);
        for (int i = 0; i < w * h; ++i)
            ASSERT_EQ(flipped.data()[std::size_t(i)] != kGrey, copy.data()[std::size_t(i)] == kBlack);
    }
}

TEST(Surface, NotXorTwiceRestoresEveryPixel)
{
    std::mt19937 rng(42);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + int(rng() % 60), h = 1 + int(rng() % 60);
        const Surface before = randomPicture(rng, w, h);
        Surface s = before;
        const int pw = round % 5 == 0 ? int(rng() % 200) : int(rng() % 12);
        s.pen() = Pen{pw, Color(rng() & 0x00FFFFFFu), PenMode::NotXor};
        auto c = [&](int n) { return int(rng() % unsigned(2 * n + 20)) - n / 2 - 10; };
        const int x1 = c(w), y1 = c(h), x2 = c(w), y2 = c(h);

        // Same colour for both draws, and flipping all bits must change every
        // covered pixel: a pixel touched twice in one draw would stay.
        Surface inverted = before;
        inverted.pen() = Pen{pw, kBlack, PenMode::NotXor};
        inverted.rectangle(x1, y1, x2, y2);
        Surface painted(w, h, kGrey);
        painted.pen().width = pw;
        painted.rectangle(x1, y1, x2, y2);
        for (int i = 0; i < w * h; ++i) {
            const std::size_t k = std::size_t(i);
            ASSERT_EQ(inverted.data()[k], painted.data()[k] == kBlack ? (~before.data()[k] & 0x00FFFFFFu)
                                                                      : before.data()[k]);
        }

        s.rectangle(x1, y1, x2, y2);
        s.rectangle(x2, y2, x1, y1);
        ASSERT_EQ(s, before) << "round " << round << " width " << pw;
    }
}

TEST(Surface, PictureWidePenCoversEveryPixelOnce)
{
    std::mt19937 rng(3);
    const Surface before = randomPicture(rng, 630, 340);
    Surface s = before;
    s.pen() = Pen{630, 0x00336699u, PenMode::NotXor};
    s.rectangle(0, 0, 630, 340);
    for (std::size_t i = 0; i < before.data().size(); ++i)
        ASSERT_EQ(s.data()[i], ~(0x00336699u ^ before.data()[i]) & 0x00FFFFFFu) << i;
}
