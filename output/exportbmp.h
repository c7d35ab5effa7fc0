#pragma once
// BMP export of the picture as it stands (effects included), or PNG when
// the chosen name asks for it.

#include <string>

namespace veldor {

class Surface;

enum class PictureFormat { Bmp, Png };

// PNG for a name ending in ".png" (any case), BMP for every other name, as
// the export has always written.
PictureFormat formatForPath(const std::string& path);
// Writes `picture` in `format`; throws "Cannot create file <path>: <reason>".
void savePicture(const Surface& picture, const std::string& path, PictureFormat format);

// The picture's bitmap unchanged.
void exportStandard(const Surface& picture, const std::string& path);
// The picture's (0, 0)-(630, 340) stretched onto the whole 640x480 scratch
// surface with the stretching copy; returns the scratch.
const Surface& stretchForExport(const Surface& picture, Surface& scratch);
// stretchForExport's result written.
void exportStretched(const Surface& picture, Surface& scratch, const std::string& path);

} // namespace veldor
