// veldor-render: renders a scene file headlessly, applies effects and writes
// the picture as a BMP or PNG, so scripts and file managers' thumbnailers
// can produce pictures without a display.
#include "core/renderer.h"
#include "effects/effects.h"
#include "files/scenefile.h"
#include "output/exportbmp.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/png.h"
#include "platform/replacefile.h"
#include "platform/scale.h"
#include "platform/textfile.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/time.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace veldor;

constexpr const char* kUsage =
    "Usage: veldor-render [--app-dir DIR] [--effect EFFECT]... [--stretched] [--size N]\n"
    "                     [--format bmp|png] [--repeat N] SCENE OUT\n";

constexpr const char* kHelp =
    "Renders the scene file SCENE as the program does and writes the picture to\n"
    "OUT (630x340, or 640x480 with --stretched): PNG when OUT ends in .png, BMP\n"
    "otherwise.\n"
    "\n"
    "  --app-dir DIR     folder that holds the picture files (default: the folder\n"
    "                    of this program)\n"
    "  --effect EFFECT   applied to the rendered picture, in the order given:\n"
    "                      tint:R,G,B   the tint colour (150,150,160 changes nothing)\n"
    "                      darken | lighten\n"
    "                      xor:R,G,B    every pixel becomes NOT (colour XOR pixel)\n"
    "                      antialias\n"
    "  --stretched       write the 640x480 stretched export\n"
    "  --size N          thumbnail: scale the picture down to fit N x N, averaging\n"
    "                    the pixels each one covers (a picture that fits is left\n"
    "                    as it is); the pictures are looked for in the user's\n"
    "                    own folder first ($XDG_DATA_HOME/veldor, or\n"
    "                    ~/.local/share/veldor), which holds the user's packs;\n"
    "                    a pack's picture found in neither fails the thumbnail,\n"
    "                    other pictures that cannot be read are left out; the\n"
    "                    whole takes at most 2 seconds, and OUT is written in\n"
    "                    place once the picture is complete\n"
    "  --format FORMAT   bmp or png, whatever OUT ends in\n"
    "  --repeat N        render N times, every file read afresh, and print\n"
    "                    'median X ms, min Y ms' for one pass on stderr\n"
    "  --help            show this text\n"
    "\n"
    "Exit status: 0 done, 1 the scene could not be rendered or written (the\n"
    "reason is on stderr and OUT is not written; with --size it is left empty),\n"
    "2 bad usage.\n";

struct UsageError {
    std::string text;
};

enum class EffectKind { Tint, Darken, Lighten, Xor, AntiAlias };

struct Effect {
    EffectKind kind;
    Color color = kBlack;
};

struct Options {
    std::string appDir;
    std::vector<Effect> effects;
    bool stretched = false;
    int size = 0; // 0: full size
    std::optional<PictureFormat> format;
    int repeat = 0; // 0: no timing line
    std::string scene;
    std::string out;
};

int parseNumber(const std::string& text, int low, int high, const std::string& what)
{
    std::int32_t v = 0;
    try {
        v = toInteger(text);
    } catch (const Error&) {
        throw UsageError{"invalid " + what + " '" + text + "'"};
    }
    if (v < low || v > high)
        throw UsageError{what + " must be between " + std::to_string(low) + " and "
                         + std::to_string(high)};
    return v;
}

// "R,G,B" with each channel 0..255.
Color parseColor(const std::string& text, const std::string& effect)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != 3)
        throw UsageError{effect + " needs a colour R,G,B"};
    const std::string what = effect + " channel";
    return rgb(parseNumber(parts[0], 0, 255, what), parseNumber(parts[1], 0, 255, what),
               parseNumber(parts[2], 0, 255, what));
}

Effect parseEffect(const std::string& text)
{
    if (text == "darken")
        return {EffectKind::Darken};
    if (text == "lighten")
        return {EffectKind::Lighten};
    if (text == "antialias")
        return {EffectKind::AntiAlias};
    if (text.starts_with("tint:"))
        return {EffectKind::Tint, parseColor(text.substr(5), "tint")};
    if (text.starts_with("xor:"))
        return {EffectKind::Xor, parseColor(text.substr(4), "xor")};
    throw UsageError{"unknown effect '" + text + "'"};
}

