#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/unique_fd.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace veldor {

namespace {

// The largest picture read. The program shows 630 x 340 and exports 640 x 480,
// but skies and objects are stretched from files of any size; 2^23 pixels
// (a 3840 x 2160 photograph fits) decode to 32 MiB, and no side may exceed
// 16384. Larger claims are refused before anything is allocated, which is
// what bounds run-length data that describes a vast picture in a few bytes.
constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 23;
constexpr std::int64_t kMaxSide = 16384;

// Pixel data is read this many bytes at a time, so a file costs its picture
// and one window, never its whole size.
constexpr std::size_t kWindowBytes = std::size_t(256) << 10;

constexpr std::size_t kFileHeaderSize = 14;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

[[noreturn]] void invalidBitmap() { throw Error("Bitmap image is not valid"); }

// Where the bytes come from: a buffer, or a file read piecewise at offsets.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    std::uint64_t size() const { return size_; }
    // `count` bytes from `offset`, valid until the next call; nullptr when
    // the source ends first.
    virtual const std::uint8_t* at(std::uint64_t offset, std::size_t count) = 0;

protected:
    bool holds(std::uint64_t offset, std::size_t count) const
    {
        return offset <= size_ && count <= size_ - offset;
    }
    std::uint64_t size_ = 0;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data) { size_ = data ? size : 0; }
    const std::uint8_t* at(std::uint64_t offset, std::size_t count) override
    {
        return holds(offset, count) ? data_ + offset : nullptr;
    }

private:
    const std::uint8_t* data_;
};

