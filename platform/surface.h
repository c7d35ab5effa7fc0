#pragma once
// A drawing surface: a picture plus the drawing state (pen, brush) that
// belongs to it, as the program's pictures need them. Only what draws with
// that state, or loads files into a surface, needs this header; what merely
// reads or writes pixels takes a Picture (platform/picture.h).
#include "platform/picture.h"

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

class Surface : public Picture {
public:
    Surface() = default;
    // A w x h bitmap filled with `fill`; the drawing state starts afresh.
    Surface(int width, int height, Color fill = kWhite) : Picture(width, height, fill) {}
    // The picture's bitmap, with the drawing state afresh.
    Surface(Picture picture) : Picture(std::move(picture)) {}

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

private:
    Pen pen_;
    std::uint64_t generation_ = 0;
};

} // namespace veldor
