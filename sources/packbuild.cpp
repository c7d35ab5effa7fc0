#include "sources/packbuild.h"

#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/fileset.h"
#include "platform/replacefile.h"
#include "platform/textfile.h"
#include "sources/cleanshrink.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

namespace veldor {

namespace {

// One source pixel's share of one output pixel along an axis.
struct Tap {
    int index;
    double weight;
};

// taps[first[i] .. first[i + 1]) cover output i: the interval
// [start + i * step, start + (i + 1) * step) clipped to the picture.
struct AxisTaps {
    std::vector<Tap> taps;
    std::vector<std::size_t> first;
};

AxisTaps axisTaps(double start, double length, int out, int size)
{
    AxisTaps a;
    a.first.reserve(std::size_t(out) + 1);
    const double step = length / out;
    for (int i = 0; i < out; ++i) {
        a.first.push_back(a.taps.size());
        const double lo = std::max(0.0, start + i * step);
        const double hi = std::min(double(size), start + (i + 1) * step);
        for (int s = int(std::floor(lo)); s < hi; ++s) {
            const double w = std::min(hi, s + 1.0) - std::max(lo, double(s));
            if (w > 0)
                a.taps.push_back({s, w});
        }
    }
    a.first.push_back(a.taps.size());
    return a;
}

int roundedChannel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

RgbaPicture opaque(const Picture& s)
{
    RgbaPicture p{s.width(), s.height(), {}};
    p.pixels.reserve(s.data().size());
    for (Color c : s.data())
        p.pixels.push_back(c | 0xFF000000u);
    return p;
}

int roundedSide(double v) { return std::max(1, int(std::lround(v))); }

std::string trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

std::optional<SkyLight> parseLight(const std::string& value)
{
    std::array<std::int32_t, 3> v{};
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = value.find(',', start);
        if ((comma == std::string::npos) != (i == 2))
            return std::nullopt;
        try {
            v[std::size_t(i)] = toInteger(trimmed(std::string_view(value).substr(start, comma - start)));
        } catch (const Error&) {
            return std::nullopt;
        }
        start = comma + 1;
    }
    return SkyLight{v[0], v[1], v[2]};
}

} // namespace

RgbaPicture scaleArea(const RgbaPicture& src, SourceRect rect, int outW, int outH)
{
    const AxisTaps xs = axisTaps(rect.x, rect.width, outW, src.width);
    const AxisTaps ys = axisTaps(rect.y, rect.height, outH, src.height);
    RgbaPicture out{outW, outH, std::vector<std::uint32_t>(std::size_t(outW) * std::size_t(outH))};
    for (int oy = 0; oy < outH; ++oy)
        for (int ox = 0; ox < outW; ++ox) {
            double area = 0, alpha = 0, r = 0, g = 0, b = 0;
            for (std::size_t ty = ys.first[std::size_t(oy)]; ty < ys.first[std::size_t(oy) + 1]; ++ty) {
                const std::uint32_t* row = src.pixels.data() + std::size_t(ys.taps[ty].index) * std::size_t(src.width);
                for (std::size_t tx = xs.first[std::size_t(ox)]; tx < xs.first[std::size_t(ox) + 1]; ++tx) {
                    const std::uint32_t p = row[xs.taps[tx].index];
                    const double w = ys.taps[ty].weight * xs.taps[tx].weight;
                    const double wa = w * alphaOf(p);
                    area += w;
                    alpha += wa;
                    r += wa * redOf(p);
                    g += wa * greenOf(p);
                    b += wa * blueOf(p);
                }
            }
            if (alpha > 0)
                out.pixels[std::size_t(oy) * std::size_t(outW) + std::size_t(ox)] =
                    rgba(roundedChannel(r / alpha), roundedChannel(g / alpha), roundedChannel(b / alpha),
                         roundedChannel(alpha / area));
        }
    return out;
}

Picture toKeyedSurface(const RgbaPicture& src, bool keyed)
{
    std::vector<Color> pixels;
    pixels.reserve(src.pixels.size());
    for (std::uint32_t p : src.pixels) {
        Color c = alphaOf(p) < 128 ? kWhite : Color(p & 0x00FFFFFFu);
        if (keyed && alphaOf(p) >= 128 && isPureWhite(c))
            c = rgb(254, 254, 254);
        pixels.push_back(c);
    }
    return Picture(src.width, src.height, std::move(pixels));
}