class FileSource final : public ByteSource {
public:
    FileSource(int fd, std::uint64_t size, const std::string& path) : fd_(fd), path_(path) { size_ = size; }
    const std::uint8_t* at(std::uint64_t offset, std::size_t count) override
    {
        if (!holds(offset, count))
            return nullptr;
        if (count > capacity_) {
            // Uninitialised on purpose: every byte is read over at once.
            buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(count);
            capacity_ = count;
        }
        std::size_t done = 0;
        while (done < count) {
            const ssize_t n = ::pread(fd_, buffer_.get() + done, count - done, off_t(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                raiseCannotOpen(path_);
            if (n == 0)
                return nullptr; // the file shrank meanwhile
            done += std::size_t(n);
        }
        return buffer_.get();
    }

private:
    int fd_;
    const std::string& path_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
};

std::uint32_t le16(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }
std::uint32_t le32(const std::uint8_t* p) { return le16(p) | le16(p + 2) << 16; }

// Blue, green, red as a file stores them -> 0x00BBGGRR.
constexpr Color fromBgr(std::uint8_t b, std::uint8_t g, std::uint8_t r)
{
    return Color(r) | Color(g) << 8 | Color(b) << 16;
}

// A w-bit channel value widened to 8 bits by repeating its bits from the top,
// so 0 stays 0 and all ones become 255: for w = 5, (v << 3) | (v >> 2).
constexpr std::uint8_t replicateBits(std::uint32_t v, int w)
{
    std::uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
        out = (out << w) | v;
        filled += w;
    }
    return std::uint8_t(out >> (filled - 8));
}

// Everything the headers say about where the pixels are and how they read.
struct Layout {
    int width = 0;
    int rows = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
    std::size_t paletteStart = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteEntries = 0; // as declared, at most 2^bitCount
    std::size_t pixelOffset = 0;
};

// A channel mask is one run of set bits (or none) inside the pixel.
bool validMask(std::uint32_t mask, int bitCount)
{
    if (bitCount == 16 && mask > 0xFFFFu)
        return false;
    if (mask == 0)
        return true;
    const std::uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;
}

bool validCombination(std::uint32_t compression, int bitCount, bool coreHeader, bool windowsHeader,
                      bool topDown)
{
    switch (compression) {
    case kRgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24
               || (!coreHeader && (bitCount == 16 || bitCount == 32));
    case kRle8:
        return bitCount == 8 && !topDown;
    case kRle4:
        return bitCount == 4 && !topDown;
    case kBitfields: // in OS/2 headers this value means Huffman coding
        return windowsHeader && (bitCount == 16 || bitCount == 32);
    default:
        return false;
    }
}

// Every header field lies in the first 150 bytes: the file header, the
// largest info header and the three masks after a 40-byte one.
constexpr std::size_t kHeadBytes = kFileHeaderSize + 124 + 12;

Layout parseLayout(ByteSource& source)
{
    const std::uint64_t size = source.size();
    const std::uint8_t* data = source.at(0, std::size_t(std::min<std::uint64_t>(size, kHeadBytes)));
    if (!data || size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        invalidBitmap();
    const std::uint32_t headerSize = le32(data + kFileHeaderSize);
    const bool coreHeader = headerSize == 12;
    const bool windowsHeader = headerSize == 40 || headerSize == 52 || headerSize == 56
                               || headerSize == 108 || headerSize == 124;
    const bool os2Header = !windowsHeader && headerSize >= 16 && headerSize <= 64;
    if (!coreHeader && !windowsHeader && !os2Header)
        invalidBitmap();
    if (size < kFileHeaderSize + headerSize)
        invalidBitmap();
    const std::uint8_t* h = data + kFileHeaderSize;

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    if (coreHeader) {
        width = le16(h + 4);
        height = le16(h + 6);
        planes = le16(h + 8);
        bitCount = le16(h + 10);
    } else {
        width = std::int32_t(le32(h + 4));
        height = std::int32_t(le32(h + 8));
        planes = le16(h + 12);
        bitCount = le16(h + 14);
        if (headerSize >= 20)
            compression = le32(h + 16);
        if (headerSize >= 36)
            colorsUsed = le32(h + 32);
    }

    Layout layout;
    layout.topDown = height < 0;
    const std::int64_t rows = height < 0 ? -height : height;
    if (planes != 1 || width <= 0 || rows == 0 || width > kMaxSide || rows > kMaxSide
        || std::uint64_t(width) * std::uint64_t(rows) > kMaxPixels)
        invalidBitmap();
    if (!validCombination(compression, int(bitCount), coreHeader, windowsHeader, layout.topDown))
        invalidBitmap();
    layout.width = int(width);
    layout.rows = int(rows);
    layout.bitCount = int(bitCount);
    layout.compression = compression;

    layout.paletteStart = kFileHeaderSize + headerSize;
    if (compression == kBitfields) {
        const std::uint8_t* m = h + 40;
        if (headerSize == 40) { // the masks follow the header
            layout.paletteStart += 12;
            if (size < layout.paletteStart)
                invalidBitmap();
        }
        layout.masks = {le32(m), le32(m + 4), le32(m + 8)};
        for (std::uint32_t mask : layout.masks)
            if (!validMask(mask, layout.bitCount))
                invalidBitmap();
    } else if (bitCount == 16) {
        layout.masks = {0x7C00u, 0x03E0u, 0x001Fu};
    } else if (bitCount == 32) {
        layout.masks = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    }

    layout.paletteEntrySize = coreHeader ? 3 : 4;
    if (bitCount <= 8) {
        const std::uint32_t full = 1u << bitCount;
        // A larger count than the bit depth allows names entries no pixel can use.
        layout.paletteEntries = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    }

    layout.pixelOffset = le32(data + 10);
    if (layout.pixelOffset < layout.paletteStart || layout.pixelOffset >= size)
        invalidBitmap();
    return layout;
}

// Entries missing from a short palette, or cut off by the pixel data, read
// as black; so does any index past the palette.
std::array<Color, 256> readPalette(ByteSource& source, const Layout& layout)
{
    std::array<Color, 256> palette{};
    const std::size_t room = (layout.pixelOffset - layout.paletteStart) / layout.paletteEntrySize;
    const std::size_t count = std::min(layout.paletteEntries, room);
    const std::uint8_t* e = source.at(layout.paletteStart, count * layout.paletteEntrySize);
    if (!e)
        invalidBitmap();
    for (std::size_t i = 0; i < count; ++i, e += layout.paletteEntrySize)
        palette[i] = fromBgr(e[0], e[1], e[2]);
    return palette;
}

// One mask's channel: shift right, keep at most 8 bits, widen through a table.
struct Channel {
    int shift = 0;
    std::uint32_t keep = 0;
    std::array<std::uint8_t, 256> expand{};

    explicit Channel(std::uint32_t mask)
    {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        int bits = std::popcount(mask);
        if (bits > 8) { // wider channels keep their top 8 bits
            shift += bits - 8;
            bits = 8;
        }
        keep = (1u << bits) - 1;
        for (std::uint32_t v = 0; v <= keep; ++v)
            expand[v] = replicateBits(v, bits);
    }
    Color operator()(std::uint32_t pixel) const { return expand[(pixel >> shift) & keep]; }
};

void decodeMaskedRow(const std::uint8_t* src, Color* dst, int width, int bytesPerPixel,
                     const Channel& r, const Channel& g, const Channel& b)
{
    for (int x = 0; x < width; ++x, src += bytesPerPixel) {
        const std::uint32_t px = bytesPerPixel == 2 ? le16(src) : le32(src);
        dst[x] = r(px) | g(px) << 8 | b(px) << 16;
    }
}

// Four bytes B, G, R, x read as one little-endian word -> 0x00BBGGRR:
// byteswap(word) >> 8. Compilers turn this into one load and one bswap.
Color fromBgrxWord(const std::uint8_t* p) { return __builtin_bswap32(le32(p)) >> 8; }

#if defined(__x86_64__)
// Four pixels at a time: one 16-byte load, one byte shuffle (B, G, R of each
// pixel into R, G, B, 0). Each load reads four bytes past the twelve it
// uses, so the caller leaves the last few pixels of a row to the plain loop.
__attribute__((target("ssse3"))) int decodeBgrPixelsSsse3(const std::uint8_t* src, Color* dst,
                                                          int count)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    int x = 0;
    for (; x + 6 <= count; x += 4, src += 12) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm_shuffle_epi8(bgr, order));
    }
    return x;
}