std::string programFolder(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

// Picture paths appear in error texts, so the folder is made absolute once.
std::string absoluteFolder(const std::string& dir)
{
    std::filesystem::path p = std::filesystem::absolute(dir).lexically_normal();
    std::string s = p.string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

Options parseArguments(int argc, char** argv, bool* help)
{
    Options o;
    std::vector<std::string> positional;
    bool optionsDone = false;
    auto valueOf = [&](int& i, const std::string& name) -> std::string {
        if (i + 1 >= argc)
            throw UsageError{name + " needs a value"};
        return argv[++i];
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsDone || arg.empty() || arg[0] != '-' || arg == "-") {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--help" || arg == "-h") {
            *help = true;
            return o;
        } else if (arg == "--app-dir") {
            o.appDir = valueOf(i, arg);
        } else if (arg == "--effect") {
            o.effects.push_back(parseEffect(valueOf(i, arg)));
        } else if (arg == "--stretched") {
            o.stretched = true;
        } else if (arg == "--size") {
            o.size = parseNumber(valueOf(i, arg), 1, 100000, "--size");
        } else if (arg == "--format") {
            const std::string f = valueOf(i, arg);
            if (f == "bmp")
                o.format = PictureFormat::Bmp;
            else if (f == "png")
                o.format = PictureFormat::Png;
            else
                throw UsageError{"unknown format '" + f + "'"};
        } else if (arg == "--repeat") {
            o.repeat = parseNumber(valueOf(i, arg), 1, 1000000, "--repeat count");
        } else {
            throw UsageError{"unknown option '" + arg + "'"};
        }
    }
    if (positional.size() != 2)
        throw UsageError{"expected SCENE and OUT"};
    o.scene = positional[0];
    o.out = positional[1];
    if (o.appDir.empty())
        o.appDir = programFolder(argv[0]);
    o.appDir = absoluteFolder(o.appDir);
    return o;
}

void applyEffect(const Effect& e, MainSurfaces& s)
{
    switch (e.kind) {
    case EffectKind::Tint:
        applyTint(s.mainImage, e.color);
        break;
    case EffectKind::Darken:
        applyDarken(s.mainImage);
        break;
    case EffectKind::Lighten:
        applyLighten(s.mainImage);
        break;
    case EffectKind::Xor:
        applyXor(s.mainImage, e.color);
        break;
    case EffectKind::AntiAlias:
        applyAntiAlias(s.mainImage, s.tempimage2);
        break;
    }
}

// A thumbnail is made because a file manager met the scene, not because a
// user asked: it may not cost more than this, whatever the scene holds.
constexpr int kThumbnailSeconds = 2;

// The caller's file, for the deadline's handler; set before it is armed.
const std::string* thumbnailOut = nullptr;

extern "C" void giveUpThumbnail(int)
{
    static constexpr char kText[] = "The scene takes too long to preview\n";
    emptyFileInPlace(*thumbnailOut);
    (void)!::write(STDERR_FILENO, kText, sizeof kText - 1);
    ::_exit(1);
}

void setDeadline(int seconds)
{
    itimerval timer{};
    timer.it_value.tv_sec = seconds;
    ::setitimer(ITIMER_REAL, &timer, nullptr);
}

// One pass as the program makes it: every picture file read afresh.
void renderOnce(const Options& o, SceneState& scene, MainSurfaces& s)
{
    renderScene(scene, s, o.size > 0 ? UnreadablePictures::LeaveOut : UnreadablePictures::Fail);
    for (const Effect& e : o.effects)
        applyEffect(e, s);
}

// The folders a thumbnail may draw from, best first. A file manager runs us
// from the installed folder, which lacks the user's own packs; the folder
// the launcher keeps for the user links everything installed and holds
// those packs too, when this process may see it at all (a sandboxed
// thumbnailer sees only the system).
std::vector<std::string> thumbnailFolders(const Options& o)
{
    std::vector<std::string> folders;
    const std::string user = userDataFolder();
    if (!user.empty() && std::filesystem::is_directory(user))
        folders.push_back(user);
    folders.push_back(o.appDir);
    return folders;
}

// Whether `name` is a pack's picture: those are the ones that may lie where
// this process cannot see them.
bool inPacks(const std::string& name)
{
    constexpr std::string_view kPrefix = "packs\\";
    return name.size() > kPrefix.size()
        && std::equal(kPrefix.begin(), kPrefix.end(), name.begin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// The folder that has every picture the scene draws. Without one, a pack's
// picture missing everywhere fails the thumbnail: a preview without the
// user's sky would be kept by the file manager as if it were the scene.
std::string folderForThumbnail(const Options& o, SceneDocument doc)
{
    doc.fillDefaultNames();
    std::vector<std::string> names{doc.skyFile, doc.groundFile};
    for (std::int32_t row = 0; row < doc.objectCount && std::size_t(row) < doc.objects.size(); ++row)
        if (isShown(doc.objects.status[std::size_t(row)]))
            names.push_back(std::string(doc.objects.imageFile[std::size_t(row)].view()));
    const std::vector<std::string> folders = thumbnailFolders(o);
    for (const std::string& folder : folders) {
        const bool all = std::all_of(names.begin(), names.end(), [&](const std::string& name) {
            return climbsAbove(name) || fileExists(appPath(folder, name));
        });
        if (all)
            return folder;
    }
    for (const std::string& name : names)
        if (inPacks(name) && !climbsAbove(name)
            && std::none_of(folders.begin(), folders.end(),
                            [&](const std::string& f) { return fileExists(appPath(f, name)); }))
            throw Error("The picture " + name + " is not at hand");
    return folders.front();
}

int run(const Options& o)
{
    std::optional<SceneDocument> doc = readSceneFile(o.scene);
    if (!doc) {
        std::fprintf(stderr, "This is not a Veldor File\n");
        return 1;
    }
    const std::string appDir = o.size > 0 ? folderForThumbnail(o, *doc) : o.appDir;
    SceneState opened;
    static_cast<SceneDocument&>(opened) = std::move(*doc); // a large scene is held once
    opened.appDir = appDir;

    SceneState scene;
    MainSurfaces surfaces;
    if (o.repeat > 0) {
        std::vector<double> ms;
        ms.reserve(std::size_t(o.repeat));
        for (int i = 0; i < o.repeat; ++i) {
            const auto start = std::chrono::steady_clock::now();
            scene = opened; // each pass starts from the scene as opened
            renderOnce(o, scene, surfaces);
            const auto end = std::chrono::steady_clock::now();
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::sort(ms.begin(), ms.end());
        const std::size_t n = ms.size();
        const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
        std::fprintf(stderr, "median %.3f ms, min %.3f ms\n", median, ms.front());
    } else {
        renderOnce(o, opened, surfaces); // a large scene is held once
    }

    const Surface& picture =
        o.stretched ? stretchForExport(surfaces.mainImage, surfaces.tempimage2) : surfaces.mainImage;
    const PictureFormat format = o.format.value_or(formatForPath(o.out));
    if (o.size == 0) {
        // The exports write beside OUT and rename, so a failure leaves no OUT.
        savePicture(picture, o.out, format);
        return 0;
    }
    const Surface small = shrinkToFit(picture, o.size);
    const std::vector<std::uint8_t> bytes = format == PictureFormat::Png ? encodePng(small) : encodeBmp(small);
    setDeadline(0); // what is left is short, and must not be cut off half-way
    try {
        writeFileInPlace(o.out, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const Error& e) {
        raiseCannotCreate(o.out, e.what());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    try {
        bool help = false;
        options = parseArguments(argc, argv, &help);
        if (help) {
            std::fputs(kUsage, stdout);
            std::fputs("\n", stdout);
            std::fputs(kHelp, stdout);
            return 0;
        }
    } catch (const UsageError& e) {
        std::fprintf(stderr, "veldor-render: %s\n%s", e.text.c_str(), kUsage);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "veldor-render: %s\n", e.what());
        return 2;
    }
    const bool thumbnail = options.size > 0;
    if (thumbnail) {
        thumbnailOut = &options.out;
        std::signal(SIGALRM, giveUpThumbnail);
        setDeadline(kThumbnailSeconds);
    }
    try {
        return run(options);
    } catch (const std::exception& e) {
        if (thumbnail)
            emptyFileInPlace(options.out);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
