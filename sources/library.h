#pragma once
// The object library: every object of the installed image packs, grouped by
// category, and found by its caption as the user types. A pack's category
// is its name without a trailing " <number>", so that "Farm Animals 1" to
// "Farm Animals 9" make one category.
#include "platform/picture.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veldor {

struct LibraryObject {
    std::string caption;   // as the pack file gives it: the title it is placed with
    std::string imageFile; // relative to the application folder, "packs\<P>o<i>.bmp"
    std::string folded;    // the caption as finding compares it (foldForFinding)
};

struct LibraryCategory {
    std::string name;
    std::vector<LibraryObject> objects;
};

struct ObjectLibrary {
    // Sorted by name, without regard to case or accents.
    std::vector<LibraryCategory> categories;
};

// Where an object stands in the library.
struct LibraryPlace {
    std::size_t category = 0;
    std::size_t object = 0;
    bool operator==(const LibraryPlace&) const = default;
};

// "Farm Animals 3" -> "Farm Animals". A name that is nothing but a number
// stays as it is.
std::string packCategory(std::string_view packName);

// The text as finding compares it: lower case, accents dropped ("Éclair"
// -> "eclair", "Straße" -> "strasse"), Greek and Cyrillic in lower case.
// Bytes that are not UTF-8 are read as Latin-1, as the windows show them.
std::string foldForFinding(std::string_view text);

// Reads the packs of `appDir`'s pack folder that carry objects. A pack
// lends the objects whose bitmap is there, in slot order; packs of one
// category follow their number. Files that are not packs, or that cannot
// be read, are passed over.
// Throws the input/output error when the folder itself cannot be read.
ObjectLibrary readObjectLibrary(std::string_view appDir);

// The objects whose caption holds every word of `text` (case and accents
// aside), best first: a caption with the word itself ("Cat", "Black Cat"),
// then one that starts with it ("Caterpillar"), then one with a later word
// that starts with it ("Black Caterpillar"), then one that has it inside a
// word ("Wildcat"); alike ones in alphabetical order. Nothing for a text
// without words.
std::vector<LibraryPlace> findObjects(const ObjectLibrary& library, std::string_view text);

// What the library shows of an object: its bitmap stretched to `size` x
// `size` as the program stretches, as the object browser shows it. Throws
// as loading a bitmap does.
Picture objectThumbnail(std::string_view appDir, const std::string& imageFile, int size);

} // namespace veldor