const bool kHasSsse3 = __builtin_cpu_supports("ssse3");
#endif

// The hot path for ground pictures. Each word read takes one byte past the
// pixel, so the last pixel of a row, which may end the file, goes byte-wise.
void decodeBgrRow(const std::uint8_t* src, Color* dst, int width)
{
    int x = 0;
#if defined(__x86_64__)
    if (kHasSsse3) {
        x = decodeBgrPixelsSsse3(src, dst, width);
        src += std::size_t(x) * 3;
    }
#endif
    const int last = width - 1;
    for (; x < last; ++x, src += 3)
        dst[x] = fromBgrxWord(src);
    dst[last] = fromBgr(src[0], src[1], src[2]);
}

std::uint64_t rowStride(const Layout& layout)
{
    return (std::uint64_t(layout.width) * std::uint64_t(layout.bitCount) + 31) / 32 * 4;
}

// Checked before the pixel buffer exists, so a short file claiming a vast
// picture costs nothing.
void requireUncompressedData(std::uint64_t size, const Layout& layout)
{
    const std::uint64_t rowBytes =
        (std::uint64_t(layout.width) * std::uint64_t(layout.bitCount) + 7) / 8;
    // The last row's padding may be missing; its pixels may not.
    const std::uint64_t needed = rowStride(layout) * std::uint64_t(layout.rows - 1) + rowBytes;
    if (needed > size - layout.pixelOffset)
        invalidBitmap();
}

// Reads the rows in windows of about kWindowBytes: only the bytes the
// pixels occupy, whatever follows them in the file.
void decodeUncompressed(ByteSource& source, const Layout& layout, Bitmap& out)
{
    const int w = layout.width;
    const int bpp = layout.bitCount;
    const std::uint64_t stride = rowStride(layout);
    const std::uint64_t rowBytes = (std::uint64_t(w) * std::uint64_t(bpp) + 7) / 8;
    const std::array<Color, 256> palette = readPalette(source, layout);
    const bool plain32 = bpp == 32 && layout.compression == kRgb;
    const Channel red(layout.masks[0]);
    const Channel green(layout.masks[1]);
    const Channel blue(layout.masks[2]);
    const int rowsPerWindow = int(std::max<std::uint64_t>(1, kWindowBytes / stride));

    for (int first = 0; first < layout.rows; first += rowsPerWindow) {
        const int count = std::min(rowsPerWindow, layout.rows - first);
        const std::uint64_t bytes = stride * std::uint64_t(count - 1) + rowBytes;
        const std::uint8_t* window =
            source.at(layout.pixelOffset + std::uint64_t(first) * stride, std::size_t(bytes));
        if (!window)
            invalidBitmap();
        for (int fileRow = first; fileRow < first + count; ++fileRow) {
            const std::uint8_t* src = window + std::uint64_t(fileRow - first) * stride;
            const int y = layout.topDown ? fileRow : layout.rows - 1 - fileRow;
            Color* dst = out.pixels.data() + std::size_t(y) * std::size_t(w);
            switch (bpp) {
            case 1:
                for (int x = 0; x < w; ++x)
                    dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                for (int x = 0; x < w; ++x)
                    dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                break;
            case 8:
                for (int x = 0; x < w; ++x)
                    dst[x] = palette[src[x]];
                break;
            case 24:
                decodeBgrRow(src, dst, w);
                break;
            case 32:
                if (plain32) {
                    for (int x = 0; x < w; ++x, src += 4)
                        dst[x] = fromBgrxWord(src);
                    break;
                }
                decodeMaskedRow(src, dst, w, 4, red, green, blue);
                break;
            default: // 16
                decodeMaskedRow(src, dst, w, 2, red, green, blue);
                break;
            }
        }
    }
}

// Run-length data read forward in windows.
class RunCursor {
public:
    RunCursor(ByteSource& source, std::uint64_t from, std::uint64_t end)
        : source_(source), pos_(from), end_(end)
    {
    }
    // At least n bytes at p(); false when the data ends first.
    bool need(std::size_t n)
    {
        if (avail_ >= n)
            return true;
        const std::uint64_t left = end_ - pos_;
        if (left < n)
            return false;
        const std::size_t take = std::size_t(std::min<std::uint64_t>(left, std::max(n, kWindowBytes)));
        p_ = source_.at(pos_, take);
        avail_ = p_ ? take : 0;
        return p_ != nullptr;
    }
    const std::uint8_t* p() const { return p_; }
    void skip(std::size_t n)
    {
        p_ += n;
        avail_ -= n;
        pos_ += n;
    }

private:
    ByteSource& source_;
    std::uint64_t pos_;
    std::uint64_t end_;
    const std::uint8_t* p_ = nullptr;
    std::size_t avail_ = 0;
};

