// The built-in grounds: land at the bottom, pure white wherever sky shows.
#include "data/art.h"
#include "data/artground.h"

#include <cmath>

namespace veldor::art {

void fillBelow(Picture& s, const std::vector<double>& top, const std::function<Color(int, int)>& f)
{
    for (int x = 0; x < s.width(); ++x) {
        const int y0 = std::max(0, int(std::ceil(top[std::size_t(x)])));
        for (int y = y0; y < s.height(); ++y)
            s.row(y)[x] = f(x, y);
    }
}

void drawConifer(Picture& s, double x, double baseY, double height, Color leaf)
{
    const double trunkH = height * 0.18;
    fillRect(s, int(x - height * 0.05), int(baseY - trunkH), int(x + height * 0.05) + 1, int(baseY) + 1,
             rgb(82, 56, 36));
    const double half = height * 0.30;
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = baseY - trunkH - tier * height * 0.24 + 2;
        const double w = half * (1.0 - tier * 0.22);
        const double top = bottom - height * 0.42;
        fillPolygon(s, {{x - w, bottom}, {x + w, bottom}, {x, top}}, scale(leaf, 1.0 + tier * 0.06));
        // The shadowed right half gives the cone its volume.
        fillPolygon(s, {{x + 1, bottom}, {x + w, bottom}, {x + 1, top + 2}}, scale(leaf, 0.78));
    }
}

void drawRoundTree(Picture& s, double x, double baseY, double height, Color leaf, std::uint64_t seed)
{
    const double r = height * 0.36;
    fillRect(s, int(x - height * 0.05), int(baseY - height * 0.45), int(x + height * 0.05) + 1, int(baseY) + 1,
             rgb(92, 64, 40));
    const ValueNoise noise(seed);
    paintEllipse(s, x, baseY - height + r, r, r * 1.05, [&](double nx, double ny) {
        // Lit from the upper left, speckled with leaf clusters.
        const double light = 0.75 - 0.3 * (nx + ny) * 0.7 + 0.35 * (noise.at(nx * 4 + 7, ny * 4 + 3) - 0.5);
        return scale(leaf, std::clamp(light, 0.45, 1.2));
    });
}

