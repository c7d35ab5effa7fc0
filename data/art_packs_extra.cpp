// Three packs made the way users make theirs: the pictures are drawn larger
// than the program shows them (the pack builder scales them down, which
// smooths every edge) and handed over as PNG files with white transparent.
#include "data/artpacks.h"
#include "data/artdraw.h"
#include "data/artground.h"
#include "platform/png.h"
#include "sources/packbuild.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace veldor::art {

namespace {

// Source sizes: 1.5 times the picture, a little wider for the sky so that
// the builder's cover crop has something to trim.
constexpr int SW = 960, SH = 510; // sky
constexpr int GW = 945, GH = 480; // ground, 630 x 320 once built
constexpr int OS = 384;           // object canvas

constexpr double kPi = 3.14159265358979;

// Clouds that flatten towards the horizon; tops lit, bellies shaded.
void clouds(Picture& s, std::uint64_t seed, double sx, double sy, double lo, double hi, Color lit, Color shadow,
            double opacity)
{
    const ValueNoise noise(seed);
    for (int y = 0; y < s.height(); ++y) {
        const double depth = 1.0 + 1.6 * double(y) / s.height();
        for (int x = 0; x < s.width(); ++x) {
            const double u = (x - s.width() / 2.0) * depth / sx + 40.0;
            const double d = noise.fbm(u, y * depth / sy, 5);
            const double cover = smoothstep(lo, hi, d);
            if (cover <= 0)
                continue;
            const double above = noise.fbm(u, (y - 8) * depth / sy, 5);
            const Color c = mix(lit, shadow, std::clamp(0.5 + (above - d) * 5.0, 0.0, 1.0));
            s.row(y)[x] = mix(s.row(y)[x], c, cover * opacity);
        }
    }
}

void glow(Picture& s, double cx, double cy, double radius, Color c, double strength)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.row(y)[x] = mix(s.row(y)[x], c, strength * std::exp(-std::hypot(x - cx, y - cy) / radius));
}

// Stars thinning towards the horizon; `band` > 0 crowds them along a
// diagonal band as in the Milky Way.
void stars(Picture& s, std::uint64_t seed, int count, double band = 0)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        int x = rng.range(0, s.width() - 1);
        int y = rng.range(0, s.height() - 1);
        if (band > 0) {
            const double along = rng.between(-0.1, 1.1);
            const double off = (rng.unit() + rng.unit() + rng.unit() - 1.5) * band;
            x = int(along * s.width());
            y = int(s.height() * (0.9 - 0.75 * along) + off);
        }
        if (rng.unit() < double(y) / s.height() * 0.7)
            continue;
        const int b = rng.range(140, 245);
        const Color c = rgb(b, b, std::min(245, b + 10));
        s.setPixel(x, y, c);
        s.setPixel(x + 1, y, c);
        if (rng.range(0, 7) == 0)
            fillEllipse(s, x + 0.5, y + 0.5, 2.2, 2.2, c);
    }
}

Picture skyCanvas(const std::vector<Stop>& stops)
{
    Picture s(SW, SH);
    fillVertical(s, stops);
    return s;
}

// Night grounds are drawn in the colours of moonlight and lifted, because
// a night sky's light darkens them again when they are rendered.
void lift(Picture& s, double factor)
{
    for (Color& c : s.data())
        if (!isPureWhite(c))
            c = scale(c, factor);
}

// ---- Autumn ---------------------------------------------------------------

Picture skyGoldenAfternoon()
{
    Picture s = skyCanvas({{0, rgb(64, 110, 180)}, {0.6, rgb(176, 176, 170)}, {1, rgb(246, 200, 130)}});
    glow(s, 760, 380, 170, rgb(255, 222, 150), 0.75);
    fillEllipse(s, 760, 380, 34, 34, rgb(255, 244, 200));
    clouds(s, 9101, 300, 40, 0.55, 0.72, rgb(250, 214, 160), rgb(150, 110, 110), 0.8);
    return s;
}

Picture skyMistyMorning()
{
    Picture s = skyCanvas({{0, rgb(150, 164, 180)}, {1, rgb(232, 222, 204)}});
    glow(s, 300, 250, 120, rgb(255, 246, 220), 0.6);
    fillEllipse(s, 300, 250, 40, 40, rgb(250, 242, 222));
    const ValueNoise noise(9111);
    for (int y = 0; y < SH; ++y)
        for (int x = 0; x < SW; ++x) {
            const double fog = smoothstep(0.3, 0.8, noise.fbm(x / 220.0, y / 26.0, 4)) * (0.3 + 0.6 * y / SH);
            s.row(y)[x] = mix(s.row(y)[x], rgb(236, 232, 226), fog);
        }
    return s;
}

Picture skyAutumnStorm()
{
    Picture s = skyCanvas({{0, rgb(40, 44, 58)}, {0.7, rgb(84, 84, 92)}, {1, rgb(150, 128, 104)}});
    clouds(s, 9121, 260, 70, 0.35, 0.62, rgb(120, 118, 126), rgb(30, 30, 40), 1.0);
    Rng rng(9122);
    for (int i = 0; i < 380; ++i) {
        const double x = rng.between(-60, SW), y = rng.between(0, SH);
        drawLine(s, x, y, x + 7, y + 22, 1.0, rgb(130, 136, 150));
    }
    return s;
}

Picture skyHarvestMoon()
{
    Picture s = skyCanvas({{0, rgb(8, 10, 34)}, {0.7, rgb(34, 30, 70)}, {1, rgb(96, 56, 70)}});
    stars(s, 9131, 500);
    // High enough to clear the tallest ground of the pack.
    glow(s, 250, 190, 90, rgb(240, 150, 60), 0.7);
    const ValueNoise seas(9133);
    paintEllipse(s, 250, 190, 70, 70, [&](double nx, double ny) {
        // Soft darker seas on an orange disc, brighter towards its lit edge.
        const double sea = 1.0 - 0.16 * smoothstep(0.45, 0.7, seas.fbm(nx * 2 + 5, ny * 2 + 5, 3));
        return scale(rgb(244, 168, 80), sea * (1.0 - 0.12 * (nx + ny)));
    });
    clouds(s, 9132, 320, 22, 0.62, 0.75, rgb(120, 80, 90), rgb(30, 24, 50), 0.8);
    return s;
}

Picture skyRainbowShower()
{
    Picture s = skyCanvas({{0, rgb(80, 96, 126)}, {1, rgb(190, 200, 210)}});
    clouds(s, 9141, 200, 50, 0.5, 0.7, rgb(210, 212, 220), rgb(90, 96, 116), 0.9);
    const Color bands[] = {rgb(220, 60, 60),  rgb(236, 140, 50), rgb(240, 220, 80), rgb(90, 190, 90),
                           rgb(70, 130, 220), rgb(110, 80, 190), rgb(150, 90, 180)};
    for (int y = 0; y < SH; ++y)
        for (int x = 0; x < SW; ++x) {
            const double r = std::hypot(x - 560.0, (y - 620.0) * 1.05);
            const double t = (r - 400) / 70; // 0..1 across the bow
            if (t < 0 || t >= 1)
                continue;
            const double fade = std::sin(t * kPi) * smoothstep(620, 150, y) * 0.55;
            s.row(y)[x] = mix(s.row(y)[x], bands[int(t * 7)], fade);
        }
    return s;
}

