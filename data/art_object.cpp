// The built-in objects and the sample pack's objects, each on pure white.
#include "data/art.h"
#include "data/artdraw.h"
#include "data/artground.h"
#include "sources/cleanshrink.h"

#include <algorithm>
#include <cmath>

namespace veldor::art {

namespace {

constexpr int N = kObjectSize;
constexpr double kPi = 3.14159265358979323846;

struct Vec3 {
    double x, y, z;
};
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalized(Vec3 a) { return a * (1.0 / std::sqrt(dot(a, a))); }

const Vec3 kLight = normalized({-0.55, 0.6, 0.6}); // upper left, towards the viewer

// Lambert with ambient: 0.35 + 0.75 * max(0, n . light).
double lambert(Vec3 n) { return 0.35 + 0.75 * std::max(0.0, dot(n, kLight)); }

// The sphere's normal at a point of a circle's disc, y pointing up.
Vec3 sphereNormal(double nx, double ny) { return {nx, -ny, std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny))}; }

std::vector<Pt> ellipsePolygon(double cx, double cy, double rx, double ry, double angle, int n = 28)
{
    std::vector<Pt> pts;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n;
        const double ex = rx * std::cos(a);
        const double ey = ry * std::sin(a);
        pts.push_back({cx + ex * c - ey * s, cy + ex * s + ey * c});
    }
    return pts;
}

Picture objectTorusRock()
{
    Picture s(N, N);
    const ValueNoise noise(6001);
    // A ring of stone standing on edge, turned a little so its thickness
    // shows; ray-marched against a torus distance field roughened by noise.
    const double ay = 0.55;
    const double ax = 0.25;
    auto field = [&](Vec3 p) {
        const Vec3 r1{p.x * std::cos(ay) + p.z * std::sin(ay), p.y, -p.x * std::sin(ay) + p.z * std::cos(ay)};
        const Vec3 q{r1.x, r1.y * std::cos(ax) - r1.z * std::sin(ax), r1.y * std::sin(ax) + r1.z * std::cos(ax)};
        const double ring = std::hypot(q.x, q.y) - 0.66;
        const double bumps = noise.at(q.x * 5 + 9, q.y * 5) + noise.at(q.y * 5, q.z * 5 + 4) - 1.0;
        return std::hypot(ring, q.z) - 0.30 + 0.05 * bumps;
    };
    for (int py = 0; py < N; ++py)
        for (int px = 0; px < N; ++px) {
            Vec3 p{(px + 0.5 - N / 2.0) / (N / 2.0) * 1.08, -(py + 0.5 - N / 2.0) / (N / 2.0) * 1.08, 2.0};
            bool hit = false;
            for (int i = 0; i < 80 && p.z > -2.0; ++i) {
                const double d = field(p);
                if (d < 0.002) {
                    hit = true;
                    break;
                }
                p.z -= d * 0.8;
            }
            if (!hit)
                continue;
            constexpr double e = 0.01;
            const Vec3 n = normalized({field(p + Vec3{e, 0, 0}) - field(p + Vec3{-e, 0, 0}),
                                       field(p + Vec3{0, e, 0}) - field(p + Vec3{0, -e, 0}),
                                       field(p + Vec3{0, 0, e}) - field(p + Vec3{0, 0, -e})});
            const double grain = noise.fbm(p.x * 9 + 30, p.y * 9 + p.z * 4, 3);
            const Color stone = mix(rgb(104, 96, 88), rgb(156, 146, 130), grain);
            s.setPixel(px, py, scale(stone, lambert(n)));
        }
    sealAgainstKey(s);
    return s;
}

