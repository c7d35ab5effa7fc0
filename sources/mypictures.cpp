#include "sources/mypictures.h"

#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "platform/unique_fd.h"
#include "sources/pack.h"
#include "sources/packinstall.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>

namespace veldor {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCaptionBytes = 64;
// Far more than anyone adds; a bound so that a folder full of strangers'
// packs of our names cannot keep the search going.
constexpr int kMaxPacks = 999;
constexpr const char* kMyDescription = "Pictures of your own";

constexpr std::size_t kindIndex(PackKind kind) { return std::size_t(kind); }
constexpr PackKind kKinds[] = {PackKind::Sky, PackKind::Ground, PackKind::Object};

std::string stripped(std::string name) { return name.substr(sizeof("packs\\") - 1); }

// The names a slot's pictures take in the pack folder.
std::vector<std::string> slotNames(const std::string& prefix, PackKind kind, int slot)
{
    std::vector<std::string> names{stripped(packImageName(prefix, kind, slot))};
    if (kind != PackKind::Object)
        names.push_back(stripped(packThumbnailName(prefix, kind, slot)));
    return names;
}

// One of the user's packs as read, and what this call adds to it.
struct MyPack {
    int number = 1;
    std::string file, prefix;
    PackHeader header;
    std::array<PackCaptions, 3> captions{};
    std::array<PackSlotFlags, 3> filled{};
    std::array<SkyLight, kChoiceSlots> lights{};
    bool usable = false;
    bool changed = false;
};

MyPack readMyPack(const std::string& packs, int number)
{
    MyPack p;
    p.number = number;
    const std::string n = number == 1 ? std::string() : std::to_string(number);
    p.file = "mypictures" + n + ".vpk";
    p.prefix = "mypic" + n;
    p.header = {number == 1 ? kMyPicturesName : std::string(kMyPicturesName) + " " + n, "", kMyDescription, p.prefix};
    std::vector<std::string> taken;
    checkPrefixIsFree(packs, p.file, p.prefix, "", taken);
    if (!taken.empty())
        return p;
    const std::string path = (fs::path(packs) / p.file).string();
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) {
        p.usable = true;
        return p;
    }
    // Ours only when it reads whole as a pack of our prefix; anything else
    // at our name is the user's and is passed over.
    try {
        LineReader reader = LineReader::openFile(path);
        const std::optional<PackHeader> header = readPackHeader(reader);
        if (!header || header->prefix != p.prefix)
            return p;
        p.header = *header;
        for (PackKind kind : kKinds) {
            LineReader again = LineReader::openFile(path);
            readPackHeader(again);
            PackCaptions& captions = p.captions[kindIndex(kind)];
            captions = readPackCaptions(again, kind);
            p.filled[kindIndex(kind)] = packCarries(packs, p.prefix, captions, kind)
                                            ? packSlotsFilled(packs, p.prefix, captions, kind)
                                            : PackSlotFlags{};
        }
        p.lights = readPackSlots(reader, PackKind::Sky, p.filled[kindIndex(PackKind::Sky)]).lights;
    } catch (const Error&) {
        return p;
    }
    p.usable = true;
    return p;
}

std::string myPackText(const MyPack& p)
{
    LineWriter w;
    w.writeLine(kPackIdentification);
    w.writeLine(p.header.name);
    w.writeLine(p.header.author);
    w.writeLine(p.header.description);
    w.writeLine(p.header.prefix);
    const std::size_t sky = kindIndex(PackKind::Sky);
    for (std::size_t i = 0; i < kChoiceSlots; ++i) {
        w.writeLine(p.captions[sky][i]);
        // An empty slot's tint lines are never read; left empty, they keep
        // the slot from looking like a sky.
        if (!p.filled[sky][i]) {
            for (int line = 0; line < 3; ++line)
                w.writeLine("");
            continue;
        }
        w.writeLine(p.lights[i].red);
        w.writeLine(p.lights[i].green);
        w.writeLine(p.lights[i].blue);
    }
    for (PackKind kind : {PackKind::Ground, PackKind::Object})
        for (const std::string& caption : p.captions[kindIndex(kind)])
            w.writeLine(caption);
    return w.bytes();
}