Picture groundMapleHills()
{
    Picture s(GW, GH);
    Rng rng(9201);
    const ValueNoise noise(9202);
    const Color leaves[] = {rgb(214, 84, 30), rgb(232, 150, 40), rgb(180, 40, 30), rgb(220, 190, 60), rgb(150, 90, 40)};
    for (int layer = 0; layer < 3; ++layer) {
        const std::vector<double> top = ridgeColumns(rng, GW, 200 + layer * 80, 220 + layer * 70, 40 - layer * 8, 0.55);
        const Color far = mix(rgb(150, 120, 80), rgb(110, 120, 50), layer / 2.0);
        fillBelow(s, top, [&](int x, int y) { return scale(far, 0.85 + 0.3 * noise.fbm(x / 30.0, y / 12.0, 3)); });
        for (int i = 0; i < 26 - layer * 6; ++i) {
            const double x = rng.between(0, GW);
            const double base = top[std::size_t(std::clamp(int(x), 0, GW - 1))] + rng.between(6, 30);
            drawRoundTree(s, x, base, (34 + layer * 26) * rng.between(0.8, 1.2), leaves[rng.range(0, 4)], rng.next());
        }
    }
    sealAgainstKey(s);
    return s;
}

Picture groundPumpkinField()
{
    Picture s(GW, GH);
    Rng rng(9211);
    const ValueNoise noise(9212);
    const std::vector<double> woods = ridgeColumns(rng, GW, 250, 240, 14, 0.6);
    std::vector<double> under(woods);
    for (double& y : under)
        y -= 12; // dark woods behind the trunks
    fillBelow(s, under, [](int, int) { return rgb(70, 50, 30); });
    for (int x = 0; x < GW; x += 9)
        drawRoundTree(s, x + rng.between(-4, 4), woods[std::size_t(x)] + 20, rng.between(40, 64),
                      mix(rgb(190, 90, 30), rgb(120, 90, 40), rng.unit()), rng.next());
    std::vector<double> field(static_cast<std::size_t>(GW), 270);
    fillBelow(s, field, [&](int x, int y) {
        // Furrows run towards a vanishing point above the middle.
        const double u = (x - GW / 2.0) / (y - 200.0);
        const double furrow = 0.5 + 0.5 * std::sin(u * 40);
        return mix(rgb(92, 64, 36), rgb(140, 110, 60), 0.6 * furrow + 0.4 * noise.at(x / 6.0, y / 6.0));
    });
    for (int i = 0; i < 60; ++i) {
        const double y = rng.between(285, GH - 10);
        const double x = rng.between(0, GW);
        const double r = 6 + (y - 270) * 0.09;
        paintEllipse(s, x, y, r * 1.3, r, [](double nx, double) {
            return scale(rgb(236, 120, 24), 1.0 - 0.25 * std::abs(std::sin(nx * 4.7)) - 0.1 * nx);
        });
        fillRect(s, int(x - 1), int(y - r - 4), int(x + 2), int(y - r + 2), rgb(70, 90, 40));
    }
    sealAgainstKey(s);
    return s;
}

Picture groundBirchLake()
{
    Picture s(GW, GH);
    Rng rng(9221);
    const ValueNoise noise(9222);
    const std::vector<double> shore = ridgeColumns(rng, GW, 260, 250, 10, 0.5);
    fillBelow(s, shore,
              [&](int x, int y) { return mix(rgb(120, 110, 60), rgb(160, 140, 70), noise.at(x / 9.0, y / 4.0)); });
    for (int i = 0; i < 70; ++i) {
        const double x = rng.between(0, GW);
        drawRoundTree(s, x, shore[std::size_t(std::clamp(int(x), 0, GW - 1))] + 6, rng.between(50, 90),
                      mix(rgb(236, 196, 60), rgb(220, 120, 40), rng.unit()), rng.next());
    }
    for (int y = 300; y < 410; ++y)
        for (int x = 0; x < GW; ++x) {
            const double ripple = noise.fbm(x / 60.0, y / 3.0, 3);
            s.row(y)[x] = mix(rgb(60, 90, 120), rgb(150, 170, 170), ripple * (0.6 + 0.4 * (410 - y) / 110.0));
        }
    const std::vector<double> bank = ridgeColumns(rng, GW, 400, 420, 12, 0.5);
    fillBelow(s, bank,
              [&](int x, int y) { return mix(rgb(90, 100, 40), rgb(150, 130, 60), noise.fbm(x / 8.0, y / 8.0, 3)); });
    for (int i = 0; i < 7; ++i) {
        // Birches: pale trunks with dark marks.
        const double x = 60 + i * 140 + rng.between(-30, 30);
        const double base = bank[std::size_t(std::clamp(int(x), 0, GW - 1))] + 20;
        const double h = rng.between(170, 230);
        fillRect(s, int(x - 5), int(base - h), int(x + 5), int(base), rgb(226, 222, 210));
        for (double y = base - h; y < base; y += rng.between(10, 22))
            fillRect(s, int(x - 5), int(y), int(x + rng.between(-2, 5)), int(y + 3), rgb(50, 44, 40));
        paintEllipse(s, x, base - h, 46, 40, [&](double nx, double ny) {
            return scale(rgb(238, 190, 50), 0.75 + 0.4 * noise.at(nx * 5 + x, ny * 5));
        });
    }
    sealAgainstKey(s);
    return s;
}

void barn(Picture& s, int x, int base, int w, int h)
{
    fillRect(s, x, base - h, x + w, base, rgb(166, 40, 34));
    fillPolygon(s, {{x - 8.0, double(base - h)}, {x + w + 8.0, double(base - h)}, {x + w * 0.5, base - h - w * 0.45}},
                rgb(70, 60, 60));
    fillRect(s, x + w / 3, base - h / 2, x + 2 * w / 3, base, rgb(120, 28, 24));
    drawLine(s, x + w / 3.0, base - h / 2.0, x + 2 * w / 3.0, base, 3, rgb(230, 220, 200));
    drawLine(s, x + 2 * w / 3.0, base - h / 2.0, x + w / 3.0, base, 3, rgb(230, 220, 200));
}

Picture groundRedBarnFarm()
{
    Picture s(GW, GH);
    Rng rng(9231);
    const ValueNoise noise(9232);
    const std::vector<double> hill = ridgeColumns(rng, GW, 250, 290, 30, 0.5);
    fillBelow(s, hill, [&](int x, int y) {
        // Patchwork fields of stubble and late green.
        const int patch = int(noise.at(x / 140.0, y / 40.0) * 4);
        const Color fields[] = {rgb(190, 160, 80), rgb(120, 140, 60), rgb(170, 120, 60), rgb(140, 150, 70)};
        return scale(fields[patch], 0.9 + 0.15 * noise.at(x / 4.0, y / 2.0));
    });
    barn(s, 560, 330, 120, 80);
    fillRect(s, 700, 220, 736, 330, rgb(170, 170, 160));
    fillEllipse(s, 718, 220, 18, 14, rgb(130, 130, 126));
    for (int x = 0; x < GW; x += 34) {
        const double y = 420 + 10 * std::sin(x / 90.0);
        fillRect(s, x, int(y - 26), x + 5, int(y), rgb(110, 80, 50));
        drawLine(s, x, y - 20, x + 34, y - 20 + 10 * (std::sin((x + 34) / 90.0) - std::sin(x / 90.0)), 3,
                 rgb(130, 96, 60));
    }
    drawRoundTree(s, 430, 320, 110, rgb(210, 100, 30), 9233);
    drawRoundTree(s, 860, 300, 90, rgb(200, 160, 40), 9234);
    sealAgainstKey(s);
    return s;
}