// Run-length data: pairs (count, value) paint runs; (0, 0) ends a row,
// (0, 1) ends the bitmap, (0, 2, dx, dy) moves the position, (0, n >= 3)
// copies n literal pixels padded to a 16-bit boundary. Rows run bottom-up.
// Pixels the data never reaches stay black. A run, copy or move past the
// bitmap is rejected rather than clipped.
//
// Every code but a move by (0, 0) advances by at least one pixel or row for
// at most four bytes, so no encoding of the picture needs more than
// 4 * (pixels + rows) bytes. Nothing beyond that is read: data that reaches
// it ends there as at an end-of-bitmap code (a code cut by it is dropped),
// which keeps a file padded with empty moves from costing more than its
// picture.
void decodeRle(ByteSource& source, const Layout& layout, Bitmap& out)
{
    const std::array<Color, 256> palette = readPalette(source, layout);
    const bool nibbles = layout.compression == kRle4;
    const std::int64_t w = layout.width;
    const std::int64_t rows = layout.rows;
    const std::uint64_t meaningful = 4 * (std::uint64_t(w) * std::uint64_t(rows) + std::uint64_t(rows)) + 64;
    const bool bounded = meaningful < source.size() - layout.pixelOffset;
    RunCursor in(source, layout.pixelOffset,
                 layout.pixelOffset + std::min(meaningful, source.size() - layout.pixelOffset));
    std::int64_t x = 0;
    std::int64_t y = 0; // counted from the bottom row
    auto rowAt = [&](std::int64_t fileRow) {
        return out.pixels.data() + std::size_t(rows - 1 - fileRow) * std::size_t(w);
    };

    for (;;) {
        if (!in.need(2)) {
            // Data that stops after its last row is complete lacks only the end marker.
            if (y >= rows || bounded)
                return;
            invalidBitmap();
        }
        const std::uint32_t count = in.p()[0];
        const std::uint32_t value = in.p()[1];
        in.skip(2);
        if (count > 0) {
            if (y >= rows || count > w - x)
                invalidBitmap();
            Color* dst = rowAt(y) + x;
            if (nibbles) {
                const Color pair[2] = {palette[value >> 4], palette[value & 0xF]};
                for (std::uint32_t i = 0; i < count; ++i)
                    dst[i] = pair[i & 1];
            } else {
                std::fill(dst, dst + count, palette[value]);
            }
            x += count;
        } else if (value == 0) { // end of row
            x = 0;
            if (++y > rows)
                invalidBitmap();
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // move
            if (!in.need(2)) {
                if (bounded)
                    return;
                invalidBitmap();
            }
            x += in.p()[0];
            y += in.p()[1];
            in.skip(2);
            if (x > w || y >= rows)
                invalidBitmap();
        } else { // literal pixels
            const std::size_t bytes = nibbles ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (!in.need(padded)) {
                if (bounded)
                    return;
                invalidBitmap();
            }
            if (y >= rows || value > w - x)
                invalidBitmap();
            const std::uint8_t* p = in.p();
            Color* dst = rowAt(y) + x;
            for (std::uint32_t i = 0; i < value; ++i)
                dst[i] = palette[nibbles ? (p[i >> 1] >> ((i & 1) ? 0 : 4)) & 0xF : p[i]];
            x += value;
            in.skip(padded);
        }
    }
}

Bitmap decode(ByteSource& source)
{
    const Layout layout = parseLayout(source);
    const bool runLength = layout.compression == kRle8 || layout.compression == kRle4;
    if (!runLength)
        requireUncompressedData(source.size(), layout);
    Bitmap out;
    out.width = layout.width;
    out.height = layout.rows;
    out.pixels.resize(std::size_t(layout.width) * std::size_t(layout.rows));
    if (runLength)
        decodeRle(source, layout, out);
    else
        decodeUncompressed(source, layout, out);
    return out;
}

} // namespace

Bitmap decodeBmp(const std::uint8_t* data, std::size_t size)
{
    MemorySource source(data, size);
    return decode(source);
}

Bitmap loadBmpFile(const std::string& path)
{
    // Non-blocking, so a name that leads to a named pipe is refused below
    // instead of waiting for a writer; reads of regular files never block.
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        raiseCannotOpen(path);
    FileSource source(file.get(), std::uint64_t(info.st_size), path);
    return decode(source);
}

} // namespace veldor
