#include "sources/library.h"

#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/stretch.h"
#include "platform/textfile.h"
#include "sources/pack.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace veldor {

namespace {

// Base letters of U+00C0 to U+00FF, "" where a character is kept as it is
// (the multiplication and division signs).
constexpr const char* kLatin1[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // C0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss", // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // E0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",  // F0
};

// Base letters of U+0100 to U+017F, in runs.
struct Run {
    char32_t first, last;
    const char* base;
};
constexpr Run kLatinExtendedA[] = {
    {0x100, 0x105, "a"},  {0x106, 0x10D, "c"}, {0x10E, 0x111, "d"}, {0x112, 0x11B, "e"}, {0x11C, 0x123, "g"},
    {0x124, 0x127, "h"},  {0x128, 0x131, "i"}, {0x132, 0x133, "ij"}, {0x134, 0x135, "j"}, {0x136, 0x138, "k"},
    {0x139, 0x142, "l"},  {0x143, 0x14B, "n"}, {0x14C, 0x151, "o"}, {0x152, 0x153, "oe"}, {0x154, 0x159, "r"},
    {0x15A, 0x161, "s"},  {0x162, 0x167, "t"}, {0x168, 0x173, "u"}, {0x174, 0x175, "w"}, {0x176, 0x178, "y"},
    {0x179, 0x17E, "z"},  {0x17F, 0x17F, "s"},
    // Romanian's comma below.
    {0x218, 0x219, "s"},  {0x21A, 0x21B, "t"},
};

// Greek letters with an accent or diaeresis, upper and lower case, and the
// final sigma: their plain lower-case letter.
struct Pair {
    char32_t from, to;
};
constexpr Pair kGreek[] = {
    {0x386, 0x3B1}, {0x388, 0x3B5}, {0x389, 0x3B7}, {0x38A, 0x3B9}, {0x38C, 0x3BF}, {0x38E, 0x3C5},
    {0x38F, 0x3C9}, {0x390, 0x3B9}, {0x3AA, 0x3B9}, {0x3AB, 0x3C5}, {0x3AC, 0x3B1}, {0x3AD, 0x3B5},
    {0x3AE, 0x3B7}, {0x3AF, 0x3B9}, {0x3B0, 0x3C5}, {0x3C2, 0x3C3}, {0x3CA, 0x3B9}, {0x3CB, 0x3C5},
    {0x3CC, 0x3BF}, {0x3CD, 0x3C5}, {0x3CE, 0x3C9},
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The code points of valid UTF-8 (no overlong forms, surrogates or values
// beyond U+10FFFF); nothing when the bytes are not that.
std::optional<std::u32string> decodeUtf8(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = std::uint8_t(bytes[i]);
        int length = 0;
        char32_t c = 0, least = 0;
        if (b < 0x80) {
            out += char32_t(b);
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2, c = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, c = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, c = b & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + std::size_t(length) > bytes.size())
            return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto next = std::uint8_t(bytes[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out += c;
        i += std::size_t(length);
    }
    return out;
}

void appendFolded(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return;
    }
    if (c >= 0x300 && c <= 0x36F) // combining accents, as a decomposed text has them
        return;
    if (c == 0xA0) {
        out += ' ';
        return;
    }
    if (c >= 0xC0 && c <= 0xFF && *kLatin1[c - 0xC0]) {
        out += kLatin1[c - 0xC0];
        return;
    }
    for (const Run& run : kLatinExtendedA)
        if (c >= run.first && c <= run.last) {
            out += run.base;
            return;
        }
    for (const Pair& pair : kGreek)
        if (c == pair.from) {
            appendUtf8(out, pair.to);
            return;
        }
    if (c >= 0x391 && c <= 0x3A9) // Greek capitals
        c += 0x20;
    else if (c == 0x401 || c == 0x451) // Cyrillic yo, commonly written as ye
        c = 0x435;
    else if (c >= 0x400 && c <= 0x40F)
        c += 0x50;
    else if (c >= 0x410 && c <= 0x42F)
        c += 0x20;
    appendUtf8(out, c);
}

bool isWordByte(char c)
{
    const auto b = std::uint8_t(c);
    // Anything beyond ASCII is a letter of some script.
    return b >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::vector<std::string_view> wordsOf(std::string_view folded)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < folded.size()) {
        while (i < folded.size() && !isWordByte(folded[i]))
            ++i;
        const std::size_t start = i;
        while (i < folded.size() && isWordByte(folded[i]))
            ++i;
        if (i > start)
            words.push_back(folded.substr(start, i - start));
    }
    return words;
}

// How well `word` matches in `caption` (both folded): 0 a whole word of
// it, 1 the start of its first word, 2 the start of a later word, 3 inside
// a word; nothing when not at all.
std::optional<int> matchRank(std::string_view caption, std::string_view word)
{
    std::optional<int> best;
    for (std::size_t at = caption.find(word); at != std::string_view::npos; at = caption.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool starts = at == 0 || !isWordByte(caption[at - 1]);
        const bool ends = end == caption.size() || !isWordByte(caption[end]);
        const int rank = !starts ? 3 : ends ? 0 : at == 0 ? 1 : 2;
        if (!best || rank < *best)
            best = rank;
        if (rank == 0)
            break;
    }
    return best;
}

// The number a pack name ends in, after a space; nothing when it ends
// otherwise.
std::optional<std::size_t> trailingNumberStart(std::string_view name)
{
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
        --digits;
    if (digits == name.size() || digits == 0 || name[digits - 1] != ' ')
        return std::nullopt;
    return digits;
}

struct PackObjects {
    std::string category;
    std::uint64_t number = 0; // of "Farm Animals 3"; 0 without one
    std::vector<LibraryObject> objects;
};

std::optional<PackObjects> readPackObjects(std::string_view appDir, const std::string& packFile)
{
    try {
        const std::string packs = packFolder(appDir);
        LineReader reader = LineReader::openFile(packs + '/' + packFile);
        const std::optional<PackHeader> header = readPackHeader(reader);
        if (!header)
            return std::nullopt;
        const PackCaptions captions = readPackCaptions(reader, PackKind::Object);
        if (!packCarries(packs, header->prefix, captions, PackKind::Object))
            return std::nullopt;
        PackObjects pack;
        pack.category = packCategory(header->name);
        if (const auto start = trailingNumberStart(header->name)) {
            const std::string_view digits = std::string_view(header->name).substr(*start);
            if (std::from_chars(digits.data(), digits.data() + digits.size(), pack.number).ec != std::errc())
                pack.number = UINT64_MAX; // beyond counting: after the others
        }
        for (int i = 0; i < kChoiceSlots; ++i) {
            std::string image = packImageName(header->prefix, PackKind::Object, i);
            // A slot without its bitmap is empty, or broken: either way
            // there is nothing to place.
            if (!fileExists(appPath(appDir, image)))
                continue;
            const std::string& caption = captions[std::size_t(i)];
            pack.objects.push_back({caption, std::move(image), foldForFinding(caption)});
        }
        return pack;
    } catch (const Error&) {
        // One pack that cannot be read (or names bitmaps outside the pack
        // folder) must not keep the others out of the library.
        return std::nullopt;
    }
}

} // namespace

std::string packCategory(std::string_view packName)
{
    const auto start = trailingNumberStart(packName);
    if (!start)
        return std::string(packName);
    std::size_t end = *start;
    while (end > 0 && packName[end - 1] == ' ')
        --end;
    return std::string(packName.substr(0, end == 0 ? packName.size() : end));
}

std::string foldForFinding(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    if (const std::optional<std::u32string> decoded = decodeUtf8(text)) {
        for (const char32_t c : *decoded)
            appendFolded(out, c);
    } else {
        for (const char byte : text)
            appendFolded(out, char32_t(std::uint8_t(byte)));
    }
    return out;
}

ObjectLibrary readObjectLibrary(std::string_view appDir)
{
    const std::vector<std::string> files = listPackFiles(packFolder(appDir));
    // Categories told apart as finding tells words apart; the first pack
    // of a category names it.
    std::map<std::string, std::vector<PackObjects>> byKey;
    for (const std::string& file : files) {
        std::optional<PackObjects> pack = readPackObjects(appDir, file);
        if (!pack || pack->objects.empty())
            continue;
        byKey[foldForFinding(pack->category)].push_back(std::move(*pack));
    }
    ObjectLibrary library;
    library.categories.reserve(byKey.size());
    for (auto& [key, packs] : byKey) {
        // The files are listed alphabetically, so "Farm 10" would come
        // before "Farm 2": the numbers order them.
        std::stable_sort(packs.begin(), packs.end(),
                         [](const PackObjects& a, const PackObjects& b) { return a.number < b.number; });
        LibraryCategory category{packs.front().category, {}};
        for (PackObjects& pack : packs)
            for (LibraryObject& object : pack.objects)
                category.objects.push_back(std::move(object));
        library.categories.push_back(std::move(category));
    }
    return library;
}

std::vector<LibraryPlace> findObjects(const ObjectLibrary& library, std::string_view text)
{
    const std::string query = foldForFinding(text);
    const std::vector<std::string_view> words = wordsOf(query);
    if (words.empty())
        return {};
    struct Found {
        int rank;
        const std::string* folded;
        LibraryPlace place;
    };
    std::vector<Found> found;
    for (std::size_t c = 0; c < library.categories.size(); ++c) {
        const std::vector<LibraryObject>& objects = library.categories[c].objects;
        for (std::size_t o = 0; o < objects.size(); ++o) {
            int rank = 0;
            bool all = true;
            for (const std::string_view word : words) {
                const std::optional<int> r = matchRank(objects[o].folded, word);
                if (!r) {
                    all = false;
                    break;
                }
                rank += *r;
            }
            if (all)
                found.push_back({rank, &objects[o].folded, {c, o}});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tie(a.rank, *a.folded) < std::tie(b.rank, *b.folded);
    });
    std::vector<LibraryPlace> places;
    places.reserve(found.size());
    for (const Found& f : found)
        places.push_back(f.place);
    return places;
}

Picture objectThumbnail(std::string_view appDir, const std::string& imageFile, int size)
{
    Bitmap file = loadBmpFile(appPath(appDir, imageFile));
    const Picture picture(file.width, file.height, std::move(file.pixels));
    Picture shown(size, size);
    stretchCopy(shown, 0, 0, size, size, picture, 0, 0, picture.width(), picture.height());
    return shown;
}

} // namespace veldor