bool keyPureWhite(RgbaPicture& picture)
{
    bool any = false;
    for (std::uint32_t& p : picture.pixels)
        if (isPureWhite(Color(p & 0x00FFFFFFu))) {
            p = 0x00FFFFFFu;
            any = true;
        }
    return any;
}

Picture packSkyPicture(const RgbaPicture& src)
{
    const double scale = std::max(double(kPackPictureWidth) / src.width, double(kPackPictureHeight) / src.height);
    const double w = kPackPictureWidth / scale, h = kPackPictureHeight / scale;
    return toKeyedSurface(
        scaleArea(src, {(src.width - w) / 2, (src.height - h) / 2, w, h}, kPackPictureWidth, kPackPictureHeight),
        false);
}

Picture packGroundPicture(const RgbaPicture& src)
{
    const int full = roundedSide(double(src.height) * kPackPictureWidth / src.width);
    const int kept = std::min(full, kPackPictureHeight);
    const double rowsPerOut = double(src.height) / full;
    return toKeyedSurface(
        scaleArea(src, {0, (full - kept) * rowsPerOut, double(src.width), kept * rowsPerOut}, kPackPictureWidth, kept),
        true);
}

Picture packObjectPicture(const RgbaPicture& src)
{
    const double scale = std::min(double(kPackObjectBox) / src.width, double(kPackObjectBox) / src.height);
    return toKeyedSurface(scaleArea(src, {0, 0, double(src.width), double(src.height)}, roundedSide(src.width * scale),
                                    roundedSide(src.height * scale)),
                          true);
}

Picture readyObjectPicture(const RgbaPicture& src)
{
    // Fewer tones leave fewer edges between them for the AND to speckle; a
    // smaller bitmap would only make its edges a larger share.
    const int tones[] = {24, 12, 6, 4, 3, 2};
    const double scale = std::min(double(kPackObjectBox) / src.width, double(kPackObjectBox) / src.height);
    const RgbaPicture fitted = scaleArea(src, {0, 0, double(src.width), double(src.height)},
                                         roundedSide(src.width * scale), roundedSide(src.height * scale));
    std::vector<std::uint8_t> bytes;
    bytes.reserve(fitted.pixels.size() * 4);
    for (const std::uint32_t p : fitted.pixels)
        bytes.insert(bytes.end(),
                     {std::uint8_t(redOf(p)), std::uint8_t(greenOf(p)), std::uint8_t(blueOf(p)), std::uint8_t(alphaOf(p))});
    Picture best;
    double bestShare = 2;
    for (const int t : tones) {
        Picture made = prepareRgba(fitted.width, fitted.height, bytes.data(), {128, t});
        const double share = worstSpeckleShare(made);
        if (share < bestShare) {
            best = std::move(made);
            bestShare = share;
        }
        if (share <= kSpeckleBound)
            break;
    }
    return best;
}

Picture packSkyThumbnail(const Picture& sky)
{
    const double scale = std::min(double(kPackThumbnailSize) / sky.width(), double(kPackThumbnailSize) / sky.height());
    const int w = roundedSide(sky.width() * scale), h = roundedSide(sky.height() * scale);
    const RgbaPicture small = scaleArea(opaque(sky), {0, 0, double(sky.width()), double(sky.height())}, w, h);
    const int left = (kPackThumbnailSize - w) / 2, top = (kPackThumbnailSize - h) / 2;
    // A band takes the mean colour of the edge row or column it continues:
    // the sky's gradient goes on without streaks from clouds or stars.
    const auto meanOf = [&](int x0, int y0, int dx, int dy, int n) {
        double r = 0, g = 0, b = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t p = small.pixels[std::size_t(y0 + i * dy) * std::size_t(w) + std::size_t(x0 + i * dx)];
            r += redOf(p);
            g += greenOf(p);
            b += blueOf(p);
        }
        return rgb(roundedChannel(r / n), roundedChannel(g / n), roundedChannel(b / n));
    };
    const Color above = meanOf(0, 0, 1, 0, w), below = meanOf(0, h - 1, 1, 0, w);
    const Color leftOf = meanOf(0, 0, 0, 1, h), rightOf = meanOf(w - 1, 0, 0, 1, h);
    Picture out(kPackThumbnailSize, kPackThumbnailSize);
    for (int y = 0; y < kPackThumbnailSize; ++y)
        for (int x = 0; x < kPackThumbnailSize; ++x) {
            const int sx = x - left, sy = y - top;
            Color c = sy < 0 ? above : sy >= h ? below : sx < 0 ? leftOf : sx >= w ? rightOf : kBlack;
            if (sx >= 0 && sx < w && sy >= 0 && sy < h)
                c = small.pixels[std::size_t(sy) * std::size_t(w) + std::size_t(sx)] & 0x00FFFFFFu;
            out.setPixel(x, y, c);
        }
    return out;
}

