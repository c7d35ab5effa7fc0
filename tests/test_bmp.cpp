#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

using namespace veldor;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr Color R = rgb(255, 0, 0);
constexpr Color G = rgb(0, 255, 0);
constexpr Color B = rgb(0, 0, 255);
constexpr Color W = kWhite;
constexpr Color K = kBlack;

void put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// What a hand-made file holds; buildBmp lays it out as a writer would.
struct FileParts {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint32_t planes = 1;
    std::uint32_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks; // red, green, blue: after a 40-byte header, else inside it
    std::vector<Color> palette;
    Bytes pixels;
};

Bytes buildBmp(const FileParts& s)
{
    const bool core = s.headerSize == 12;
    const std::size_t afterHeader = 14 + s.headerSize + (s.headerSize == 40 ? s.masks.size() * 4 : 0);
    const std::size_t entry = core ? 3 : 4;
    const std::size_t offset = afterHeader + s.palette.size() * entry;
    Bytes b(offset, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, std::uint32_t(offset));
    put32(b, 14, s.headerSize);
    if (core) {
        put16(b, 18, std::uint32_t(s.width));
        put16(b, 20, std::uint32_t(s.height));
        put16(b, 22, s.planes);
        put16(b, 24, s.bitCount);
    } else {
        put32(b, 18, std::uint32_t(s.width));
        put32(b, 22, std::uint32_t(s.height));
        put16(b, 26, s.planes);
        put16(b, 28, s.bitCount);
        if (s.headerSize >= 20)
            put32(b, 30, s.compression);
        if (s.headerSize >= 36)
            put32(b, 46, s.colorsUsed);
    }
    for (std::size_t i = 0; i < s.masks.size(); ++i)
        put32(b, 54 + 4 * i, s.masks[i]);
    for (std::size_t i = 0; i < s.palette.size(); ++i) {
        std::uint8_t* e = b.data() + afterHeader + i * entry;
        e[0] = std::uint8_t(blueOf(s.palette[i]));
        e[1] = std::uint8_t(greenOf(s.palette[i]));
        e[2] = std::uint8_t(redOf(s.palette[i]));
    }
    b.insert(b.end(), s.pixels.begin(), s.pixels.end());
    put32(b, 2, std::uint32_t(b.size()));
    return b;
}

Bitmap decode(const Bytes& b) { return decodeBmp(b.data(), b.size()); }

void expectPixels(const Bitmap& bmp, int width, int height, const std::vector<Color>& expected)
{
    ASSERT_EQ(bmp.width, width);
    ASSERT_EQ(bmp.height, height);
    EXPECT_EQ(bmp.pixels, expected);
}

void expectInvalid(const Bytes& b)
{
    try {
        decodeBmp(b.data(), b.size());
        ADD_FAILURE() << "decoded a file that should be rejected";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
}

// Rows in file order (bottom row first unless the height is negative).
FileParts bgr24(std::int32_t height)
{
    FileParts s;
    s.width = 2;
    s.height = height;
    s.pixels = {0, 0, 255, 0, 255, 0, 0xEE, 0xEE, // red, green, padding
                255, 0, 0, 255, 255, 255, 0xEE, 0xEE}; // blue, white, padding
    return s;
}

FileParts pal8Picture(std::uint32_t headerSize)
{
    FileParts s;
    s.headerSize = headerSize;
    s.width = 3;
    s.height = 2;
    s.bitCount = 8;
    s.palette = {R, G, B};
    s.pixels = {0, 1, 2, 0, 2, 2, 1, 0};
    return s;
}

FileParts rle(std::uint32_t bitCount, int width, int height, Bytes data)
{
    FileParts s;
    s.width = width;
    s.height = height;
    s.bitCount = bitCount;
    s.compression = bitCount == 8 ? 1 : 2;
    s.palette = {W, R, G, B};
    s.pixels = std::move(data);
    return s;
}

} // namespace

TEST(BmpDecode, TwentyFourBitRowsBottomUpAndTopDown)
{
    expectPixels(decode(buildBmp(bgr24(2))), 2, 2, {B, W, R, G});
    expectPixels(decode(buildBmp(bgr24(-2))), 2, 2, {R, G, B, W});
}

TEST(BmpDecode, ThirtyTwoBitIgnoresTheFourthByte)
{
    FileParts s;
    s.width = 2;
    s.bitCount = 32;
    s.pixels = {0x30, 0x20, 0x10, 0xFF, 0x03, 0x02, 0x01, 0x80};
    expectPixels(decode(buildBmp(s)), 2, 1, {rgb(0x10, 0x20, 0x30), rgb(1, 2, 3)});
}

