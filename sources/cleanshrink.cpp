#include "sources/cleanshrink.h"

#include "platform/stretch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace veldor {

namespace {

// Weights of the source pixels under one destination pixel along one axis:
// destination d covers [d*src, (d+1)*src) in units where a source pixel is
// dst wide, so every overlap is a whole number.
struct Tap {
    int source;
    int weight;
};

std::vector<std::vector<Tap>> areaTaps(int src, int dst)
{
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(dst));
    for (int d = 0; d < dst; ++d) {
        const long long lo = (long long)d * src, hi = lo + src;
        for (long long i = lo / dst; i < src && i * dst < hi; ++i) {
            const long long overlap = std::min(hi, (i + 1) * dst) - std::max(lo, i * dst);
            if (overlap > 0)
                taps[std::size_t(d)].push_back({int(i), int(overlap)});
        }
    }
    return taps;
}

// The picture reduced to dw x dh by area averaging, per channel, rounded.
std::vector<std::array<int, 3>> areaAverage(const Picture& s, int dw, int dh)
{
    const auto xs = areaTaps(s.width(), dw);
    const auto ys = areaTaps(s.height(), dh);
    std::vector<std::array<double, 3>> rows(std::size_t(dw) * std::size_t(s.height()));
    for (int y = 0; y < s.height(); ++y) {
        const Color* line = s.row(y);
        for (int x = 0; x < dw; ++x) {
            std::array<double, 3> sum{};
            for (const Tap& t : xs[std::size_t(x)]) {
                const Color c = line[t.source];
                sum[0] += t.weight * redOf(c);
                sum[1] += t.weight * greenOf(c);
                sum[2] += t.weight * blueOf(c);
            }
            rows[std::size_t(y) * std::size_t(dw) + std::size_t(x)] = sum;
        }
    }
    const double area = double(s.width()) * double(s.height());
    std::vector<std::array<int, 3>> out(std::size_t(dw) * std::size_t(dh));
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            std::array<double, 3> sum{};
            for (const Tap& t : ys[std::size_t(y)])
                for (int c = 0; c < 3; ++c)
                    sum[std::size_t(c)] += t.weight * rows[std::size_t(t.source) * std::size_t(dw) + std::size_t(x)][std::size_t(c)];
            for (int c = 0; c < 3; ++c)
                out[std::size_t(y) * std::size_t(dw) + std::size_t(x)][std::size_t(c)] = int(std::lround(sum[std::size_t(c)] / area));
        }
    return out;
}

// --- Flat, nesting tones ----------------------------------------------------

using Rgb = std::array<int, 3>;

struct Tone {
    Rgb color;
    double weight;
};

int distance2(const Rgb& a, const Rgb& b)
{
    int d = 0;
    for (int c = 0; c < 3; ++c)
        d += (a[std::size_t(c)] - b[std::size_t(c)]) * (a[std::size_t(c)] - b[std::size_t(c)]);
    return d;
}

