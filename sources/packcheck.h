#pragma once
// Everything wrong with an image pack, found in one pass, so that an author
// learns which file or line to fix instead of meeting the browsers' first
// error only.
#include <string>
#include <vector>

namespace veldor {

struct PackFinding {
    // True when loading the pack or using one of its choices would fail;
    // otherwise the pack works but something will look wrong.
    bool fails = false;
    std::string text;
    bool operator==(const PackFinding&) const = default;
};

// Checks the pack file at `path` and the bitmaps beside it, as the
// browsers and the renderer will read them: those of the slots that hold a
// picture, of the kinds the pack carries (see pack.h).
//   fails: unreadable pack file, line ends without CR, a wrong
//          identification line, a pack of no kind at all, a tint line of a
//          sky slot that is not an integer, a bitmap that is missing or not
//          a valid BMP;
//   looks wrong: lines missing before the last caption of a kind carried, a sky not
//          630 x 340, a thumbnail not 100 x 100, a ground not 630 wide or
//          higher than 340, and pure white inside light colour in a ground
//          or object (meant as a colour, it would show what lies below).
// Findings come in file order: lines first, then bitmaps in pack order.
std::vector<PackFinding> checkPack(const std::string& path);

} // namespace veldor