namespace {

constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;

Picture groundStoneyCliff()
{
    Picture s(W, H);
    Rng rng(1001);
    const ValueNoise noise(1002);
    // The cliff's right face wanders a little and leans out towards the top.
    std::vector<double> faceX(static_cast<std::size_t>(H));
    for (int y = 0; y < H; ++y)
        faceX[std::size_t(y)] = 360 + 40 * noise.fbm(y / 25.0, 1.5, 4) + (H - y) * 0.12;
    const std::vector<double> plateau = ridgeColumns(rng, W, 112, 140, 14, 0.55);
    const std::vector<double> lowland = ridgeColumns(rng, W, 288, 280, 10, 0.6);

    const Color rock = rgb(128, 116, 102);
    std::vector<double> top(static_cast<std::size_t>(W));
    for (int x = 0; x < W; ++x)
        top[std::size_t(x)] = lowland[std::size_t(x)];
    fillBelow(s, top, [&](int x, int y) {
        const double n = noise.fbm(x / 12.0, y / 6.0, 4);
        const Color grass = mix(rgb(74, 112, 50), rgb(112, 138, 64), n);
        return mix(grass, rgb(98, 92, 80), smoothstep(0.55, 0.7, noise.fbm(x / 20.0 + 50, y / 10.0, 3)));
    });
    for (int y = 0; y < H; ++y) {
        const double face = faceX[std::size_t(y)];
        for (int x = 0; x < W && x < face; ++x) {
            const double t = plateau[std::size_t(x)];
            if (y < t)
                continue;
            Color c;
            if (y < t + 7 + 4 * noise.at(x / 4.0, 3.0)) {
                c = mix(rgb(70, 110, 46), rgb(104, 140, 60), noise.at(x / 3.0, y / 3.0)); // turf on the top
            } else {
                // Layered rock: strata bands bent by noise, vertical cracks,
                // and the face darkening as it turns away near its edge.
                const double n = noise.fbm(x / 30.0, y / 14.0, 5);
                const double strata = 0.5 + 0.5 * std::sin(y / 5.5 + n * 7.0);
                const double crack = noise.fbm(x / 5.0 + 90, y / 45.0, 3);
                double light = 0.78 + 0.22 * strata + 0.25 * (n - 0.5);
                if (std::abs(crack - 0.5) < 0.014)
                    light *= 0.55;
                light *= 0.65 + 0.35 * smoothstep(0, 45, face - x);
                c = scale(rock, light);
            }
            s.row(y)[x] = c;
        }
    }
    // Fallen boulders at the foot of the cliff and out on the grass.
    for (int i = 0; i < 16; ++i) {
        const double bx = i < 10 ? rng.between(340, 460) : rng.between(470, 620);
        const double r = i < 10 ? rng.between(6, 16) : rng.between(3, 7);
        const double by = rng.between(300, 336);
        paintEllipse(s, bx, by, r * 1.3, r, [&](double nx, double ny) {
            return scale(rock, std::clamp(0.95 - 0.35 * (nx + ny), 0.5, 1.2));
        });
    }
    sealAgainstKey(s);
    return s;
}

double mix01(double a, double b, double t) { return a + (b - a) * t; }

Picture groundMountains()
{
    Picture s(W, H);
    Rng rng(2001);
    const ValueNoise noise(2002);
    // Each range is the lower envelope of a few sloped peaks, roughened by
    // midpoint displacement so the crests look broken.
    auto range = [&](int spacing, int peakLo, int peakHi, double slopeLo, double slopeHi) {
        std::vector<double> top = ridgeColumns(rng, W, 0, 0, 14, 0.62);
        std::vector<Pt> peaks;
        for (int x = -spacing / 2; x < W + spacing; x += spacing)
            peaks.push_back({x + rng.between(-spacing * 0.3, spacing * 0.3), double(rng.range(peakLo, peakHi))});
        std::vector<double> slopes;
        for (std::size_t i = 0; i < peaks.size(); ++i)
            slopes.push_back(rng.between(slopeLo, slopeHi));
        for (int x = 0; x < W; ++x) {
            double best = H;
            for (std::size_t i = 0; i < peaks.size(); ++i)
                best = std::min(best, peaks[i].y + std::abs(x - peaks[i].x) * slopes[i]);
            top[std::size_t(x)] += best;
        }
        return top;
    };
    const std::vector<double> far = range(110, 110, 150, 0.55, 0.85);
    const std::vector<double> near = range(150, 140, 185, 0.7, 1.0);
    const std::vector<double> hills = ridgeColumns(rng, W, 282, 270, 16, 0.55);

    auto slopeLight = [](const std::vector<double>& top, int x) {
        const int a = std::max(0, x - 3);
        const int b = std::min(W - 1, x + 3);
        // Sun from the left: a ridge rising to the right faces it.
        return std::clamp(0.5 + (top[std::size_t(a)] - top[std::size_t(b)]) * 0.06, 0.0, 1.0);
    };
    auto mountain = [&](const std::vector<double>& top, Color rockLit, Color rockDark, double snowLine) {
        fillBelow(s, top, [&](int x, int y) {
            // Near the crest the ridge's own slope decides the light; lower
            // down a noise terrain takes over, lit by its gradient.
            const double depth = y - top[std::size_t(x)];
            const double terrain = 0.5 + 6.0 * (noise.fbm((x - 2) / 40.0, (y - 1) / 24.0, 4) -
                                                noise.fbm((x + 2) / 40.0, (y + 1) / 24.0, 4));
            const double light =
                std::clamp(mix01(slopeLight(top, x), terrain, smoothstep(0, 40, depth)), 0.0, 1.0);
            const double snowEdge = snowLine + 18 * noise.fbm(x / 9.0, 5.0, 3);
            if (y < snowEdge && depth < 55)
                return mix(rgb(150, 164, 196), rgb(236, 240, 244), light);
            return mix(rockDark, rockLit, light);
        });
    };
    mountain(far, rgb(150, 158, 176), rgb(96, 104, 126), 158);
    mountain(near, rgb(150, 128, 108), rgb(74, 64, 60), 172);
    fillBelow(s, hills, [&](int x, int y) {
        const double n = noise.fbm(x / 18.0, y / 8.0, 4);
        return mix(rgb(66, 108, 44), rgb(118, 150, 66), n);
    });
    for (int i = 0; i < 40; ++i) {
        const double x = rng.between(0, W);
        const double base = hills[std::size_t(std::clamp(int(x), 0, W - 1))] + rng.between(6, 50);
        drawConifer(s, x, base, rng.between(14, 24), rgb(34, 78, 38));
    }
    sealAgainstKey(s);
    return s;
}

Picture groundHillForests()
{
    Picture s(W, H);
    Rng rng(3001);
    const ValueNoise noise(3002);
    struct Layer {
        double base;
        double amp;
        double period;
        Color lit;
        Color dark;
        double treeH;
        int trees;
    };
    const Layer layers[] = {
        {190, 22, 95, rgb(104, 146, 122), rgb(80, 118, 100), 12, 70},
        {228, 28, 120, rgb(86, 146, 70), rgb(60, 112, 52), 20, 45},
        {272, 24, 160, rgb(112, 168, 70), rgb(80, 134, 52), 34, 22},
    };
    int index = 0;
    for (const Layer& l : layers) {
        std::vector<double> top = ridgeColumns(rng, W, l.base, l.base, 8, 0.5);
        const double phase = rng.between(0, 6.28);
        for (int x = 0; x < W; ++x)
            top[std::size_t(x)] -= l.amp * std::sin(x / l.period + phase);
        fillBelow(s, top, [&](int x, int y) {
            return mix(l.dark, l.lit, noise.fbm(x / 16.0 + index * 30, y / 9.0, 4));
        });
        // Trees from the back of the layer to its front, so nearer ones overlap.
        std::vector<Pt> spots;
        for (int i = 0; i < l.trees; ++i) {
            const double x = rng.between(-10, W + 10);
            spots.push_back({x, top[std::size_t(std::clamp(int(x), 0, W - 1))] + rng.between(2, l.treeH * 0.9)});
        }
        std::sort(spots.begin(), spots.end(), [](Pt a, Pt b) { return a.y < b.y; });
        for (const Pt& p : spots) {
            const double h = l.treeH * rng.between(0.8, 1.2);
            if (rng.range(0, 2) == 0)
                drawRoundTree(s, p.x, p.y, h, scale(l.dark, 0.8), rng.next());
            else
                drawConifer(s, p.x, p.y, h, scale(l.dark, 0.6));
        }
        ++index;
    }
    sealAgainstKey(s);
    return s;
}

void drawPalm(Picture& s, Pt foot, Pt crown)
{
    // The trunk: a bent stroke, thinner towards the crown, with ring marks.
    constexpr int kSteps = 30;
    const Pt bend{(foot.x + crown.x) / 2 + 18, (foot.y + crown.y) / 2};
    for (int i = 0; i < kSteps; ++i) {
        const double t = double(i) / kSteps;
        const double u = 1 - t;
        const Pt p{u * u * foot.x + 2 * u * t * bend.x + t * t * crown.x,
                   u * u * foot.y + 2 * u * t * bend.y + t * t * crown.y};
        const Color bark = i % 3 == 0 ? rgb(96, 70, 44) : rgb(134, 100, 62);
        drawLine(s, p.x - (7 - 3 * t), p.y, p.x + (7 - 3 * t), p.y, 3, bark);
    }
    const Color frond = rgb(44, 118, 48);
    const Color frondDark = rgb(30, 84, 36);
    const double ends[][2] = {{-70, 22}, {-52, -22}, {-12, -38}, {34, -30}, {66, 4}, {74, 30}, {-34, 40}};
    for (const auto& e : ends) {
        const Pt tip{crown.x + e[0], crown.y + e[1]};
        const Pt ctrl{crown.x + e[0] * 0.5, crown.y + std::min(e[1], 0.0) - 22};
        drawCurve(s, crown, ctrl, tip, 4, frondDark);
        // Leaflets hang down from the rib.
        for (int k = 1; k < 10; ++k) {
            const double t = k / 10.0;
            const double u = 1 - t;
            const Pt p{u * u * crown.x + 2 * u * t * ctrl.x + t * t * tip.x,
                       u * u * crown.y + 2 * u * t * ctrl.y + t * t * tip.y};
            drawLine(s, p.x, p.y, p.x + (e[0] > 0 ? 4 : -4), p.y + 12 * (1 - t * 0.5), 2, frond);
        }
    }
    fillEllipse(s, crown.x - 4, crown.y + 5, 5, 5, rgb(92, 62, 30));
    fillEllipse(s, crown.x + 5, crown.y + 6, 5, 5, rgb(80, 54, 26));
}

Picture groundDesertedIsland()
{
    Picture s(W, H);
    Rng rng(4001);
    const ValueNoise noise(4002);
    constexpr int kHorizon = 214;
    // The sea is part of the ground: deeper blue near the viewer, with wave
    // glints that grow longer towards the front.
    for (int y = kHorizon; y < H; ++y) {
        const double t = double(y - kHorizon) / (H - kHorizon);
        const Color water = mix(rgb(58, 124, 168), rgb(22, 72, 124), t);
        for (int x = 0; x < W; ++x) {
            const double n = noise.fbm(x / (6.0 + 30 * t), y / (1.0 + 3 * t), 3);
            Color c = scale(water, 0.92 + 0.16 * n);
            if (n > 0.66)
                c = mix(c, rgb(150, 196, 220), (n - 0.66) * 3);
            s.row(y)[x] = c;
        }
    }
    // A far islet on the horizon.
    for (int y = kHorizon - 8; y <= kHorizon; ++y)
        for (int x = 480; x < 560; ++x) {
            const double nx = (x + 0.5 - 520) / 40;
            const double ny = (y + 0.5 - kHorizon - 1) / 8;
            if (nx * nx + ny * ny <= 1)
                s.row(y)[x] = rgb(70, 96, 92);
        }
    // The island: the upper part of a sand dome, lit from the left, with a
    // band of wet sand and a line of foam where it meets the water.
    constexpr double cx = 300;
    constexpr double cy = 262;
    constexpr double rx = 124;
    constexpr double ry = 36;
    for (int y = int(cy - ry); y <= int(cy) + 9; ++y)
        for (int x = int(cx - rx); x <= int(cx + rx); ++x) {
            const double nx = (x + 0.5 - cx) / rx;
            const double ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny > 1)
                continue;
            const double grain = noise.at(x / 2.0, y / 2.0);
            const double light = 1.0 - 0.18 * (nx + 0.4) - 0.1 * ny + 0.08 * (grain - 0.5);
            const Color sand = scale(rgb(222, 196, 132), std::clamp(light, 0.7, 1.1));
            s.row(y)[x] = y > cy + 4 ? rgb(168, 146, 100) : sand;
        }
    drawLine(s, cx - 118, cy + 9, cx + 118, cy + 9, 3, rgb(180, 214, 220));
    for (int i = 0; i < 5; ++i) {
        const double bx = rng.between(210, 390);
        paintEllipse(s, bx, rng.between(250, 262), rng.between(4, 8), rng.between(3, 5),
                     [](double nx, double ny) { return scale(rgb(120, 110, 98), 1.0 - 0.3 * (nx + ny)); });
    }
    drawPalm(s, {332, 246}, {296, 150});
    sealAgainstKey(s);
    return s;
}

