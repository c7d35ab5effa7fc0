// Skies: colour gradients, value-noise clouds and a sun, moon or stars.
#include "data/art.h"
#include "data/artdraw.h"

#include <cmath>

namespace veldor::art {

namespace {

struct CloudStyle {
    std::uint64_t seed;
    double scaleX; // pixels per noise cell at the top of the picture
    double scaleY;
    int octaves;
    double lo; // density where cloud starts
    double hi; // density where cloud is opaque
    Color lit;
    Color shadow;
    double opacity;
    double shadeGain = 6.0; // how strongly density above darkens a pixel
};

// Clouds thin and flatten towards the horizon, as seen from the ground:
// the noise is sampled ever more densely lower down. The density a little
// higher up decides the shading, so tops catch the light and bellies are dark.
void addClouds(Picture& s, const CloudStyle& st)
{
    const ValueNoise noise(st.seed);
    const int w = s.width();
    const int h = s.height();
    for (int y = 0; y < h; ++y) {
        const double depth = 1.0 + 1.6 * double(y) / h;
        const double v = y * depth / st.scaleY;
        const double vAbove = (y - 6) * depth / st.scaleY;
        for (int x = 0; x < w; ++x) {
            const double u = (x - w / 2.0) * depth / st.scaleX + 40.0;
            const double d = noise.fbm(u, v, st.octaves);
            const double cover = smoothstep(st.lo, st.hi, d);
            if (cover <= 0)
                continue;
            const double above = noise.fbm(u, vAbove, st.octaves);
            // More cloud just above means this pixel is in its shadow.
            const double shade = std::clamp(0.5 + (above - d) * st.shadeGain, 0.0, 1.0);
            const Color cloud = mix(st.lit, st.shadow, shade);
            s.row(y)[x] = mix(s.row(y)[x], cloud, cover * st.opacity);
        }
    }
}

// Brightens towards `color` around a point; weight exp(-distance / radius).
void addGlow(Picture& s, double cx, double cy, double radius, Color color, double strength)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            s.row(y)[x] = mix(s.row(y)[x], color, strength * std::exp(-d / radius));
        }
}

void addStars(Picture& s, std::uint64_t seed, int count, int maxY)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.range(0, s.width() - 1);
        const int y = rng.range(0, maxY);
        const int bright = rng.range(150, 255);
        const Color c = rgb(bright, bright, std::min(255, bright + 20));
        s.setPixel(x, y, c);
        if (rng.range(0, 9) == 0) { // a few big ones with a small cross
            s.setPixel(x + 1, y, c);
            s.setPixel(x - 1, y, c);
            s.setPixel(x, y + 1, c);
            s.setPixel(x, y - 1, c);
        }
    }
}

Picture skyDullGrey()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(118, 120, 128)}, {1, rgb(172, 173, 178)}});
    addClouds(s, {101, 260, 70, 4, 0.2, 0.75, rgb(192, 192, 196), rgb(112, 114, 122), 0.95, 2.5});
    return s;
}

Picture skyDarkClouds()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(28, 30, 40)}, {0.8, rgb(62, 64, 76)}, {1, rgb(110, 100, 92)}});
    addClouds(s, {202, 200, 60, 5, 0.30, 0.62, rgb(104, 104, 116), rgb(22, 22, 32), 1.0, 3.0});
    return s;
}

Picture skyOrangeSunset()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(46, 26, 84)},
                     {0.35, rgb(146, 48, 82)},
                     {0.62, rgb(228, 98, 42)},
                     {0.86, rgb(250, 168, 62)},
                     {1, rgb(255, 208, 112)}});
    addGlow(s, 440, 292, 90, rgb(255, 214, 120), 0.8);
    fillEllipse(s, 440, 292, 34, 34, rgb(255, 238, 170));
    addClouds(s, {303, 260, 18, 4, 0.6, 0.74, rgb(236, 120, 70), rgb(82, 34, 66), 0.85, 4.0});
    return s;
}

Picture skyClearBlue()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(28, 78, 178)}, {0.6, rgb(78, 144, 224)}, {1, rgb(168, 208, 244)}});
    addGlow(s, 535, 62, 60, rgb(255, 250, 220), 0.55);
    fillEllipse(s, 535, 62, 22, 22, rgb(255, 253, 232));
    return s;
}

Picture skyCloudyDay()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(50, 110, 200)}, {1, rgb(160, 200, 238)}});
    addClouds(s, {404, 120, 70, 5, 0.48, 0.60, rgb(252, 252, 252), rgb(150, 158, 178), 1.0});
    return s;
}

