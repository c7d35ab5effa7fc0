#include "sources/pack.h"

#include "platform/error.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace veldor {

namespace {

constexpr int kSkyLines = 4 * kChoiceSlots; // caption + three tint lines each

// A pack's texts only ever show in labels, and its prefix names files (whose
// names cannot be longer than this anyway): what a line holds beyond this
// is passed over, so a vast line costs time to read past but no memory.
constexpr std::size_t kKeptBytes = kPackLineKept;

std::string readText(LineReader& reader)
{
    return reader.readLineStart(kKeptBytes);
}

// An integer line too long to be kept is refused as one that is not an
// integer, quoting the part kept.
std::int32_t readInteger(LineReader& reader)
{
    bool cut = false;
    const std::string line = reader.readLineStart(kKeptBytes, &cut);
    if (cut)
        raiseNotInteger(line);
    return toInteger(line);
}

void skipLines(LineReader& reader, int count)
{
    for (int i = 0; i < count; ++i)
        reader.readLineStart(0);
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool hasPackExtension(std::string_view name)
{
    constexpr std::string_view ext = ".vpk";
    return name.size() >= ext.size() && lowerAscii(name.substr(name.size() - ext.size())) == ext;
}

std::string packName(std::string_view prefix, std::string_view kindLetters, int slot)
{
    std::string name = std::string(kPackFolderName) + '\\';
    name += prefix;
    name += kindLetters;
    name += std::to_string(slot);
    name += ".bmp";
    return name;
}

// The image is looked for only where a load would read it: a prefix that
// climbs out of the folder names nothing there.
bool packImagePresent(const std::string& packs, std::string_view prefix, PackKind kind, int slot)
{
    const std::string name = packImageName(prefix, kind, slot).substr(sizeof("packs\\") - 1);
    return !climbsAbove(name) && fileExists(appPath(packs, name));
}

} // namespace

std::optional<PackHeader> readPackHeader(LineReader& reader)
{
    // Read no further than the identification is long, so that any other
    // file is refused after its first few kilobytes.
    const std::string_view identification = kPackIdentification;
    const std::optional<std::string> first = reader.readShortLine(identification.size());
    if (!first || *first != identification)
        return std::nullopt;
    PackHeader header;
    header.name = readText(reader);
    header.author = readText(reader);
    header.description = readText(reader);
    header.prefix = readText(reader);
    return header;
}

PackSlots readPackSlots(LineReader& reader, PackKind kind, const PackSlotFlags& filled)
{
    PackSlots slots;
    switch (kind) {
    case PackKind::Sky:
        for (int i = 0; i < kChoiceSlots; ++i) {
            slots.captions[std::size_t(i)] = readText(reader);
            if (!filled[std::size_t(i)]) {
                skipLines(reader, 3);
                continue;
            }
            SkyLight& light = slots.lights[std::size_t(i)];
            light.red = readInteger(reader);
            light.green = readInteger(reader);
            light.blue = readInteger(reader);
        }
        return slots;
    case PackKind::Ground:
        skipLines(reader, kSkyLines);
        break;
    case PackKind::Object:
        skipLines(reader, kSkyLines + kChoiceSlots);
        break;
    }
    for (std::string& caption : slots.captions)
        caption = readText(reader);
    return slots;
}

PackCaptions readPackCaptions(LineReader& reader, PackKind kind)
{
    PackCaptions captions;
    if (kind == PackKind::Sky) {
        for (std::string& caption : captions) {
            caption = readText(reader);
            skipLines(reader, 3);
        }
        return captions;
    }
    skipLines(reader, kSkyLines + (kind == PackKind::Object ? kChoiceSlots : 0));
    for (std::string& caption : captions)
        caption = readText(reader);
    return captions;
}

PackSlotFlags packSlotsFilled(const std::string& packs, std::string_view prefix, const PackCaptions& captions,
                              PackKind kind)
{
    PackSlotFlags filled{};
    for (int i = 0; i < kChoiceSlots; ++i)
        filled[std::size_t(i)] = !captions[std::size_t(i)].empty() || packImagePresent(packs, prefix, kind, i);
    return filled;
}

bool packCarries(const std::string& packs, std::string_view prefix, const PackCaptions& captions, PackKind kind)
{
    for (const std::string& caption : captions)
        if (!caption.empty())
            return true;
    return packImagePresent(packs, prefix, kind, 0);
}

bool packCarries(const std::string& packs, const std::string& fileName, PackKind kind)
{
    try {
        LineReader reader = LineReader::openFile(packs + '/' + fileName);
        const std::optional<PackHeader> header = readPackHeader(reader);
        if (!header)
            return true;
        return packCarries(packs, header->prefix, readPackCaptions(reader, kind), kind);
    } catch (const Error&) {
        return true;
    }
}

std::string packImageName(std::string_view prefix, PackKind kind, int slot)
{
    switch (kind) {
    case PackKind::Ground: return packName(prefix, "g", slot);
    case PackKind::Sky: return packName(prefix, "S", slot);
    case PackKind::Object: break;
    }
    return packName(prefix, "o", slot);
}

std::string packThumbnailName(std::string_view prefix, PackKind kind, int slot)
{
    switch (kind) {
    case PackKind::Ground: return packName(prefix, "gT", slot);
    case PackKind::Sky: return packName(prefix, "ST", slot);
    case PackKind::Object: break;
    }
    // Objects are shown from their full-size image.
    return packImageName(prefix, kind, slot);
}

std::string packFolder(std::string_view appDir)
{
    return appPath(appDir, kPackFolderName);
}

std::vector<std::string> listPackFiles(const std::string& folder)
{
    struct Closer {
        void operator()(DIR* d) const { ::closedir(d); }
    };
    const std::unique_ptr<DIR, Closer> dir(::opendir(folder.c_str()));
    if (!dir)
        raiseIoError(errno);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (!hasPackExtension(name))
            continue;
        // Only files: a folder named "x.vpk" cannot be loaded.
        struct stat st;
        const std::string path = folder + '/' + name;
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowerAscii(a), lb = lowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::vector<std::string> listPackFiles(const std::string& folder, PackKind kind)
{
    std::vector<std::string> names = listPackFiles(folder);
    std::erase_if(names, [&](const std::string& name) { return !packCarries(folder, name, kind); });
    return names;
}

std::optional<std::string> packCaption(const std::string& folder, std::string_view imageFile)
{
    // packs\ <prefix> <kind letter> <slot> .bmp
    const std::string_view start = "packs\\", end = ".bmp";
    if (imageFile.size() < start.size() + 2 + end.size() || !imageFile.starts_with(start) || !imageFile.ends_with(end))
        return std::nullopt;
    const std::string_view body = imageFile.substr(start.size(), imageFile.size() - start.size() - end.size());
    const char slotDigit = body.back(), letter = body[body.size() - 2];
    if (slotDigit < '0' || slotDigit >= char('0' + kChoiceSlots))
        return std::nullopt;
    PackKind kind;
    switch (letter) {
    case 'S': kind = PackKind::Sky; break;
    case 'g': kind = PackKind::Ground; break;
    case 'o': kind = PackKind::Object; break;
    default: return std::nullopt;
    }
    const std::string_view prefix = body.substr(0, body.size() - 2);
    std::vector<std::string> packs;
    try {
        packs = listPackFiles(folder);
    } catch (const Error&) {
        return std::nullopt;
    }
    for (const std::string& pack : packs) {
        // A pack that cannot be read names nothing; the next one may.
        try {
            LineReader reader = LineReader::openFile(folder + '/' + pack);
            const std::optional<PackHeader> header = readPackHeader(reader);
            if (header && header->prefix == prefix)
                return readPackSlots(reader, kind).captions[std::size_t(slotDigit - '0')];
        } catch (const Error&) {
        }
    }
    return std::nullopt;
}

} // namespace veldor