Picture packGroundThumbnail(const Picture& ground)
{
    const int side = std::max(ground.width(), ground.height());
    RgbaPicture square{side, side, std::vector<std::uint32_t>(std::size_t(side) * std::size_t(side))};
    const int left = (side - ground.width()) / 2, top = side - ground.height();
    for (int y = 0; y < side; ++y) {
        // The same daylight backdrop the built-in ground thumbnails use.
        const double t = double(y) / std::max(1, side - 1);
        const std::uint32_t sky =
            rgba(roundedChannel(120 + 80 * t), roundedChannel(160 + 58 * t), roundedChannel(210 + 26 * t), 255);
        for (int x = 0; x < side; ++x) {
            const Color c = ground.pixel(x - left, y - top);
            square.pixels[std::size_t(y) * std::size_t(side) + std::size_t(x)] =
                c == kInvalidColor || isPureWhite(c) ? sky : (c | 0xFF000000u);
        }
    }
    return toKeyedSurface(scaleArea(square, {0, 0, double(side), double(side)}, kPackThumbnailSize, kPackThumbnailSize),
                          false);
}

SkyLight skyLightFromPicture(const Picture& sky)
{
    std::int64_t r = 0, g = 0, b = 0;
    for (Color c : sky.data()) {
        r += redOf(c);
        g += greenOf(c);
        b += blueOf(c);
    }
    const double n = std::max<double>(1, double(sky.data().size()));
    const auto light = [&](std::int64_t sum, std::int32_t neutral) {
        return std::clamp(std::int32_t(std::lround((sum / n - neutral) / 2)), kSkyLightMin, kSkyLightMax);
    };
    return {light(r, redOf(kNeutralDaylight)), light(g, greenOf(kNeutralDaylight)), light(b, blueOf(kNeutralDaylight))};
}