// Up to `count` tones for the drawn colours: median cut on a 5-bit
// histogram, then a few rounds of k-means. Deterministic.
std::vector<Tone> findTones(const std::vector<Rgb>& colors, int count)
{
    std::vector<Tone> cells; // one per occupied histogram cell, at the mean colour
    {
        std::vector<std::array<double, 4>> hist(32 * 32 * 32);
        for (const Rgb& c : colors) {
            auto& h = hist[std::size_t((c[0] >> 3) << 10 | (c[1] >> 3) << 5 | (c[2] >> 3))];
            h[0] += c[0];
            h[1] += c[1];
            h[2] += c[2];
            h[3] += 1;
        }
        for (const auto& h : hist)
            if (h[3] > 0)
                cells.push_back({{int(h[0] / h[3] + 0.5), int(h[1] / h[3] + 0.5), int(h[2] / h[3] + 0.5)}, h[3]});
    }
    if (cells.empty())
        return {};

    // Median cut: split the box with the widest weighted channel range.
    struct Box {
        std::size_t from, to; // into cells
    };
    std::vector<Box> boxes{{0, cells.size()}};
    while (int(boxes.size()) < count) {
        int best = -1, bestChannel = 0;
        double bestScore = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].to - boxes[b].from < 2)
                continue;
            for (int c = 0; c < 3; ++c) {
                int lo = 255, hi = 0;
                double w = 0;
                for (std::size_t i = boxes[b].from; i < boxes[b].to; ++i) {
                    lo = std::min(lo, cells[i].color[std::size_t(c)]);
                    hi = std::max(hi, cells[i].color[std::size_t(c)]);
                    w += cells[i].weight;
                }
                const double score = double(hi - lo) * std::sqrt(w);
                if (score > bestScore) {
                    bestScore = score;
                    best = int(b);
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        Box& box = boxes[std::size_t(best)];
        std::sort(cells.begin() + long(box.from), cells.begin() + long(box.to), [&](const Tone& a, const Tone& b) {
            return a.color[std::size_t(bestChannel)] != b.color[std::size_t(bestChannel)]
                       ? a.color[std::size_t(bestChannel)] < b.color[std::size_t(bestChannel)]
                       : a.color < b.color;
        });
        double total = 0;
        for (std::size_t i = box.from; i < box.to; ++i)
            total += cells[i].weight;
        std::size_t cut = box.from;
        for (double half = 0; cut < box.to - 1 && half + cells[cut].weight <= total / 2; ++cut)
            half += cells[cut].weight;
        cut = std::clamp(cut, box.from + 1, box.to - 1);
        const Box upper{cut, box.to};
        box.to = cut;
        boxes.push_back(upper);
    }

    std::vector<Tone> tones;
    for (const Box& box : boxes) {
        std::array<double, 3> sum{};
        double w = 0;
        for (std::size_t i = box.from; i < box.to; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[std::size_t(c)] += cells[i].color[std::size_t(c)] * cells[i].weight;
            w += cells[i].weight;
        }
        tones.push_back({{int(sum[0] / w + 0.5), int(sum[1] / w + 0.5), int(sum[2] / w + 0.5)}, w});
    }
    for (int round = 0; round < 6; ++round) {
        std::vector<std::array<double, 4>> acc(tones.size());
        for (const Tone& cell : cells) {
            std::size_t nearest = 0;
            for (std::size_t t = 1; t < tones.size(); ++t)
                if (distance2(cell.color, tones[t].color) < distance2(cell.color, tones[nearest].color))
                    nearest = t;
            for (int c = 0; c < 3; ++c)
                acc[nearest][std::size_t(c)] += cell.color[std::size_t(c)] * cell.weight;
            acc[nearest][3] += cell.weight;
        }
        for (std::size_t t = 0; t < tones.size(); ++t)
            if (acc[t][3] > 0)
                tones[t] = {{int(acc[t][0] / acc[t][3] + 0.5), int(acc[t][1] / acc[t][3] + 0.5), int(acc[t][2] / acc[t][3] + 0.5)},
                            acc[t][3]};
    }
    return tones;
}

// The levels of one chain of bit masks: 0, then one more bit at a time in
// the given order, ending at 255. Any two AND to the smaller one.
std::array<int, 9> chainLevels(const std::array<int, 8>& bitOrder)
{
    std::array<int, 9> levels{};
    for (std::size_t i = 0; i < 8; ++i)
        levels[i + 1] = levels[i] | (1 << bitOrder[i]);
    return levels;
}

int nearestLevel(const std::array<int, 9>& levels, int v)
{
    int best = levels[0];
    for (int l : levels)
        if (std::abs(l - v) < std::abs(best - v))
            best = l;
    return best;
}

