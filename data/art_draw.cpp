#include "data/art.h"
#include "data/artdraw.h"

#include <cmath>
#include <cstring>

namespace veldor::art {

ValueNoise::ValueNoise(std::uint64_t seed) : values_(256 * 256)
{
    Rng rng(seed);
    for (double& v : values_)
        v = rng.unit();
}

double ValueNoise::lattice(int x, int y) const { return values_[std::size_t((y & 255) * 256 + (x & 255))]; }

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    // Smooth weights t*t*(3 - 2t) hide the lattice.
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const double b = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return a + (b - a) * ty;
}

double ValueNoise::fbm(double x, double y, int octaves) const
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // The offset keeps octaves from sharing lattice points at the origin.
        sum += weight * at(x + i * 17.31, y + i * 9.77);
        total += weight;
        x *= 2;
        y *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

Color mix(Color a, Color b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return rgbOf(redOf(a) + (redOf(b) - redOf(a)) * t, greenOf(a) + (greenOf(b) - greenOf(a)) * t,
                 blueOf(a) + (blueOf(b) - blueOf(a)) * t);
}

Color scale(Color c, double f) { return rgbOf(redOf(c) * f, greenOf(c) * f, blueOf(c) * f); }

Color offset(Color c, int d) { return rgbClamped(redOf(c) + d, greenOf(c) + d, blueOf(c) + d); }

double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Color gradientAt(const std::vector<Stop>& stops, double t)
{
    if (t <= stops.front().at)
        return stops.front().color;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at)
            return mix(stops[i - 1].color, stops[i].color, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops.back().color;
}

void fillVertical(Picture& s, const std::vector<Stop>& stops)
{
    for (int y = 0; y < s.height(); ++y) {
        const Color c = gradientAt(stops, (y + 0.5) / s.height());
        std::fill(s.row(y), s.row(y) + s.width(), c);
    }
}

void fillRect(Picture& s, int x0, int y0, int x1, int y1, Color c)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, s.width());
    y1 = std::min(y1, s.height());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            s.row(y)[x] = c;
}

void paintEllipse(Picture& s, double cx, double cy, double rx, double ry,
                  const std::function<Color(double, double)>& f)
{
    if (rx <= 0 || ry <= 0)
        return;
    const int y0 = std::max(0, int(std::floor(cy - ry)));
    const int y1 = std::min(s.height() - 1, int(std::ceil(cy + ry)));
    const int x0 = std::max(0, int(std::floor(cx - rx)));
    const int x1 = std::min(s.width() - 1, int(std::ceil(cx + rx)));
    for (int y = y0; y <= y1; ++y) {
        const double ny = (y + 0.5 - cy) / ry;
        for (int x = x0; x <= x1; ++x) {
            const double nx = (x + 0.5 - cx) / rx;
            if (nx * nx + ny * ny <= 1.0)
                s.row(y)[x] = f(nx, ny);
        }
    }
}

void fillEllipse(Picture& s, double cx, double cy, double rx, double ry, Color c)
{
    paintEllipse(s, cx, cy, rx, ry, [c](double, double) { return c; });
}

void fillPolygon(Picture& s, const std::vector<Pt>& pts, Color c)
{
    if (pts.size() < 3)
        return;
    double minY = pts[0].y;
    double maxY = pts[0].y;
    for (const Pt& p : pts) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int y0 = std::max(0, int(std::floor(minY)));
    const int y1 = std::min(s.height() - 1, int(std::ceil(maxY)));
    std::vector<double> xs;
    for (int y = y0; y <= y1; ++y) {
        const double sy = y + 0.5;
        xs.clear();
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const Pt& a = pts[i];
            const Pt& b = pts[(i + 1) % pts.size()];
            // Half-open in y so that a vertex shared by two edges counts once.
            if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int xa = std::max(0, int(std::ceil(xs[i] - 0.5)));
            const int xb = std::min(s.width() - 1, int(std::floor(xs[i + 1] - 0.5)));
            for (int x = xa; x <= xb; ++x)
                s.row(y)[x] = c;
        }
    }
}

void drawLine(Picture& s, double x0, double y0, double x1, double y1, double width, Color c)
{
    const double r = width / 2;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    const int minX = std::max(0, int(std::floor(std::min(x0, x1) - r)));
    const int maxX = std::min(s.width() - 1, int(std::ceil(std::max(x0, x1) + r)));
    const int minY = std::max(0, int(std::floor(std::min(y0, y1) - r)));
    const int maxY = std::min(s.height() - 1, int(std::ceil(std::max(y0, y1) + r)));
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const double px = x + 0.5 - x0;
            const double py = y + 0.5 - y0;
            const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
            const double ex = px - t * dx;
            const double ey = py - t * dy;
            // A width-1 line still needs its pixels: accept the half-diagonal.
            if (ex * ex + ey * ey <= std::max(r * r, 0.5))
                s.row(y)[x] = c;
        }
}