PackDescription parsePackDescription(std::string_view text)
{
    PackDescription d;
    std::map<std::string, std::string*> texts{
        {"name", &d.header.name}, {"author", &d.header.author}, {"description", &d.header.description},
        {"prefix", &d.header.prefix}};
    for (int i = 0; i < kChoiceSlots; ++i) {
        const std::string n = std::to_string(i);
        texts["sky" + n] = &d.skies[std::size_t(i)];
        texts["ground" + n] = &d.grounds[std::size_t(i)];
        texts["object" + n] = &d.objects[std::size_t(i)];
    }
    std::vector<std::string> problems;
    std::map<std::string, int> seen;
    int number = 0;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string line = trimmed(raw);
        const std::string where = "line " + std::to_string(number + 1) + ": ";
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            problems.push_back(where + "expected 'key = value'");
            continue;
        }
        const std::string key = trimmed(std::string_view(line).substr(0, eq));
        const std::string value = trimmed(std::string_view(line).substr(eq + 1));
        if (seen.count(key)) {
            problems.push_back(where + "'" + key + "' was already given on line " + std::to_string(seen[key]));
            continue;
        }
        seen[key] = number + 1;
        // A CR would end the pack's line early and a Ctrl-Z the whole file.
        if (value.find_first_of("\r\x1a") != std::string::npos) {
            problems.push_back(where + "a CR or Ctrl-Z in the value would cut the pack file short");
            continue;
        }
        if (const auto c = texts.find(key); c != texts.end()) {
            *c->second = value;
            continue;
        }
        if (key.size() == 9 && key.starts_with("sky") && key.ends_with(".tint") && key[3] >= '0' && key[3] <= '4') {
            const std::optional<SkyLight> light = parseLight(value);
            if (!light)
                problems.push_back(where + key + " needs three integers 'R, G, B', not '" + value + "'");
            d.lights[std::size_t(key[3] - '0')] = light;
            continue;
        }
        problems.push_back(where + "unknown key '" + key + "'");
    }
    for (const char* key : {"name", "prefix"})
        if (!seen.count(key))
            problems.push_back(std::string("missing key '") + key + "'");
    // A kind without a single caption is one the pack lacks; when every
    // kind is without, all of them are missing.
    const std::pair<const char*, PackKind> kinds[] = {
        {"sky", PackKind::Sky}, {"ground", PackKind::Ground}, {"object", PackKind::Object}};
    const auto given = [&](const char* kind) {
        for (int i = 0; i < kChoiceSlots; ++i)
            if (seen.count(kind + std::to_string(i)))
                return true;
        return false;
    };
    const bool none = !given("sky") && !given("ground") && !given("object");
    for (const auto& [kind, k] : kinds) {
        d.carries[std::size_t(k)] = none || given(kind);
        for (int i = 0; i < kChoiceSlots; ++i)
            if (d.carriesKind(k) && !seen.count(kind + std::to_string(i)))
                problems.push_back("missing key '" + (kind + std::to_string(i)) + "' (its caption)");
    }
    for (int i = 0; i < kChoiceSlots; ++i)
        if (d.lights[std::size_t(i)] && !d.carriesKind(PackKind::Sky))
            problems.push_back("line " + std::to_string(seen["sky" + std::to_string(i) + ".tint"])
                               + ": a tint for a pack without skies");
    if (seen.count("prefix"))
        if (const std::string why = prefixProblem(d.header.prefix); !why.empty())
            problems.push_back("line " + std::to_string(seen["prefix"]) + ": " + why);
    if (!problems.empty()) {
        std::string all;
        for (const std::string& p : problems)
            all += (all.empty() ? "" : "\n") + p;
        throw Error(all);
    }
    return d;
}

std::string prefixProblem(std::string_view prefix)
{
    constexpr std::size_t kMaxPrefix = 32;
    if (prefix.empty() || prefix.size() > kMaxPrefix)
        return "the prefix must be 1 to 32 characters long";
    for (char c : prefix)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
            return "the prefix '" + std::string(prefix) + "' may hold only letters A-Z a-z, digits, '_' and '-'";
    return {};
}

std::vector<std::string> packBitmapNames(std::string_view prefix)
{
    std::vector<std::string> names;
    for (PackKind kind : {PackKind::Sky, PackKind::Ground, PackKind::Object})
        for (int i = 0; i < kChoiceSlots; ++i) {
            if (kind != PackKind::Object)
                names.push_back(packThumbnailName(prefix, kind, i).substr(sizeof("packs\\") - 1));
            names.push_back(packImageName(prefix, kind, i).substr(sizeof("packs\\") - 1));
        }
    return names;
}

std::string packFileText(const PackDescription& d, const std::array<SkyLight, kChoiceSlots>& lights)
{
    LineWriter w;
    w.writeLine(kPackIdentification);
    w.writeLine(d.header.name);
    w.writeLine(d.header.author);
    w.writeLine(d.header.description);
    w.writeLine(d.header.prefix);
    for (std::size_t i = 0; i < kChoiceSlots; ++i) {
        w.writeLine(d.skies[i]);
        if (!d.carriesKind(PackKind::Sky)) {
            for (int line = 0; line < 3; ++line)
                w.writeLine("");
            continue;
        }
        w.writeLine(lights[i].red);
        w.writeLine(lights[i].green);
        w.writeLine(lights[i].blue);
    }
    for (const std::string& c : d.grounds)
        w.writeLine(c);
    for (const std::string& c : d.objects)
        w.writeLine(c);
    return w.bytes();
}

