// Shrinking for thumbnails: sizes, and each pixel the mean of the area it
// covers, partly covered source pixels by the fraction covered.
#include "platform/scale.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <vector>

using namespace veldor;

namespace {

// One row of grey levels as a picture.
Surface row(const std::vector<int>& greys)
{
    Surface s(int(greys.size()), 1);
    for (std::size_t x = 0; x < greys.size(); ++x)
        s.setPixel(int(x), 0, rgb(greys[x], greys[x], greys[x]));
    return s;
}

} // namespace

TEST(Scale, SidesFitTheBoxRoundedAndNeverEnlarged)
{
    struct Case {
        int w, h, box, outW, outH;
    };
    const Case cases[] = {
        {630, 340, 128, 128, 69},  // 69.08
        {630, 340, 256, 256, 138}, // 138.16
        {340, 630, 100, 54, 100},  // 53.97
        {1000, 1, 10, 10, 1},      // never below one pixel
        {630, 340, 630, 630, 340}, // fits: unchanged
        {20, 10, 640, 20, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " in " << c.box);
        const Surface out = shrinkToFit(Surface(c.w, c.h, rgb(1, 2, 3)), c.box);
        EXPECT_EQ(out.width(), c.outW);
        EXPECT_EQ(out.height(), c.outH);
        EXPECT_EQ(out.pixel(0, 0), rgb(1, 2, 3));
    }
}

TEST(Scale, EachPixelIsTheMeanOfTheAreaItCovers)
{
    struct Case {
        std::vector<int> in;
        int box;
        std::vector<int> out;
    };
    const Case cases[] = {
        {{0, 100, 200, 50}, 2, {50, 125}},   // whole pixels, two each
        {{0, 90, 180}, 2, {30, 150}},        // (2*0 + 90)/3, (90 + 2*180)/3
        {{0, 0, 0, 255}, 1, {64}},           // 63.75 rounds up
        {{10, 20, 30, 40, 50}, 5, {10, 20, 30, 40, 50}},
    };
    for (const Case& c : cases) {
        const Surface out = shrinkToFit(row(c.in), c.box);
        ASSERT_EQ(out.width(), int(c.out.size()));
        for (std::size_t x = 0; x < c.out.size(); ++x)
            EXPECT_EQ(out.pixel(int(x), 0), rgb(c.out[x], c.out[x], c.out[x])) << "pixel " << x;
    }
    // Both axes at once: a 2x2 block of four colours becomes their mean.
    Surface block(2, 2);
    block.setPixel(0, 0, rgb(0, 0, 0));
    block.setPixel(1, 0, rgb(200, 0, 0));
    block.setPixel(0, 1, rgb(0, 200, 0));
    block.setPixel(1, 1, rgb(0, 0, 200));
    EXPECT_EQ(shrinkToFit(block, 1).pixel(0, 0), rgb(50, 50, 50));
}
