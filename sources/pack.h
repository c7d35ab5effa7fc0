#pragma once
// Image packs: a text file in the pack folder that names five grounds, five
// skies and five objects, plus their bitmaps beside it.
//
// Line layout (1-based):
//   1 "Tolvane Veldor Image Pack"   2 name   3 author   4 description
//   5 prefix P of the bitmap names
//   6..25  five skies, each a caption and three tint lines (red, green, blue)
//   26..30 ground captions          31..35 object captions
// Lines after 35 are never read; a short file reads as empty lines. Of each
// line only the first 4096 bytes are kept.
//
// A pack may carry only some kinds: it lacks a kind when that kind's five
// captions are all empty and the image of its slot 0 is not in the pack
// folder (both, so that an old complete pack with empty captions still
// counts). A slot is empty when its caption is empty and its image is not
// there: a pack of fewer than five pictures of a kind leaves the last ones
// empty, and the tint lines of an empty sky slot are not looked at.
//
// Bitmaps, slot i in 0..4, as names relative to the application folder:
//   ground  thumbnail packs\<P>gT<i>.bmp   image packs\<P>g<i>.bmp
//   sky     thumbnail packs\<P>ST<i>.bmp   image packs\<P>S<i>.bmp
//   object  the image packs\<P>o<i>.bmp is its own thumbnail
#include "sources/builtins.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldor {

class LineReader;

inline constexpr const char* kPackIdentification = "Tolvane Veldor Image Pack";
inline constexpr const char* kPackFolderName = "packs";
// Of each line only this many bytes are kept (see above).
inline constexpr std::size_t kPackLineKept = 4096;

enum class PackKind { Ground, Sky, Object };

// Lines 2 to 5.
struct PackHeader {
    std::string name;
    std::string author;
    std::string description;
    std::string prefix;
    bool operator==(const PackHeader&) const = default;
};

using PackCaptions = std::array<std::string, kChoiceSlots>;
using PackSlotFlags = std::array<bool, kChoiceSlots>;
inline constexpr PackSlotFlags kEverySlot = {true, true, true, true, true};

// What one browser takes from the rest of the file.
struct PackSlots {
    PackCaptions captions;
    std::array<SkyLight, kChoiceSlots> lights; // sky packs only; zero otherwise
    bool operator==(const PackSlots&) const = default;
};

// Reads line 1 and, when it is exactly the identification line (no
// trimming, case counts), lines 2 to 5. Otherwise returns nothing, having
// read no more of line 1 than the identification's length tells apart.
std::optional<PackHeader> readPackHeader(LineReader& reader);

// Reads on from line 6 what a browser of `kind` needs: skip lines that
// belong to other kinds, then the five captions (and, for skies, the tints).
// Throws "'<line>' is not a valid integer value" for a tint line that is
// not a signed 32-bit decimal, an empty line or one too long to keep included.
// With `filled`, the tint lines of a sky slot not filled are passed over
// unread and its light stays 0.
PackSlots readPackSlots(LineReader& reader, PackKind kind, const PackSlotFlags& filled = kEverySlot);

// Reads on from line 6 the five captions of `kind` alone; never throws for
// what the lines hold.
PackCaptions readPackCaptions(LineReader& reader, PackKind kind);

// Which slots of `kind` hold a picture: a caption or an image in `packs`
// (the pack folder) for the slot.
PackSlotFlags packSlotsFilled(const std::string& packs, std::string_view prefix, const PackCaptions& captions,
                              PackKind kind);

// Whether the pack of this prefix and these captions of `kind` carries that
// kind (see above).
bool packCarries(const std::string& packs, std::string_view prefix, const PackCaptions& captions, PackKind kind);
// The same for the pack file `fileName` in `packs`. A file that cannot be
// read or is no image pack is not known to lack anything: true, so that the
// browsers list it as before and loading it says what is wrong.
bool packCarries(const std::string& packs, const std::string& fileName, PackKind kind);

// Stored names, relative to the application folder with "\" separators,
// exactly as the scene file keeps them.
std::string packImageName(std::string_view prefix, PackKind kind, int slot);
std::string packThumbnailName(std::string_view prefix, PackKind kind, int slot);

// appDir + "\packs", as a path of this platform.
std::string packFolder(std::string_view appDir);

// The names of the "*.vpk" files (extension in any letter case) directly in
// `folder`, sorted alphabetically without regard to case. Throws the
// input/output error when the folder cannot be read (missing included).
std::vector<std::string> listPackFiles(const std::string& folder);
// Those of them that carry `kind`: what the browser of that kind lists.
std::vector<std::string> listPackFiles(const std::string& folder, PackKind kind);

// The caption a pack gives the picture `imageFile`, a stored name such as
// "packs\abS2.bmp": read from the first pack in `folder`, in the order
// listPackFiles gives, whose prefix makes that name. Nothing for any other
// name, or when no readable pack has it.
std::optional<std::string> packCaption(const std::string& folder, std::string_view imageFile);

} // namespace veldor
