#pragma once
// A picture: a 24-bit bitmap and nothing else. What draws, reads, writes,
// scales and generates pictures works on this; the drawing surface
// (platform/surface.h) adds the pen and the other drawing state on top, and
// only what draws with that state needs it.
//
// Coordinates: (0, 0) is the top-left pixel, y grows downwards. Reads outside
// the bitmap give kInvalidColor, writes outside do nothing.
#include "platform/color.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace veldor {

class Picture {
public:
    Picture() = default;
    // A w x h bitmap filled with `fill`.
    Picture(int width, int height, Color fill = kWhite)
    {
        if (width > 0 && height > 0) {
            width_ = width;
            height_ = height;
            pixels_.assign(std::size_t(width) * std::size_t(height), fill & 0x00FFFFFFu);
        }
    }
    // Takes the size and the pixels as they are (width * height of them,
    // top-down rows).
    Picture(int width, int height, std::vector<Color> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels))
    {
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    Color pixel(int x, int y) const
    {
        if (unsigned(x) >= unsigned(width_) || unsigned(y) >= unsigned(height_))
            return kInvalidColor;
        return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }
    void setPixel(int x, int y, Color c)
    {
        if (unsigned(x) >= unsigned(width_) || unsigned(y) >= unsigned(height_))
            return;
        pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = c & 0x00FFFFFFu;
    }

    // Rows are stored top-down, width() pixels each, no padding. Stored values
    // always have the top byte clear.
    Color* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const Color* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    std::vector<Color>& data() { return pixels_; }
    const std::vector<Color>& data() const { return pixels_; }

    bool operator==(const Picture& o) const
    {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

} // namespace veldor