std::string lowerExtension(const std::string& path)
{
    std::string ext = fs::path(path).extension().string();
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

std::string bmpBytes(const Picture& s)
{
    const std::vector<std::uint8_t> bytes = encodeBmp(s);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

std::string myPictureCaption(const std::string& path)
{
    std::string caption;
    for (const char c : fs::path(path).stem().string())
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            caption += c;
    // Blanks at either end would only shift the caption under its picture.
    caption.erase(0, caption.find_first_not_of(' '));
    caption.erase(caption.find_last_not_of(' ') + 1);
    if (caption.size() > kCaptionBytes) {
        std::size_t cut = kCaptionBytes;
        while (cut > 0 && (static_cast<unsigned char>(caption[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 character
        caption.resize(cut);
    }
    return caption.empty() ? "My Picture" : caption;
}

Picture myPictureSurface(const SourcePicture& source, PackKind kind, bool fromBmp)
{
    RgbaPicture picture = source.picture;
    if (kind != PackKind::Sky && fromBmp && !source.hasAlpha)
        keyPureWhite(picture);
    switch (kind) {
    case PackKind::Sky: return packSkyPicture(picture);
    case PackKind::Ground: return packGroundPicture(picture);
    case PackKind::Object: break;
    }
    return readyObjectPicture(picture);
}

MyPicturesResult addMyPictures(const std::string& packs, const std::vector<MyPictureFile>& files,
                               const SourcePictureReader& read)
{
    MyPicturesResult result;
    std::vector<Picture> pictures;
    for (const MyPictureFile& f : files) {
        const std::string name = fs::path(f.path).filename().string();
        const auto refuse = [&](const std::string& why) {
            result.problems.push_back(quotedInMessage(name) + ": " + why);
            pictures.emplace_back();
        };
        std::uint64_t size = 0;
        try {
            openRegularFile(f.path, &size);
        } catch (const Error& e) {
            refuse(e.what());
            continue;
        }
        if (size > kMaxPackFileBytes) {
            refuse("has " + std::to_string(size >> 20) + " MiB, more than the "
                   + std::to_string(kMaxPackFileBytes >> 20) + " MiB a picture may have");
            continue;
        }
        const SourcePicture source = read(f.path);
        if (source.picture.width <= 0 || source.picture.height <= 0) {
            refuse(source.error.empty() ? "not a picture" : source.error);
            continue;
        }
        if (std::uint64_t(source.picture.width) * std::uint64_t(source.picture.height) > kMaxSourcePixels) {
            refuse("more than " + std::to_string(kMaxSourcePixels / 1'000'000) + " million pixels");
            continue;
        }
        pictures.push_back(myPictureSurface(source, f.kind, lowerExtension(f.path) == ".bmp"));
    }
    if (!result.problems.empty())
        return result;

    try {
        finishInterruptedPackInstalls(packs);
        std::map<int, MyPack> read;
        std::vector<std::string> planned; // bitmap names this call writes
        std::vector<std::pair<std::string, std::string>> out;
        for (std::size_t at = 0; at < files.size(); ++at) {
            const PackKind kind = files[at].kind;
            const std::size_t k = kindIndex(kind);
            std::optional<std::pair<int, int>> place; // pack number, slot
            for (int number = 1; number <= kMaxPacks && !place; ++number) {
                if (!read.count(number))
                    read.emplace(number, readMyPack(packs, number));
                const MyPack& p = read.at(number);
                if (!p.usable)
                    continue;
                for (int slot = 0; slot < kChoiceSlots && !place; ++slot) {
                    if (p.filled[k][std::size_t(slot)])
                        continue;
                    bool free = true;
                    std::error_code ec;
                    for (const std::string& name : slotNames(p.prefix, kind, slot))
                        free = free && !fs::exists(fs::symlink_status(fs::path(packs) / name, ec))
                               && std::find(planned.begin(), planned.end(), name) == planned.end();
                    if (free)
                        place.emplace(number, slot);
                }
            }
            if (!place)
                throw Error("there is no room for more pictures of your own in " + packs);
            MyPack& p = read.at(place->first);
            const int slot = place->second;
            const std::size_t s = std::size_t(slot);
            const Picture& picture = pictures[at];
            AddedPicture added{kind, p.file, p.header.name, slot, packImageName(p.prefix, kind, slot),
                               myPictureCaption(files[at].path), {}};
            const std::vector<std::string> names = slotNames(p.prefix, kind, slot);
            out.emplace_back(names[0], bmpBytes(picture));
            if (kind == PackKind::Sky) {
                added.light = skyLightFromPicture(picture);
                p.lights[s] = added.light;
                out.emplace_back(names[1], bmpBytes(packSkyThumbnail(picture)));
            } else if (kind == PackKind::Ground) {
                out.emplace_back(names[1], bmpBytes(packGroundThumbnail(picture)));
            }
            planned.insert(planned.end(), names.begin(), names.end());
            p.captions[k][s] = added.caption;
            p.filled[k][s] = true;
            p.changed = true;
            result.added.push_back(added);
        }
        // Last, so that the browsers never list a picture whose bitmaps are
        // not all there.
        for (const auto& [number, p] : read)
            if (p.changed)
                out.emplace_back(p.file, myPackText(p));
        writeAllOrNothing(packs, out);
    } catch (...) {
        result.added.clear();
        rethrowInUsersWords(packs);
    }
    return result;
}

} // namespace veldor
