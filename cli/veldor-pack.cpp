// veldor-pack: makes an image pack from an author's own pictures, and checks
// a pack for everything the browsers and the renderer would trip over. Qt
// only reads the author's PNG, JPEG and BMP sources; every rule that shapes
// the pack's files is in the core library.
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/textfile.h"
#include "sources/pack.h"
#include "sources/packbuild.h"
#include "sources/packcheck.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace veldor;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Usage: veldor-pack build DIR OUT_FOLDER\n"
    "       veldor-pack check PACK.vpk\n";

constexpr const char* kHelp =
    "build DIR OUT_FOLDER\n"
    "  Makes a complete image pack from the folder DIR: writes OUT_FOLDER/<DIR's\n"
    "  name>.vpk and its 25 bitmaps, exactly as the pack browsers read them.\n"
    "  OUT_FOLDER is made when missing; for the program it is the packs folder.\n"
    "\n"
    "  DIR holds sky0..sky4, ground0..ground4 and object0..object4, each one\n"
    "  .png, .jpg, .jpeg or .bmp file, and pack.txt with 'key = value' lines\n"
    "  ('#' as first character starts a comment line; '#' inside a value is\n"
    "  kept):\n"
    "    name, author, description      shown by the browsers\n"
    "    prefix                         starts every bitmap name: 1 to 32 of\n"
    "                                   A-Z a-z 0-9 _ -, and no other pack in\n"
    "                                   OUT_FOLDER may give the same names\n"
    "    sky0..sky4, ground0..ground4,\n"
    "    object0..object4               the captions (an object's is its title)\n"
    "    sky0.tint..sky4.tint           optional light of a sky: R, G, B\n"
    "  name, prefix and all fifteen captions are required. Values are copied\n"
    "  into the pack as their bytes.\n"
    "\n"
    "  The pictures:\n"
    "  - a sky is scaled to cover 630 x 340 and the middle is kept;\n"
    "  - a ground is scaled to 630 wide keeping its aspect; the program draws\n"
    "    it on the bottom edge, so of a higher one only the bottom 340 rows\n"
    "    are kept;\n"
    "  - an object is scaled to fit 256 x 256 keeping its aspect;\n"
    "  - scaling averages the area each new pixel covers;\n"
    "  - alpha below half becomes pure white, the only transparency the program\n"
    "    knows; in grounds and objects an opaque pure white becomes\n"
    "    (254, 254, 254) so that it stays visible;\n"
    "  - the sky and ground thumbnails are 100 x 100 pictures of the whole sky or\n"
    "    ground, because the browsers show them unscaled from the top-left\n"
    "    corner: a sky 100 wide, centred, the bands above and below in the\n"
    "    mean colour of its top and bottom rows; a ground over a daylight sky\n"
    "    in a square as wide as it; an object is its own thumbnail;\n"
    "  - a sky without a tint gets half of how far its average colour lies\n"
    "    from a neutral daylight sky (116, 159, 216), per channel, limited to\n"
    "    -90 ... 70 as the built-in skies are; the tint is printed.\n"
    "  A ground or object without an alpha channel (JPEG, most BMP) covers its\n"
    "  whole rectangle, its white included; a warning says so.\n"
    "  Nothing is written when anything is wrong; every problem is listed.\n"
    "\n"
    "check PACK.vpk\n"
    "  Lists everything wrong with a pack and its bitmaps beside it, one line\n"
    "  each, 'error:' for what fails in the browsers or when a choice is\n"
    "  used, 'warning:' for what works but looks wrong:\n"
    "    errors: a file that cannot be read, lines not ending in CR LF, a wrong\n"
    "      identification line, a tint line that is not an integer, a missing\n"
    "      or invalid bitmap (by file name);\n"
    "    warnings: lines missing at the end (empty captions), a sky not\n"
    "      630 x 340, a thumbnail not 100 x 100, a ground not 630 wide or\n"
    "      higher than 340, and in a ground or object pure white that touches\n"
    "      no edge and is bordered mostly by light colour (every channel 200 or\n"
    "      more), a white surface rather than a hole: it will show what lies\n"
    "      below.\n"
    "  The bitmaps are looked for beside PACK.vpk.\n"
    "  Prints nothing for a sound pack.\n"
    "\n"
    "Exit status: 0 done (check: no errors), 1 the pack could not be built or\n"
    "check found errors, 2 bad usage.\n";

const char* const kSourceExtensions[] = {".png", ".jpg", ".jpeg", ".bmp"};

std::string lower(std::string s)
{
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The one source file DIR/<stem>.<ext>, or a problem.
std::string findSource(const fs::path& dir, const std::string& stem, std::vector<std::string>& problems)
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
    if (found.empty())
        problems.push_back(stem + ": no " + stem + ".png, .jpg, .jpeg or .bmp");
    else if (found.size() > 1)
        problems.push_back(stem + ": more than one picture (" + found[0] + ", " + found[1] + ")");
    return found.size() == 1 ? (dir / found[0]).string() : std::string();
}