Picture groundVineyardRows()
{
    Picture s(GW, GH);
    Rng rng(9241);
    const ValueNoise noise(9242);
    const std::vector<double> hill = ridgeColumns(rng, GW, 230, 260, 24, 0.5);
    fillBelow(s, hill, [&](int x, int y) {
        const double u = (x - 300.0) / (y - 150.0);
        const double row = std::sin(u * 22) > 0.2 ? 1.0 : 0.0;
        const Color vine = mix(rgb(120, 60, 70), rgb(190, 110, 50), noise.fbm(x / 20.0, y / 10.0, 3));
        return row > 0 ? vine : mix(rgb(140, 120, 80), rgb(170, 150, 100), noise.at(x / 5.0, y / 5.0));
    });
    // A stone farmhouse with cypresses on the crest.
    const int cx = 700;
    const int base = int(hill[std::size_t(cx)]) + 8;
    fillRect(s, cx, base - 50, cx + 90, base, rgb(200, 180, 140));
    fillPolygon(s, {{cx - 6.0, base - 50.0}, {cx + 96.0, base - 50.0}, {cx + 45.0, base - 78.0}}, rgb(160, 80, 50));
    fillRect(s, cx + 20, base - 34, cx + 32, base - 20, rgb(60, 50, 40));
    for (int i = 0; i < 4; ++i) {
        const double x = 620 + i * 22;
        fillEllipse(s, x, base - 50, 7, 34, rgb(40, 70, 40));
    }
    sealAgainstKey(s);
    return s;
}

Picture objectPumpkin()
{
    Picture s(OS, OS);
    for (const int rib : {0, 4, 1, 3, 2}) { // outer ribs first, the middle one on top
        const double off = (rib - 2) * 40;
        paintEllipse(s, OS / 2.0 + off, 230, 70 - std::abs(rib - 2) * 8, 110, [&](double nx, double ny) {
            return scale(rgb(238, 124, 26), 0.65 + 0.35 * std::cos(nx * 1.4) - 0.1 * ny - 0.08 * std::abs(rib - 2));
        });
    }
    drawCurve(s, {192, 130}, {190, 90}, {214, 70}, 16, rgb(96, 110, 46));
    drawCurve(s, {200, 128}, {250, 110}, {280, 126}, 5, rgb(110, 140, 50));
    sealAgainstKey(s);
    return s;
}

Picture objectMapleLeaf()
{
    Picture s(OS, OS);
    // Five lobes as a star polygon, the main veins on top.
    std::vector<Pt> pts;
    const double cx = 192, cy = 180;
    for (int i = 0; i < 20; ++i) {
        const double a = -kPi / 2 + i * kPi / 10;
        const double r = i % 4 == 0 ? 160 : i % 4 == 2 ? 110 : 70;
        const double squash = std::sin(a) > 0.3 ? 0.7 : 1.0;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a) * squash});
    }
    fillPolygon(s, pts, rgb(206, 50, 28));
    for (int y = 0; y < OS; ++y)
        for (int x = 0; x < OS; ++x)
            if (!isPureWhite(s.row(y)[x]))
                s.row(y)[x] = mix(rgb(226, 90, 30), rgb(170, 30, 30), (x + y) / 700.0);
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        drawLine(s, cx, cy + 20, cx + 140 * std::cos(a), cy + 140 * std::sin(a) * (std::sin(a) > 0.3 ? 0.7 : 1), 3,
                 rgb(140, 30, 20));
    }
    drawLine(s, cx, cy + 20, cx + 4, 370, 8, rgb(120, 60, 30));
    sealAgainstKey(s);
    return s;
}

Picture objectMushroom()
{
    Picture s(OS, OS);
    paintEllipse(s, 192, 214, 176, 134, [](double nx, double ny) {
        return scale(rgb(204, 40, 30), 1.05 - 0.3 * (nx + ny) * 0.5);
    });
    fillRect(s, 0, 214, OS, OS, kWhite); // a dome: only the top half
    const Pt spots[] = {{150, 120}, {230, 110}, {100, 170}, {284, 165}, {192, 166}, {56, 200}, {326, 198}};
    for (const Pt& p : spots)
        fillEllipse(s, p.x, p.y, 15, 11, rgb(244, 238, 226));
    fillEllipse(s, 192, 214, 170, 18, rgb(200, 184, 160));
    fillPolygon(s, {{156, 220}, {228, 220}, {244, 370}, {140, 370}}, rgb(236, 226, 204));
    fillPolygon(s, {{208, 220}, {228, 220}, {244, 370}, {218, 370}}, rgb(200, 190, 168));
    fillEllipse(s, 192, 370, 52, 10, rgb(200, 190, 168));
    sealAgainstKey(s);
    return s;
}

Picture objectAcorn()
{
    Picture s(OS, OS);
    paintEllipse(s, 192, 230, 96, 120, [](double nx, double ny) {
        return scale(rgb(190, 130, 60), 1.0 - 0.3 * nx - 0.15 * ny);
    });
    paintEllipse(s, 192, 130, 116, 60, [](double nx, double ny) {
        const double weave = 0.85 + 0.15 * std::sin(nx * 30) * std::sin(ny * 30);
        return scale(rgb(120, 84, 50), weave * (1.0 - 0.2 * nx));
    });
    drawLine(s, 192, 74, 206, 30, 12, rgb(100, 70, 40));
    sealAgainstKey(s);
    return s;
}

Picture objectScarecrow()
{
    Picture s(OS, OS);
    fillRect(s, 186, 60, 198, 380, rgb(120, 86, 50));
    fillRect(s, 60, 140, 324, 152, rgb(120, 86, 50));
    fillPolygon(s, {{130, 140}, {254, 140}, {270, 280}, {114, 280}}, rgb(70, 100, 150));
    fillRect(s, 170, 180, 214, 200, rgb(190, 60, 40));
    fillRect(s, 70, 136, 130, 164, rgb(90, 120, 160));
    fillRect(s, 254, 136, 314, 164, rgb(90, 120, 160));
    for (int i = 0; i < 6; ++i) {
        drawLine(s, 70, 150, 52, 132 + i * 7, 3, rgb(220, 190, 90));
        drawLine(s, 314, 150, 332, 132 + i * 7, 3, rgb(220, 190, 90));
        drawLine(s, 150 + i * 16, 280, 146 + i * 18, 310, 3, rgb(220, 190, 90));
    }
    paintEllipse(s, 192, 100, 40, 44, [](double nx, double) { return scale(rgb(222, 196, 140), 1.0 - 0.15 * nx); });
    fillEllipse(s, 178, 94, 5, 5, rgb(40, 30, 30));
    fillEllipse(s, 206, 94, 5, 5, rgb(40, 30, 30));
    drawCurve(s, {176, 116}, {192, 126}, {208, 116}, 3, rgb(80, 40, 30));
    fillRect(s, 136, 58, 248, 66, rgb(100, 70, 40));
    fillPolygon(s, {{160, 58}, {224, 58}, {212, 14}, {172, 14}}, rgb(110, 80, 46));
    sealAgainstKey(s);
    return s;
}

// ---- Seaside ----------------------------------------------------------------

Picture skySummerNoon()
{
    Picture s = skyCanvas({{0, rgb(20, 90, 190)}, {1, rgb(150, 206, 240)}});
    glow(s, 180, 70, 90, rgb(255, 252, 230), 0.6);
    fillEllipse(s, 180, 70, 30, 30, rgb(255, 253, 236));
    clouds(s, 9301, 150, 90, 0.55, 0.64, rgb(250, 250, 250), rgb(150, 170, 200), 1.0);
    return s;
}

