#include "platform/surface.h"

#include "platform/bmp.h"

#include <utility>

namespace veldor {

Surface::Surface(int width, int height, Color fill)
{
    if (width > 0 && height > 0) {
        width_ = width;
        height_ = height;
        pixels_.assign(std::size_t(width) * std::size_t(height), fill & 0x00FFFFFFu);
    }
}

void Surface::replaceBitmap(int width, int height, std::vector<Color> pixels)
{
    width_ = width;
    height_ = height;
    pixels_ = std::move(pixels);
    pen_ = Pen{};
}

void Surface::load(const std::string& path)
{
    Bitmap b = loadBmpFile(path);
    replaceBitmap(b.width, b.height, std::move(b.pixels));
}

// TODO rectangle
void Surface::rectangle(int, int, int, int) {}

} // namespace veldor