TEST(BmpDecode, PalettedDepthsAndShortPalettes)
{
    FileParts s;
    s.bitCount = 1;
    s.width = 10;
    s.palette = {R, G};
    s.pixels = {0b10110000, 0b01000000, 0, 0};
    expectPixels(decode(buildBmp(s)), 10, 1, {G, R, G, G, R, R, R, R, R, G});

    s.bitCount = 4;
    s.width = 3;
    s.palette = {R, G, B};
    s.pixels = {0x21, 0x70, 0, 0}; // index 7 is past the short palette
    expectPixels(decode(buildBmp(s)), 3, 1, {B, G, K});

    s = pal8Picture(40);
    s.pixels[0] = 200;
    expectPixels(decode(buildBmp(s)), 3, 2, {B, B, G, K, G, B});
}

TEST(BmpDecode, EveryHeaderSizeReadsTheSamePicture)
{
    const std::vector<Color> expected = {B, B, G, R, G, B};
    for (std::uint32_t size : {12u, 16u, 20u, 36u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        SCOPED_TRACE(size);
        expectPixels(decode(buildBmp(pal8Picture(size))), 3, 2, expected);
    }
}

TEST(BmpDecode, SixteenBitChannelsWidenByBitReplication)
{
    FileParts s;
    s.bitCount = 16;
    s.width = 4;
    // 5-5-5: white, red 10000b, green 00001b, blue 01111b.
    s.pixels = {0xFF, 0x7F, 0x00, 0x40, 0x20, 0x00, 0x0F, 0x00};
    expectPixels(decode(buildBmp(s)), 4, 1,
                 {W, rgb(0x84, 0, 0), rgb(0, 0x08, 0), rgb(0, 0, 0x7B)});

    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};
    // 5-6-5: white, green 100001b, green 000001b, red 00001b + blue 11110b.
    s.pixels = {0xFF, 0xFF, 0x20, 0x04, 0x20, 0x00, 0x1E, 0x08};
    expectPixels(decode(buildBmp(s)), 4, 1,
                 {W, rgb(0, 0x86, 0), rgb(0, 0x04, 0), rgb(0x08, 0, 0xF7)});
}

TEST(BmpDecode, ThirtyTwoBitMasksKeepTheTopEightBitsOrReplicate)
{
    FileParts s;
    s.bitCount = 32;
    s.compression = 3;
    s.width = 2;
    // 10-10-10: red 0x3FF, green 0x201, blue 0x0FF.
    s.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    const std::uint32_t px0 = 0x3FFu << 20 | 0x201u << 10 | 0x0FFu;
    // 1-bit red at bit 31, 3-bit green 101b, no blue.
    FileParts t = s;
    t.masks = {0x80000000, 0x00000070, 0};
    Bytes p(8);
    put32(p, 0, px0);
    put32(p, 4, 0);
    s.pixels = p;
    expectPixels(decode(buildBmp(s)), 2, 1, {rgb(0xFF, 0x80, 0x3F), K});
    put32(p, 0, 0x80000050u | 0xFF00);
    t.pixels = p;
    expectPixels(decode(buildBmp(t)), 2, 1, {rgb(0xFF, 0xB6, 0), K});
}

TEST(BmpDecode, MasksInsideLargerHeadersApplyOnlyToBitfields)
{
    for (std::uint32_t size : {52u, 56u, 108u, 124u}) {
        SCOPED_TRACE(size);
        FileParts s;
        s.headerSize = size;
        s.bitCount = 16;
        s.compression = 3;
        s.masks = {0x001F, 0x07E0, 0xF800}; // red and blue swapped against 5-6-5
        s.width = 2;
        s.pixels = {0x1F, 0x00, 0x00, 0xF8};
        expectPixels(decode(buildBmp(s)), 2, 1, {R, B});
        s.compression = 0; // default 5-5-5, the header's masks unused
        expectPixels(decode(buildBmp(s)), 2, 1, {B, rgb(0xF7, 0, 0)});
    }
}