Picture skyTropicalSunset()
{
    Picture s = skyCanvas(
        {{0, rgb(60, 30, 110)}, {0.45, rgb(200, 60, 120)}, {0.8, rgb(250, 140, 70)}, {1, rgb(255, 210, 110)}});
    // Low, but above the horizon of every ground of the pack.
    glow(s, 480, 180, 150, rgb(255, 220, 120), 0.8);
    fillEllipse(s, 480, 180, 60, 60, rgb(255, 236, 160));
    clouds(s, 9311, 280, 16, 0.6, 0.72, rgb(250, 130, 110), rgb(90, 30, 80), 0.9);
    return s;
}

Picture skySeaHaze()
{
    Picture s = skyCanvas({{0, rgb(140, 170, 196)}, {1, rgb(222, 228, 228)}});
    glow(s, 650, 160, 200, rgb(250, 248, 236), 0.55);
    clouds(s, 9321, 400, 40, 0.45, 0.8, rgb(236, 238, 240), rgb(180, 190, 200), 0.6);
    return s;
}

Picture skyStormySea()
{
    Picture s = skyCanvas({{0, rgb(24, 36, 44)}, {1, rgb(90, 110, 116)}});
    clouds(s, 9331, 220, 60, 0.3, 0.6, rgb(110, 126, 130), rgb(20, 28, 34), 1.0);
    // A fork of lightning.
    Rng rng(9332);
    double x = 620, y = 40;
    while (y < SH) {
        const double nx = x + rng.between(-26, 26), ny = y + rng.between(20, 40);
        drawLine(s, x, y, nx, ny, 3.5, rgb(236, 236, 250));
        if (rng.range(0, 4) == 0)
            drawLine(s, nx, ny, nx + rng.between(-60, 60), ny + 50, 1.5, rgb(210, 210, 240));
        x = nx;
        y = ny;
    }
    glow(s, 620, 40, 120, rgb(200, 210, 240), 0.3);
    return s;
}

Picture skyPastelEvening()
{
    Picture s = skyCanvas({{0, rgb(110, 120, 180)}, {0.55, rgb(214, 170, 200)}, {1, rgb(252, 214, 180)}});
    clouds(s, 9341, 330, 14, 0.58, 0.7, rgb(250, 200, 206), rgb(150, 120, 170), 0.85);
    fillEllipse(s, 800, 120, 3, 3, rgb(250, 250, 240));
    return s;
}

// Sea from `top` down, lighter near the horizon, with wave crests.
void sea(Picture& s, int top, int bottom, std::uint64_t seed)
{
    const ValueNoise noise(seed);
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < s.width(); ++x) {
            const double t = double(y - top) / std::max(1, bottom - top);
            const double wave = noise.fbm(x / (90.0 - 60 * t), y / (3.0 + 6 * t), 3);
            Color c = mix(rgb(80, 150, 190), rgb(20, 80, 130), t);
            c = mix(c, rgb(200, 230, 236), smoothstep(0.68, 0.8, wave));
            s.row(y)[x] = c;
        }
}

Picture groundSandyBeach()
{
    Picture s(GW, GH);
    const ValueNoise noise(9401);
    sea(s, 250, 380, 9402);
    Rng rng(9403);
    const std::vector<double> shore = ridgeColumns(rng, GW, 370, 350, 14, 0.6);
    fillBelow(s, shore, [&](int x, int y) {
        const double wet = smoothstep(24, 0, y - shore[std::size_t(x)]);
        const Color sand = mix(rgb(216, 186, 130), rgb(236, 214, 164), noise.fbm(x / 6.0, y / 6.0, 3));
        return mix(sand, rgb(170, 140, 100), wet * 0.6);
    });
    for (int x = 0; x < GW; ++x) // foam along the water's edge
        for (int d = 0; d < 4; ++d)
            s.setPixel(x, int(shore[std::size_t(x)]) + d - 2, rgb(238, 240, 236));
    for (int i = 0; i < 40; ++i)
        fillEllipse(s, rng.between(0, GW), rng.between(400, GH), rng.between(2, 5), rng.between(1, 3),
                    rgb(200, 170, 140));
    sealAgainstKey(s);
    return s;
}

void lighthouseOn(Picture& s, double x, double base, double h)
{
    const double w0 = h * 0.16, w1 = h * 0.1;
    for (int band = 0; band < 5; ++band) {
        const double y0 = base - h * band / 5.0, y1 = base - h * (band + 1) / 5.0;
        const double a = w0 + (w1 - w0) * band / 5.0, b = w0 + (w1 - w0) * (band + 1) / 5.0;
        fillPolygon(s, {{x - a, y0}, {x + a, y0}, {x + b, y1}, {x - b, y1}},
                    band % 2 ? rgb(240, 240, 236) : rgb(200, 40, 40));
    }
    fillRect(s, int(x - w1 - 4), int(base - h - 4), int(x + w1 + 5), int(base - h + 2), rgb(40, 40, 40));
    fillRect(s, int(x - w1 + 2), int(base - h - 26), int(x + w1 - 1), int(base - h - 4), rgb(250, 230, 120));
    fillPolygon(s, {{x - w1 - 4, base - h - 26}, {x + w1 + 4, base - h - 26}, {x, base - h - 44}}, rgb(40, 40, 40));
}

Picture groundLighthouseCliff()
{
    Picture s(GW, GH);
    const ValueNoise noise(9411);
    sea(s, 300, GH, 9412);
    Rng rng(9413);
    std::vector<double> top(static_cast<std::size_t>(GW), double(GH));
    for (int x = 0; x < 520; ++x)
        top[std::size_t(x)] = 230 + 20 * noise.at(x / 60.0, 1) + std::max(0.0, (x - 440) * 3.0);
    fillBelow(s, top, [&](int x, int y) {
        if (y - top[std::size_t(x)] < 16 + 6 * noise.at(x / 9.0, 3))
            return mix(rgb(90, 140, 60), rgb(130, 170, 80), noise.at(x / 5.0, y / 5.0));
        return mix(rgb(110, 100, 90), rgb(170, 160, 140), noise.fbm(x / 16.0, y / 5.0, 3));
    });
    lighthouseOn(s, 260, 236, 150);
    fillRect(s, 290, 200, 360, 238, rgb(230, 226, 214));
    fillPolygon(s, {{284, 200}, {366, 200}, {325, 176}}, rgb(150, 50, 40));
    for (int i = 0; i < 5; ++i)
        fillEllipse(s, 560 + i * 80 + rng.between(-10, 10), 420 + rng.between(-10, 30), rng.between(20, 40), 14,
                    rgb(90, 90, 86));
    sealAgainstKey(s);
    return s;
}

void palm(Picture& s, double x, double base, double h, double lean)
{
    const Pt top{x + lean, base - h};
    drawCurve(s, {x, base}, {x + lean * 0.2, base - h * 0.6}, top, 12, rgb(130, 96, 60));
    for (int i = 0; i < 7; ++i) {
        const double a = -kPi + i * kPi / 6;
        const Pt tip{top.x + 90 * std::cos(a), top.y + 30 + 60 * std::sin(a) * 0.4 + 30 * std::abs(std::cos(a))};
        drawCurve(s, top, {top.x + 50 * std::cos(a), top.y - 30}, tip, 9, i % 2 ? rgb(40, 120, 50) : rgb(60, 150, 60));
    }
    fillEllipse(s, top.x, top.y + 6, 10, 8, rgb(100, 70, 40));
}

