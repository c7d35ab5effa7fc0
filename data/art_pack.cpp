// The sample pack's grounds: winter and desert lands, unlike the built-in ones.
#include "data/art.h"
#include "data/artground.h"

#include <cmath>

namespace veldor::art {

namespace {

constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;

// Snow in shade turns blue; kept well below white so the key never bites.
Color snow(double light) { return mix(rgb(150, 168, 204), rgb(228, 234, 242), std::clamp(light, 0.0, 1.0)); }

std::vector<double> wave(Rng& rng, double base, double amp, double period, double rough)
{
    std::vector<double> top = ridgeColumns(rng, W, base, base, rough, 0.5);
    const double phase = rng.between(0, 6.28);
    for (int x = 0; x < W; ++x)
        top[std::size_t(x)] -= amp * std::sin(x / period + phase);
    return top;
}

// Light from the left: a surface rising to the right faces the sun.
double slopeLight(const std::vector<double>& top, int x, double gain)
{
    const int a = std::max(0, x - 2);
    const int b = std::min(W - 1, x + 2);
    return 0.6 + (top[std::size_t(a)] - top[std::size_t(b)]) * gain;
}

Picture groundSnowyHills()
{
    Picture s(W, H);
    Rng rng(7001);
    const ValueNoise noise(7002);
    for (int layer = 0; layer < 3; ++layer) {
        const std::vector<double> top = wave(rng, 200 + layer * 42, 24, 90 + layer * 40, 10);
        fillBelow(s, top, [&](int x, int y) {
            const double fade = std::exp(-(y - top[std::size_t(x)]) / 40.0);
            return snow(slopeLight(top, x, 0.12) * fade + 0.55 * (1 - fade) + 0.15 * (noise.at(x / 9.0, y / 5.0) - 0.5) -
                        layer * 0.05);
        });
        for (int i = 0; i < 12 + layer * 4; ++i) {
            const double x = rng.between(0, W);
            const double base = top[std::size_t(std::clamp(int(x), 0, W - 1))] + rng.between(4, 24);
            drawConifer(s, x, base, 16 + layer * 10 * rng.between(0.7, 1.2), rgb(30, 70, 50));
        }
    }
    sealAgainstKey(s);
    return s;
}

Picture groundSandDunes()
{
    Picture s(W, H);
    Rng rng(7101);
    const ValueNoise noise(7102);
    for (int layer = 0; layer < 4; ++layer) {
        // Dunes have a sharp crest: a sine folded by its absolute value.
        std::vector<double> top(static_cast<std::size_t>(W));
        const double period = 70 + layer * 45;
        const double phase = rng.between(0, 6.28);
        for (int x = 0; x < W; ++x)
            top[std::size_t(x)] = 190 + layer * 38 - (18 + layer * 6) * (1 - std::abs(std::sin(x / period + phase))) -
                                  6 * noise.at(x / 40.0, layer * 5.0);
        fillBelow(s, top, [&](int x, int y) {
            const double light = slopeLight(top, x, 0.25);
            const double ripple = 0.05 * std::sin(y * 1.3 + x * 0.15 + 4 * noise.at(x / 20.0, y / 10.0));
            return mix(rgb(160, 100, 52), rgb(232, 186, 116), std::clamp(light + ripple - layer * 0.04, 0.0, 1.0));
        });
    }
    sealAgainstKey(s);
    return s;
}

Picture groundFrozenLake()
{
    Picture s(W, H);
    Rng rng(7201);
    const ValueNoise noise(7202);
    // Far shore of dark pines, the lake's ice, and a snowy bank in front.
    const std::vector<double> shore = wave(rng, 214, 6, 80, 6);
    fillBelow(s, shore, [&](int x, int y) { return snow(0.7 + 0.2 * noise.at(x / 7.0, y / 3.0)); });
    std::vector<Pt> pines;
    for (int i = 0; i < 90; ++i) {
        const double x = rng.between(-5, W + 5);
        pines.push_back({x, shore[std::size_t(std::clamp(int(x), 0, W - 1))] + rng.between(2, 10)});
    }
    std::sort(pines.begin(), pines.end(), [](Pt a, Pt b) { return a.y < b.y; });
    for (const Pt& p : pines)
        drawConifer(s, p.x, p.y, rng.between(22, 40), rgb(34, 66, 56));
    for (int y = 232; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = noise.fbm(x / 40.0, y / 6.0, 4);
            const double crack = noise.fbm(x / 14.0 + 70, y / 14.0, 3);
            Color ice = mix(rgb(120, 160, 190), rgb(196, 220, 234), n);
            if (std::abs(crack - 0.5) < 0.012)
                ice = rgb(80, 110, 140);
            s.row(y)[x] = ice;
        }
    const std::vector<double> bank = wave(rng, 312, 10, 70, 8);
    fillBelow(s, bank, [&](int x, int y) { return snow(slopeLight(bank, x, 0.15) + 0.1 * noise.at(x / 6.0, y / 4.0)); });
    sealAgainstKey(s);
    return s;
}

Picture groundRedCanyon()
{
    Picture s(W, H);
    Rng rng(7301);
    const ValueNoise noise(7302);
    // Flat-topped mesas with steep sides, then a desert floor.
    std::vector<double> top(std::size_t(W), H);
    const int mesas[][3] = {{20, 190, 150}, {250, 330, 120}, {410, 600, 170}};
    for (const auto& m : mesas)
        for (int x = m[0]; x < m[1]; ++x) {
            const double edge = std::min(x - m[0], m[1] - x);
            top[std::size_t(x)] = m[2] + std::max(0.0, 30 - edge * 1.5) + 4 * noise.at(x / 8.0, 1);
        }
    const std::vector<double> floor = ridgeColumns(rng, W, 268, 276, 8, 0.5);
    for (int x = 0; x < W; ++x)
        top[std::size_t(x)] = std::min(top[std::size_t(x)], floor[std::size_t(x)]);
    fillBelow(s, top, [&](int x, int y) {
        if (y >= floor[std::size_t(x)]) {
            const double n = noise.fbm(x / 10.0, y / 4.0, 3);
            return mix(rgb(170, 110, 66), rgb(214, 160, 104), n);
        }
        const double strata = 0.5 + 0.5 * std::sin(y / 4.0 + 3 * noise.at(x / 30.0, y / 20.0));
        const double light = slopeLight(top, x, 0.05) + 0.15 * strata;
        return mix(rgb(110, 44, 30), rgb(204, 102, 58), std::clamp(light, 0.0, 1.0));
    });
    sealAgainstKey(s);
    return s;
}

Picture groundWinterVillage()
{
    Picture s(W, H);
    Rng rng(7401);
    const ValueNoise noise(7402);
    const std::vector<double> land = wave(rng, 262, 8, 120, 6);
    fillBelow(s, land, [&](int x, int y) { return snow(0.65 + 0.25 * noise.fbm(x / 12.0, y / 5.0, 3)); });
    // A church, then cottages with snowy roofs and lit windows.
    auto house = [&](int x, int base, int w, int h, Color wall) {
        fillRect(s, x, base - h, x + w, base, wall);
        fillRect(s, x + w - w / 4, base - h, x + w, base, scale(wall, 0.8));
        fillPolygon(s, {{x - 5.0, double(base - h)}, {x + w + 5.0, double(base - h)}, {x + w / 2.0, base - h - w * 0.55}},
                    snow(0.85));
        fillRect(s, x + w / 5, base - h * 2 / 3, x + w / 5 + 7, base - h * 2 / 3 + 8, rgb(236, 200, 100));
        fillRect(s, x + w / 2 + 2, base - 16, x + w / 2 + 10, base,
                 rgb(70, 46, 30));
    };
    const int church = 300;
    fillRect(s, church + 40, 150, church + 62, 262, rgb(150, 140, 130));
    fillPolygon(s, {{church + 36.0, 150}, {church + 66.0, 150}, {church + 51.0, 100}}, rgb(90, 70, 70));
    fillRect(s, church + 47, 170, church + 55, 184, rgb(236, 200, 100));
    house(church, 262, 46, 50, rgb(150, 140, 130));
    for (int x = 10; x < W - 40;) {
        const int w = rng.range(34, 52);
        if (x + w > church - 10 && x < church + 70) {
            x = church + 72;
            continue;
        }
        const Color walls[] = {rgb(150, 60, 48), rgb(120, 86, 56), rgb(176, 140, 92), rgb(90, 100, 120)};
        house(x, int(land[std::size_t(x)]) + rng.range(8, 30), w, rng.range(24, 34), walls[rng.range(0, 3)]);
        x += w + rng.range(14, 40);
    }
    sealAgainstKey(s);
    return s;
}

} // namespace

Picture packGround(int slot)
{
    switch (std::clamp(slot, 0, 4)) {
    case 0: return groundSnowyHills();
    case 1: return groundSandDunes();
    case 2: return groundFrozenLake();
    case 3: return groundRedCanyon();
    default: return groundWinterVillage();
    }
}

} // namespace veldor::art
