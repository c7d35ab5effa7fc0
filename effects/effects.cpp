#include "effects/effects.h"

#include "platform/picturesize.h"
#include "platform/surface.h"

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace veldor {

namespace {

constexpr int kAreaWidth = kPictureWidth;
constexpr int kAreaHeight = kPictureHeight;

// Four pixels at once. The pixel rules below are templates, so one formula
// serves both the four-pixel body of a row and its single-pixel tail.
using Lanes = std::uint32_t __attribute__((vector_size(16)));

Lanes load4(const Color* p)
{
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
void store4(Color* p, Lanes v) { std::memcpy(p, &v, sizeof v); }

// clamp(v + d) on the two 16-bit lanes of `biased`, which hold v + d + 256
// (1..766): bit 9 means above 255, bit 8 alone means in range, neither
// means below 0.
template <typename T>
T clampLanes(T biased)
{
    const T high = (biased >> 9) & 0x00010001u;
    const T inRange = (biased >> 8) & 0x00010001u & ~high;
    return (biased & ((inRange << 8) - inRange)) | ((high << 8) - high);
}

// Per-channel amounts, each already limited to -255..255, as lane biases.
struct ChannelShift {
    std::uint32_t redBlue; // (dr + 256) | (db + 256) << 16
    std::uint32_t green;   // dg + 256
};

ChannelShift channelShift(int dr, int dg, int db)
{
    auto bias = [](int d) { return std::uint32_t(std::clamp(d, -255, 255) + 256); };
    return {bias(dr) | bias(db) << 16, bias(dg)};
}

// clamp(r + dr), clamp(g + dg), clamp(b + db)
template <typename T>
T shifted(T c, const ChannelShift& s)
{
    const T redBlue = clampLanes((c & 0x00FF00FFu) + s.redBlue);
    const T green = clampLanes(((c >> 8) & 0xFFu) + s.green);
    return redBlue | (green << 8);
}

// Adds a per-channel amount, clamped, to every pixel of the effect area.
// Pixels outside the picture cannot be written, so only the part of the area
// inside it is visited.
void shiftChannels(Surface& picture, int dr, int dg, int db)
{
    const ChannelShift s = channelShift(dr, dg, db);
    const int w = std::min(picture.width(), kAreaWidth);
    const int h = std::min(picture.height(), kAreaHeight);
#if defined(__SSE2__)
    // Per byte, clamp(v + d) = (v +sat max(d, 0)) -sat max(-d, 0); the top
    // byte of every pixel stays 0 since both amounts are 0 there.
    auto part = [](int d) { return std::clamp(d, 0, 255); };
    const __m128i up = _mm_set1_epi32(int(rgb(part(dr), part(dg), part(db))));
    const __m128i down = _mm_set1_epi32(int(rgb(part(-dr), part(-dg), part(-db))));
#endif
    for (int y = 0; y < h; ++y) {
        Color* p = picture.row(y);
        int x = 0;
#if defined(__SSE2__)
        for (; x + 4 <= w; x += 4) {
            __m128i* q = reinterpret_cast<__m128i*>(p + x);
            _mm_storeu_si128(q, _mm_subs_epu8(_mm_adds_epu8(_mm_loadu_si128(q), up), down));
        }
#else
        for (; x + 4 <= w; x += 4)
            store4(p + x, shifted(load4(p + x), s));
#endif
        for (; x < w; ++x)
            p[x] = shifted(p[x], s);
    }
}

// Channel-wise truncated mean of four colours, two channels per lane: red
// and blue share one word, green has its own; a sum of four fits in 10 bits.
template <typename T>
T mean4(T a, T b, T c, T d)
{
    const T rb = (a & 0x00FF00FFu) + (b & 0x00FF00FFu) + (c & 0x00FF00FFu) + (d & 0x00FF00FFu);
    const T g = (a & 0x0000FF00u) + (b & 0x0000FF00u) + (c & 0x0000FF00u) + (d & 0x0000FF00u);
    return ((rb >> 2) & 0x00FF00FFu) | ((g >> 2) & 0x0000FF00u);
}

#if defined(__x86_64__)
// mean4 on eight pixels at a time, where the processor has AVX2; returns
// where it stopped, leaving the rest of the row to the plain loop.
__attribute__((target("avx2"))) int meanPixelsAvx2(Color* out, const Color* above, const Color* here,
                                                   const Color* below, int n)
{
    const __m256i redBlue = _mm256_set1_epi32(0x00FF00FF);
    const __m256i green = _mm256_set1_epi32(0x0000FF00);
    int x = 1;
    for (; x + 8 <= n; x += 8) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(here + x - 1));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(here + x + 1));
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(above + x));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(below + x));
        const __m256i rb = _mm256_add_epi32(
            _mm256_add_epi32(_mm256_and_si256(a, redBlue), _mm256_and_si256(b, redBlue)),
            _mm256_add_epi32(_mm256_and_si256(c, redBlue), _mm256_and_si256(d, redBlue)));
        const __m256i g = _mm256_add_epi32(
            _mm256_add_epi32(_mm256_and_si256(a, green), _mm256_and_si256(b, green)),
            _mm256_add_epi32(_mm256_and_si256(c, green), _mm256_and_si256(d, green)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_or_si256(_mm256_and_si256(_mm256_srli_epi32(rb, 2), redBlue),
                                            _mm256_and_si256(_mm256_srli_epi32(g, 2), green)));
    }
    return x;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

