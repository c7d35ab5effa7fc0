#pragma once
// The program's own picture data, drawn procedurally. Every function is
// deterministic: the same call gives the same pixels on every run and build
// (fixed seeds, our own random generator, no library distributions).
//
// Grounds and objects use pure white as their transparent colour. Their
// drawn pixels never come near white (every channel stays at or below
// kMaxLandChannel), so the exact white key leaves no pale halo at edges.
#include "platform/picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veldor::art {

inline constexpr int kPictureWidth = 630;
inline constexpr int kPictureHeight = 340;
inline constexpr int kObjectSize = 160;
inline constexpr int kThumbSize = 100;
inline constexpr int kGlyphSize = 32;
inline constexpr int kMaxLandChannel = 245;
inline constexpr Color kButtonFace = rgb(192, 192, 192);

// Built-in pictures, slot 0..4 (anything else is clamped into range).
Picture builtinSky(int slot);    // 630x340
Picture builtinGround(int slot); // 630x340, white above the land
Picture builtinObject(int slot); // 160x160 on white

// The built-in object as drawn, with shading and grain, before shippable().
Picture builtinObjectDrawing(int slot);
// A drawn object made ready to ship: flat tones that shrink cleanly, same size.
Picture shippable(const Picture& drawing);

// The sample pack's pictures, slot 0..4.
Picture packSky(int slot);
Picture packGround(int slot);
Picture packObject(int slot);

// `size` x `size` thumbnails (100x100 in the windows): a sky scaled down; a
// ground over a neutral sky, scaled down; an object scaled down on white.
Picture skyThumbnail(const Picture& sky, int size = kThumbSize);
Picture groundThumbnail(const Picture& ground, int size = kThumbSize);
Picture objectThumbnail(const Picture& object, int size = kThumbSize);

enum class Glyph { Ground, Sky, Object, Effects, New, Print, Save, Open, Export, Refresh };
inline constexpr Glyph kAllGlyphs[] = {Glyph::Ground, Glyph::Sky,   Glyph::Object, Glyph::Effects,
                                       Glyph::New,    Glyph::Print, Glyph::Save,   Glyph::Open,
                                       Glyph::Export, Glyph::Refresh};
const char* glyphName(Glyph g); // "ground", "sky", ...
// A `scale` above 1 draws the glyph and the logo that many times larger (not
// enlarged), for screens of that many device pixels per pixel.
Picture glyph(Glyph g, int scale = 1); // 32x32 on the button face
Picture logo(int scale = 1);           // 192x96: a small landscape with the word VELDOR
Picture appIcon(int size);   // size x size window and menu icon

// One file the generator writes. `folder` is "app", "app/packs" or "ui".
struct GeneratedFile {
    std::string folder;
    std::string name;
    std::optional<Picture> picture; // written as 24-bit BMP when set
    std::string bytes;              // written as is otherwise
};

// Everything, in a fixed order.
std::vector<GeneratedFile> generateAll();

// The contents of the sample scene and the sample pack, CR LF lines.
std::string demoSceneText();
std::string samplePackText();
inline constexpr const char* kSamplePackPrefix = "smp";

} // namespace veldor::art
