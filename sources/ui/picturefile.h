#pragma once
// Reading the pictures a user or an author gives the program, through Qt's
// image readers, into the plain pixels that the pack rules work on. Shared
// by the windows and veldor-pack, so that a picture reads the same in both.
#include "sources/packbuild.h"

#include <string>

namespace veldor {

// PNG, JPEG and BMP (any format Qt reads), and SVG drawn by Qt's SVG
// renderer with its longer side kSvgSide pixels. A picture of more than
// kMaxSourcePixels is refused before it is decoded; a JPEG that the reader
// finds damaged is refused, though Qt would return it padded with grey.
SourcePicture readSourcePicture(const std::string& path);

inline constexpr int kSvgSide = 1024;

// The name filter of a file dialog for the pictures readSourcePicture takes.
inline constexpr const char* kSourcePictureFilter =
    "Pictures (*.png *.jpg *.jpeg *.svg *.svgz *.bmp *.PNG *.JPG *.JPEG *.SVG *.SVGZ *.BMP)";

// Whether the file name ends as such a picture's does, in any letter case.
bool isSourcePictureName(const std::string& path);

} // namespace veldor
