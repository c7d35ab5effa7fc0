#pragma once
// A drawing surface: one 24-bit bitmap plus the drawing state (pen, brush)
// that belongs to it, as the program's pictures need them.
//
// Coordinates: (0, 0) is the top-left pixel, y grows downwards. Reads outside
// the bitmap give kInvalidColor, writes outside do nothing.
#include "platform/color.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

enum class PenMode {
    Copy,   // destination := pen
    NotXor, // destination := NOT (pen XOR destination), on the 24 colour bits
};

struct Pen {
    int width = 1;
    Color color = kBlack;
    PenMode mode = PenMode::Copy;
};

class Surface {
public:
    Surface() = default;
    // A w x h bitmap filled with `fill`; the drawing state starts afresh.
    Surface(int width, int height, Color fill = kWhite);

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

    // Replaces the bitmap (as loading a file does): takes the new size and
    // pixels, and resets the pen to black, width 1, Copy.
    void replaceBitmap(int width, int height, std::vector<Color> pixels);
    // Replaces the bitmap with the BMP file at `path`; throws veldor::Error
    // ("Cannot open file <path>" or "Bitmap image is not valid") and leaves
    // the surface unchanged on failure.
    void load(const std::string& path);

    // Changes whenever the bitmap is replaced (never repeats within a run),
    // so whoever drew on the old bitmap can tell the drawing is gone.
    std::uint64_t generation() const { return generation_; }

    Pen& pen() { return pen_; }
    const Pen& pen() const { return pen_; }

    // Rectangle(x1, y1, x2, y2) with the current pen and the solid white
    // brush. Corners are normalised; right and bottom are exclusive; if
    // x1 == x2 or y1 == y2 nothing is drawn. Every covered pixel is touched
    // exactly once, so in NotXor mode drawing twice restores the bitmap.
    //   width <= 1: outline is the one-pixel border of [l, r-1] x [t, b-1];
    //   width w > 1: a band of w pixels straddles each edge e of that
    //   border, covering [e - w/2, e - w/2 + w - 1], so the outline spans
    //   x in [l - w/2, r - 1 - w/2 + w - 1] (likewise y) around the hole
    //   x in [l - w/2 + w, r - w/2 - 2]. Outer corners are rounded as by a
    //   disc of diameter w (pixel centres within w/2 of the corner): w = 4
    //   loses exactly the four outermost corner pixels, e.g. (4,4)-(14,12):
    //
    //               x = 2 ... 14
    //     y =  2      .###########.
    //     y =  3..5   #############
    //     y =  6..8   ####.....####
    //     y =  9..11  #############
    //     y = 12      .###########.
    //
    //   The hole is the white brush (invisible under NotXor). A pen as wide
    //   as the picture covers every pixel of it once.
    void rectangle(int x1, int y1, int x2, int y2);

    bool operator==(const Surface& o) const
    {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
    Pen pen_;
    std::uint64_t generation_ = 0;
};

} // namespace veldor
