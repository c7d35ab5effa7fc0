#pragma once
// The user's own pictures in one step: each joins the user's own image pack
// "My Pictures" in the packs folder ("My Pictures 2", "My Pictures 3" ...
// once the five slots of its kind are taken there), made ready for the
// program as the pack builder makes an author's pictures, so that it is
// chosen, placed, saved and rendered like the picture of any pack.
#include "sources/packbuild.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

inline constexpr const char* kMyPicturesName = "My Pictures";
// Decoded, a picture of more pixels than this would take hundreds of
// megabytes for one thumbnail-sized result; a camera's photo stays below.
inline constexpr std::uint64_t kMaxSourcePixels = 50'000'000;

struct MyPictureFile {
    std::string path;
    PackKind kind = PackKind::Object;
};

// Where an added picture went, as its pack browser names it.
struct AddedPicture {
    PackKind kind = PackKind::Object;
    std::string packFile;  // in the packs folder: "mypictures.vpk"
    std::string packName;  // "My Pictures"
    int slot = 0;
    std::string imageName; // as stored: "packs\mypico0.bmp"
    std::string caption;
    SkyLight light;        // a sky's
};

struct MyPicturesResult {
    std::vector<AddedPicture> added;   // in the order given; none when refused
    std::vector<std::string> problems; // why nothing was added, one line each
};

// A picture's caption (and an object's title): the file's name without its
// folder and extension, control characters dropped, at most 64 bytes cut
// at a character's start; "My Picture" when nothing is left.
std::string myPictureCaption(const std::string& path);

// `source` made ready as a picture of `kind`: a sky covers 630 x 340, a
// ground is 630 wide on the bottom edge, an object fits 256 x 256 in flat
// colours that shrink cleanly (readyObjectPicture); alpha
// becomes the transparent pure white and an opaque pure white stays visible
// (grounds and objects); the pure white of a picture without alpha read
// from a BMP (`fromBmp`) already is transparency and stays so.
Picture myPictureSurface(const SourcePicture& source, PackKind kind, bool fromBmp);

// Reads every file through `read` (a file over kMaxPackFileBytes, or a
// picture over kMaxSourcePixels, is refused) and adds them all to the
// user's packs in `packs` (made when missing) in one FileSetReplacement,
// or none and names every problem. Each takes the first empty slot of its
// kind in "My Pictures" or the first "My Pictures <n>" with room, a pack
// made when needed; a sky gets the light of skyLightFromPicture. Nothing of
// the user's is written over: a number whose pack file is no pack of ours,
// or whose bitmap names another pack's meet, is passed over, and so is a
// slot at whose names any file lies. Throws veldor::Error naming the file
// when writing fails; `packs` then holds what it held before.
MyPicturesResult addMyPictures(const std::string& packs, const std::vector<MyPictureFile>& files,
                               const SourcePictureReader& read);

} // namespace veldor