// For one channel, the chain that fits the tones' values best (weighted
// squared error). Every order of the eight bits is tried: 40320 chains of
// nine levels over a few dozen tones is quick.
std::array<int, 9> bestChain(const std::vector<Tone>& tones, int channel)
{
    std::array<int, 8> order{0, 1, 2, 3, 4, 5, 6, 7};
    std::array<int, 9> best{};
    double bestError = std::numeric_limits<double>::infinity();
    do {
        const std::array<int, 9> levels = chainLevels(order);
        double error = 0;
        for (const Tone& t : tones) {
            const int v = t.color[std::size_t(channel)];
            const int d = v - nearestLevel(levels, v);
            error += t.weight * d * d;
            if (error >= bestError)
                break;
        }
        if (error < bestError) {
            bestError = error;
            best = levels;
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return best;
}

// Shared by both preparations: `colors` are the drawn pixels' colours,
// `drawn` marks them in the w x h picture (the rest is transparent).
Picture flatten(int w, int h, const std::vector<Rgb>& pixels, const std::vector<bool>& drawn, const PrepareOptions& options)
{
    std::vector<Rgb> colors;
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (drawn[i])
            colors.push_back(pixels[i]);
    Picture out(w, h, kWhite);
    if (colors.empty())
        return out;

    std::vector<Tone> tones = findTones(colors, std::clamp(options.tones, 2, 256));
    std::array<std::array<int, 9>, 3> chains;
    for (int c = 0; c < 3; ++c)
        chains[std::size_t(c)] = bestChain(tones, c);
    std::vector<Color> snapped;
    for (const Tone& t : tones) {
        Rgb s;
        for (int c = 0; c < 3; ++c)
            s[std::size_t(c)] = nearestLevel(chains[std::size_t(c)], t.color[std::size_t(c)]);
        if (s == Rgb{255, 255, 255}) {
            // Still drawn: the channel whose chain has the highest level
            // below 255 steps down to it.
            int channel = 0;
            for (int c = 1; c < 3; ++c)
                if (chains[std::size_t(c)][7] > chains[std::size_t(channel)][7])
                    channel = c;
            s[std::size_t(channel)] = chains[std::size_t(channel)][7];
        }
        snapped.push_back(rgb(s[0], s[1], s[2]));
    }

    // Each pixel takes the tone nearest to its own colour; remembered per
    // colour because flat art repeats its colours.
    std::unordered_map<Color, int> memo;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
            if (!drawn[i])
                continue;
            const Rgb& c = pixels[i];
            auto [it, fresh] = memo.try_emplace(rgb(c[0], c[1], c[2]), 0);
            int& m = it->second;
            if (fresh) {
                m = 0;
                for (std::size_t t = 1; t < tones.size(); ++t)
                    if (distance2(c, tones[t].color) < distance2(c, tones[std::size_t(m)].color))
                        m = int(t);
            }
            out.setPixel(x, y, snapped[std::size_t(m)]);
        }
    return out;
}

} // namespace

int shrunkSide(int side, int percent)
{
    return std::max(1, int((static_cast<long long>(side) * percent + 50) / 100));
}

double speckleShare(const Picture& picture, int percent)
{
    if (picture.empty())
        return 0;
    const int dw = shrunkSide(picture.width(), percent);
    const int dh = shrunkSide(picture.height(), percent);
    Picture anded(dw, dh);
    stretchCopy(anded, 0, 0, dw, dh, picture, 0, 0, picture.width(), picture.height());
    const std::vector<std::array<int, 3>> smooth = areaAverage(picture, dw, dh);
    long long counted = 0, specks = 0;
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const Color a = anded.pixel(x, y);
            const std::array<int, 3>& s = smooth[std::size_t(y) * std::size_t(dw) + std::size_t(x)];
            if (isPureWhite(a) && s == std::array<int, 3>{255, 255, 255})
                continue;
            ++counted;
            if (std::abs(redOf(a) - s[0]) > kSpeckleLevels || std::abs(greenOf(a) - s[1]) > kSpeckleLevels ||
                std::abs(blueOf(a) - s[2]) > kSpeckleLevels)
                ++specks;
        }
    return counted == 0 ? 0.0 : double(specks) / double(counted);
}