TEST(BmpDecode, Rle8RunsLiteralsMovesAndEscapes)
{
    // 5x3, bottom row first. Unreached pixels stay black.
    const Bytes data = {
        2, 1, 0, 3, 2, 3, 1, 0, // run of red x2, literal G B R + pad
        0, 0,                   // end of row
        1, 3, 0, 2, 2, 1,       // blue at x=0, move right 2 and up 1
        2, 2, 0, 1,             // green x2 at (3, 2), end of bitmap
    };
    expectPixels(decode(buildBmp(rle(8, 5, 3, data))), 5, 3,
                 {K, K, K, G, G,
                  B, K, K, K, K,
                  R, R, G, B, R});

    // Data is read no further than any encoding of the picture can need
    // (4 bytes a pixel and a row, plus 64): empty moves past that end it as
    // an end-of-bitmap code would, so the last run is never reached.
    Bytes padded = {1, 1};
    for (int i = 0; i < 40; ++i)
        padded.insert(padded.end(), {0, 2, 0, 0});
    padded.insert(padded.end(), {1, 2, 0, 1});
    expectPixels(decode(buildBmp(rle(8, 2, 1, padded))), 2, 1, {R, K});
}

TEST(BmpDecode, Rle4RunsAlternateNibblesAndLiteralsPad)
{
    const Bytes data = {
        5, 0x12, 0, 0,           // R G R G R, end of row
        0, 5, 0x31, 0x20, 0x30, 0x00, // literal B R G W B + pad to 16 bits
        0, 1,
    };
    expectPixels(decode(buildBmp(rle(4, 5, 2, data))), 5, 2,
                 {B, R, G, W, B,
                  R, G, R, G, R});
    // Data that stops once every row is done lacks only the end marker.
    expectPixels(decode(buildBmp(rle(4, 2, 1, {2, 0x33, 0, 0}))), 2, 1, {B, B});
}

