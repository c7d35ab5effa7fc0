#include "platform/scale.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace veldor {

namespace {

struct Tap {
    int source;
    std::uint64_t weight;
};

// Source pixel i spans [i*dst, (i+1)*dst) and destination pixel d spans
// [d*src, (d+1)*src) in units of 1/(src*dst) of the side, so the overlaps
// are whole numbers and each destination's weights sum to src.
std::vector<std::vector<Tap>> axisTaps(int src, int dst)
{
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(dst));
    for (int d = 0; d < dst; ++d) {
        const std::int64_t lo = std::int64_t(d) * src;
        const std::int64_t hi = lo + src;
        for (int i = int(lo / dst); i < src && std::int64_t(i) * dst < hi; ++i) {
            const std::int64_t from = std::max(lo, std::int64_t(i) * dst);
            const std::int64_t to = std::min(hi, std::int64_t(i + 1) * dst);
            if (to > from)
                taps[std::size_t(d)].push_back({i, std::uint64_t(to - from)});
        }
    }
    return taps;
}

// round(side * box / longest), at least 1.
int fittedSide(int side, int box, int longest)
{
    return std::max(1, int((std::int64_t(side) * box * 2 + longest) / (std::int64_t(longest) * 2)));
}

} // namespace

Picture shrinkToFit(const Picture& source, int box)
{
    const int w = source.width();
    const int h = source.height();
    const int longest = std::max(w, h);
    if (source.empty() || longest <= box)
        return source;
    const int dw = fittedSide(w, box, longest);
    const int dh = fittedSide(h, box, longest);
    const auto xTaps = axisTaps(w, dw);
    const auto yTaps = axisTaps(h, dh);

    // Rows first: per channel sums weighted by horizontal coverage (total w).
    using Sums = std::array<std::uint64_t, 3>;
    std::vector<Sums> rows(std::size_t(dw) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const Color* s = source.row(y);
        for (int x = 0; x < dw; ++x) {
            Sums sum{};
            for (const Tap& t : xTaps[std::size_t(x)]) {
                const Color c = s[t.source];
                sum[0] += t.weight * std::uint64_t(redOf(c));
                sum[1] += t.weight * std::uint64_t(greenOf(c));
                sum[2] += t.weight * std::uint64_t(blueOf(c));
            }
            rows[std::size_t(y) * std::size_t(dw) + std::size_t(x)] = sum;
        }
    }
    // Then columns (total h), divided once by the whole area w * h, rounded.
    const std::uint64_t area = std::uint64_t(w) * std::uint64_t(h);
    Picture out(dw, dh);
    for (int y = 0; y < dh; ++y) {
        Color* d = out.row(y);
        for (int x = 0; x < dw; ++x) {
            Sums sum{};
            for (const Tap& t : yTaps[std::size_t(y)]) {
                const Sums& r = rows[std::size_t(t.source) * std::size_t(dw) + std::size_t(x)];
                for (int c = 0; c < 3; ++c)
                    sum[std::size_t(c)] += t.weight * r[std::size_t(c)];
            }
            d[x] = rgb(int((sum[0] + area / 2) / area), int((sum[1] + area / 2) / area),
                       int((sum[2] + area / 2) / area));
        }
    }
    return out;
}

} // namespace veldor