Picture objectApple()
{
    Picture s(N, N);
    const ValueNoise noise(6101);
    // Two overlapping lobes give the dip at the top; one sphere shades both.
    constexpr double cx = 80, cy = 92, r = 60;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double bottomPinch = py > cy ? (py - cy) * 0.12 : 0; // narrower towards the base
            const bool inLeft = std::hypot(px - 64, py - 90) < 50 - bottomPinch;
            const bool inRight = std::hypot(px - 96, py - 90) < 50 - bottomPinch;
            if (!inLeft && !inRight)
                continue;
            const double nx = std::clamp((px - cx) / r, -0.99, 0.99);
            const double ny = std::clamp((py - cy) / r, -0.99, 0.99);
            const Vec3 n = normalized(sphereNormal(nx * 0.9, ny * 0.9));
            const double streak = noise.fbm(px / 3.0, py / 30.0, 3);
            Color skin = mix(rgb(186, 26, 30), rgb(206, 120, 40), smoothstep(0.55, 0.8, streak) * 0.7);
            skin = scale(skin, lambert(n));
            const double shine = std::pow(std::max(0.0, dot(n, normalized(kLight + Vec3{0, 0, 1}))), 40);
            s.setPixel(x, y, mix(skin, rgb(245, 220, 220), shine));
        }
    drawCurve(s, {80, 44}, {80, 28}, {88, 14}, 5, rgb(92, 60, 30));
    std::vector<Pt> leaf = ellipsePolygon(106, 24, 20, 8, -0.45);
    fillPolygon(s, leaf, rgb(70, 140, 40));
    drawLine(s, 90, 32, 122, 16, 2, rgb(46, 100, 30));
    sealAgainstKey(s);
    return s;
}

Picture objectBalloon()
{
    Picture s(N, N);
    // The envelope: a circle on top that narrows to the mouth below it, in
    // vertical gores shaded as a cylinder.
    constexpr double cx = 80, cy = 56, r = 52, mouthY = 112, mouthHalf = 14;
    const Color gores[] = {rgb(206, 36, 36), rgb(236, 196, 36), rgb(36, 76, 180), rgb(236, 196, 36)};
    for (int y = 0; y < N; ++y) {
        const double py = y + 0.5;
        double half;
        if (py < cy - r || py > mouthY)
            continue;
        if (py <= cy + 12)
            half = std::sqrt(std::max(0.0, r * r - (py - cy) * (py - cy)));
        else {
            const double top = std::sqrt(r * r - 144.0);
            const double t = (py - cy - 12) / (mouthY - cy - 12);
            half = top + (mouthHalf - top) * t * (0.6 + 0.4 * t);
        }
        for (int x = 0; x < N; ++x) {
            const double dx = x + 0.5 - cx;
            if (std::abs(dx) > half)
                continue;
            const double a = std::asin(std::clamp(dx / half, -1.0, 1.0)); // -pi/2 .. pi/2 across
            const int gore = int((a + kPi / 2) / (kPi / 8)) % 4;
            const double vertical = std::clamp((py - cy) / r, -1.0, 1.0);
            const Vec3 n = normalized({std::sin(a), -vertical * 0.6, std::cos(a)});
            s.setPixel(x, y, scale(gores[gore], lambert(n)));
        }
    }
    const Color rope = rgb(70, 56, 40);
    drawLine(s, cx - mouthHalf, mouthY, cx - 12, 134, 1, rope);
    drawLine(s, cx + mouthHalf, mouthY, cx + 12, 134, 1, rope);
    drawLine(s, cx - 5, mouthY, cx - 4, 134, 1, rope);
    drawLine(s, cx + 5, mouthY, cx + 4, 134, 1, rope);
    fillRect(s, int(cx) - 15, 134, int(cx) + 15, 156, rgb(150, 104, 56));
    for (int y = 137; y < 156; y += 4) // wicker weave
        fillRect(s, int(cx) - 15, y, int(cx) + 15, y + 1, rgb(110, 74, 38));
    fillRect(s, int(cx) + 8, 134, int(cx) + 15, 156, rgb(112, 76, 40));
    sealAgainstKey(s);
    return s;
}