TEST(BmpReject, HeaderFields)
{
    const FileParts good = bgr24(2);
    ASSERT_NO_THROW(decode(buildBmp(good)));

    Bytes magic = buildBmp(good);
    magic[1] = 'A';
    expectInvalid(magic);
    expectInvalid({});
    expectInvalid({'B', 'M', 0, 0});

    for (std::uint32_t size : {0u, 11u, 13u, 15u, 65u, 100u, 125u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(size);
        Bytes b = buildBmp(good);
        put32(b, 14, size);
        expectInvalid(b);
    }

    auto with = [&](auto change) {
        FileParts s = good;
        change(s);
        return buildBmp(s);
    };
    expectInvalid(with([](FileParts& s) { s.planes = 0; }));
    expectInvalid(with([](FileParts& s) { s.planes = 2; }));
    expectInvalid(with([](FileParts& s) { s.width = 0; }));
    expectInvalid(with([](FileParts& s) { s.width = -2; }));
    expectInvalid(with([](FileParts& s) { s.height = 0; }));
    for (std::uint32_t bits : {0u, 2u, 3u, 48u, 64u}) {
        SCOPED_TRACE(bits);
        expectInvalid(with([&](FileParts& s) { s.bitCount = bits; }));
    }
    // Core headers know no 16- or 32-bit pixels.
    FileParts core = good;
    core.headerSize = 12;
    core.bitCount = 32;
    core.pixels.assign(16, 0);
    expectInvalid(buildBmp(core));
}

TEST(BmpReject, ImpossibleCompressions)
{
    struct Case {
        std::uint32_t headerSize, bitCount, compression;
        std::int32_t height;
    } cases[] = {
        {40, 4, 1, 1},   // RLE8 on 4-bit pixels
        {40, 8, 2, 1},   // RLE4 on 8-bit pixels
        {40, 24, 1, 1},
        {40, 8, 1, -1},  // run-length data cannot run top-down
        {40, 4, 2, -1},
        {40, 24, 3, 1},  // masks on 24-bit pixels
        {40, 8, 3, 1},
        {64, 16, 3, 1},  // in an OS/2 header 3 is Huffman coding
        {64, 24, 4, 1},  // and 4 is 24-bit run-length
        {40, 24, 4, 1},  // embedded JPEG
        {40, 24, 5, 1},  // embedded PNG
        {40, 32, 6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.headerSize << "/" << c.bitCount << "/" << c.compression);
        FileParts s;
        s.headerSize = c.headerSize;
        s.bitCount = c.bitCount;
        s.compression = c.compression;
        s.height = c.height;
        s.width = 4;
        s.palette = {W, R};
        s.masks = {0xF800, 0x07E0, 0x001F};
        s.pixels.assign(64, 0);
        s.pixels[1] = 1; // end of bitmap, should it be read as run-length data
        expectInvalid(buildBmp(s));
    }
}

TEST(BmpReject, MasksThatAreNotOneRunInsideThePixel)
{
    FileParts s;
    s.bitCount = 16;
    s.compression = 3;
    s.pixels = {0, 0, 0, 0};
    s.masks = {0xF800, 0x07E0, 0x0015};
    expectInvalid(buildBmp(s));
    s.masks = {0x1F800, 0x07E0, 0x001F};
    expectInvalid(buildBmp(s));
}

TEST(BmpReject, PixelDataOutsideTheFile)
{
    Bytes b = buildBmp(bgr24(2));
    Bytes cut(b.begin(), b.end() - 3); // the last row's pixels are incomplete
    expectInvalid(cut);
    Bytes unpadded(b.begin(), b.end() - 2); // only its padding missing
    EXPECT_NO_THROW(decode(unpadded));

    Bytes past = b;
    put32(past, 10, std::uint32_t(b.size()));
    expectInvalid(past);
    put32(past, 10, 0xFFFFFFF0u);
    expectInvalid(past);
    Bytes inside = b;
    put32(inside, 10, 20); // pixels cannot start inside the header
    expectInvalid(inside);
}

TEST(BmpReject, RunLengthDataPastTheBitmap)
{
    const std::vector<Bytes> bad = {
        {5, 1, 0, 1},             // run longer than the row
        {3, 1, 2, 1, 0, 1},       // second run overflows the row
        {2, 1, 0, 3, 1, 2, 3, 0, 0, 1}, // literal overflows the row
        {0, 2, 5, 0, 1, 1, 0, 1}, // move past the right edge
        {0, 2, 0, 2, 0, 1},       // move below the last row
        {0, 0, 0, 0, 1, 1, 0, 1}, // rows past the last
        {4, 1, 0, 0},             // stops inside the bitmap with no end marker
        {0, 4, 1, 2},             // literal whose data is missing
        {0, 2, 1},                // move whose offsets are missing
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(i);
        expectInvalid(buildBmp(rle(8, 4, 2, bad[i])));
    }
    expectInvalid(buildBmp(rle(4, 3, 1, {4, 0x11, 0, 1})));
    expectInvalid(buildBmp(rle(4, 3, 1, {0, 4, 0x12, 0x30, 0, 1})));
}

TEST(BmpReject, HugeDimensionsFailBeforeAllocating)
{
    FileParts big = bgr24(2000000);
    big.width = 3000000;
    expectInvalid(buildBmp(big));
    big.width = INT_MAX;
    big.height = INT_MIN;
    expectInvalid(buildBmp(big));
    // Tiny run-length data may describe a vast bitmap: the size limit, 2^23
    // pixels and 16384 a side, catches it.
    expectInvalid(buildBmp(rle(8, 20000, 20000, {0, 1})));
    for (const auto& [w, h, valid] : std::vector<std::tuple<int, int, bool>>{
             {4096, 2048, true}, {4097, 2048, false}, {16384, 512, true}, {16385, 1, false}, {1, 16385, false}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Bytes b = buildBmp(rle(8, w, h, {0, 1}));
        if (valid)
            EXPECT_EQ(decode(b).pixels.size(), std::size_t(w) * std::size_t(h));
        else
            expectInvalid(b);
    }
    FileParts core = pal8Picture(12);
    core.width = 0xFFFF;
    core.height = 0xFFFF;
    expectInvalid(buildBmp(core));
}

TEST(BmpRoundTrip, EncodedSurfaceDecodesToTheSamePixels)
{
    Surface surface(5, 3, kWhite);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            surface.setPixel(x, y, rgb(x * 50, y * 100, 255 - x * y * 10));
    const Bytes bytes = encodeBmp(surface);
    expectPixels(decode(bytes), 5, 3, surface.data());

    // Every row width around the four-pixels-at-a-time path's edges, with
    // the file ending right after the last pixel (no padding to spare).
    std::uint32_t seed = 12345;
    for (int w = 1; w <= 40; ++w) {
        Surface random(w, 2);
        for (Color& c : random.data()) {
            seed = seed * 1664525u + 1013904223u;
            c = seed >> 8;
        }
        Bytes file = encodeBmp(random);
        file.resize(file.size() - (4 - std::size_t(w) * 3 % 4) % 4);
        expectPixels(decode(file), w, 2, random.data());
    }

    const std::string path = std::string(VELDOR_TEST_BINARY_DIR) + "/test_bmp_roundtrip.bmp";
    saveBmpFile(surface, path);
    expectPixels(loadBmpFile(path), 5, 3, surface.data());
    std::remove(path.c_str());
}

TEST(BmpFile, UnreadablePathsNameThePath)
{
    for (const std::string& path : {std::string("/nonexistent/dir/none.bmp"), std::string(VELDOR_TEST_BINARY_DIR)}) {
        try {
            loadBmpFile(path);
            ADD_FAILURE() << path;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
        }
    }
}

// The public conformance corpus; its pictures all show one image.
class BmpSuite : public testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::is_directory(dir_))
            GTEST_SKIP() << "no corpus at " << dir_;
    }
    Bitmap load(const std::string& name) const { return loadBmpFile(dir_ + "/" + name); }
    std::vector<std::string> files(const std::string& sub) const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_ + "/" + sub))
            if (e.path().extension() == ".bmp")
                names.push_back(sub + "/" + e.path().filename().string());
        return names;
    }
    const std::string dir_ = VELDOR_TEST_BMPSUITE_DIR;
};

