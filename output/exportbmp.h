#pragma once
// BMP export of the picture as it stands (effects included).
#include "platform/surface.h"

#include <string>

namespace veldor {

// The picture's bitmap unchanged.
void exportStandard(const Surface& picture, const std::string& path);
// The picture's (0, 0)-(630, 340) stretched onto the whole 640x480 scratch
// surface with the stretching copy, and that surface written.
void exportStretched(const Surface& picture, Surface& scratch, const std::string& path);

} // namespace veldor
