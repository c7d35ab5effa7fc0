// veldor-pack: makes an image pack from an author's own pictures, checks a
// pack for everything the browsers and the renderer would trip over,
// installs one, and adds the user's own pictures to their own pack. Qt only
// reads the PNG, JPEG, SVG and BMP sources; every rule that shapes the
// pack's files is in the core library.
#include "platform/error.h"
#include "sources/mypictures.h"
#include "sources/packbuild.h"
#include "sources/packcheck.h"
#include "sources/packinstall.h"
#include "sources/ui/picturefile.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace veldor;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Usage: veldor-pack build DIR OUT_FOLDER\n"
    "       veldor-pack check PACK.vpk\n"
    "       veldor-pack install PACK.vpk\n"
    "       veldor-pack add [--sky|--ground] FILE...\n";

constexpr const char* kHelp =
    "build DIR OUT_FOLDER\n"
    "  Makes an image pack from the folder DIR: writes OUT_FOLDER/<DIR's name>.vpk\n"
    "  and its bitmaps (25 for a complete pack), exactly as the browsers read them.\n"
    "  OUT_FOLDER is made when missing; for the program it is the packs folder.\n"
    "\n"
    "  DIR holds sky0..sky4, ground0..ground4 and object0..object4 (those of the\n"
    "  kinds the pack carries), each one .png, .jpg, .jpeg or .bmp file, and\n"
    "  pack.txt with 'key = value' lines\n"
    "  ('#' as first character starts a comment line; '#' inside a value is\n"
    "  kept):\n"
    "    name, author, description      shown by the browsers\n"
    "    prefix                         starts every bitmap name: 1 to 32 of\n"
    "                                   A-Z a-z 0-9 _ -, and no other pack in\n"
    "                                   OUT_FOLDER may give the same names\n"
    "    sky0..sky4, ground0..ground4,\n"
    "    object0..object4               the captions (an object's is its title)\n"
    "    sky0.tint..sky4.tint           optional light of a sky: R, G, B\n"
    "  name and prefix are required, and the five captions of each kind the pack\n"
    "  carries: without sky and ground captions it carries objects alone, without\n"
    "  object captions skies and grounds alone. Values are copied into the pack\n"
    "  as their bytes.\n"
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
    "  - a BMP has no alpha: its pure white is the program's transparency and\n"
    "    stays transparent in a ground or object.\n"
    "  A ground or object without an alpha channel or such white (JPEG, a BMP\n"
    "  without pure white) covers its whole rectangle; a warning says so.\n"
    "  Nothing is written when anything is wrong; every problem is listed.\n"
    "\n"
    "check PACK.vpk\n"
    "  Lists everything wrong with a pack and its bitmaps beside it, one line\n"
    "  each, 'error:' for what fails in the browsers or when a choice is\n"
    "  used, 'warning:' for what works but looks wrong:\n"
    "    errors: a file that cannot be read, lines not ending in CR LF, a wrong\n"
    "      identification line, a pack of no kind at all, a sky's tint line that\n"
    "      is not an integer, a missing or invalid bitmap (by file name);\n"
    "    warnings: lines missing before the last caption of a kind, a sky not\n"
    "      630 x 340, a thumbnail not 100 x 100, a ground not 630 wide or\n"
    "      higher than 340, and in a ground or object pure white that touches\n"
    "      no edge and is bordered mostly by light colour (every channel 200 or\n"
    "      more), a white surface rather than a hole: it will show what lies\n"
    "      below.\n"
    "  The bitmaps are looked for beside PACK.vpk, those of the kinds the pack\n"
    "  carries: a kind with a caption or the image of its first slot. A slot\n"
    "  with neither is empty.\n"
    "  Prints nothing for a sound pack.\n"
    "\n"
    "install PACK.vpk\n"
    "  Checks the pack as check does and, when it has no errors, copies it with\n"
    "  the bitmaps it uses from beside it into the user's packs folder,\n"
    "  $XDG_DATA_HOME/veldor/packs (~/.local/share/veldor/packs when\n"
    "  XDG_DATA_HOME is unset or not absolute), all files or none: an install\n"
    "  cut short, even by a crash, is completed or undone by the next install\n"
    "  or the program's next start. An earlier copy of the same pack (same\n"
    "  file name and prefix) is replaced whole. Refused, with nothing written:\n"
    "  a pack with errors, another pack or any other file of that file name, a\n"
    "  prefix whose bitmap names another installed pack uses, a prefix holding\n"
    "  a folder separator or starting with '.', a file of the user's at one of\n"
    "  the bitmap names, a file larger than 16 MiB.\n"
    "\n"
    "add [--sky|--ground] FILE...\n"
    "  Adds the pictures (PNG, JPEG, SVG or BMP) to the user's own pack \"My\n"
    "  Pictures\" in the user's packs folder, as objects, or as skies or grounds;\n"
    "  once five of a kind are there, to \"My Pictures 2\", and so on. Each is\n"
    "  made ready as build makes a pack's pictures: alpha below half becomes\n"
    "  the transparent pure white, an opaque pure white stays visible (in a\n"
    "  BMP, pure white stays transparent), an object fits 256 x 256, a sky\n"
    "  covers 630 x 340 and gets its light from its average colour, a ground is\n"
    "  630 wide on the bottom edge. The caption is the file's name without its\n"
    "  extension. All pictures go in or none; none is refused larger than\n"
    "  16 MiB or 50 million pixels, and nothing of the user's is written over.\n"
    "\n"
    "Exit status: 0 done (check: no errors), 1 the pack could not be built,\n"
    "check found errors or the pack was not installed, 2 bad usage.\n";