TEST_F(BmpSuite, EveryGoodFileDecodes)
{
    const auto names = files("g");
    EXPECT_GE(names.size(), 20u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Bitmap b = load(name);
        EXPECT_GT(b.width, 0);
        EXPECT_EQ(b.pixels.size(), std::size_t(b.width) * std::size_t(b.height));
        for (Color c : b.pixels)
            ASSERT_EQ(c >> 24, 0u);
    }
}

TEST_F(BmpSuite, SamePictureInEveryEquivalentFormat)
{
    const Bitmap rgb24 = load("g/rgb24.bmp");
    ASSERT_EQ(rgb24.width, 127);
    ASSERT_EQ(rgb24.height, 64);
    const std::vector<std::vector<std::string>> groups = {
        {"g/rgb24.bmp", "g/rgb24pal.bmp", "g/rgb32.bmp", "g/rgb32bf.bmp", "g/rgb32bfdef.bmp"},
        {"g/pal8.bmp", "g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp",
         "g/pal8v4.bmp", "g/pal8v5.bmp"},
        {"g/pal4.bmp", "g/pal4rle.bmp"},
        {"g/rgb16.bmp", "g/rgb16bfdef.bmp"},
        {"g/rgb16-565.bmp", "g/rgb16-565pal.bmp"},
    };
    for (const auto& group : groups) {
        const Bitmap first = load(group[0]);
        for (const std::string& name : group) {
            SCOPED_TRACE(name);
            EXPECT_EQ(load(name).pixels, first.pixels);
        }
    }
}

TEST_F(BmpSuite, SixteenBitFilesAreTheReferenceQuantisedThenReplicated)
{
    // The corpus rounds each channel to 5 or 6 bits; decoding must widen
    // them back by bit replication, exactly.
    auto widen = [](int v, int bits) {
        const int q = (v * ((1 << bits) - 1) + 127) / 255;
        return bits == 5 ? (q << 3) | (q >> 2) : (q << 2) | (q >> 4);
    };
    const Bitmap ref = load("g/rgb24.bmp");
    const Bitmap b555 = load("g/rgb16.bmp");
    const Bitmap b565 = load("g/rgb16-565.bmp");
    ASSERT_EQ(b555.pixels.size(), ref.pixels.size());
    ASSERT_EQ(b565.pixels.size(), ref.pixels.size());
    for (std::size_t i = 0; i < ref.pixels.size(); ++i) {
        const Color c = ref.pixels[i];
        ASSERT_EQ(b555.pixels[i], rgb(widen(redOf(c), 5), widen(greenOf(c), 5), widen(blueOf(c), 5))) << i;
        ASSERT_EQ(b565.pixels[i], rgb(widen(redOf(c), 5), widen(greenOf(c), 6), widen(blueOf(c), 5))) << i;
    }
}

TEST_F(BmpSuite, QuestionableAndBadFilesDecodeOrFailCleanly)
{
    int rejected = 0;
    for (const char* sub : {"q", "b"}) {
        for (const std::string& name : files(sub)) {
            SCOPED_TRACE(name);
            try {
                const Bitmap b = load(name);
                EXPECT_EQ(b.pixels.size(), std::size_t(b.width) * std::size_t(b.height));
            } catch (const Error& e) {
                EXPECT_STREQ(e.what(), "Bitmap image is not valid");
                ++rejected;
            }
        }
    }
    EXPECT_GT(rejected, 0);
    for (const char* name : {"b/badbitcount.bmp", "b/badheadersize.bmp", "b/badplanes.bmp", "b/badwidth.bmp",
                             "b/reallybig.bmp", "b/rletopdown.bmp", "b/shortfile.bmp", "b/badrle.bmp",
                             "b/badrle4.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(load(name), Error);
    }
}