Picture objectGolfBall()
{
    Picture s(N, N);
    // Dimples sit on a Fibonacci lattice of the sphere; each one is a small
    // bowl, dark on the side facing the light.
    constexpr int kDimples = 220;
    std::vector<Vec3> centres;
    const double golden = kPi * (3 - std::sqrt(5.0));
    for (int i = 0; i < kDimples; ++i) {
        const double y = 1 - 2 * (i + 0.5) / kDimples;
        const double rr = std::sqrt(1 - y * y);
        centres.push_back({rr * std::cos(golden * i), y, rr * std::sin(golden * i)});
    }
    constexpr double cx = 80, cy = 66, r = 56;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const double nx = (x + 0.5 - cx) / r;
            const double ny = (y + 0.5 - cy) / r;
            if (nx * nx + ny * ny > 1)
                continue;
            Vec3 n = sphereNormal(nx, ny);
            const Vec3 surface = n;
            for (const Vec3& c : centres) {
                const Vec3 d{surface.x - c.x, surface.y - c.y, surface.z - c.z};
                const double dist2 = dot(d, d);
                if (dist2 < 0.012) {
                    // Inside a bowl the normal tilts towards its centre.
                    n = normalized(n + d * -3.5);
                    break;
                }
            }
            s.setPixel(x, y, scale(rgb(214, 216, 210), lambert(n)));
        }
    // A wooden tee under the ball.
    fillPolygon(s, {{66, 121}, {94, 121}, {84, 130}, {76, 130}}, rgb(196, 66, 48));
    fillPolygon(s, {{76, 130}, {84, 130}, {81, 157}, {79, 157}}, rgb(172, 52, 40));
    sealAgainstKey(s);
    return s;
}

Picture objectYellowFlower()
{
    Picture s(N, N);
    const Color stem = rgb(56, 122, 44);
    drawCurve(s, {80, 158}, {90, 110}, {80, 64}, 6, stem);
    fillPolygon(s, ellipsePolygon(104, 122, 22, 8, -0.6), rgb(70, 144, 50));
    fillPolygon(s, ellipsePolygon(58, 132, 22, 8, 0.6), rgb(62, 132, 46));
    drawLine(s, 86, 134, 120, 110, 1, rgb(44, 100, 34));
    drawLine(s, 78, 144, 40, 120, 1, rgb(40, 94, 32));
    constexpr double cx = 80, cy = 56;
    constexpr int kPetals = 13;
    for (int i = 0; i < kPetals; ++i) {
        const double a = 2 * kPi * i / kPetals;
        const double px = cx + std::cos(a) * 26;
        const double py = cy + std::sin(a) * 26;
        // Petals to the lower right lie in shadow.
        const double light = 0.9 + 0.12 * (-std::cos(a) - std::sin(a));
        fillPolygon(s, ellipsePolygon(px, py, 24, 9, a), scale(rgb(236, 196, 24), light));
        fillPolygon(s, ellipsePolygon(cx + std::cos(a) * 18, cy + std::sin(a) * 18, 12, 4, a),
                    scale(rgb(214, 160, 20), light));
    }
    paintEllipse(s, cx, cy, 16, 16, [](double nx, double ny) {
        const double light = lambert(sphereNormal(nx, ny));
        return scale(rgb(120, 72, 22), light);
    });
    Rng rng(6401);
    for (int i = 0; i < 40; ++i) {
        const double a = rng.between(0, 2 * kPi);
        const double d = std::sqrt(rng.unit()) * 13;
        s.setPixel(int(cx + std::cos(a) * d), int(cy + std::sin(a) * d), rgb(70, 40, 14));
    }
    sealAgainstKey(s);
    return s;
}

Picture objectPineTree()
{
    Picture s(N, N);
    fillRect(s, 74, 130, 86, 158, rgb(92, 62, 38));
    for (int tier = 0; tier < 5; ++tier) {
        const double bottom = 138 - tier * 24;
        const double half = 62 - tier * 10;
        fillPolygon(s, {{80 - half, bottom}, {80 + half, bottom}, {80, bottom - 46}}, rgb(36, 100, 52));
        fillPolygon(s, {{81, bottom}, {80 + half, bottom}, {81, bottom - 44}}, rgb(26, 76, 42));
        // Snow lies along each tier's lower edge.
        fillPolygon(s, {{80 - half, bottom}, {80 + half, bottom}, {80 + half * 0.7, bottom - 5},
                        {80 - half * 0.7, bottom - 5}},
                    rgb(222, 230, 240));
    }
    sealAgainstKey(s);
    return s;
}

