#pragma once
// PNG output through libpng, for exports, thumbnails and icons. 8-bit RGB
// (RGBA with pure white transparent, for icons), libpng's default
// compression and filters.
#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

class Picture;

// The whole file; throws veldor::Error("Cannot encode PNG") when libpng
// refuses (an empty surface, for one).
std::vector<std::uint8_t> encodePng(const Picture& surface, bool whiteTransparent = false);
// Writes through a replacement file; throws "Cannot create file <path>: <reason>" when
// it cannot, and leaves any previous file intact.
void savePngFile(const Picture& surface, const std::string& path);

} // namespace veldor