void drawCurve(Picture& s, Pt a, Pt control, Pt b, double width, Color c)
{
    constexpr int kSteps = 24;
    Pt prev = a;
    for (int i = 1; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const double u = 1 - t;
        const Pt p{u * u * a.x + 2 * u * t * control.x + t * t * b.x, u * u * a.y + 2 * u * t * control.y + t * t * b.y};
        drawLine(s, prev.x, prev.y, p.x, p.y, width, c);
        prev = p;
    }
}

std::vector<double> ridge(Rng& rng, int n, double start, double end, double spread, double roughness)
{
    std::vector<double> h(std::size_t(n) + 1, 0.0);
    h[0] = start;
    h[std::size_t(n)] = end;
    for (int step = n; step > 1; step /= 2) {
        for (int i = 0; i < n; i += step) {
            const int mid = i + step / 2;
            h[std::size_t(mid)] = (h[std::size_t(i)] + h[std::size_t(i + step)]) / 2 + rng.between(-spread, spread);
        }
        spread *= roughness;
    }
    return h;
}

std::vector<double> ridgeColumns(Rng& rng, int width, double start, double end, double spread, double roughness)
{
    constexpr int kPoints = 256;
    const std::vector<double> h = ridge(rng, kPoints, start, end, spread, roughness);
    std::vector<double> out(static_cast<std::size_t>(width), 0.0);
    for (int x = 0; x < width; ++x) {
        const double p = double(x) * kPoints / std::max(1, width - 1);
        const int i = std::min(int(p), kPoints - 1);
        const double t = p - i;
        out[std::size_t(x)] = h[std::size_t(i)] + (h[std::size_t(i + 1)] - h[std::size_t(i)]) * t;
    }
    return out;
}

void sealAgainstKey(Picture& s)
{
    for (Color& c : s.data())
        if (!isPureWhite(c))
            c = rgb(std::min(redOf(c), kMaxLandChannel), std::min(greenOf(c), kMaxLandChannel),
                    std::min(blueOf(c), kMaxLandChannel));
}

Picture downscale(const Picture& s, int x, int y, int w, int h, int outW, int outH)
{
    Picture out(outW, outH);
    for (int oy = 0; oy < outH; ++oy) {
        const int sy0 = y + oy * h / outH;
        const int sy1 = std::max(sy0 + 1, y + (oy + 1) * h / outH);
        for (int ox = 0; ox < outW; ++ox) {
            const int sx0 = x + ox * w / outW;
            const int sx1 = std::max(sx0 + 1, x + (ox + 1) * w / outW);
            int r = 0, g = 0, b = 0, n = 0;
            for (int sy = sy0; sy < sy1; ++sy)
                for (int sx = sx0; sx < sx1; ++sx) {
                    const Color c = s.pixel(sx, sy);
                    if (c == kInvalidColor)
                        continue;
                    r += redOf(c);
                    g += greenOf(c);
                    b += blueOf(c);
                    ++n;
                }
            if (n > 0)
                out.setPixel(ox, oy, rgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    }
    return out;
}

void keyOver(Picture& base, const Picture& top)
{
    const int w = std::min(base.width(), top.width());
    const int h = std::min(base.height(), top.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!isPureWhite(top.row(y)[x]))
                base.row(y)[x] = top.row(y)[x];
}

namespace {

struct BlockLetter {
    char ch;
    const char* rows[7];
};

// Five columns a row; '#' is a filled cell.
constexpr BlockLetter kLetters[] = {
    {'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
};

const BlockLetter* findLetter(char ch)
{
    for (const BlockLetter& l : kLetters)
        if (l.ch == ch)
            return &l;
    return nullptr;
}

} // namespace

int blockTextWidth(const char* text, int cell)
{
    const int n = int(std::strlen(text));
    return n > 0 ? n * 6 * cell - cell : 0;
}

int drawBlockText(Picture& s, int x, int y, const char* text, int cell, Color c)
{
    int cx = x;
    for (const char* p = text; *p; ++p) {
        if (const BlockLetter* l = findLetter(*p))
            for (int r = 0; r < 7; ++r)
                for (int col = 0; col < 5; ++col)
                    if (l->rows[r][col] == '#')
                        fillRect(s, cx + col * cell, y + r * cell, cx + (col + 1) * cell, y + (r + 1) * cell, c);
        cx += 6 * cell;
    }
    return blockTextWidth(text, cell);
}

} // namespace veldor::art