// One output row: out[x] = mean4(left, right, up, down) for x in [1, n).
void meanRow(Color* out, const Color* above, const Color* here, const Color* below, int n)
{
    int x = 1;
#if defined(__x86_64__)
    if (kHasAvx2)
        x = meanPixelsAvx2(out, above, here, below, n);
#endif
    for (; x + 4 <= n; x += 4)
        store4(out + x, mean4(load4(here + x - 1), load4(here + x + 1), load4(above + x), load4(below + x)));
    for (; x < n; ++x)
        out[x] = mean4(here[x - 1], here[x + 1], above[x], below[x]);
}

// Row y of the picture for x in [0, kAreaWidth], reading as pixel() does
// (255s outside), with the top byte cleared.
void readPaddedRow(const Surface& picture, int y, Color* out)
{
    const int inside = (y >= 0 && y < picture.height()) ? std::min(picture.width(), kAreaWidth + 1) : 0;
    if (inside > 0)
        std::memcpy(out, picture.row(y), std::size_t(inside) * sizeof(Color));
    std::fill(out + inside, out + kAreaWidth + 1, kWhite);
}

// The scratch surface must hold the whole effect area, or the copy back would
// bring white instead of the result.
void ensureScratch(Surface& scratch)
{
    if (scratch.width() < kAreaWidth || scratch.height() < kAreaHeight)
        scratch = Surface(640, 480, kWhite);
}

} // namespace

void applyTint(Surface& picture, Color tint)
{
    shiftChannels(picture, redOf(tint) - 150, greenOf(tint) - 150, blueOf(tint) - 160);
}

void applyDarken(Surface& picture) { shiftChannels(picture, -150, -150, -160); }

void applyLighten(Surface& picture) { shiftChannels(picture, 40, 50, 50); }

void applyXor(Surface& picture, Color c)
{
    Pen& pen = picture.pen();
    pen.width = kAreaWidth;
    pen.color = c & 0x00FFFFFFu;
    pen.mode = PenMode::NotXor;
    picture.rectangle(0, 0, kAreaWidth, kAreaHeight);
}

void applyAntiAlias(Surface& picture, Surface& scratch)
{
    ensureScratch(scratch);
    // Three rolling rows y-1, y, y+1 of the picture before the step.
    std::vector<Color> rows(3 * std::size_t(kAreaWidth + 1));
    Color* above = rows.data();
    Color* here = above + (kAreaWidth + 1);
    Color* below = here + (kAreaWidth + 1);
    readPaddedRow(picture, 0, here);
    readPaddedRow(picture, 1, below);

    // Each result row is copied back while it is still in the cache. The
    // picture's row y is no longer read once row y + 1 is in `below`.
    const int backWidth = std::min(picture.width(), kAreaWidth);
    const int backHeight = std::min(picture.height(), kAreaHeight);
    auto copyBack = [&](int y) {
        if (y < backHeight && backWidth > 0)
            std::memcpy(picture.row(y), scratch.row(y), std::size_t(backWidth) * sizeof(Color));
    };
    Color* top = scratch.row(0);
    std::copy(here, here + kAreaWidth, top);
    copyBack(0);
    for (int y = 1; y < kAreaHeight; ++y) {
        std::swap(above, here);
        std::swap(here, below);
        readPaddedRow(picture, y + 1, below);
        Color* out = scratch.row(y);
        out[0] = here[0];
        meanRow(out, above, here, below, kAreaWidth);
        copyBack(y);
    }
}

std::vector<const char*> effectNames(const EffectOptions& options)
{
    std::vector<const char*> names;
    if (options.tint)
        names.push_back("Tint Colours");
    if (options.brightness)
        names.push_back(options.darken ? "Darken" : "Lighten");
    if (options.xorColours)
        names.push_back("XOR Colours");
    if (options.antiAlias)
        names.push_back("Anti-alias");
    return names;
}

void applyEffects(const EffectOptions& options, Surface& picture, Surface& scratch,
                  const std::function<void()>& onProgress)
{
    const auto progress = [&onProgress] {
        if (onProgress)
            onProgress();
    };
    if (options.tint) {
        applyTint(picture, options.tintColor);
        progress();
    }
    if (options.brightness) {
        if (options.darken)
            applyDarken(picture);
        else
            applyLighten(picture);
        progress();
    }
    if (options.xorColours) {
        applyXor(picture, options.xorColor);
        progress();
    }
    if (options.antiAlias)
        applyAntiAlias(picture, scratch);
}

} // namespace veldor