Picture groundPalmCove()
{
    Picture s(GW, GH);
    const ValueNoise noise(9421);
    sea(s, 260, 400, 9422);
    std::vector<double> beach(static_cast<std::size_t>(GW));
    for (int x = 0; x < GW; ++x)
        beach[std::size_t(x)] = 380 - 120 * std::exp(-std::pow((x - 120) / 200.0, 2)) + 6 * noise.at(x / 30.0, 2);
    fillBelow(s, beach, [&](int x, int y) {
        return mix(rgb(224, 196, 140), rgb(244, 222, 170), noise.fbm(x / 7.0, y / 7.0, 3));
    });
    palm(s, 90, 330, 200, 40);
    palm(s, 180, 300, 150, -30);
    palm(s, 860, 420, 180, -50);
    fillPolygon(s, {{600, 330}, {700, 330}, {680, 346}, {620, 346}}, rgb(150, 80, 40)); // a rowing boat
    sealAgainstKey(s);
    return s;
}

Picture groundHarbourTown()
{
    Picture s(GW, GH);
    Rng rng(9431);
    const ValueNoise noise(9432);
    const std::vector<double> hill = ridgeColumns(rng, GW, 150, 230, 30, 0.5);
    fillBelow(s, hill,
              [&](int x, int y) { return mix(rgb(80, 120, 60), rgb(120, 150, 80), noise.fbm(x / 12.0, y / 6.0, 3)); });
    const Color walls[] = {rgb(236, 200, 90), rgb(220, 110, 90), rgb(120, 170, 200), rgb(236, 236, 220),
                           rgb(200, 140, 180)};
    for (int row = 0; row < 3; ++row)
        for (int x = -10; x < GW; x += rng.range(40, 60)) {
            const int w = rng.range(34, 48), h = rng.range(36, 60);
            const int base = 250 + row * 40;
            fillRect(s, x, base - h, x + w, base + 20, walls[rng.range(0, 4)]);
            fillPolygon(s,
                        {{x - 3.0, double(base - h)}, {x + w + 3.0, double(base - h)}, {x + w / 2.0, base - h - 18.0}},
                        rgb(170, 70, 50));
            for (int wx = x + 6; wx < x + w - 8; wx += 14)
                fillRect(s, wx, base - h + 10, wx + 7, base - h + 20, rgb(60, 70, 90));
        }
    sea(s, 350, GH, 9433);
    fillRect(s, 0, 340, GW, 356, rgb(150, 140, 130)); // the quay
    fillRect(s, 600, 356, 640, GH, rgb(120, 100, 80)); // the pier
    for (int i = 0; i < 3; ++i) {
        const int bx = 120 + i * 160;
        fillPolygon(s, {{bx - 40.0, 400}, {bx + 40.0, 400}, {bx + 28.0, 420}, {bx - 28.0, 420}},
                    i == 1 ? rgb(40, 80, 150) : rgb(200, 60, 50));
        drawLine(s, bx, 400, bx, 330, 3, rgb(90, 70, 50));
        fillPolygon(s, {{bx + 2.0, 336}, {bx + 2.0, 396}, {bx + 36.0, 396}}, rgb(236, 230, 214));
    }
    sealAgainstKey(s);
    return s;
}

Picture groundRockyCoast()
{
    Picture s(GW, GH);
    Rng rng(9441);
    const ValueNoise noise(9442);
    sea(s, 270, GH, 9443);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.between(-40, GW + 40), y = rng.between(290, GH);
        const double r = 20 + (y - 270) * 0.35 * rng.between(0.6, 1.2);
        paintEllipse(s, x, y, r * 1.4, r, [&](double nx, double ny) {
            return scale(mix(rgb(90, 86, 84), rgb(150, 142, 130), noise.at(nx * 3 + x, ny * 3)),
                         1.0 - 0.35 * (nx + ny) * 0.5);
        });
    }
    const std::vector<double> cliff = ridgeColumns(rng, GW, 150, 330, 40, 0.55);
    std::vector<double> left(static_cast<std::size_t>(GW), double(GH));
    for (int x = 0; x < 300; ++x)
        left[std::size_t(x)] = cliff[std::size_t(x)] + std::max(0.0, (x - 200) * 1.8);
    fillBelow(s, left,
              [&](int x, int y) { return mix(rgb(80, 76, 72), rgb(140, 132, 120), noise.fbm(x / 10.0, y / 20.0, 3)); });
    sealAgainstKey(s);
    return s;
}

Picture objectLighthouse()
{
    Picture s(OS, OS);
    fillEllipse(s, 192, 360, 110, 22, rgb(110, 104, 96));
    lighthouseOn(s, 192, 360, 280);
    sealAgainstKey(s);
    return s;
}

Picture objectBeachBall()
{
    Picture s(OS, OS);
    const Color segments[] = {rgb(220, 40, 40), rgb(240, 240, 236), rgb(40, 110, 210), rgb(250, 200, 40),
                              rgb(240, 240, 236), rgb(40, 170, 90)};
    paintEllipse(s, 192, 192, 170, 170, [&](double nx, double ny) {
        const double a = std::atan2(ny, nx * 1.6);
        const Color c = segments[int((a + kPi) / (2 * kPi) * 6) % 6];
        const double light = 1.05 - 0.3 * std::hypot(nx + 0.4, ny + 0.4);
        return std::hypot(nx, ny) < 0.16 ? rgb(240, 240, 236) : scale(c, std::clamp(light, 0.5, 1.0));
    });
    sealAgainstKey(s);
    return s;
}

Picture objectSeagull()
{
    Picture s(OS, 240);
    fillPolygon(s, {{190, 120}, {40, 70}, {10, 90}, {120, 120}}, rgb(170, 176, 186));
    fillPolygon(s, {{196, 120}, {344, 60}, {376, 76}, {260, 126}}, rgb(190, 196, 206));
    fillPolygon(s, {{20, 86}, {10, 90}, {40, 96}}, rgb(40, 40, 44));
    fillPolygon(s, {{366, 72}, {376, 76}, {350, 84}}, rgb(40, 40, 44));
    paintEllipse(s, 196, 130, 70, 26,
                 [](double, double ny) { return mix(rgb(236, 238, 240), rgb(180, 184, 190), ny * 0.5 + 0.5); });
    fillEllipse(s, 268, 116, 22, 18, rgb(236, 238, 240));
    fillPolygon(s, {{286, 114}, {316, 120}, {286, 124}}, rgb(240, 180, 40));
    fillEllipse(s, 276, 110, 3, 3, rgb(20, 20, 20));
    fillPolygon(s, {{128, 124}, {104, 118}, {106, 142}}, rgb(200, 204, 210));
    sealAgainstKey(s);
    return s;
}

Picture objectStarfish()
{
    Picture s(OS, OS);
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double r = i % 2 ? 60 : 175;
        pts.push_back({192 + r * std::cos(a), 200 + r * std::sin(a)});
    }
    fillPolygon(s, pts, rgb(236, 120, 70));
    Rng rng(9551);
    for (int y = 0; y < OS; ++y)
        for (int x = 0; x < OS; ++x)
            if (!isPureWhite(s.row(y)[x]))
                s.row(y)[x] = scale(rgb(236, 120, 70), 1.0 - 0.25 * std::hypot(x - 170.0, y - 180.0) / 180);
    for (int i = 0; i < 160; ++i) {
        const double x = rng.between(30, 350), y = rng.between(30, 370);
        if (!isPureWhite(s.pixel(int(x), int(y))) && !isPureWhite(s.pixel(int(x) + 4, int(y) + 4)))
            fillEllipse(s, x, y, 3, 3, rgb(250, 190, 130));
    }
    sealAgainstKey(s);
    return s;
}