int build(const std::string& dir, const std::string& out)
{
    const std::vector<std::string> problems =
        buildPack(dir, out, readSourcePicture, [](const std::string& line) { std::printf("%s\n", line.c_str()); });
    for (const std::string& p : problems)
        std::fprintf(stderr, "veldor-pack: %s\n", p.c_str());
    return problems.empty() ? 0 : 1;
}

int add(const std::vector<std::string>& args)
{
    PackKind kind = PackKind::Object;
    std::size_t first = 1;
    for (; first < args.size() && (args[first] == "--sky" || args[first] == "--ground"); ++first)
        kind = args[first] == "--sky" ? PackKind::Sky : PackKind::Ground;
    if (first < args.size() && args[first] == "--")
        ++first;
    std::vector<MyPictureFile> files;
    for (std::size_t i = first; i < args.size(); ++i)
        files.push_back({args[i], kind});
    if (files.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string packs = userPacksFolder();
    const MyPicturesResult done = addMyPictures(packs, files, readSourcePicture);
    for (const std::string& p : done.problems)
        std::fprintf(stderr, "veldor-pack: %s\n", p.c_str());
    if (!done.problems.empty()) {
        std::fprintf(stderr, "veldor-pack: nothing added\n");
        return 1;
    }
    const char* const kinds[] = {"ground", "sky", "object"};
    for (const AddedPicture& a : done.added)
        std::printf("added the %s '%s' to %s (%s) in %s\n", kinds[int(a.kind)], quotedInMessage(a.caption).c_str(),
                    a.packName.c_str(), a.packFile.c_str(), quotedInMessage(packs).c_str());
    return 0;
}

int check(const std::string& path)
{
    bool fails = false;
    const std::string shown = quotedInMessage(path);
    for (const PackFinding& f : checkPack(path)) {
        std::printf("%s: %s: %s\n", shown.c_str(), f.fails ? "error" : "warning", f.text.c_str());
        fails = fails || f.fails;
    }
    return fails ? 1 : 0;
}

int install(const std::string& path)
{
    const std::string packs = userPacksFolder();
    const PackInstall done = installPack(path, packs);
    const std::string shown = quotedInMessage(path);
    for (const PackFinding& f : done.findings)
        std::printf("%s: %s: %s\n", shown.c_str(), f.fails ? "error" : "warning", f.text.c_str());
    const std::string name = quotedInMessage(done.packFile), folder = quotedInMessage(packs);
    switch (done.outcome) {
    case PackInstallOutcome::Refused:
        // The check's errors are printed above already.
        for (const std::string& why : done.refusals)
            std::fprintf(stderr, "veldor-pack: %s\n", why.c_str());
        std::fprintf(stderr, "veldor-pack: %s not installed\n", shown.c_str());
        return 1;
    case PackInstallOutcome::Installed: std::printf("installed %s in %s\n", name.c_str(), folder.c_str()); break;
    case PackInstallOutcome::Replaced:
        std::printf("replaced the earlier %s in %s\n", name.c_str(), folder.c_str());
        break;
    case PackInstallOutcome::AlreadyIn: std::printf("%s is the installed pack itself\n", shown.c_str()); break;
    }
    return 0;
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
    const bool isInstall = args.size() == 2 && args[0] == "install";
    const bool isAdd = args.size() >= 2 && args[0] == "add";
    if (!isBuild && !isCheck && !isInstall && !isAdd) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        if (isCheck)
            return check(args[1]);
        if (isInstall)
            return install(args[1]);
        // Finds the JPEG reader among Qt's plugins; SVG is drawn with the GUI's
        // painter, which needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        if (isAdd)
            return add(args);
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
