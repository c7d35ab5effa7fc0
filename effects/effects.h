#pragma once
// Special effects on the finished picture, in place. Tint, darken, lighten
// and anti-alias cover x 0..629, y 0..339 of the picture, whatever its size
// (reads outside give 255s, writes outside do nothing); XOR is one drawing
// operation, so on a picture larger than 630x340 its pen reaches past that
// area as any 630-wide pen does.
#include "platform/color.h"

#include <functional>
#include <vector>

namespace veldor {

class Surface;

// clamp(r + tr - 150), clamp(g + tg - 150), clamp(b + tb - 160)
void applyTint(Surface& picture, Color tint);
// clamp(r - 150), clamp(g - 150), clamp(b - 160)
void applyDarken(Surface& picture);
// clamp(r + 40), clamp(g + 50), clamp(b + 50)
void applyLighten(Surface& picture);
// One NOT-XOR rectangle (0, 0)-(630, 340) with a 630-wide pen of colour c:
// every pixel becomes NOT (c XOR pixel). The pen keeps width 630, colour c
// and NOT-XOR afterwards.
void applyXor(Surface& picture, Color c);
// Top row and left column kept; every other pixel is the truncated mean of
// its four edge neighbours (outside reads 255), worked on `scratch` and
// copied back.
void applyAntiAlias(Surface& picture, Surface& scratch);

struct EffectOptions {
    bool tint = false;
    Color tintColor = 0x00A09696; // RGB (150, 150, 160): changes nothing
    bool brightness = false;
    bool darken = true;           // otherwise lighten
    bool xorColours = false;
    Color xorColor = kBlack;
    bool antiAlias = true;
};

// Tint, then darken or lighten, then XOR, then anti-alias; `onProgress`,
// where given, is called after each.
void applyEffects(const EffectOptions& options, Surface& picture, Surface& scratch,
                  const std::function<void()>& onProgress = {});

// What applyEffects does, in its order, by the effects window's captions
// ("Tint Colours", "Darken" or "Lighten", "XOR Colours", "Anti-alias").
std::vector<const char*> effectNames(const EffectOptions& options);

} // namespace veldor
