#include "sources/packcheck.h"

#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/picturesize.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "platform/unique_fd.h"
#include "sources/pack.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string_view>

namespace veldor {

namespace {

constexpr int kPackLines = 35;
constexpr int kThumbnailSide = 100;

std::string sizeText(const Bitmap& b) { return std::to_string(b.width) + " x " + std::to_string(b.height); }

// Pure white meant as a colour: a patch of pure white that touches no edge
// of the picture and is bordered mostly by light colour (every channel 200
// or more), as a white surface with its shading is. A hole (the sky between
// branches, the middle of a ring) is bordered by the darker thing around it,
// and the background touches the edge. The renderer keys every pure white
// pixel, so such a patch shows what lies below.
struct VanishingWhite {
    std::size_t pixels = 0;
    int patches = 0;
    int x = 0, y = 0; // first pixel of the first patch in reading order
};

VanishingWhite vanishingWhite(const Bitmap& b)
{
    constexpr int kLight = 200;
    const std::size_t w = std::size_t(b.width), h = std::size_t(b.height);
    std::vector<char> seen(b.pixels.size(), 0);
    std::vector<std::size_t> stack;
    VanishingWhite v;
    for (std::size_t start = 0; start < b.pixels.size(); ++start) {
        if (seen[start] || !isPureWhite(b.pixels[start]))
            continue;
        std::size_t count = 0, border = 0, light = 0;
        bool edge = false;
        seen[start] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            const std::size_t i = stack.back();
            stack.pop_back();
            ++count;
            const std::size_t x = i % w, y = i / w;
            edge = edge || x == 0 || y == 0 || x + 1 == w || y + 1 == h;
            for (const std::size_t n : {x > 0 ? i - 1 : i, x + 1 < w ? i + 1 : i, y > 0 ? i - w : i,
                                        y + 1 < h ? i + w : i}) {
                if (n == i || seen[n])
                    continue;
                if (isPureWhite(b.pixels[n])) {
                    seen[n] = 1;
                    stack.push_back(n);
                    continue;
                }
                const Color c = b.pixels[n];
                ++border;
                light += std::min({redOf(c), greenOf(c), blueOf(c)}) >= kLight;
            }
        }
        if (edge || 2 * light <= border)
            continue;
        if (v.patches++ == 0) {
            v.x = int(start % w);
            v.y = int(start / w);
        }
        v.pixels += count;
    }
    return v;
}

void checkBitmap(const std::string& folder, const std::string& name, PackKind kind, bool thumbnail,
                 std::vector<PackFinding>& out)
{
    // The stored names begin with the pack folder's own name.
    const std::string file = name.substr(sizeof("packs\\") - 1);
    // A prefix may be kilobytes long; the author needs only to recognise it.
    const std::string shown = quotedInMessage(file);
    Bitmap b;
    try {
        b = loadBmpFile(appPath(folder, file));
    } catch (const Error& e) {
        const bool there = !climbsAbove(file) && fileExists(appPath(folder, file));
        out.push_back({true, shown + ": " + (there ? e.what() : "missing")});
        return;
    }
    const auto odd = [&](const std::string& why) { out.push_back({false, shown + ": " + why}); };
    if (thumbnail) {
        if (b.width != kThumbnailSide || b.height != kThumbnailSide)
            odd(sizeText(b) + ", not 100 x 100: the browser shows its top-left 100 x 100 unscaled");
        return;
    }
    if (kind == PackKind::Sky && (b.width != kPictureWidth || b.height != kPictureHeight))
        odd(sizeText(b) + ", not 630 x 340: the picture takes the size of its sky");
    if (kind == PackKind::Ground) {
        if (b.width < kPictureWidth)
            odd(sizeText(b) + ", narrower than 630: the sky shows in the columns to its right");
        else if (b.width > kPictureWidth)
            odd(sizeText(b) + ", wider than 630: the columns beyond 630 never show");
        if (b.height > kPictureHeight)
            odd(sizeText(b) + ", higher than 340: its top " + std::to_string(b.height - kPictureHeight)
                + " rows never show");
    }
    if (kind != PackKind::Sky) {
        const VanishingWhite v = vanishingWhite(b);
        if (v.patches > 0)
            odd(std::to_string(v.pixels) + " pure white pixels inside light colour, first at (" + std::to_string(v.x)
                + ", " + std::to_string(v.y) + "), will show what lies below");
    }
}

// The lines as the browsers read them, each kept to its start, so that a
// pack of any size costs a few kilobytes.
struct PackLine {
    std::string text;
    bool cut = false; // there was more than was kept
};
struct PackLines {
    std::array<PackLine, kPackLines> line; // those past the end stay empty
    int count = 0;
};

// Hands the file to `take` a block at a time until it returns false.
void readBlocks(const std::string& path, const std::function<bool(std::string_view)>& take)
{
    const UniqueFd fd = openRegularFile(path);
    std::string block(65536, '\0');
    for (;;) {
        const ssize_t n = ::read(fd.get(), block.data(), block.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            raiseIoError(errno);
        if (n == 0 || !take(std::string_view(block.data(), std::size_t(n))))
            return;
    }
}

// Lines ended by LF alone, as the author meant them; Ctrl-Z still ends the
// text, as it does for the browsers.
PackLines readLfLines(const std::string& path)
{
    PackLines lines;
    std::size_t length = 0; // of the line being read, kept or not
    const auto finish = [&] {
        lines.line[std::size_t(lines.count++)].cut = length > kPackLineKept;
        length = 0;
    };
    readBlocks(path, [&](std::string_view block) {
        while (!block.empty()) {
            const std::size_t end = block.find_first_of(std::string_view("\n\x1a", 2));
            const std::string_view part = block.substr(0, end);
            std::string& text = lines.line[std::size_t(lines.count)].text;
            if (text.size() < kPackLineKept)
                text.append(part.substr(0, kPackLineKept - text.size()));
            length += part.size();
            if (length > kMaxLineBytes) // as the browsers refuse it
                raiseLineTooLong(std::uint64_t(lines.count) + 1);
            if (end == std::string_view::npos)
                return true;
            if (block[end] != '\n')
                return false;
            finish();
            if (lines.count == kPackLines)
                return false;
            block.remove_prefix(end + 1);
        }
        return true;
    });
    if (length > 0 && lines.count < kPackLines)
        finish();
    return lines;
}

PackLines readPackLines(const std::string& path, std::vector<PackFinding>& out)
{
    // Only when no line ends in CR does LF end the lines. A first CR past
    // the longest line allowed would end a line the browsers refuse anyway,
    // so the search stops there.
    bool cr = false, lf = false;
    std::size_t seen = 0;
    readBlocks(path, [&](std::string_view block) {
        cr = block.find('\r') != std::string_view::npos;
        lf = lf || block.find('\n') != std::string_view::npos;
        seen += block.size();
        return !cr && seen <= kMaxLineBytes;
    });
    if (!cr && lf) {
        out.push_back({true, "the lines end with LF alone; the browsers need CR LF and read one long line"});
        // The rest is checked as the author meant the lines.
        return readLfLines(path);
    }
    PackLines lines;
    LineReader reader = LineReader::openFile(path);
    while (!reader.atEnd() && lines.count < kPackLines) {
        PackLine& l = lines.line[std::size_t(lines.count++)];
        l.text = reader.readLineStart(kPackLineKept, &l.cut);
    }
    return lines;
}

} // namespace

std::vector<PackFinding> checkPack(const std::string& path)
{
    std::vector<PackFinding> out;
    PackLines read;
    try {
        read = readPackLines(path, out);
    } catch (const Error& e) {
        out.push_back({true, e.what()});
        return out;
    }
    const int lines = read.count;
    const auto& line = read.line;

    const std::string& first = line[0].text;
    if (first != kPackIdentification) {
        constexpr std::size_t kQuoted = 64;
        const std::string shown = first.size() <= kQuoted ? first : first.substr(0, kQuoted) + "...";
        out.push_back({true, "line 1: '" + shown + "' is not the identification line '" + kPackIdentification + "'"});
    }
    // Lines 2 to 4 (name, author, description): any text will do.
    const std::string& prefix = line[4].text;
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const std::string dir = folder.empty() ? "." : folder;
    const auto captionsOf = [&](PackKind kind) {
        PackCaptions captions;
        for (int i = 0; i < kChoiceSlots; ++i)
            captions[std::size_t(i)] = line[std::size_t(kind == PackKind::Sky      ? 5 + 4 * i
                                                         : kind == PackKind::Ground ? 25 + i
                                                                                    : 30 + i)]
                                           .text;
        return captions;
    };
    const PackKind kinds[] = {PackKind::Sky, PackKind::Ground, PackKind::Object};
    std::array<PackSlotFlags, 3> filled{};
    int lastLineUsed = 5; // the lines after it may as well be missing
    for (std::size_t k = 0; k < 3; ++k) {
        const PackCaptions captions = captionsOf(kinds[k]);
        if (packCarries(dir, prefix, captions, kinds[k])) {
            filled[k] = packSlotsFilled(dir, prefix, captions, kinds[k]);
            lastLineUsed = k == 0 ? 25 : k == 1 ? 30 : kPackLines;
        }
    }
    if (lastLineUsed == 5)
        out.push_back({true, "the pack has no pictures: all its captions are empty and no image of slot 0 lies "
                             "beside it"});
    if (lines < lastLineUsed)
        out.push_back({false, "the file ends after line " + std::to_string(lines) + " of "
                                  + std::to_string(lastLineUsed) + ": the lines after it read as empty captions"});
    for (int slot = 0; slot < kChoiceSlots; ++slot) {
        if (!filled[0][std::size_t(slot)]) // an empty sky slot's tint is never read
            continue;
        for (int c = 0; c < 3; ++c) { // after the caption, the three tint lines
            const int number = 7 + 4 * slot + c;
            const PackLine& l = line[std::size_t(number - 1)];
            try {
                if (l.cut)
                    raiseNotInteger(l.text); // as the browsers refuse it
                toInteger(l.text);
            } catch (const Error& e) {
                out.push_back({true, "line " + std::to_string(number) + ": " + e.what()});
            }
        }
    }

    for (std::size_t k = 0; k < 3; ++k)
        for (int i = 0; i < kChoiceSlots; ++i) {
            if (!filled[k][std::size_t(i)])
                continue;
            if (kinds[k] != PackKind::Object)
                checkBitmap(dir, packThumbnailName(prefix, kinds[k], i), kinds[k], true, out);
            checkBitmap(dir, packImageName(prefix, kinds[k], i), kinds[k], false, out);
        }
    return out;
}

} // namespace veldor
