// Toolbar glyphs, the logo and the program icon.
#include "data/art.h"
#include "data/artdraw.h"

#include <cmath>

namespace veldor::art {

namespace {

constexpr Color kInk = rgb(32, 32, 40);

// The Picture drawing functions stay visible beside the Canvas ones below.
using art::drawLine;
using art::fillEllipse;
using art::fillPolygon;
using art::fillRect;
using art::paintEllipse;

// A glyph's surface, addressed in the units of a 32-pixel glyph and drawn
// `k` device pixels per unit, so that a larger glyph gains detail.
struct Canvas {
    explicit Canvas(int scale) : k(scale), surface(kGlyphSize * scale, kGlyphSize * scale, kButtonFace) {}
    int k;
    Picture surface;
    void setPixel(int x, int y, Color c) { fillRect(surface, x * k, y * k, (x + 1) * k, (y + 1) * k, c); }
};

void fillRect(Canvas& s, int x0, int y0, int x1, int y1, Color c)
{
    fillRect(s.surface, x0 * s.k, y0 * s.k, x1 * s.k, y1 * s.k, c);
}

void fillEllipse(Canvas& s, double cx, double cy, double rx, double ry, Color c)
{
    fillEllipse(s.surface, cx * s.k, cy * s.k, rx * s.k, ry * s.k, c);
}

void paintEllipse(Canvas& s, double cx, double cy, double rx, double ry,
                  const std::function<Color(double, double)>& f)
{
    paintEllipse(s.surface, cx * s.k, cy * s.k, rx * s.k, ry * s.k, f);
}

void fillPolygon(Canvas& s, std::vector<Pt> pts, Color c)
{
    for (Pt& p : pts)
        p = {p.x * s.k, p.y * s.k};
    fillPolygon(s.surface, pts, c);
}

void drawLine(Canvas& s, double x0, double y0, double x1, double y1, double width, Color c)
{
    drawLine(s.surface, x0 * s.k, y0 * s.k, x1 * s.k, y1 * s.k, width * s.k, c);
}

void outlinedRect(Canvas& s, int x0, int y0, int x1, int y1, Color fill)
{
    fillRect(s, x0, y0, x1, y1, kInk);
    fillRect(s, x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill);
}

void drawArrowHead(Canvas& s, Pt tip, Pt back, double half, Color c)
{
    const double dx = tip.x - back.x;
    const double dy = tip.y - back.y;
    const double len = std::hypot(dx, dy);
    const double px = -dy / len * half;
    const double py = dx / len * half;
    fillPolygon(s, {tip, {back.x + px, back.y + py}, {back.x - px, back.y - py}}, c);
}

// A tiny landscape used by several glyphs and the icon, sized to the box.
void miniLandscape(Picture& s, int x0, int y0, int w, int h)
{
    for (int y = 0; y < h; ++y)
        fillRect(s, x0, y0 + y, x0 + w, y0 + y + 1, mix(rgb(60, 120, 210), rgb(170, 210, 245), double(y) / h));
    fillEllipse(s, x0 + w * 0.75, y0 + h * 0.28, w * 0.12, w * 0.12, rgb(250, 214, 60));
    fillPolygon(s, {{double(x0), y0 + h * 0.8}, {x0 + w * 0.35, y0 + h * 0.3}, {x0 + w * 0.7, y0 + h * 0.8}},
                rgb(110, 110, 130));
    fillPolygon(s, {{x0 + w * 0.27, y0 + h * 0.42}, {x0 + w * 0.35, y0 + h * 0.3}, {x0 + w * 0.43, y0 + h * 0.42}},
                rgb(236, 240, 246));
    for (int x = 0; x < w; ++x) {
        const double top = h * (0.68 - 0.1 * std::sin(x * 3.0 / w + 0.5));
        fillRect(s, x0 + x, y0 + int(top), x0 + x + 1, y0 + h, rgb(70, 150, 60));
    }
}

Picture glyphGround(int k)
{
    Canvas s(k);
    fillPolygon(s, {{2, 26}, {12, 10}, {20, 20}, {24, 15}, {30, 26}}, rgb(120, 108, 96));
    fillPolygon(s, {{9, 15}, {12, 10}, {15, 14}}, rgb(240, 242, 246));
    for (int x = 2; x < 30; ++x)
        fillRect(s, x, 22 + int(2 * std::sin(x / 4.0)), x + 1, 29, rgb(60, 150, 50));
    fillRect(s, 2, 29, 30, 30, kInk);
    return std::move(s.surface);
}

Picture glyphSky(int k)
{
    Canvas s(k);
    outlinedRect(s, 2, 3, 30, 29, rgb(90, 150, 230));
    fillEllipse(s, 11, 11, 5, 5, rgb(250, 210, 40));
    fillEllipse(s, 18, 21, 6, 4, rgb(250, 250, 250));
    fillEllipse(s, 24, 19, 5, 5, rgb(250, 250, 250));
    fillEllipse(s, 13, 22, 4, 3, rgb(250, 250, 250));
    return std::move(s.surface);
}

Picture glyphObject(int k)
{
    Canvas s(k);
    fillEllipse(s, 16, 11, 10, 10, kInk);
    fillPolygon(s, {{7, 14}, {25, 14}, {18, 23}, {14, 23}}, kInk);
    paintEllipse(s, 16, 11, 9, 9, [](double nx, double) {
        return int((nx + 1) * 2.5) % 2 ? rgb(236, 200, 40) : rgb(210, 40, 40);
    });
    fillPolygon(s, {{8, 14}, {24, 14}, {18, 22}, {14, 22}}, rgb(210, 40, 40));
    drawLine(s, 14, 22, 13, 26, 1, kInk);
    drawLine(s, 18, 22, 19, 26, 1, kInk);
    fillRect(s, 12, 26, 21, 31, rgb(140, 96, 50));
    return std::move(s.surface);
}

Picture glyphEffects(int k)
{
    Canvas s(k);
    drawLine(s, 5, 27, 20, 12, 4, kInk);
    drawLine(s, 5, 27, 20, 12, 2, rgb(120, 80, 160));
    const Pt stars[] = {{23, 8}, {12, 6}, {27, 18}};
    for (const Pt& p : stars) {
        drawLine(s, p.x - 4, p.y, p.x + 4, p.y, 1, rgb(230, 180, 20));
        drawLine(s, p.x, p.y - 4, p.x, p.y + 4, 1, rgb(230, 180, 20));
        s.setPixel(int(p.x), int(p.y), rgb(255, 255, 200));
    }
    return std::move(s.surface);
}

Picture glyphNew(int k)
{
    Canvas s(k);
    fillPolygon(s, {{6, 2}, {20, 2}, {27, 9}, {27, 30}, {6, 30}}, kInk);
    fillPolygon(s, {{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}, rgb(250, 250, 250));
    fillPolygon(s, {{19, 3}, {26, 10}, {19, 10}}, rgb(200, 200, 200));
    drawLine(s, 19, 3, 19, 10, 1, kInk);
    drawLine(s, 19, 10, 26, 10, 1, kInk);
    return std::move(s.surface);
}

Picture glyphPrint(int k)
{
    Canvas s(k);
    outlinedRect(s, 9, 3, 23, 14, rgb(250, 250, 250));
    outlinedRect(s, 3, 12, 29, 25, rgb(150, 150, 156));
    fillRect(s, 4, 13, 28, 15, rgb(190, 190, 196));
    fillRect(s, 23, 17, 26, 19, rgb(60, 200, 60));
    outlinedRect(s, 9, 21, 23, 30, rgb(250, 250, 250));
    fillRect(s, 11, 24, 21, 25, rgb(120, 120, 120));
    fillRect(s, 11, 27, 19, 28, rgb(120, 120, 120));
    return std::move(s.surface);
}

Picture glyphSave(int k)
{
    Canvas s(k);
    fillPolygon(s, {{3, 3}, {26, 3}, {29, 6}, {29, 29}, {3, 29}}, kInk);
    fillPolygon(s, {{4, 4}, {25, 4}, {28, 7}, {28, 28}, {4, 28}}, rgb(40, 80, 170));
    fillRect(s, 9, 4, 23, 13, rgb(210, 210, 214));
    fillRect(s, 18, 5, 21, 12, rgb(40, 80, 170));
    fillRect(s, 7, 17, 25, 28, rgb(250, 250, 250));
    fillRect(s, 9, 20, 23, 21, rgb(150, 150, 160));
    fillRect(s, 9, 24, 23, 25, rgb(150, 150, 160));
    return std::move(s.surface);
}

Picture glyphOpen(int k)
{
    Canvas s(k);
    fillPolygon(s, {{2, 8}, {11, 8}, {14, 11}, {26, 11}, {26, 28}, {2, 28}}, kInk);
    fillPolygon(s, {{3, 9}, {10, 9}, {13, 12}, {25, 12}, {25, 27}, {3, 27}}, rgb(200, 160, 60));
    fillPolygon(s, {{6, 16}, {31, 16}, {26, 28}, {2, 28}}, kInk);
    fillPolygon(s, {{7, 17}, {29, 17}, {25, 27}, {4, 27}}, rgb(240, 204, 96));
    return std::move(s.surface);
}

Picture glyphExport(int k)
{
    Canvas s(k);
    fillRect(s, 2, 8, 24, 28, kInk);
    miniLandscape(s.surface, 3 * k, 9 * k, 20 * k, 18 * k);
    drawLine(s, 16, 6, 26, 6, 3, rgb(20, 130, 40));
    drawLine(s, 26, 6, 26, 14, 3, rgb(20, 130, 40));
    drawArrowHead(s, {26, 21}, {26, 13}, 5, rgb(20, 130, 40));
    return std::move(s.surface);
}

Picture glyphRefresh(int k)
{
    Canvas s(k);
    constexpr double kPi = 3.14159265358979323846;
    // Two arcs chasing each other round the centre.
    for (int half = 0; half < 2; ++half) {
        const double a0 = half * kPi + 0.3;
        Pt prev{16 + 10 * std::cos(a0), 16 + 10 * std::sin(a0)};
        for (int i = 1; i <= 16; ++i) {
            const double a = a0 + i * (kPi - 0.9) / 16;
            const Pt p{16 + 10 * std::cos(a), 16 + 10 * std::sin(a)};
            drawLine(s, prev.x, prev.y, p.x, p.y, 3, rgb(30, 100, 190));
            prev = p;
        }
        const double aEnd = a0 + kPi - 0.9;
        const Pt tip{16 + 10 * std::cos(aEnd + 0.45), 16 + 10 * std::sin(aEnd + 0.45)};
        drawArrowHead(s, tip, prev, 5, rgb(30, 100, 190));
    }
    return std::move(s.surface);
}

} // namespace

const char* glyphName(Glyph g)
{
    switch (g) {
    case Glyph::Ground: return "ground";
    case Glyph::Sky: return "sky";
    case Glyph::Object: return "object";
    case Glyph::Effects: return "effects";
    case Glyph::New: return "new";
    case Glyph::Print: return "print";
    case Glyph::Save: return "save";
    case Glyph::Open: return "open";
    case Glyph::Export: return "export";
    case Glyph::Refresh: return "refresh";
    }
    return "";
}

Picture glyph(Glyph g, int scale)
{
    switch (g) {
    case Glyph::Ground: return glyphGround(scale);
    case Glyph::Sky: return glyphSky(scale);
    case Glyph::Object: return glyphObject(scale);
    case Glyph::Effects: return glyphEffects(scale);
    case Glyph::New: return glyphNew(scale);
    case Glyph::Print: return glyphPrint(scale);
    case Glyph::Save: return glyphSave(scale);
    case Glyph::Open: return glyphOpen(scale);
    case Glyph::Export: return glyphExport(scale);
    case Glyph::Refresh: return glyphRefresh(scale);
    }
    return Picture(kGlyphSize * scale, kGlyphSize * scale, kButtonFace);
}

Picture logo(int k)
{
    const int w = 192 * k;
    const int h = 96 * k;
    Picture s(w, h);
    fillVertical(s, {{0, rgb(30, 60, 140)}, {0.55, rgb(220, 110, 70)}, {0.75, rgb(250, 190, 90)}, {1, rgb(250, 190, 90)}});
    fillEllipse(s, 140 * k, 66 * k, 14 * k, 14 * k, rgb(255, 236, 150));
    Rng rng(9001);
    const std::vector<double> far = ridgeColumns(rng, w, 66 * k, 60 * k, 16 * k, 0.55);
    const std::vector<double> near = ridgeColumns(rng, w, 80 * k, 78 * k, 6 * k, 0.5);
    for (int x = 0; x < w; ++x) {
        fillRect(s, x, int(far[std::size_t(x)]), x + 1, h, rgb(70, 50, 90));
        fillRect(s, x, int(near[std::size_t(x)]), x + 1, h, rgb(30, 70, 40));
    }
    const char* word = "VELDOR";
    const int cell = 4 * k;
    const int x0 = (w - blockTextWidth(word, cell)) / 2;
    drawBlockText(s, x0 + 2 * k, 16 * k, word, cell, rgb(20, 20, 30)); // drop shadow
    drawBlockText(s, x0, 14 * k, word, cell, rgb(252, 220, 80));
    return s;
}

Picture appIcon(int size)
{
    Picture s(size, size, rgb(32, 40, 64));
    const int border = std::max(1, size / 16);
    miniLandscape(s, border, border, size - 2 * border, size - 2 * border);
    // A bold "V" mark, a third of the icon high.
    const double m = size / 32.0;
    const double sw = std::max(1.0, 3 * m);
    drawLine(s, 9 * m, 8 * m, 16 * m, 23 * m, sw, rgb(252, 220, 80));
    drawLine(s, 16 * m, 23 * m, 23 * m, 8 * m, sw, rgb(252, 220, 80));
    return s;
}

} // namespace veldor::art