Picture skyStarryNight()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(4, 6, 26)}, {0.75, rgb(18, 26, 66)}, {1, rgb(40, 52, 100)}});
    addStars(s, 505, 420, 300);
    addGlow(s, 480, 70, 40, rgb(120, 130, 170), 0.5);
    fillEllipse(s, 480, 70, 26, 26, rgb(240, 238, 212));
    // The dark disc that leaves a crescent takes the sky's colour of its row.
    paintEllipse(s, 492, 62, 24, 24, [](double, double ny) {
        return gradientAt({{0, rgb(4, 6, 26)}, {0.75, rgb(18, 26, 66)}}, (62 + ny * 24) / kPictureHeight);
    });
    return s;
}

Picture skyDesertNoon()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(120, 170, 220)}, {0.6, rgb(190, 210, 222)}, {1, rgb(238, 222, 184)}});
    addGlow(s, 315, 40, 110, rgb(255, 250, 230), 0.7);
    fillEllipse(s, 315, 40, 26, 26, rgb(255, 255, 244));
    return s;
}

Picture skyAurora()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(4, 8, 22)}, {1, rgb(16, 40, 58)}});
    addStars(s, 606, 260, 330);
    const ValueNoise noise(607);
    for (int x = 0; x < s.width(); ++x) {
        // A wavering curtain: its lower hem follows a slow wave; vertical
        // rays come from noise that changes fast along x only.
        const double hem = 150 + 40 * std::sin(x / 85.0) + 30 * noise.fbm(x / 60.0, 3.5, 3);
        const double rays = 0.4 + 0.6 * noise.fbm(x / 5.0, 11.0, 2);
        for (int y = 0; y < s.height(); ++y) {
            const double above = hem - y;
            if (above < -6)
                continue;
            const double fall = above < 0 ? 1 + above / 6 : std::exp(-above / 70);
            const Color c = mix(rgb(70, 240, 150), rgb(150, 70, 200), std::clamp(above / 140, 0.0, 1.0));
            s.row(y)[x] = mix(s.row(y)[x], c, 0.85 * fall * rays);
        }
    }
    return s;
}

Picture skyPinkDawn()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(70, 88, 158)}, {0.55, rgb(196, 140, 172)}, {1, rgb(250, 196, 150)}});
    addGlow(s, 120, 340, 110, rgb(255, 226, 170), 0.7);
    addClouds(s, {708, 200, 22, 5, 0.55, 0.7, rgb(252, 180, 190), rgb(130, 96, 140), 0.85});
    return s;
}

Picture skySnowClouds()
{
    Picture s(kPictureWidth, kPictureHeight);
    fillVertical(s, {{0, rgb(140, 150, 166)}, {1, rgb(200, 206, 216)}});
    addClouds(s, {809, 140, 50, 5, 0.35, 0.7, rgb(214, 218, 226), rgb(128, 136, 152), 0.9});
    Rng rng(810);
    for (int i = 0; i < 700; ++i) {
        const int x = rng.range(0, s.width() - 2);
        const int y = rng.range(0, s.height() - 2);
        const Color flake = rgb(246, 248, 252);
        s.setPixel(x, y, flake);
        if (rng.range(0, 2) == 0) {
            s.setPixel(x + 1, y, flake);
            s.setPixel(x, y + 1, flake);
            s.setPixel(x + 1, y + 1, flake);
        }
    }
    return s;
}

} // namespace

Picture builtinSky(int slot)
{
    switch (std::clamp(slot, 0, 4)) {
    case 0: return skyDullGrey();
    case 1: return skyDarkClouds();
    case 2: return skyOrangeSunset();
    case 3: return skyClearBlue();
    default: return skyCloudyDay();
    }
}

Picture packSky(int slot)
{
    switch (std::clamp(slot, 0, 4)) {
    case 0: return skyStarryNight();
    case 1: return skyDesertNoon();
    case 2: return skyAurora();
    case 3: return skyPinkDawn();
    default: return skySnowClouds();
    }
}

Picture skyThumbnail(const Picture& sky, int size)
{
    // The right-hand square keeps the sky's proportions and holds the sun.
    const int side = std::min(sky.width(), sky.height());
    return downscale(sky, sky.width() - side, 0, side, side, size, size);
}

Picture groundThumbnail(const Picture& ground, int size)
{
    Picture backdrop(ground.width(), ground.height());
    fillVertical(backdrop, {{0, rgb(120, 160, 210)}, {1, rgb(200, 218, 236)}});
    keyOver(backdrop, ground);
    const int side = std::min(backdrop.width(), backdrop.height());
    return downscale(backdrop, (backdrop.width() - side) / 2, backdrop.height() - side, side, side, size, size);
}

Picture objectThumbnail(const Picture& object, int size)
{
    return downscale(object, 0, 0, object.width(), object.height(), size, size);
}

} // namespace veldor::art