Picture objectBeachUmbrella()
{
    Picture s(OS, OS);
    drawLine(s, 192, 60, 192, 372, 8, rgb(140, 110, 80));
    // A dome of eight panels, its lower edge scalloped between the ribs.
    paintEllipse(s, 192, 170, 176, 112, [](double nx, double ny) {
        const double a = std::atan2(ny, nx); // -pi .. 0 over the dome
        const int panel = int((a + kPi) / kPi * 8);
        const double lit = 1.0 - 0.25 * (nx + 1) * 0.5 - 0.15 * (1 + ny);
        return scale(panel % 2 ? rgb(240, 236, 226) : rgb(30, 130, 190), lit);
    });
    fillRect(s, 0, 170, OS, 290, kWhite);
    for (int i = 0; i < 8; ++i)
        fillEllipse(s, 192 - 176 + 22 + i * 44, 170, 22, 12, kWhite);
    drawLine(s, 192, 150, 192, 372, 8, rgb(140, 110, 80));
    fillEllipse(s, 192, 56, 8, 8, rgb(200, 60, 50));
    sealAgainstKey(s);
    return s;
}

// ---- Moonlight ------------------------------------------------------------

Picture skyFullMoon()
{
    Picture s = skyCanvas({{0, rgb(6, 14, 40)}, {1, rgb(40, 64, 110)}});
    stars(s, 9601, 400);
    glow(s, 700, 130, 110, rgb(150, 170, 210), 0.55);
    const ValueNoise seas(9603);
    paintEllipse(s, 700, 130, 48, 48, [&](double nx, double ny) {
        return scale(rgb(240, 240, 226), 1.0 - 0.14 * smoothstep(0.45, 0.7, seas.fbm(nx * 2 + 5, ny * 2 + 5, 3)));
    });
    clouds(s, 9602, 280, 26, 0.62, 0.74, rgb(140, 150, 180), rgb(20, 26, 50), 0.8);
    return s;
}

Picture skyMilkyWay()
{
    Picture s = skyCanvas({{0, rgb(2, 4, 14)}, {1, rgb(16, 24, 46)}});
    const ValueNoise noise(9611);
    for (int y = 0; y < SH; ++y)
        for (int x = 0; x < SW; ++x) {
            // A glowing band from lower left to upper right, with dark lanes.
            const double d = std::abs(y - (SH * 0.9 - 0.75 * SH * x / SW)) / 90.0;
            const double band = std::exp(-d * d) * (0.4 + 0.6 * noise.fbm(x / 40.0, y / 40.0, 4));
            const double lane = smoothstep(0.5, 0.75, noise.fbm(x / 80.0 + 9, y / 30.0, 3));
            s.row(y)[x] = mix(s.row(y)[x], rgb(170, 160, 190), band * (1 - 0.55 * lane) * 0.7);
        }
    stars(s, 9612, 700);
    stars(s, 9613, 1400, 70);
    return s;
}

Picture skyTwilight()
{
    Picture s =
        skyCanvas({{0, rgb(14, 30, 80)}, {0.6, rgb(50, 80, 150)}, {0.9, rgb(180, 130, 150)}, {1, rgb(240, 170, 120)}});
    stars(s, 9621, 90);
    glow(s, 300, 150, 14, rgb(255, 255, 240), 0.8);
    fillEllipse(s, 300, 150, 4, 4, rgb(255, 255, 246));
    return s;
}

Picture skyMeteorShower()
{
    Picture s = skyCanvas({{0, rgb(4, 6, 24)}, {1, rgb(26, 30, 64)}});
    stars(s, 9631, 800);
    Rng rng(9632);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.between(100, SW), y = rng.between(0, SH * 0.6), len = rng.between(40, 130);
        for (int k = 0; k < int(len); ++k) {
            // Bright head, fading tail, all from one radiant at the upper right.
            const double t = double(k) / len;
            s.setPixel(int(x - k * 0.8), int(y + k * 0.5),
                       mix(rgb(240, 240, 255), s.pixel(int(x - k * 0.8), int(y + k * 0.5)), t));
            s.setPixel(int(x - k * 0.8), int(y + k * 0.5) + 1,
                       mix(rgb(160, 180, 240), s.pixel(int(x - k * 0.8), int(y + k * 0.5) + 1), 0.3 + 0.7 * t));
        }
    }
    return s;
}

Picture skySilverClouds()
{
    Picture s = skyCanvas({{0, rgb(10, 16, 40)}, {1, rgb(50, 60, 96)}});
    stars(s, 9641, 300);
    glow(s, 250, 110, 130, rgb(180, 190, 220), 0.5);
    fillEllipse(s, 250, 110, 30, 30, rgb(236, 236, 226));
    paintEllipse(s, 262, 102, 27, 27, [](double, double ny) {
        return gradientAt({{0, rgb(10, 16, 40)}, {1, rgb(50, 60, 96)}}, (102 + ny * 27) / SH);
    });
    clouds(s, 9642, 180, 60, 0.48, 0.66, rgb(190, 196, 220), rgb(26, 30, 60), 0.95);
    return s;
}

Picture groundMoonlitHills()
{
    Picture s(GW, GH);
    Rng rng(9701);
    const ValueNoise noise(9702);
    for (int layer = 0; layer < 4; ++layer) {
        const std::vector<double> top = ridgeColumns(rng, GW, 170 + layer * 70, 200 + layer * 60, 50 - layer * 8, 0.55);
        const Color body = mix(rgb(50, 60, 100), rgb(14, 20, 36), layer / 3.0);
        fillBelow(s, top, [&](int x, int y) {
            // Moonlight catches the crests.
            const double rim = std::exp(-(y - top[std::size_t(x)]) / 5.0);
            return mix(scale(body, 0.9 + 0.2 * noise.at(x / 20.0, y / 10.0)), rgb(130, 146, 190), rim * 0.6);
        });
    }
    lift(s, 1.6);
    sealAgainstKey(s);
    return s;
}

Picture groundNightCity()
{
    Picture s(GW, GH);
    Rng rng(9711);
    for (int layer = 0; layer < 2; ++layer)
        for (int x = -20; x < GW;) {
            const int w = rng.range(40, 90), h = rng.range(100, 300) - layer * 70;
            const int base = GH - 40 + layer * 40;
            const Color body = layer ? rgb(24, 26, 40) : rgb(44, 48, 70);
            fillRect(s, x, base - h, x + w, base, body);
            for (int wy = base - h + 10; wy < base - 10; wy += 16)
                for (int wx = x + 6; wx < x + w - 8; wx += 12)
                    if (rng.range(0, 9) < 4)
                        fillRect(s, wx, wy, wx + 6, wy + 8, rng.range(0, 3) ? rgb(250, 210, 110) : rgb(180, 220, 240));
            if (rng.range(0, 4) == 0)
                fillRect(s, x + w / 2 - 2, base - h - 40, x + w / 2 + 2, base - h, body);
            x += w + rng.range(-6, 10);
        }
    fillRect(s, 0, GH - 12, GW, GH, rgb(30, 30, 36));
    for (int x = 10; x < GW; x += 90)
        fillEllipse(s, x, GH - 14, 4, 4, rgb(250, 200, 120));
    lift(s, 1.6);
    sealAgainstKey(s);
    return s;
}

