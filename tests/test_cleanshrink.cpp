#include "sources/cleanshrink.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace veldor;

namespace {

// A 64 x 64 disc on transparent white, its colour from f(x, y).
template <typename F>
Surface disc(F f)
{
    Surface s(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if ((x - 32) * (x - 32) + (y - 32) * (y - 32) < 28 * 28)
                s.setPixel(x, y, f(x, y));
    return s;
}

} // namespace

TEST(CleanShrink, SpeckleShareTellsFlatFromGrain)
{
    struct Case {
        const char* name;
        Surface picture;
        bool clean;
    };
    const Case cases[] = {
        {"all white", Surface(40, 40), true},
        {"flat light disc", disc([](int, int) { return rgb(224, 192, 240); }), true},
        // 0x7F and 0x80 AND to 0: the grain of a textured rock.
        {"checkered grain", disc([](int x, int y) { return (x + y) % 2 ? rgb(127, 127, 127) : rgb(128, 128, 128); }), false},
        {"dark disc, thin", disc([](int x, int) { return x % 4 == 0 ? rgb(0, 0, 0) : rgb(250, 250, 250); }), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shrinksCleanly(c.picture), c.clean) << worstSpeckleShare(c.picture);
    }
}

TEST(CleanShrink, PreparedPicturesKeyAlphaKeepWhiteAndNest)
{
    // Left half transparent, then opaque white, a soft edge, and a gradient.
    constexpr int w = 64, h = 32;
    std::vector<std::uint8_t> rgba(std::size_t(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &rgba[(std::size_t(y) * w + std::size_t(x)) * 4];
            if (x < 16) {
                p[0] = 10, p[1] = 20, p[2] = 30, p[3] = 0;
            } else if (x < 24) {
                p[0] = p[1] = p[2] = p[3] = 255;
            } else if (x < 26) {
                p[0] = 0, p[1] = 0, p[2] = 200, p[3] = 140;
            } else {
                p[0] = std::uint8_t(x * 4), p[1] = std::uint8_t(y * 8), p[2] = 90, p[3] = 255;
            }
        }
    const Surface s = prepareRgba(w, h, rgba.data());
    ASSERT_EQ(s.width(), w);
    ASSERT_EQ(s.height(), h);
    std::set<Color> colors;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Color c = s.pixel(x, y);
            EXPECT_EQ(isPureWhite(c), x < 16) << x << "," << y;
            if (!isPureWhite(c))
                colors.insert(c);
        }
    // Any two colours AND to their per-channel minimum.
    for (Color a : colors)
        for (Color b : colors) {
            const Color m = rgb(std::min(redOf(a), redOf(b)), std::min(greenOf(a), greenOf(b)), std::min(blueOf(a), blueOf(b)));
            EXPECT_EQ(a & b, m);
        }
    EXPECT_TRUE(shrinksCleanly(enlargeOnGrid(s)));
    EXPECT_THROW(prepareRgba(0, 1, rgba.data()), std::invalid_argument);
}

// Any picture, photographs included, comes out at most four times the grid
// side, keeps its aspect, and shrinks cleanly.
TEST(CleanShrink, ObjectsFromAnyPictureAreSizedForTheGrid)
{
    struct Case {
        int w, h, outW, outH;
    };
    const Case cases[] = {{1000, 500, 512, 256}, {30, 90, 120, 360}, {129, 1, 512, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        std::vector<std::uint8_t> rgba(std::size_t(c.w) * std::size_t(c.h) * 4);
        for (std::size_t i = 0; i < rgba.size(); ++i) // noise, like a photograph
            rgba[i] = std::uint8_t((i * 2654435761u) >> 13);
        for (std::size_t i = 3; i < rgba.size(); i += 4)
            rgba[i] = 255;
        const Surface s = prepareObjectRgba(c.w, c.h, rgba.data());
        EXPECT_EQ(s.width(), c.outW);
        EXPECT_EQ(s.height(), c.outH);
        EXPECT_TRUE(shrinksCleanly(s));
    }
}
