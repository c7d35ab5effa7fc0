#include "platform/stretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace veldor {

namespace {

using Index = std::int64_t;

// The source run that feeds one destination index along one axis.
struct Group {
    Index first; // relative to the start of the source rectangle
    Index count; // at least 1
};

// Groups of destination indices [i0, i1) for a source of length s stretched
// to length d (both >= 1). Closed forms, so the cost is i1 - i0 whatever s
// and d are. All products stay below 2^63 because s, d < 2^31.
std::vector<Group> axisGroups(Index s, Index d, Index i0, Index i1)
{
    if (d == 1 && s > 1)
        --s; // the last source is dropped
    std::vector<Group> groups;
    groups.reserve(std::size_t(std::max<Index>(i1 - i0, 0)));
    if (d >= s) {
        // i takes source floor(((2i+1)s - 1) / 2d)
        for (Index i = i0; i < i1; ++i)
            groups.push_back({((2 * i + 1) * s - 1) / (2 * d), 1});
        return groups;
    }
    // Source k goes to floor(((2k+1)d - 1) / 2s), so the first source of i is
    // the least k with (2k+1)d - 1 >= 2si: ceil((2si + 1 - d) / 2d).
    auto firstOf = [&](Index i) -> Index {
        if (i >= d)
            return s;
        const Index num = 2 * s * i + 1 - d;
        return num <= 0 ? 0 : (num + 2 * d - 1) / (2 * d);
    };
    Index next = firstOf(i0);
    for (Index i = i0; i < i1; ++i) {
        const Index first = next;
        next = firstOf(i + 1);
        groups.push_back({first, next - first});
    }
    return groups;
}

// acc[k] &= row[k], four pixels at a time: shrinking a picture ANDs many
// rows together, and this is most of its cost.
void andInto(Color* acc, const Color* row, std::size_t count)
{
    std::size_t k = 0;
#if defined(__SSE2__)
    for (; k + 4 <= count; k += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(acc + k));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + k));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(acc + k), _mm_and_si128(a, b));
    }
#endif
    for (; k < count; ++k)
        acc[k] &= row[k];
}

// Destination indices [i0, i1) of the stretched source rectangle starting at
// source (sx, sy) with size sw x sh, virtual destination size dw x dh; row j
// of the result goes to outRow(j)[0 .. i1-i0). Only source pixels inside the
// bitmap are read: the rest count as kInvalidColor, which leaves an AND
// unchanged, so a group wholly outside the bitmap yields all ones.
template <typename OutRow>
void stretchBlock(const Picture& src, Index sx, Index sy, Index sw, Index sh, Index dw, Index dh,
                  Index i0, Index i1, Index j0, Index j1, OutRow outRow)
{
    if (i0 >= i1 || j0 >= j1)
        return;
    const std::size_t n = std::size_t(i1 - i0);
    const std::vector<Group> xs = axisGroups(sw, dw, i0, i1);
    const std::vector<Group> ys = axisGroups(sh, dh, j0, j1);

    // Source columns that any group reads, clipped to the bitmap, and each
    // destination column's part of that span ([from, to], empty if from > to).
    const Index spanFirst = std::max<Index>(sx + xs.front().first, 0);
    const Index spanLast = std::min<Index>(sx + xs.back().first + xs.back().count - 1,
                                           Index(src.width()) - 1);
    struct Columns {
        Index from, to;
    };
    std::vector<Columns> columns(n);
    bool xOneToOne = true;
    for (std::size_t i = 0; i < n; ++i) {
        const Index a = sx + xs[i].first;
        columns[i] = {std::max(a, spanFirst) - spanFirst, std::min(a + xs[i].count - 1, spanLast) - spanFirst};
        xOneToOne = xOneToOne && xs[i].count == 1;
    }
    std::vector<Color> rowAnd(spanLast >= spanFirst ? std::size_t(spanLast - spanFirst + 1) : 0);

    const Color* previous = nullptr;
    Index previousFirst = -1, previousCount = -1;
    for (Index j = j0; j < j1; ++j) {
        Color* out = outRow(j);
        const Group& gy = ys[std::size_t(j - j0)];
        if (previous && gy.first == previousFirst && gy.count == previousCount) {
            std::memcpy(out, previous, n * sizeof(Color)); // repeated row when enlarging
            previous = out;
            continue;
        }
        previous = out;
        previousFirst = gy.first;
        previousCount = gy.count;

        // The AND of the group's source rows over the span; a single row is
        // read in place.
        const Index yFirst = std::max<Index>(sy + gy.first, 0);
        const Index yLast = std::min<Index>(sy + gy.first + gy.count - 1, Index(src.height()) - 1);
        const Color* line = rowAnd.data();
        if (yFirst == yLast && !rowAnd.empty()) {
            line = src.row(int(yFirst)) + spanFirst;
        } else if (yFirst > yLast || rowAnd.empty()) {
            std::fill(rowAnd.begin(), rowAnd.end(), kInvalidColor);
        } else {
            std::memcpy(rowAnd.data(), src.row(int(yFirst)) + spanFirst, rowAnd.size() * sizeof(Color));
            for (Index y = yFirst + 1; y <= yLast; ++y)
                andInto(rowAnd.data(), src.row(int(y)) + spanFirst, rowAnd.size());
        }

        // Outside reads leave all ones; stored pixels keep the top byte clear.
        if (xOneToOne) {
            for (std::size_t i = 0; i < n; ++i)
                out[i] = columns[i].from <= columns[i].to ? line[columns[i].from] & 0x00FFFFFFu : kWhite;
            continue;
        }
        for (std::size_t i = 0; i < n; ++i) {
            Color c = kInvalidColor;
            for (Index x = columns[i].from; x <= columns[i].to; ++x)
                c &= line[x];
            out[i] = c & 0x00FFFFFFu;
        }
    }
}

} // namespace

