#pragma once
// Making an image pack from an author's own pictures: the pixel rules that
// turn any picture into the bitmaps the browsers and the renderer read, and
// the small description file "pack.txt" that names the pack.
//
// Every picture of a pack ends up 24-bit with pure white as its only
// transparency, so the rules below settle what happens to the author's
// alpha, sizes and whites once, for every caller.
#include "platform/picturesize.h"
#include "platform/picture.h"
#include "sources/builtins.h"
#include "sources/pack.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veldor {

// An author's picture as read: top-down rows of 0xAABBGGRR (the Color
// layout with alpha in the top byte, 255 opaque).
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

constexpr std::uint32_t rgba(int r, int g, int b, int a) { return rgb(r, g, b) | (std::uint32_t(a & 0xFF) << 24); }
constexpr int alphaOf(std::uint32_t p) { return int(p >> 24); }

// Part of a picture in source pixel units; fractions are allowed.
struct SourceRect {
    double x = 0, y = 0, width = 0, height = 0;
};

// Area-averaging scale of `rect` of `src` to outW x outH (both >= 1): each
// output pixel is the mean of the source area it covers, every source pixel
// weighted by the part of it inside that area. Colours are averaged weighted
// by alpha as well, so a transparent pixel's colour never bleeds into an
// opaque neighbour; alpha is the plain area mean. Channels round to nearest.
RgbaPicture scaleArea(const RgbaPicture& src, SourceRect rect, int outW, int outH);

// The white key: alpha below half (< 128) becomes pure white, the only
// transparency the renderer knows; everything else drops its alpha. With
// `keyed` (grounds, objects) an opaque pure white becomes (254, 254, 254) so
// that it stays visible; a sky is never keyed and keeps its white.
Picture toKeyedSurface(const RgbaPicture& src, bool keyed);

// A BMP has no alpha: its pure white already is the program's transparency
// and becomes alpha 0, so that scaling and keying keep it transparent.
// Returns whether there was any.
bool keyPureWhite(RgbaPicture& picture);

inline constexpr int kPackPictureWidth = kPictureWidth;
inline constexpr int kPackPictureHeight = kPictureHeight;
inline constexpr int kPackObjectBox = 256;
inline constexpr int kPackThumbnailSize = 100;

// A sky covers 630 x 340: scaled by the larger of the two ratios, then the
// middle is kept.
Picture packSkyPicture(const RgbaPicture& src);
// A ground is scaled to 630 wide, its height rounded to nearest (at least 1).
// The renderer bottom-aligns it and never shows rows above the 340th from
// the bottom, so only the bottom 340 rows are kept.
Picture packGroundPicture(const RgbaPicture& src);
// An object fits 256 x 256, keeping its aspect, each side rounded to nearest
// (at least 1).
Picture packObjectPicture(const RgbaPicture& src);
// An object as a pack ships it: fitted as above, then made of a few flat
// colours that the renderer's shrinking keeps clean (sources/cleanshrink.h),
// with fewer colours until every tested size is clean, or else the
// cleanest (a thin strip or a few large blocks may not get there: their
// edges are too large a share). A photograph ends as flat areas, never as
// noise.
Picture readyObjectPicture(const RgbaPicture& src);

// 100 x 100 thumbnails of the whole picture (the browsers show them unscaled
// from the top-left corner). A sky is scaled to 100 wide, kept in
// proportion and centred; the bands above and below take the mean colour
// of its top and bottom rows. A ground is drawn bottom-aligned over a neutral daylight
// sky in a square as wide as it, its white transparent, and that square is
// scaled down.
Picture packSkyThumbnail(const Picture& sky);
Picture packGroundThumbnail(const Picture& ground);

// The light of a sky the author gave none: half of how far its average
// colour lies from a neutral daylight sky, per channel, within the range the
// built-in skies use:
//   tint = clamp(round((average - kNeutralDaylight) / 2), -90, 70)
// A blue midday sky gets (about) no light, a dark one darkens the land and a
// warm one warms it.
inline constexpr Color kNeutralDaylight = rgb(116, 159, 216);
inline constexpr int kSkyLightMin = -90;
inline constexpr int kSkyLightMax = 70;
SkyLight skyLightFromPicture(const Picture& sky);

