#include "effects/effects.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace veldor;

namespace {

Surface randomPicture(std::mt19937& rng, int w, int h)
{
    Surface s(w, h);
    for (Color& c : s.data())
        c = Color(rng() & 0x00FFFFFFu);
    return s;
}

int clamp255(int v) { return std::clamp(v, 0, 255); }

// The effects read literally: every (x, y) of 0..629 x 0..339 through
// pixel() and setPixel().
void referencePerPixel(Surface& s, const std::function<Color(Color)>& f)
{
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 630; ++x)
            s.setPixel(x, y, f(s.pixel(x, y)));
}

std::function<Color(Color)> shift(int dr, int dg, int db)
{
    return [=](Color c) { return rgb(clamp255(redOf(c) + dr), clamp255(greenOf(c) + dg), clamp255(blueOf(c) + db)); };
}

void referenceAntiAlias(Surface& s)
{
    const Surface before = s;
    for (int y = 1; y < 340; ++y)
        for (int x = 1; x < 630; ++x) {
            const Color n[4] = {before.pixel(x - 1, y), before.pixel(x + 1, y), before.pixel(x, y - 1),
                                before.pixel(x, y + 1)};
            int r = 0, g = 0, b = 0;
            for (Color c : n) {
                r += redOf(c);
                g += greenOf(c);
                b += blueOf(c);
            }
            s.setPixel(x, y, rgb(r / 4, g / 4, b / 4));
        }
}

} // namespace

TEST(Effects, ChannelShiftsClamp)
{
    Surface s(630, 340, rgb(200, 100, 150));
    applyDarken(s);
    EXPECT_EQ(s.pixel(0, 0), rgb(50, 0, 0));
    EXPECT_EQ(s.pixel(629, 339), rgb(50, 0, 0));

    Surface l(630, 340, rgb(230, 210, 10));
    applyLighten(l);
    EXPECT_EQ(l.pixel(17, 300), rgb(255, 255, 60));

    std::mt19937 rng(11);
    const Surface random = randomPicture(rng, 630, 340);
    Surface neutral = random;
    applyTint(neutral, rgb(150, 150, 160));
    EXPECT_EQ(neutral, random);

    // Every channel value against the extremes of the tint range.
    for (Color tint : {rgb(0, 255, 37), rgb(255, 0, 255), rgb(0, 0, 0), rgb(255, 255, 255)}) {
        Surface tinted = random;
        applyTint(tinted, tint);
        Surface expected = random;
        referencePerPixel(expected, shift(redOf(tint) - 150, greenOf(tint) - 150, blueOf(tint) - 160));
        EXPECT_EQ(tinted, expected) << std::hex << tint;
    }
}

// Only x 0..629, y 0..339 change, whatever the picture's size.
TEST(Effects, WorkOnTheFixedAreaOfAnyPicture)
{
    std::mt19937 rng(12);
    for (auto [w, h] : {std::pair{700, 400}, {100, 50}, {630, 1}}) {
        const Surface random = randomPicture(rng, w, h);
        Surface lightened = random, expectedLight = random;
        applyLighten(lightened);
        referencePerPixel(expectedLight, shift(40, 50, 50));
        EXPECT_EQ(lightened, expectedLight) << w << "x" << h;

        Surface smoothed = random, expectedSmooth = random, scratch(640, 480);
        applyAntiAlias(smoothed, scratch);
        referenceAntiAlias(expectedSmooth);
        EXPECT_EQ(smoothed, expectedSmooth) << w << "x" << h;
    }
}

TEST(Effects, XorIsOneNotXorRectangle)
{
    std::mt19937 rng(13);
    const Surface random = randomPicture(rng, 630, 340);

    Surface once = random;
    applyXor(once, kBlack);
    EXPECT_EQ(once.pixel(5, 5), ~random.pixel(5, 5) & 0x00FFFFFFu);
    applyXor(once, kBlack);
    EXPECT_EQ(once, random);

    Surface white = random;
    applyXor(white, kWhite);
    EXPECT_EQ(white, random);

    const Color c = rgb(12, 200, 77);
    Surface coloured = random;
    applyXor(coloured, c);
    Surface expected = random;
    referencePerPixel(expected, [&](Color p) {
        return rgb(255 - (redOf(c) ^ redOf(p)), 255 - (greenOf(c) ^ greenOf(p)), 255 - (blueOf(c) ^ blueOf(p)));
    });
    EXPECT_EQ(coloured, expected);
    // The pen stays as the effect set it, until the next bitmap.
    EXPECT_EQ(coloured.pen().width, 630);
    EXPECT_EQ(coloured.pen().color, c);
    EXPECT_EQ(coloured.pen().mode, PenMode::NotXor);
}

TEST(Effects, AntiAliasOnUniformGrey)
{
    Surface s(630, 340, rgb(128, 128, 128));
    Surface scratch(640, 480, kBlack);
    applyAntiAlias(s, scratch);
    const Color grey = rgb(128, 128, 128), edge = rgb(159, 159, 159);
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 630; ++x) {
            Color expected = grey;
            if (x > 0 && y > 0 && (x == 629 || y == 339))
                expected = (x == 629 && y == 339) ? rgb(191, 191, 191) : edge;
            ASSERT_EQ(s.pixel(x, y), expected) << x << "," << y;
        }
    // The scratch holds the result; outside the area it is left alone.
    EXPECT_EQ(scratch.pixel(629, 339), rgb(191, 191, 191));
    EXPECT_EQ(scratch.pixel(630, 0), kBlack);
    EXPECT_EQ(scratch.pixel(0, 340), kBlack);
}

TEST(Effects, AntiAliasMatchesReference)
{
    std::mt19937 rng(14);
    const Surface random = randomPicture(rng, 630, 340);
    Surface actual = random, expected = random;
    Surface scratch; // an unusable scratch is replaced, not written past
    applyAntiAlias(actual, scratch);
    referenceAntiAlias(expected);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(scratch.width(), 640);
    EXPECT_EQ(scratch.height(), 480);
}

TEST(Effects, AppliedInTheirOrder)
{
    Surface s(630, 340, rgb(100, 100, 100));
    Surface scratch(640, 480);
    EffectOptions none;
    none.antiAlias = false;
    applyEffects(none, s, scratch);
    EXPECT_EQ(s, Surface(630, 340, rgb(100, 100, 100)));

    // Tint first: (100+100, 100, 100) then darkened gives (50, 0, 0); the
    // other way round would give (100, 0, 0).
    EffectOptions o;
    o.tint = true;
    o.tintColor = rgb(250, 150, 160);
    o.brightness = true;
    o.darken = true;
    o.antiAlias = false;
    applyEffects(o, s, scratch);
    EXPECT_EQ(s.pixel(300, 200), rgb(50, 0, 0));

    // XOR before anti-alias: inverted uniform black stays uniform white.
    Surface black(630, 340, kBlack);
    EffectOptions x;
    x.xorColours = true;
    x.xorColor = kBlack;
    x.antiAlias = true;
    applyEffects(x, black, scratch);
    EXPECT_EQ(black, Surface(630, 340, kWhite));
}