Picture groundCampfireClearing()
{
    Picture s(GW, GH);
    Rng rng(9721);
    const ValueNoise noise(9722);
    std::vector<double> woods(static_cast<std::size_t>(GW), 230.0);
    fillBelow(s, woods, [](int, int) { return rgb(14, 26, 28); });
    std::vector<Pt> trees;
    for (int i = 0; i < 90; ++i)
        trees.push_back({rng.between(-20, GW + 20), rng.between(250, 320)});
    std::sort(trees.begin(), trees.end(), [](Pt a, Pt b) { return a.y < b.y; });
    for (const Pt& t : trees)
        drawConifer(s, t.x, t.y, rng.between(110, 180), rgb(20, 40, 40));
    std::vector<double> clearing(static_cast<std::size_t>(GW), 310.0);
    fillBelow(s, clearing, [&](int x, int y) {
        const double light = std::exp(-std::hypot(x - 470.0, (y - 400.0) * 2) / 160);
        return mix(rgb(20, 30, 30), rgb(150, 100, 50), light * 0.9 + 0.1 * noise.at(x / 6.0, y / 6.0));
    });
    // The tent, lit on the side facing the fire.
    fillPolygon(s, {{220, 390}, {380, 390}, {300, 290}}, rgb(180, 100, 50));
    fillPolygon(s, {{220, 390}, {290, 390}, {300, 290}}, rgb(110, 60, 40));
    fillPolygon(s, {{300, 390}, {330, 390}, {300, 330}}, rgb(40, 24, 20));
    for (int i = 0; i < 5; ++i)
        drawLine(s, 440 + i * 14, 420, 500 - i * 14, 404, 6, rgb(90, 60, 40));
    fillPolygon(s, {{446, 410}, {494, 410}, {470, 340}}, rgb(240, 130, 30));
    fillPolygon(s, {{458, 410}, {484, 410}, {470, 366}}, rgb(250, 210, 90));
    lift(s, 1.6);
    sealAgainstKey(s);
    return s;
}

Picture groundSleepingVillage()
{
    Picture s(GW, GH);
    Rng rng(9731);
    const ValueNoise noise(9732);
    const std::vector<double> hill = ridgeColumns(rng, GW, 260, 300, 30, 0.5);
    fillBelow(s, hill,
              [&](int x, int y) { return mix(rgb(20, 34, 40), rgb(40, 60, 70), noise.fbm(x / 10.0, y / 6.0, 3)); });
    for (int x = 20; x < GW - 60; x += rng.range(70, 110)) {
        const int w = rng.range(50, 70), h = rng.range(40, 60);
        const int base = int(hill[std::size_t(x)]) + rng.range(20, 60);
        fillRect(s, x, base - h, x + w, base, rgb(60, 56, 70));
        fillPolygon(s, {{x - 6.0, double(base - h)}, {x + w + 6.0, double(base - h)}, {x + w / 2.0, base - h - 30.0}},
                    rgb(36, 30, 44));
        fillRect(s, x + 10, base - h + 12, x + 22, base - h + 26, rgb(250, 200, 100));
        if (rng.range(0, 1))
            fillRect(s, x + w - 24, base - h + 12, x + w - 12, base - h + 26, rgb(250, 200, 100));
        fillRect(s, x + w - 16, base - h - 24, x + w - 8, base - h - 6, rgb(50, 44, 56));
    }
    for (int i = 0; i < 30; ++i) // fireflies
        fillEllipse(s, rng.between(0, GW), rng.between(380, GH), 2, 2, rgb(230, 240, 120));
    lift(s, 1.6);
    sealAgainstKey(s);
    return s;
}

Picture groundPineForest()
{
    Picture s(GW, GH);
    Rng rng(9741);
    for (int layer = 0; layer < 3; ++layer) {
        const Color leaf = mix(rgb(40, 60, 90), rgb(10, 24, 26), layer / 2.0);
        std::vector<double> floor(static_cast<std::size_t>(GW), 296.0 + layer * 70);
        fillBelow(s, floor, [&](int, int) { return scale(leaf, 0.8); });
        for (int i = 0; i < 50; ++i)
            drawConifer(s, rng.between(-20, GW + 20), 300.0 + layer * 70 + rng.between(-10, 10),
                        rng.between(90, 150) * (1 + layer * 0.4), leaf);
    }
    std::vector<double> floor(static_cast<std::size_t>(GW), 416.0);
    fillBelow(s, floor, [](int, int) { return rgb(8, 19, 21); });
    lift(s, 1.6);
    sealAgainstKey(s);
    return s;
}

Picture objectOwl()
{
    Picture s(OS, OS);
    drawLine(s, 40, 350, 344, 340, 18, rgb(90, 64, 40)); // the branch
    paintEllipse(s, 192, 230, 100, 120, [](double nx, double ny) {
        const double feather = 0.9 + 0.1 * std::sin(ny * 40 + std::abs(nx) * 10);
        return scale(std::abs(nx) < 0.55 && ny > -0.2 ? rgb(200, 170, 130) : rgb(130, 96, 64), feather);
    });
    fillPolygon(s, {{110, 140}, {140, 110}, {150, 150}}, rgb(110, 80, 54));
    fillPolygon(s, {{274, 140}, {244, 110}, {234, 150}}, rgb(110, 80, 54));
    for (const double ex : {150.0, 234.0}) {
        fillEllipse(s, ex, 180, 38, 38, rgb(226, 210, 170));
        fillEllipse(s, ex, 180, 26, 26, rgb(240, 180, 40));
        fillEllipse(s, ex, 180, 13, 13, rgb(20, 16, 16));
        fillEllipse(s, ex - 5, 174, 4, 4, rgb(245, 245, 240));
    }
    fillPolygon(s, {{180, 212}, {204, 212}, {192, 240}}, rgb(200, 140, 50));
    for (int i = 0; i < 3; ++i) {
        drawLine(s, 160 + i * 8, 340, 160 + i * 10, 356, 4, rgb(60, 50, 40));
        drawLine(s, 216 + i * 8, 340, 216 + i * 10, 356, 4, rgb(60, 50, 40));
    }
    sealAgainstKey(s);
    return s;
}

Picture objectLantern()
{
    Picture s(OS, OS);
    drawCurve(s, {150, 70}, {192, 0}, {234, 70}, 8, rgb(50, 50, 56));
    fillRect(s, 130, 70, 254, 96, rgb(60, 60, 66));
    paintEllipse(s, 192, 220, 96, 130, [](double nx, double ny) {
        return mix(rgb(255, 236, 150), rgb(220, 130, 40), std::hypot(nx, ny));
    });
    fillRect(s, 0, 80, OS, 96, kWhite);
    fillRect(s, 130, 80, 254, 96, rgb(60, 60, 66));
    fillRect(s, 140, 340, 244, 372, rgb(60, 60, 66));
    for (const int x : {112, 152, 232, 272})
        drawLine(s, 192 + (x - 192) * 0.55, 96, x, 230, 5, rgb(60, 60, 66));
    for (const int x : {112, 152, 232, 272})
        drawLine(s, x, 230, 192 + (x - 192) * 0.5, 340, 5, rgb(60, 60, 66));
    fillPolygon(s, {{180, 250}, {204, 250}, {192, 200}}, rgb(255, 250, 220));
    sealAgainstKey(s);
    return s;
}

