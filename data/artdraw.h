#pragma once
// Drawing helpers shared by the picture generators. Shapes have hard edges on
// purpose: anti-aliasing against the white key would leave pale halos.
#include "platform/picture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace veldor::art {

// splitmix64: tiny, fast and the same everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi] (inclusive); the tiny modulo bias does not matter here.
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t state_;
};

// 2-D value noise on an integer lattice with smooth interpolation, in [0, 1].
class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed);
    double at(double x, double y) const;
    // Sum of `octaves` layers, each twice the frequency and half the weight.
    double fbm(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;
    std::vector<double> values_; // 256 x 256, wrapped
};

struct Pt {
    double x;
    double y;
};

inline int clampChannel(int v) { return std::clamp(v, 0, 255); }
inline Color rgbClamped(int r, int g, int b) { return rgb(clampChannel(r), clampChannel(g), clampChannel(b)); }
inline Color rgbOf(double r, double g, double b) { return rgbClamped(int(r + 0.5), int(g + 0.5), int(b + 0.5)); }
// a + (b - a) * t, per channel, t in [0, 1].
Color mix(Color a, Color b, double t);
// Each channel times f (f > 1 brightens).
Color scale(Color c, double f);
// Each channel plus d.
Color offset(Color c, int d);
// Hermite step: 0 below e0, 1 above e1.
double smoothstep(double e0, double e1, double x);

// Vertical gradient through colour stops given at fractions of the height.
struct Stop {
    double at;
    Color color;
};
Color gradientAt(const std::vector<Stop>& stops, double t);
void fillVertical(Picture& s, const std::vector<Stop>& stops);

void fillRect(Picture& s, int x0, int y0, int x1, int y1, Color c); // right, bottom exclusive
// Pixels whose centre lies inside the ellipse.
void fillEllipse(Picture& s, double cx, double cy, double rx, double ry, Color c);
// The same, with the colour from f(nx, ny): the pixel centre in the ellipse's
// unit coordinates (nx*nx + ny*ny <= 1).
void paintEllipse(Picture& s, double cx, double cy, double rx, double ry,
                  const std::function<Color(double, double)>& f);
// Even-odd polygon fill on pixel centres.
void fillPolygon(Picture& s, const std::vector<Pt>& pts, Color c);
// A round-capped line of the given width.
void drawLine(Picture& s, double x0, double y0, double x1, double y1, double width, Color c);
// Quadratic Bezier stroke.
void drawCurve(Picture& s, Pt a, Pt control, Pt b, double width, Color c);

// Midpoint displacement: `n` + 1 heights (n a power of two) starting and
// ending at the given values, displaced by `spread` halving by `roughness`.
std::vector<double> ridge(Rng& rng, int n, double start, double end, double spread, double roughness);
// The ridge resampled to one height per column of a `width`-wide picture.
std::vector<double> ridgeColumns(Rng& rng, int width, double start, double end, double spread,
                                 double roughness);

// Keeps drawn pixels clear of the white key: any non-white pixel has each
// channel limited to kMaxLandChannel.
void sealAgainstKey(Picture& s);
// Area-average reduction of the region (x, y, w, h) to outW x outH.
Picture downscale(const Picture& s, int x, int y, int w, int h, int outW, int outH);
// Non-white pixels of `top` over `base` (same size).
void keyOver(Picture& base, const Picture& top);

// Blocky text of 5x7 cells, each cell `cell` pixels; returns the width used.
int drawBlockText(Picture& s, int x, int y, const char* text, int cell, Color c);
int blockTextWidth(const char* text, int cell);

} // namespace veldor::art