RgbaPicture readPicture(const std::string& path, bool keyed, std::vector<std::string>& problems)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true); // a camera's orientation tag
    const QImage read = reader.read();
    if (read.isNull()) {
        problems.push_back(fs::path(path).filename().string() + ": " + reader.errorString().toStdString());
        return {};
    }
    // Not an error: the author may want a rectangle. But a white background
    // meant as transparency would now cover what lies below.
    if (keyed && !read.hasAlphaChannel())
        std::printf("warning: %s has no transparency and covers its whole rectangle\n",
                    fs::path(path).filename().c_str());
    const QImage image = read.convertToFormat(QImage::Format_RGBA8888);
    RgbaPicture p{image.width(), image.height(), {}};
    p.pixels.resize(std::size_t(p.width) * std::size_t(p.height));
    for (int y = 0; y < p.height; ++y) {
        // R, G, B, A in memory: 0xAABBGGRR on this little-endian layout.
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < p.width; ++x)
            p.pixels[std::size_t(y) * std::size_t(p.width) + std::size_t(x)] =
                rgba(row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]);
    }
    return p;
}

// Another pack in the folder whose bitmap names meet ours (letter case
// ignored: packs travel to systems that ignore it).
void checkPrefixIsFree(const fs::path& out, const std::string& packFile, const std::string& prefix,
                       std::vector<std::string>& problems)
{
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
                                   + "'); remove it or rename the source folder");
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

int build(const fs::path& dir, const fs::path& out)
{
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
        checkPrefixIsFree(out, packFile, d.header.prefix, problems);

    std::array<Surface, kChoiceSlots> skies, grounds, objects;
    for (int i = 0; i < kChoiceSlots; ++i) {
        const std::string n = std::to_string(i);
        const auto made = [&](const std::string& stem, Surface (*rule)(const RgbaPicture&)) {
            const std::string path = findSource(dir, stem, problems);
            if (path.empty())
                return Surface();
            const RgbaPicture p = readPicture(path, rule != packSkyPicture, problems);
            return p.width > 0 ? rule(p) : Surface();
        };
        skies[std::size_t(i)] = made("sky" + n, packSkyPicture);
        grounds[std::size_t(i)] = made("ground" + n, packGroundPicture);
        objects[std::size_t(i)] = made("object" + n, packObjectPicture);
    }
    if (!problems.empty()) {
        for (const std::string& p : problems)
            std::fprintf(stderr, "veldor-pack: %s\n", p.c_str());
        return 1;
    }

    std::array<SkyLight, kChoiceSlots> lights;
    for (std::size_t i = 0; i < kChoiceSlots; ++i) {
        lights[i] = d.lights[i] ? *d.lights[i] : skyLightFromPicture(skies[i]);
        if (!d.lights[i])
            std::printf("sky%zu.tint = %d, %d, %d (computed)\n", i, lights[i].red, lights[i].green, lights[i].blue);
    }
    fs::create_directories(out);
    const auto save = [&](const Surface& s, PackKind kind, int slot, bool thumbnail) {
        const std::string name = thumbnail ? packThumbnailName(d.header.prefix, kind, slot)
                                           : packImageName(d.header.prefix, kind, slot);
        saveBmpFile(s, (out / name.substr(sizeof("packs\\") - 1)).string());
    };
    for (int i = 0; i < kChoiceSlots; ++i) {
        const std::size_t s = std::size_t(i);
        save(packSkyThumbnail(skies[s]), PackKind::Sky, i, true);
        save(skies[s], PackKind::Sky, i, false);
        save(packGroundThumbnail(grounds[s]), PackKind::Ground, i, true);
        save(grounds[s], PackKind::Ground, i, false);
        save(objects[s], PackKind::Object, i, false);
    }
    // Last, so that the browsers never list a pack whose bitmaps are not all there.
    writeFileReplacing((out / packFile).string(), packFileText(d, lights));
    return 0;
}

int check(const std::string& path)
{
    bool fails = false;
    for (const PackFinding& f : checkPack(path)) {
        std::printf("%s: %s: %s\n", path.c_str(), f.fails ? "error" : "warning", f.text.c_str());
        fails = fails || f.fails;
    }
    return fails ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kUsage, stdout);
        std::fputs("\n", stdout);
        std::fputs(kHelp, stdout);
        return 0;
    }
    const bool isBuild = args.size() == 3 && args[0] == "build";
    const bool isCheck = args.size() == 2 && args[0] == "check";
    if (!isBuild && !isCheck) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        if (isCheck)
            return check(args[1]);
        QCoreApplication app(argc, argv); // finds the JPEG reader among Qt's plugins
        if (!fs::is_directory(args[1])) {
            std::fprintf(stderr, "veldor-pack: %s is not a folder\n", args[1].c_str());
            return 1;
        }
        return build(args[1], args[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "veldor-pack: %s\n", e.what());
        return 1;
    }
}
