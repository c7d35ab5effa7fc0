#pragma once
// Pictures that stay clean when the renderer shrinks them.
//
// The renderer shrinks an object by combining the dropped pixels with the
// kept ones by a bitwise AND (see platform/stretch.h). Flat colours whose
// channels nest as bit masks (0x80 inside 0xC0 inside 0xE0 ...) AND to their
// darker neighbour, which is what a smooth reduction would show too; textured
// or noisy art ANDs to specks of unrelated colours. The measure below counts
// those specks; the preparation turns any RGBA picture into flat, nesting
// colours on the transparent white.
#include "platform/picture.h"

#include <cstdint>

namespace veldor {

// A shrunk pixel is a speck when one of its channels differs from the
// area-averaged reduction by more than this many levels.
inline constexpr int kSpeckleLevels = 64;
// The share of specks a shipped picture may have at each tested size.
inline constexpr double kSpeckleBound = 0.02;
// The tested sizes, in percent of the bitmap's width and height.
inline constexpr int kSpecklePercents[] = {25, 50, 75};

// The bitmap's size scaled to `percent`, rounded, at least 1 pixel a side.
int shrunkSide(int side, int percent);

// The share (0 to 1) of the pixels of `picture` shrunk to `percent` % by the
// renderer's rule that are specks. The share is of the pixels that either
// reduction draws (not pure white), so a wide white margin hides nothing;
// a picture that is all white has none.
double speckleShare(const Picture& picture, int percent);

// The largest share over kSpecklePercents.
double worstSpeckleShare(const Picture& picture);

// True when every tested size stays within kSpeckleBound.
bool shrinksCleanly(const Picture& picture);

// What prepareRgba does besides keying the alpha.
struct PrepareOptions {
    // Alpha below this (0 to 255) becomes the transparent white; at or above
    // it the colour is laid over white, so that soft edges come out light.
    int alphaCut = 128;
    // Colours are reduced to at most this many flat tones (2 to 256) before
    // their channels are snapped to nesting levels.
    int tones = 24;
};

// A picture ready for the renderer, from `width` x `height` pixels of 8-bit
// R, G, B, A (straight, not premultiplied alpha), rows top-down:
// - transparent pixels become pure white, the transparent colour;
// - pure white inside the picture becomes a near white that is still drawn;
// - colours become a few flat tones whose channels nest as bit masks, so
//   that the renderer's AND of two neighbours is the darker of them.
// Throws std::invalid_argument for a non-positive size or a null buffer.
Picture prepareRgba(int width, int height, const std::uint8_t* rgba, const PrepareOptions& options = {});

// The same for a picture whose white already means transparent (a BMP):
// pure white stays transparent, the other colours are made flat and nesting.
Picture prepareKeyed(const Picture& picture, const PrepareOptions& options = {});

} // namespace veldor

namespace veldor {

// Each pixel repeated `factor` times across and down. At factor 4 the
// renderer's 25, 50 and 75 % reductions only ever combine copies of one
// pixel, so a flat, nesting picture shrinks there exactly as it is.
Picture enlargeOnGrid(const Picture& picture, int factor = 4);

} // namespace veldor

namespace veldor {

// Objects are made on a grid of this many pixels a side at most, then
// enlarged four times: big enough to show detail, small enough to load fast.
inline constexpr int kObjectGridSide = 128;

// An object ready to ship or place from any RGBA picture (as prepareRgba
// takes it): reduced by area averaging, alpha weighted, to fit
// kObjectGridSide (never enlarged), prepared, then enlargeOnGrid(4).
Picture prepareObjectRgba(int width, int height, const std::uint8_t* rgba, const PrepareOptions& options = {});

} // namespace veldor
