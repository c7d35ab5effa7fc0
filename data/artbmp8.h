#pragma once
// Small BMP files for flat art: 8-bit with a palette, run-length encoded
// (RLE8) when that is smaller. Flat pictures of few colours shrink to a
// fraction of their 24-bit size, which keeps the shipped library small.
#include "platform/picture.h"

#include <string>

namespace veldor::art {

// The picture as an 8-bit BMP, or as the 24-bit BMP that the program's own
// writer makes when it has more than 256 colours.
std::string encodeCompactBmp(const Picture& picture);

} // namespace veldor::art
