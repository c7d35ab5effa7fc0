#pragma once
// Our own BMP reader and writer. The reader accepts what Windows accepts and
// rejects everything else with "Bitmap image is not valid".
//
// The reader takes pictures of at most 2^23 pixels (32 MiB decoded; a
// 3840 x 2160 photograph fits) and 16384 pixels a side: the program shows
// 630 x 340 and exports 640 x 480, and stretches skies and objects from
// anything up to that. Larger claims are refused before anything is
// allocated. A file is read only as far as its pixels go.
#include "platform/color.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

class Picture;

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels; // top-down rows, 0x00BBGGRR
};

// Throws veldor::Error("Bitmap image is not valid") on anything malformed.
Bitmap decodeBmp(const std::uint8_t* data, std::size_t size);
// Throws "Cannot open file <path>" when the file cannot be read, otherwise
// as decodeBmp.
Bitmap loadBmpFile(const std::string& path);

// 24-bit uncompressed, bottom-up, 40-byte header.
std::vector<std::uint8_t> encodeBmp(const Picture& surface);
// Replaces the target as one step (see ReplacementFile), streaming the rows;
// throws "Cannot create file <path>: <reason>" when it cannot, and leaves any
// previous file intact.
void saveBmpFile(const Picture& surface, const std::string& path);

} // namespace veldor