double worstSpeckleShare(const Picture& picture)
{
    double worst = 0;
    for (int percent : kSpecklePercents)
        worst = std::max(worst, speckleShare(picture, percent));
    return worst;
}

bool shrinksCleanly(const Picture& picture) { return worstSpeckleShare(picture) <= kSpeckleBound; }

Picture prepareRgba(int width, int height, const std::uint8_t* rgba, const PrepareOptions& options)
{
    if (width <= 0 || height <= 0 || !rgba)
        throw std::invalid_argument("prepareRgba: no picture");
    const std::size_t n = std::size_t(width) * std::size_t(height);
    std::vector<Rgb> pixels(n);
    std::vector<bool> drawn(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* p = rgba + 4 * i;
        if (p[3] < options.alphaCut)
            continue;
        drawn[i] = true;
        for (int c = 0; c < 3; ++c) // over white
            pixels[i][std::size_t(c)] = (p[c] * p[3] + 255 * (255 - p[3]) + 127) / 255;
    }
    return flatten(width, height, pixels, drawn, options);
}

Picture prepareKeyed(const Picture& picture, const PrepareOptions& options)
{
    const int w = picture.width(), h = picture.height();
    std::vector<Rgb> pixels(std::size_t(w) * std::size_t(h));
    std::vector<bool> drawn(pixels.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Color c = picture.pixel(x, y);
            const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
            drawn[i] = !isPureWhite(c);
            pixels[i] = {redOf(c), greenOf(c), blueOf(c)};
        }
    return flatten(w, h, pixels, drawn, options);
}

} // namespace veldor

namespace veldor {

Picture enlargeOnGrid(const Picture& picture, int factor)
{
    factor = std::max(1, factor);
    Picture out(picture.width() * factor, picture.height() * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, picture.pixel(x / factor, y / factor));
    return out;
}

} // namespace veldor

namespace veldor {

Picture prepareObjectRgba(int width, int height, const std::uint8_t* rgba, const PrepareOptions& options)
{
    if (width <= 0 || height <= 0 || !rgba)
        throw std::invalid_argument("prepareObjectRgba: no picture");
    const int longest = std::max(width, height);
    if (longest <= kObjectGridSide)
        return enlargeOnGrid(prepareRgba(width, height, rgba, options));
    const int dw = std::max(1, int((static_cast<long long>(width) * kObjectGridSide + longest / 2) / longest));
    const int dh = std::max(1, int((static_cast<long long>(height) * kObjectGridSide + longest / 2) / longest));
    const auto xs = areaTaps(width, dw);
    const auto ys = areaTaps(height, dh);
    // Colours weighted by alpha, so that a transparent pixel's colour never
    // tints an opaque neighbour; alpha itself is the plain area mean.
    std::vector<std::uint8_t> small(std::size_t(dw) * std::size_t(dh) * 4);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            double sum[4] = {0, 0, 0, 0}, area = 0;
            for (const Tap& ty : ys[std::size_t(y)])
                for (const Tap& tx : xs[std::size_t(x)]) {
                    const std::uint8_t* p = rgba + (std::size_t(ty.source) * std::size_t(width) + std::size_t(tx.source)) * 4;
                    const double w = double(ty.weight) * tx.weight;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += w * p[3] * p[c];
                    sum[3] += w * p[3];
                    area += w;
                }
            std::uint8_t* q = &small[(std::size_t(y) * std::size_t(dw) + std::size_t(x)) * 4];
            for (int c = 0; c < 3; ++c)
                q[c] = std::uint8_t(sum[3] > 0 ? std::lround(sum[c] / sum[3]) : 0);
            q[3] = std::uint8_t(std::lround(sum[3] / area));
        }
    return enlargeOnGrid(prepareRgba(dw, dh, small.data(), options));
}

} // namespace veldor
