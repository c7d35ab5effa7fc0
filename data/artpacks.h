#pragma once
// The source pictures of the packs that the build makes with veldor-pack,
// as an author would hand them in: PNG files at their own sizes, white
// marked transparent, and a pack.txt per pack.
#include "data/art.h"

#include <vector>

namespace veldor::art {

// One pack's source picture: kind "sky", "ground" or "object", slot 0..4.
Picture extraPackPicture(int pack, const char* kind, int slot);

// Every source file; `folder` is the pack's source folder name ("autumn",
// ...), which also names the built .vpk. Deterministic like everything here.
std::vector<GeneratedFile> extraPackSources();

} // namespace veldor::art
