#pragma once
// The library of packs that ships with the program: objects in packs of
// five by theme, made from the Noto Color Emoji font, and skies with grounds
// drawn here, five of each per pack. Every pack is named "<Category> <n>".
#include "data/art.h"

#include <string>
#include <vector>

namespace veldor::art {

struct LibraryObject {
    unsigned codepoint; // the emoji's character in the font
    std::string caption;
};

struct LibraryCategory {
    std::string name;   // "Farm Animals"
    std::string code;   // short prefix stem, "farm"
    std::vector<LibraryObject> objects; // a multiple of five
};

// The objects by category, in pack order.
const std::vector<LibraryCategory>& libraryCategories();

// One object drawn from the emoji font at `fontPath`: flat nesting colours on
// a 4-pixel grid, cropped to the picture, on the transparent white. Throws
// veldor::Error when the font or the character cannot be read.
Picture emojiObject(const std::string& fontPath, unsigned codepoint);

// Sky and ground packs: skies with their light, grounds, in pack order.
struct LibrarySky {
    std::string caption;
    int red, green, blue; // the light
};
struct SceneryPack {
    std::string name; // "Seaside 1"
    std::string code; // prefix stem
    std::string description;
    LibrarySky skies[5];
    std::string grounds[5];
};
const std::vector<SceneryPack>& sceneryPacks();
Picture sceneryPackSky(int pack, int slot);    // 630 x 340
Picture sceneryPackGround(int pack, int slot); // 630 x 340, white above the land

// Every file of the library, for the packs folder: .vpk texts and compact
// BMPs. Objects need the font; skies and grounds do not.
std::vector<GeneratedFile> libraryFiles(const std::string& emojiFontPath);

// Every name the library's packs carry, once each, for the windows to show
// in the user's language: the categories (pack names without their number),
// the makers, the sky-and-ground packs' descriptions and every caption. An
// objects pack's description is a list of its captions.
std::vector<std::string> libraryNames();

} // namespace veldor::art
