#include "output/exportbmp.h"

#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/png.h"
#include "platform/stretch.h"
#include "platform/surface.h"
#include "tempfolder.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace veldor;

namespace {

class Export : public TempFolderTest {
protected:
    void SetUp() override
    {
        std::mt19937 rng(21);
        picture_ = Surface(630, 340);
        for (Color& c : picture_.data())
            c = Color(rng() & 0x00FFFFFFu);
    }
    Surface picture_;
};

} // namespace

TEST_F(Export, StandardWritesThePictureAsItStands)
{
    exportStandard(picture_, path("a.bmp"));
    const Bitmap b = loadBmpFile(path("a.bmp"));
    EXPECT_EQ(b.width, 630);
    EXPECT_EQ(b.height, 340);
    EXPECT_EQ(b.pixels, picture_.data());
}

TEST_F(Export, StretchedIsAlways640By480)
{
    Surface scratch(17, 3, kBlack); // whatever shape it was left in
    exportStretched(picture_, scratch, path("s.bmp"));
    const Bitmap b = loadBmpFile(path("s.bmp"));
    ASSERT_EQ(b.width, 640);
    ASSERT_EQ(b.height, 480);
    EXPECT_EQ(b.pixels, scratch.data());

    Surface expected(640, 480);
    stretchCopy(expected, 0, 0, 640, 480, picture_, 0, 0, 630, 340);
    EXPECT_EQ(scratch, expected);
    // Pure replication: the corners come straight from the picture's corners.
    EXPECT_EQ(scratch.pixel(0, 0), picture_.pixel(0, 0));
    EXPECT_EQ(scratch.pixel(639, 479), picture_.pixel(629, 339));

    // A smaller picture still gives 640x480, white where it has no pixels.
    Surface small(315, 170, kBlack);
    exportStretched(small, scratch, path("small.bmp"));
    const Bitmap s = loadBmpFile(path("small.bmp"));
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.height, 480);
    EXPECT_EQ(scratch.pixel(0, 0), kBlack);
    EXPECT_EQ(scratch.pixel(639, 479), kWhite);
}

TEST_F(Export, WritingLeavesOtherFilesBesideTheTargetAlone)
{
    // A file that merely shares the target's name with a suffix is the
    // user's, not a leftover of ours.
    const std::string neighbour = path("a.bmp.part");
    {
        std::ofstream out(neighbour, std::ios::binary);
        out << "keep";
    }
    exportStandard(picture_, path("a.bmp"));
    std::ifstream in(neighbour, std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "keep");
    EXPECT_EQ(loadBmpFile(path("a.bmp")).pixels, picture_.data());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 2);
}

TEST_F(Export, UnwritableTargetRaisesAndWritesNothing)
{
    const std::string target = path("missing/dir/x.bmp");
    try {
        exportStandard(picture_, target);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + target + ": File not found");
    }
    EXPECT_FALSE(std::filesystem::exists(target));
}

namespace {

// R, G, B, A of every pixel, as libpng's own reader decodes the file.
struct Decoded {
    int width = 0, height = 0;
    bool hasAlpha = false;
    std::vector<std::array<int, 4>> pixels;
};

Decoded decodePng(const std::vector<std::uint8_t>& bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return {};
    Decoded d{int(image.width), int(image.height), (image.format & PNG_FORMAT_FLAG_ALPHA) != 0, {}};
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        d.pixels.push_back({rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]});
    return d;
}

} // namespace

TEST(Png, DecodesToThePixelsWritten)
{
    // Every channel distinct, so that swapped channels show; a near white
    // that must stay opaque beside the pure white.
    Surface tiny(3, 2);
    const Color colors[] = {rgb(200, 10, 30), rgb(20, 150, 40), rgb(5, 60, 250),
                            kWhite,           rgb(254, 255, 255), rgb(1, 2, 3)};
    for (int i = 0; i < 6; ++i)
        tiny.setPixel(i % 3, i / 3, colors[i]);
    std::mt19937 rng(5);
    Surface large(301, 257); // random, so the file needs many IDAT chunks
    for (Color& c : large.data())
        c = Color(rng() & 0x00FFFFFFu);
    const auto opaque = [](const Surface& s) {
        std::vector<std::array<int, 4>> out;
        for (Color c : s.data())
            out.push_back({redOf(c), greenOf(c), blueOf(c), 255});
        return out;
    };

    const struct {
        const char* what;
        const Surface& surface;
        bool whiteTransparent;
        std::vector<std::array<int, 4>> pixels;
    } cases[] = {
        {"RGB", tiny, false,
         {{200, 10, 30, 255}, {20, 150, 40, 255}, {5, 60, 250, 255},
          {255, 255, 255, 255}, {254, 255, 255, 255}, {1, 2, 3, 255}}},
        {"pure white transparent", tiny, true,
         {{200, 10, 30, 255}, {20, 150, 40, 255}, {5, 60, 250, 255},
          {255, 255, 255, 0}, {254, 255, 255, 255}, {1, 2, 3, 255}}},
        {"large", large, false, opaque(large)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Decoded d = decodePng(encodePng(c.surface, c.whiteTransparent));
        EXPECT_EQ(d.width, c.surface.width());
        EXPECT_EQ(d.height, c.surface.height());
        EXPECT_EQ(d.hasAlpha, c.whiteTransparent);
        EXPECT_EQ(d.pixels, c.pixels);
    }
    EXPECT_EQ(thrownText([] { encodePng(Surface()); }), "Cannot encode PNG");
}