Picture groundCityScape()
{
    Picture s(W, H);
    Rng rng(5001);
    constexpr int kStreet = 304;
    auto building = [&](int x0, int x1, int top, Color wall, bool near) {
        fillRect(s, x0, top, x1, kStreet, wall);
        fillRect(s, x1 - std::max(2, (x1 - x0) / 6), top, x1, kStreet, scale(wall, 0.75)); // shaded side
        fillRect(s, x0, top, x1, top + 3, scale(wall, 0.6));                                // parapet
        const int ww = near ? 5 : 3;
        const int wh = near ? 7 : 4;
        const int gx = near ? 10 : 6;
        const int gy = near ? 13 : 8;
        for (int wy = top + 8; wy + wh < kStreet - 6; wy += gy)
            for (int wx = x0 + 5; wx + ww < x1 - 4; wx += gx) {
                const int roll = rng.range(0, 99);
                const Color pane = roll < 30 ? rgb(236, 212, 118) : roll < 70 ? rgb(44, 50, 66) : rgb(104, 124, 152);
                fillRect(s, wx, wy, wx + ww, wy + wh, near ? pane : mix(pane, wall, 0.5));
            }
    };
    // Far row, then near row; each building runs down to the street.
    for (int x = -10; x < W;) {
        const int w = rng.range(26, 58);
        building(x, x + w, rng.range(118, 196), rgb(96, 106, 128), false);
        x += w + rng.range(-4, 4);
    }
    const Color walls[] = {rgb(126, 74, 58), rgb(134, 132, 126), rgb(62, 78, 100), rgb(156, 140, 112),
                           rgb(98, 98, 106)};
    for (int x = -6; x < W;) {
        const int w = rng.range(40, 92);
        const int top = rng.range(150, 250);
        building(x, x + w, top, walls[rng.range(0, 4)], true);
        const int roof = rng.range(0, 3);
        if (roof == 0) { // antenna
            drawLine(s, x + w / 2, top - 26, x + w / 2, top, 2, rgb(60, 60, 64));
            s.setPixel(x + w / 2, top - 27, rgb(220, 40, 40));
        } else if (roof == 1) { // water tank on legs
            fillRect(s, x + 8, top - 8, x + 10, top, rgb(70, 60, 50));
            fillRect(s, x + 20, top - 8, x + 22, top, rgb(70, 60, 50));
            fillRect(s, x + 6, top - 22, x + 24, top - 8, rgb(112, 84, 60));
            fillPolygon(s, {{x + 5.0, top - 22.0}, {x + 25.0, top - 22.0}, {x + 15.0, top - 30.0}}, rgb(84, 64, 48));
        } else if (roof == 2 && w > 50) { // spire
            fillPolygon(s, {{x + w / 2.0 - 10, double(top)}, {x + w / 2.0 + 10, double(top)}, {x + w / 2.0, top - 40.0}},
                        rgb(90, 96, 110));
        }
        x += w + rng.range(0, 10);
    }
    // Pavement, kerb, road with a dashed centre line, and street lamps.
    fillRect(s, 0, kStreet, W, kStreet + 8, rgb(128, 126, 122));
    fillRect(s, 0, kStreet + 8, W, kStreet + 10, rgb(86, 84, 80));
    fillRect(s, 0, kStreet + 10, W, H, rgb(54, 54, 60));
    for (int x = 4; x < W; x += 40)
        fillRect(s, x, 323, x + 22, 326, rgb(226, 196, 70));
    for (int x = 30; x < W; x += 120) {
        fillRect(s, x, kStreet - 34, x + 2, kStreet + 6, rgb(46, 48, 52));
        fillRect(s, x - 3, kStreet - 36, x + 6, kStreet - 33, rgb(240, 220, 140));
    }
    sealAgainstKey(s);
    return s;
}

} // namespace

Picture builtinGround(int slot)
{
    switch (std::clamp(slot, 0, 4)) {
    case 0: return groundStoneyCliff();
    case 1: return groundMountains();
    case 2: return groundHillForests();
    case 3: return groundDesertedIsland();
    default: return groundCityScape();
    }
}

} // namespace veldor::art