Picture objectCottage()
{
    Picture s(N, N);
    fillRect(s, 104, 22, 118, 60, rgb(120, 100, 90)); // chimney
    fillRect(s, 28, 78, 132, 152, rgb(186, 150, 104));
    for (int y = 82; y < 152; y += 8) // timber boards
        fillRect(s, 28, y, 132, y + 1, rgb(150, 116, 78));
    fillPolygon(s, {{16, 82}, {144, 82}, {80, 26}}, rgb(150, 54, 40));
    fillPolygon(s, {{80, 26}, {144, 82}, {80, 82}}, rgb(118, 40, 32));
    fillRect(s, 70, 112, 90, 152, rgb(92, 58, 32));
    s.setPixel(86, 132, rgb(220, 190, 60));
    for (int wx : {38, 100}) {
        fillRect(s, wx, 96, wx + 22, 118, rgb(80, 56, 36));
        fillRect(s, wx + 2, 98, wx + 20, 116, rgb(236, 206, 110)); // lit inside
        fillRect(s, wx + 10, 98, wx + 12, 116, rgb(80, 56, 36));
        fillRect(s, wx + 2, 106, wx + 20, 108, rgb(80, 56, 36));
    }
    fillRect(s, 20, 152, 140, 158, rgb(110, 96, 80)); // footing
    sealAgainstKey(s);
    return s;
}

Picture objectCactus()
{
    Picture s(N, N);
    const Color green = rgb(64, 138, 64);
    // Columns shaded as cylinders, with darker ribs.
    auto column = [&](double x0, double x1, double y0, double y1) {
        const double cx = (x0 + x1) / 2;
        const double r = (x1 - x0) / 2;
        fillEllipse(s, cx, y0 + r, r, r, green);
        for (int y = int(y0 + r); y < int(y1); ++y)
            for (int x = int(x0); x < int(x1); ++x) {
                const double nx = (x + 0.5 - cx) / r;
                double light = 1.05 - 0.45 * nx;
                if (int(std::floor((nx + 1) * 3)) % 2 == 1)
                    light *= 0.82;
                s.setPixel(x, y, scale(green, light));
            }
    };
    column(64, 96, 12, 150);
    column(28, 48, 40, 96);
    column(112, 132, 54, 110);
    fillRect(s, 38, 86, 66, 102, scale(green, 0.9));
    fillRect(s, 94, 98, 122, 112, scale(green, 0.85));
    Rng rng(6601);
    for (int i = 0; i < 70; ++i)
        s.setPixel(rng.range(66, 94), rng.range(22, 148), rgb(226, 216, 150));
    fillPolygon(s, {{40, 158}, {120, 158}, {110, 146}, {50, 146}}, rgb(196, 160, 100));
    sealAgainstKey(s);
    return s;
}

Picture objectSailingBoat()
{
    Picture s(N, N);
    fillRect(s, 78, 14, 82, 124, rgb(90, 64, 40)); // mast
    fillPolygon(s, {{84, 20}, {84, 116}, {146, 116}}, rgb(236, 228, 206));
    fillPolygon(s, {{76, 28}, {76, 116}, {22, 116}}, rgb(200, 60, 52));
    fillPolygon(s, {{82, 14}, {102, 19}, {82, 24}}, rgb(40, 90, 180)); // pennant
    fillPolygon(s, {{10, 120}, {150, 120}, {128, 146}, {30, 146}}, rgb(120, 70, 40));
    fillRect(s, 12, 120, 149, 126, rgb(60, 40, 30));
    for (int x = 0; x < N; ++x) { // a strip of sea under the hull
        const int wave = int(3 * std::sin(x / 6.0));
        for (int y = 146 + wave; y < 158; ++y)
            s.setPixel(x, y, mix(rgb(44, 110, 170), rgb(30, 80, 140), (y - 140) / 18.0));
    }
    sealAgainstKey(s);
    return s;
}