// "pack.txt": `key = value` lines; a line whose first non-blank character is
// "#" is a comment (a "#" inside a value is kept); blank lines are skipped;
// blanks around keys and values are dropped and a trailing CR is ignored.
// Keys: name, author, description, prefix, sky0..sky4, ground0..ground4,
// object0..object4 and sky0.tint..sky4.tint ("R, G, B", signed 32-bit).
// name and prefix are required, and the five captions of each kind the pack
// carries: a kind none of whose captions is given is one the pack lacks
// (at least one kind must be carried). Values are kept as their bytes.
struct PackDescription {
    PackHeader header;
    std::array<std::string, kChoiceSlots> skies, grounds, objects;
    std::array<std::optional<SkyLight>, kChoiceSlots> lights;
    // By PackKind: Ground, Sky, Object.
    std::array<bool, 3> carries{true, true, true};
    bool carriesKind(PackKind kind) const { return carries[std::size_t(kind)]; }
};

// Throws veldor::Error naming the line ("line 4: unknown key 'sky5'") or
// the missing key.
PackDescription parsePackDescription(std::string_view text);

// An empty text when `prefix` makes valid file names on every system the
// packs travel to (1 to 32 of A-Z a-z 0-9 _ -); otherwise why not.
std::string prefixProblem(std::string_view prefix);

// The 25 bitmap names of a pack with this prefix, as in the pack folder.
std::vector<std::string> packBitmapNames(std::string_view prefix);

// The 35 lines of the pack file, CR LF each; a kind the pack lacks has
// empty lines, its tint lines included.
std::string packFileText(const PackDescription& d, const std::array<SkyLight, kChoiceSlots>& lights);

// Adds to `problems` every other pack in the folder `out` whose bitmap
// names meet those of `prefix` (letter case ignored: packs travel to
// systems that ignore it), and a pack of another prefix already under our
// name `packFile`, that one's text ending in `advice`.
void checkPrefixIsFree(const std::string& out, const std::string& packFile, const std::string& prefix,
                       const std::string& advice, std::vector<std::string>& problems);

// Writes every file of `files` (name in `out`, contents) into `out` (made
// when missing) as one FileSetReplacement, after finishing any that a crash
// cut short there: a failure, or a crash once recovery has run, leaves `out`
// with the old files or all the new ones. A symbolic link at one of the
// names is replaced itself; the file it names is never touched. The errors
// name the file as in "Cannot create file <path>: <reason>".
void writeAllOrNothing(const std::string& out, const std::vector<std::pair<std::string, std::string>>& files);

// One source picture as the caller's image reader gives it.
struct SourcePicture {
    RgbaPicture picture; // width 0 when the file could not be read
    bool hasAlpha = false; // whether the file has an alpha channel at all
    std::string error;     // why it could not be read
};
using SourcePictureReader = std::function<SourcePicture(const std::string& path)>;
// A line for the author though nothing is wrong.
using PackBuildNote = std::function<void(const std::string& line)>;

// Makes the pack of the source folder `dir` in `out`: `out`/<dir's name>.vpk
// and its bitmaps (25 for a complete pack). `dir` holds pack.txt and one
// picture per slot of each kind the pack carries, sky0..object4 with the
// extension .png, .jpg, .jpeg or .bmp in any letter case, each read through
// `read`; a picture of a kind without captions is a problem. A file in
// `out` at a bitmap name of the prefix that the pack will not write (left by
// an earlier build with more kinds) is a problem too: it would show. The prefix must give bitmap names that no
// other pack in `out` gives (letter case ignored), and a pack file of our
// name already there must be an earlier build of this pack.
//
// Returns every problem found, one text each; nothing is written then.
// `note` hears, as they come, a ground or object without an alpha channel
// and, before anything is written, each tint computed for a sky without one.
// The pack file is written last, so that the browsers never list a pack
// whose bitmaps are not all there. Throws veldor::Error naming the file
// when writing fails, and `out` then holds what it held before. A symbolic link at one of the names is replaced itself, never the
// file it names.
std::vector<std::string> buildPack(const std::string& dir, const std::string& out, const SourcePictureReader& read,
                                   const PackBuildNote& note);

} // namespace veldor