Picture objectRocket()
{
    Picture s(OS, OS);
    fillPolygon(s, {{150, 290}, {110, 350}, {160, 330}}, rgb(200, 50, 40));
    fillPolygon(s, {{234, 290}, {274, 350}, {224, 330}}, rgb(200, 50, 40));
    paintEllipse(s, 192, 200, 56, 160, [](double nx, double ny) {
        return scale(ny < -0.5 ? rgb(210, 60, 50) : rgb(220, 224, 232), 1.05 - 0.35 * nx);
    });
    fillRect(s, 187, 240, 197, 352, rgb(200, 50, 40));
    fillEllipse(s, 192, 180, 22, 22, rgb(60, 70, 90));
    fillEllipse(s, 192, 180, 15, 15, rgb(120, 180, 230));
    fillPolygon(s, {{176, 356}, {208, 356}, {192, 384}}, rgb(250, 180, 40));
    fillRect(s, 172, 350, 212, 360, rgb(90, 90, 100));
    sealAgainstKey(s);
    return s;
}

Picture objectCandle()
{
    Picture s(OS, OS);
    fillEllipse(s, 192, 356, 100, 20, rgb(150, 120, 60));
    fillEllipse(s, 192, 350, 70, 12, rgb(180, 150, 80));
    for (int y = 150; y < 350; ++y)
        for (int x = 148; x < 237; ++x)
            s.setPixel(x, y, scale(rgb(236, 226, 200), 1.0 - 0.3 * (x - 160) / 76.0));
    fillEllipse(s, 192, 150, 44, 10, rgb(214, 200, 170));
    drawLine(s, 192, 150, 192, 128, 4, rgb(40, 36, 30));
    paintEllipse(s, 192, 100, 16, 34, [](double nx, double ny) {
        return mix(rgb(255, 246, 200), rgb(240, 140, 40), std::hypot(nx, ny + 0.3));
    });
    sealAgainstKey(s);
    return s;
}

Picture objectCrescentMoon()
{
    Picture s(OS, OS);
    paintEllipse(s, 192, 192, 160, 160, [](double nx, double ny) {
        return scale(rgb(246, 226, 140), 1.0 - 0.25 * (nx + ny) * 0.5);
    });
    fillEllipse(s, 262, 150, 140, 140, kWhite);
    fillEllipse(s, 110, 220, 14, 14, rgb(214, 194, 120));
    fillEllipse(s, 90, 150, 9, 9, rgb(214, 194, 120));
    sealAgainstKey(s);
    return s;
}

struct PackPlan {
    const char* folder;
    const char* text;
    std::array<Picture (*)(), 5> skies, grounds, objects;
};

const PackPlan kPlans[] = {
    {"autumn",
     "# Veldor pack source: autumn\n"
     "name = Autumn\nauthor = The Veldor Team\n"
     "description = Golden woods, harvest fields and a big orange moon.\nprefix = aut\n"
     "sky0 = Golden Afternoon\nsky1 = Misty Morning\nsky2 = Autumn Storm\nsky3 = Harvest Moon\n"
     "sky4 = Rainbow Shower\n"
     "# The storm's light is set by hand: a computed one would be too mild.\n"
     "sky2.tint = -40, -45, -50\n"
     "ground0 = Maple Hills\nground1 = Pumpkin Field\nground2 = Birch Lake\nground3 = Red Barn Farm\n"
     "ground4 = Vineyard Rows\n"
     "object0 = Pumpkin\nobject1 = Maple Leaf\nobject2 = Mushroom\nobject3 = Acorn\nobject4 = Scarecrow\n",
     {skyGoldenAfternoon, skyMistyMorning, skyAutumnStorm, skyHarvestMoon, skyRainbowShower},
     {groundMapleHills, groundPumpkinField, groundBirchLake, groundRedBarnFarm, groundVineyardRows},
     {objectPumpkin, objectMapleLeaf, objectMushroom, objectAcorn, objectScarecrow}},
    {"seaside",
     "# Veldor pack source: seaside\n"
     "name = Seaside\nauthor = The Veldor Team\n"
     "description = Beaches, cliffs and harbours under summer skies.\nprefix = sea\n"
     "sky0 = Summer Noon\nsky1 = Tropical Sunset\nsky2 = Sea Haze\nsky3 = Stormy Sea\nsky4 = Pastel Evening\n"
     "ground0 = Sandy Beach\nground1 = Lighthouse Cliff\nground2 = Palm Cove\nground3 = Harbour Town\n"
     "ground4 = Rocky Coast\n"
     "object0 = Lighthouse\nobject1 = Beach Ball\nobject2 = Seagull\nobject3 = Starfish\n"
     "object4 = Beach Umbrella\n",
     {skySummerNoon, skyTropicalSunset, skySeaHaze, skyStormySea, skyPastelEvening},
     {groundSandyBeach, groundLighthouseCliff, groundPalmCove, groundHarbourTown, groundRockyCoast},
     {objectLighthouse, objectBeachBall, objectSeagull, objectStarfish, objectBeachUmbrella}},
    {"moonlight",
     "# Veldor pack source: moonlight\n"
     "name = Moonlight\nauthor = The Veldor Team\n"
     "description = Night skies full of stars over sleeping lands.\nprefix = moon\n"
     "sky0 = Full Moon\nsky1 = Milky Way\nsky2 = Twilight\nsky3 = Meteor Shower\nsky4 = Silver Clouds\n"
     "ground0 = Moonlit Hills\nground1 = Night City\nground2 = Campfire Clearing\nground3 = Sleeping Village\n"
     "ground4 = Pine Forest\n"
     "object0 = Owl\nobject1 = Lantern\nobject2 = Rocket\nobject3 = Candle\nobject4 = Crescent Moon\n",
     {skyFullMoon, skyMilkyWay, skyTwilight, skyMeteorShower, skySilverClouds},
     {groundMoonlitHills, groundNightCity, groundCampfireClearing, groundSleepingVillage, groundPineForest},
     {objectOwl, objectLantern, objectRocket, objectCandle, objectCrescentMoon}},
};

} // namespace

Picture extraPackPicture(int pack, const char* kind, int slot)
{
    const PackPlan& plan = kPlans[std::clamp(pack, 0, 2)];
    const std::size_t i = std::size_t(std::clamp(slot, 0, 4));
    const std::string k = kind;
    if (k == "sky")
        return plan.skies[i]();
    if (k == "ground")
        return plan.grounds[i]();
    // Handed in at veldor-pack's own object size (256 a side), so that the
    // builder keeps the pixels as they are: flat tones on the 4-pixel grid
    // that shrink cleanly, which any rescaling would blur into specks.
    const Picture drawn = plan.objects[i]();
    const int box = kPackObjectBox;
    const int longest = std::max(drawn.width(), drawn.height());
    const int w = std::max(4, (drawn.width() * box / longest) / 4 * 4);
    const int h = std::max(4, (drawn.height() * box / longest) / 4 * 4);
    Picture keyed(w, h);
    // Nearest sampling keeps the white key exact before shippable() averages cells.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            keyed.setPixel(x, y, drawn.pixel(x * drawn.width() / w, y * drawn.height() / h));
    return shippable(keyed);
}

std::vector<GeneratedFile> extraPackSources()
{
    std::vector<GeneratedFile> out;
    for (int p = 0; p < 3; ++p) {
        const PackPlan& plan = kPlans[p];
        out.push_back({plan.folder, "pack.txt", std::nullopt, plan.text});
        for (const char* kind : {"sky", "ground", "object"})
            for (int i = 0; i < 5; ++i) {
                const std::vector<std::uint8_t> png = veldor::encodePng(extraPackPicture(p, kind, i), true);
                out.push_back({plan.folder, kind + std::to_string(i) + ".png", std::nullopt,
                               std::string(png.begin(), png.end())});
            }
    }
    return out;
}

} // namespace veldor::art