Picture objectSnowman()
{
    Picture s(N, N);
    auto ball = [&](double cx, double cy, double r) {
        paintEllipse(s, cx, cy, r, r, [](double nx, double ny) {
            return scale(rgb(226, 232, 242), 0.72 + 0.28 * lambert(sphereNormal(nx, ny)));
        });
    };
    ball(80, 124, 34);
    ball(80, 74, 25);
    ball(80, 36, 18);
    drawLine(s, 58, 70, 26, 48, 3, rgb(96, 66, 40));
    drawLine(s, 102, 70, 134, 50, 3, rgb(96, 66, 40));
    fillRect(s, 62, 50, 98, 57, rgb(190, 40, 40)); // scarf
    fillRect(s, 86, 55, 94, 74, rgb(170, 34, 34));
    fillRect(s, 64, 16, 96, 21, rgb(30, 30, 34)); // hat brim and crown
    fillRect(s, 69, 0, 91, 17, rgb(30, 30, 34));
    fillEllipse(s, 73, 32, 2.5, 2.5, rgb(20, 20, 20));
    fillEllipse(s, 87, 32, 2.5, 2.5, rgb(20, 20, 20));
    fillPolygon(s, {{80, 37}, {80, 43}, {98, 41}}, rgb(236, 120, 30));
    for (int y : {70, 82, 96, 114})
        fillEllipse(s, 80, y, 3, 3, rgb(24, 24, 28));
    sealAgainstKey(s);
    return s;
}

} // namespace

// The renderer shrinks by ANDing pixels, which turns shading and grain into
// specks of stray colour. The drawings above keep their shapes but are
// shipped as flat, nesting tones on a 4-pixel grid (see sources/cleanshrink.h):
// each 4 x 4 cell is transparent when most of it is, else the mean of its
// drawn pixels.
Picture shippable(const Picture& drawing)
{
    constexpr int cell = 4;
    const int w = drawing.width() / cell, h = drawing.height() / cell;
    Picture small(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0, n = 0;
            for (int j = 0; j < cell; ++j)
                for (int i = 0; i < cell; ++i) {
                    const Color c = drawing.pixel(x * cell + i, y * cell + j);
                    if (isPureWhite(c))
                        continue;
                    r += redOf(c);
                    g += greenOf(c);
                    b += blueOf(c);
                    ++n;
                }
            if (2 * n > cell * cell)
                small.setPixel(x, y, rgb(r / n, g / n, b / n));
        }
    PrepareOptions options;
    options.tones = 8;
    Picture flat = prepareKeyed(small, options);
    // Grain left at this size reads as dither: a pixel whose colour none of
    // its eight neighbours shares takes the colour most of them have.
    const Picture before = flat;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::vector<std::pair<Color, int>> counts;
            int same = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) {
                    if (i == 0 && j == 0)
                        continue;
                    const Color c = before.pixel(x + i, y + j) & kWhite; // outside counts as white
                    same += c == before.pixel(x, y);
                    auto it = std::find_if(counts.begin(), counts.end(), [c](const auto& e) { return e.first == c; });
                    if (it == counts.end())
                        counts.emplace_back(c, 1);
                    else
                        ++it->second;
                }
            const auto most = std::max_element(counts.begin(), counts.end(),
                                               [](const auto& a, const auto& b) { return a.second < b.second; });
            if (same == 0 && most->second >= 4)
                flat.setPixel(x, y, most->first);
        }
    return enlargeOnGrid(flat, cell);
}

Picture builtinObjectDrawing(int slot)
{
    switch (std::clamp(slot, 0, 4)) {
    case 0: return objectTorusRock();
    case 1: return objectApple();
    case 2: return objectBalloon();
    case 3: return objectGolfBall();
    default: return objectYellowFlower();
    }
}

Picture builtinObject(int slot) { return shippable(builtinObjectDrawing(slot)); }

Picture packObject(int slot)
{
    switch (std::clamp(slot, 0, 4)) {
    case 0: return shippable(objectPineTree());
    case 1: return shippable(objectCottage());
    case 2: return shippable(objectCactus());
    case 3: return shippable(objectSailingBoat());
    default: return shippable(objectSnowman());
    }
}

} // namespace veldor::art