// Non-positive sizes draw nothing (no mirroring). Parts of the source
// rectangle outside the source bitmap read kInvalidColor like any pixel read,
// so they drop out of the AND and a destination fed only by them turns white.
void stretchCopy(Picture& dst, int dx, int dy, int dw, int dh,
                 const Picture& src, int sx, int sy, int sw, int sh)
{
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dst.empty())
        return;
    const Index i0 = std::max<Index>(0, -Index(dx));
    const Index i1 = std::min<Index>(dw, Index(dst.width()) - dx);
    const Index j0 = std::max<Index>(0, -Index(dy));
    const Index j1 = std::min<Index>(dh, Index(dst.height()) - dy);
    if (i0 >= i1 || j0 >= j1)
        return;

    if (dw == sw && dh == sh) {
        // 1:1: plain row copies of what lies inside the source.
        const Index xFirst = std::max<Index>(Index(sx) + i0, 0);
        const Index xLast = std::min<Index>(Index(sx) + i1, src.width()); // exclusive
        for (Index j = j0; j < j1; ++j) {
            Color* out = dst.row(int(dy + j)) + (dx + i0);
            Color* const end = out + (i1 - i0);
            const Index y = Index(sy) + j;
            if (y < 0 || y >= src.height() || xFirst >= xLast) {
                std::fill(out, end, kWhite);
                continue;
            }
            const Index before = xFirst - (Index(sx) + i0);
            std::fill(out, out + before, kWhite);
            std::memcpy(out + before, src.row(int(y)) + xFirst, std::size_t(xLast - xFirst) * sizeof(Color));
            std::fill(out + before + (xLast - xFirst), end, kWhite);
        }
        return;
    }

    stretchBlock(src, sx, sy, sw, sh, dw, dh, i0, i1, j0, j1,
                 [&](Index j) { return dst.row(int(dy + j)) + (dx + i0); });
}

void stretchWindow(const Picture& src, int dw, int dh,
                   int cx, int cy, int cw, int ch, Color* out)
{
    if (cw <= 0 || ch <= 0)
        return;
    std::fill(out, out + std::size_t(cw) * std::size_t(ch), kInvalidColor);
    if (dw <= 0 || dh <= 0 || src.empty())
        return;
    const Index i0 = std::max<Index>(cx, 0), i1 = std::min<Index>(Index(cx) + cw, dw);
    const Index j0 = std::max<Index>(cy, 0), j1 = std::min<Index>(Index(cy) + ch, dh);
    stretchBlock(src, 0, 0, src.width(), src.height(), dw, dh, i0, i1, j0, j1, [&](Index j) {
        return out + std::size_t(j - cy) * std::size_t(cw) + std::size_t(i0 - cx);
    });
}

} // namespace veldor