namespace {

namespace fs = std::filesystem;

const char* const kSourceExtensions[] = {".png", ".jpg", ".jpeg", ".bmp"};

std::string lower(std::string s)
{
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The source files DIR/<stem>.<ext>, by name.
std::vector<std::string> sourcesOf(const fs::path& dir, const std::string& stem)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec)) {
        const fs::path name = e.path().filename();
        const std::string ext = lower(name.extension().string());
        const bool picture =
            std::find(std::begin(kSourceExtensions), std::end(kSourceExtensions), ext) != std::end(kSourceExtensions);
        if (picture && name.stem() == stem && e.is_regular_file(ec))
            found.push_back(name.string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The one source file DIR/<stem>.<ext>, or a problem.
std::string findSource(const fs::path& dir, const std::string& stem, std::vector<std::string>& problems)
{
    const std::vector<std::string> found = sourcesOf(dir, stem);
    if (found.empty())
        problems.push_back(stem + ": no " + stem + ".png, .jpg, .jpeg or .bmp");
    else if (found.size() > 1)
        problems.push_back(stem + ": more than one picture (" + found[0] + ", " + found[1] + ")");
    return found.size() == 1 ? (dir / found[0]).string() : std::string();
}

} // namespace

// The bitmap names the pack of `d` is made of, as in the pack folder.
static std::vector<std::string> writtenBitmapNames(const PackDescription& d)
{
    std::vector<std::string> names;
    for (const std::string& name : packBitmapNames(d.header.prefix)) {
        const char kind = name[d.header.prefix.size()];
        if (d.carriesKind(kind == 'S' ? PackKind::Sky : kind == 'g' ? PackKind::Ground : PackKind::Object))
            names.push_back(name);
    }
    return names;
}

void checkPrefixIsFree(const std::string& outName, const std::string& packFile, const std::string& prefix,
                       const std::string& advice, std::vector<std::string>& problems)
{
    const fs::path out(outName);
    std::vector<std::string> ours = packBitmapNames(prefix);
    std::transform(ours.begin(), ours.end(), ours.begin(), lower);
    if (!fs::is_directory(out))
        return;
    for (const std::string& other : listPackFiles(out.string())) {
        std::optional<PackHeader> header;
        try {
            LineReader reader = LineReader::openFile((out / other).string());
            header = readPackHeader(reader);
        } catch (const Error&) {
        }
        if (!header)
            continue;
        if (other == packFile) {
            if (lower(header->prefix) != lower(prefix))
                problems.push_back(other + " in " + out.string() + " is another pack (prefix '" + header->prefix
                                   + "'); " + advice);
            continue;
        }
        for (const std::string& name : packBitmapNames(header->prefix))
            if (std::find(ours.begin(), ours.end(), lower(name)) != ours.end()) {
                problems.push_back("prefix '" + prefix + "' gives the same file names as " + other + " (prefix '"
                                   + header->prefix + "')");
                break;
            }
    }
}


void writeAllOrNothing(const std::string& outName, const std::vector<std::pair<std::string, std::string>>& files)
{
    finishInterruptedReplacements(outName);
    FileSetReplacement set(outName);
    for (const auto& [name, bytes] : files) {
        set.add(name);
        set.write(bytes);
    }
    set.commit();
}

std::vector<std::string> buildPack(const std::string& dirName, const std::string& outName,
                                   const SourcePictureReader& read, const PackBuildNote& note)
try {
    const fs::path dir(dirName), out(outName);
    std::vector<std::string> problems;
    PackDescription d;
    try {
        d = parsePackDescription(readWholeFile((dir / "pack.txt").string()));
    } catch (const Error& e) {
        std::string text = e.what();
        for (std::size_t at = 0; at != std::string::npos; at = text.find('\n', at + 1))
            text.insert(at == 0 ? 0 : at + 1, "pack.txt: ");
        problems.push_back(text);
    }
    std::error_code ec;
    const std::string packFile = fs::weakly_canonical(fs::absolute(dir), ec).filename().string() + ".vpk";
    if (problems.empty())
        checkPrefixIsFree(outName, packFile, d.header.prefix, "remove it or rename the source folder", problems);

    std::array<Picture, kChoiceSlots> skies, grounds, objects;
    for (int i = 0; i < kChoiceSlots; ++i) {
        const std::string n = std::to_string(i);
        const auto made = [&](const std::string& stem, Picture (*rule)(const RgbaPicture&)) {
            const PackKind kind = rule == packSkyPicture      ? PackKind::Sky
                                  : rule == packGroundPicture ? PackKind::Ground
                                                              : PackKind::Object;
            if (!d.carriesKind(kind)) {
                // Left out, it would be lost without a word.
                if (!sourcesOf(dir, stem).empty())
                    problems.push_back(stem + ": a picture without a caption in pack.txt (" + stem + " = ...)");
                return Picture();
            }
            const std::string path = findSource(dir, stem, problems);
            if (path.empty())
                return Picture();
            const SourcePicture source = read(path);
            const std::string name = fs::path(path).filename().string();
            if (source.picture.width <= 0) {
                problems.push_back(name + ": " + source.error);
                return Picture();
            }
            RgbaPicture picture = source.picture;
            const bool bmp = lower(fs::path(name).extension().string()) == ".bmp";
            const bool keyed = kind != PackKind::Sky && !source.hasAlpha && bmp && keyPureWhite(picture);
            // Not an error: the author may want a rectangle. But a white
            // background meant as transparency would now cover what lies below.
            if (kind != PackKind::Sky && !source.hasAlpha && !keyed)
                note("warning: " + name + " has no transparency and covers its whole rectangle");
            return rule(picture);
        };
        skies[std::size_t(i)] = made("sky" + n, packSkyPicture);
        grounds[std::size_t(i)] = made("ground" + n, packGroundPicture);
        objects[std::size_t(i)] = made("object" + n, readyObjectPicture);
    }
    if (problems.empty()) {
        const std::vector<std::string> ours = writtenBitmapNames(d);
        for (const std::string& name : packBitmapNames(d.header.prefix))
            if (std::find(ours.begin(), ours.end(), name) == ours.end() && fs::exists(fs::symlink_status(out / name, ec)))
                problems.push_back(name + " in " + out.string()
                                   + " would fill a slot of this pack, which has no picture there; remove it");
    }
    if (!problems.empty())
        return problems;

    std::array<SkyLight, kChoiceSlots> lights;
    for (std::size_t i = 0; i < kChoiceSlots && d.carriesKind(PackKind::Sky); ++i) {
        lights[i] = d.lights[i] ? *d.lights[i] : skyLightFromPicture(skies[i]);
        if (!d.lights[i])
            note("sky" + std::to_string(i) + ".tint = " + std::to_string(lights[i].red) + ", "
                 + std::to_string(lights[i].green) + ", " + std::to_string(lights[i].blue) + " (computed)");
    }
    std::vector<std::pair<std::string, std::string>> files; // name in `out`, contents
    const auto add = [&](const Picture& s, PackKind kind, int slot, bool thumbnail) {
        const std::string name = thumbnail ? packThumbnailName(d.header.prefix, kind, slot)
                                           : packImageName(d.header.prefix, kind, slot);
        const std::vector<std::uint8_t> bytes = encodeBmp(s);
        files.emplace_back(name.substr(sizeof("packs\\") - 1), std::string(bytes.begin(), bytes.end()));
    };
    for (int i = 0; i < kChoiceSlots; ++i) {
        const std::size_t s = std::size_t(i);
        if (d.carriesKind(PackKind::Sky)) {
            add(packSkyThumbnail(skies[s]), PackKind::Sky, i, true);
            add(skies[s], PackKind::Sky, i, false);
        }
        if (d.carriesKind(PackKind::Ground)) {
            add(packGroundThumbnail(grounds[s]), PackKind::Ground, i, true);
            add(grounds[s], PackKind::Ground, i, false);
        }
        if (d.carriesKind(PackKind::Object))
            add(objects[s], PackKind::Object, i, false);
    }
    // Last, so that the browsers never list a pack whose bitmaps are not all there.
    files.emplace_back(packFile, packFileText(d, lights));
    writeAllOrNothing(outName, files);
    return {};
} catch (...) {
    rethrowInUsersWords(outName);
}

} // namespace veldor
