// Making and checking image packs: the pixel rules of the builder, the
// author's description file, and what the checker names in broken packs.
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/fileset.h"
#include "platform/replacefile.h"
#include "platform/surface.h"
#include "platform/textfile.h"
#include "sources/packbuild.h"
#include "sources/packcheck.h"
#include "sources/packinstall.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

// Flushing to disk guards against the machine stopping, which no test here
// can cause; a killed process loses nothing it wrote. Free, it lets the
// cut-short install below stop at every one of its steps in seconds.
extern "C" int fsync(int) { return 0; }

namespace veldor {
namespace {

namespace fs = std::filesystem;

// w x h picture whose pixel (x, y) is f(x, y).
RgbaPicture picture(int w, int h, const std::function<std::uint32_t(int, int)>& f)
{
    RgbaPicture p{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.pixels.push_back(f(x, y));
    return p;
}

constexpr std::uint32_t kRed = rgba(200, 0, 0, 255);
constexpr std::uint32_t kGreen = rgba(0, 150, 0, 255);
constexpr std::uint32_t kBlue = rgba(0, 0, 220, 255);

Surface keyedOne(std::vector<std::uint32_t> pixels, bool keyed)
{
    const int n = int(pixels.size());
    return toKeyedSurface(scaleArea({n, 1, std::move(pixels)}, {0, 0, double(n), 1}, 1, 1), keyed);
}

TEST(PackBuild, PixelRules)
{
    struct Probe {
        int x, y;
        Color color;
    };
    struct Case {
        const char* what;
        Surface made;
        int width, height;
        std::vector<Probe> probes;
    };
    const auto flat = [](std::uint32_t c) { return [c](int, int) { return c; }; };
    const auto stripes = [](int x, int) { return x % 2 ? rgba(100, 100, 100, 255) : rgba(0, 0, 0, 255); };
    const auto redThenBlue = [](int x, int) { return x == 0 ? kRed : kBlue; };
    const auto wide = [](int x, int) { return x < 315 ? kRed : x < 945 ? kGreen : kBlue; };
    const auto tall = [](int, int y) { return y < 170 || y >= 510 ? kRed : kGreen; };
    const auto high = [](int, int y) { return y < 660 ? kGreen : kRed; };
    const auto halves = [](int, int y) { return y < 170 ? kRed : kBlue; };
    const auto land = [](int, int y) { return y < 170 ? rgba(0, 0, 0, 0) : kGreen; };
    const Color red = rgb(200, 0, 0), green = rgb(0, 150, 0), blue = rgb(0, 0, 220);
    const Case cases[] = {
        {"area average of 2 x 2", packGroundPicture(picture(1260, 2, stripes)), 630, 1,
         {{0, 0, rgb(50, 50, 50)}, {629, 0, rgb(50, 50, 50)}}},
        {"upscale repeats pixels", packSkyPicture(picture(63, 34, redThenBlue)), 630, 340,
         {{9, 0, red}, {10, 339, blue}}},
        {"transparent colour does not bleed", keyedOne({kRed, rgba(0, 255, 0, 0)}, true), 1, 1, {{0, 0, red}}},
        {"alpha below half is white", keyedOne({kRed, rgba(0, 0, 0, 0), rgba(0, 0, 0, 0)}, true), 1, 1,
         {{0, 0, kWhite}}},
        {"opaque white stays visible", keyedOne({rgba(255, 255, 255, 128)}, true), 1, 1, {{0, 0, rgb(254, 254, 254)}}},
        {"a sky is never keyed", keyedOne({rgba(255, 255, 255, 255)}, false), 1, 1, {{0, 0, kWhite}}},
        {"wide sky: the middle covers", packSkyPicture(picture(1260, 340, wide)), 630, 340,
         {{0, 0, green}, {629, 339, green}}},
        {"tall sky: the middle covers", packSkyPicture(picture(630, 680, tall)), 630, 340,
         {{0, 0, green}, {629, 339, green}}},
        {"high ground keeps its bottom rows", packGroundPicture(picture(630, 1000, high)), 630, 340,
         {{0, 0, red}, {629, 339, red}}},
        {"low ground is scaled to 630 wide", packGroundPicture(picture(315, 100, flat(kGreen))), 630, 200, {}},
        {"wide object fits 256", packObjectPicture(picture(512, 128, flat(kRed))), 256, 64, {}},
        {"odd object fits 256, sides rounded", packObjectPicture(picture(3, 7, flat(kRed))), 110, 256, {}},
        {"sky thumbnail: the whole sky, bands in the edge rows' mean",
         packSkyThumbnail(toKeyedSurface(picture(630, 340, halves), false)), 100, 100,
         {{0, 0, red}, {99, 49, red}, {0, 51, blue}, {99, 99, blue}}},
        {"ground thumbnail: over a daylight sky", packGroundThumbnail(toKeyedSurface(picture(630, 340, land), true)),
         100, 100, {{0, 0, rgb(120, 160, 210)}, {50, 74, green}, {99, 99, green}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.made.width(), c.width);
        EXPECT_EQ(c.made.height(), c.height);
        for (const Probe& p : c.probes)
            EXPECT_EQ(c.made.pixel(p.x, p.y), p.color) << p.x << ", " << p.y;
    }

    // Half the distance from a neutral daylight sky, within -90 ... 70.
    EXPECT_EQ(skyLightFromPicture(Surface(4, 4, rgb(116, 159, 216))), (SkyLight{0, 0, 0}));
    EXPECT_EQ(skyLightFromPicture(Surface(4, 4, kWhite)), (SkyLight{70, 48, 20}));
    EXPECT_EQ(skyLightFromPicture(Surface(4, 4, kBlack)), (SkyLight{-58, -80, -90}));
}

const char* const kCaptions =
    "sky0 = Dawn\nsky1 = B\nsky2 = C\nsky3 = D\nsky4 = E\nground0 = G\nground1 = G\nground2 = G\nground3 = G\n"
    "ground4 = G\nobject0 = O\nobject1 = O\nobject2 = O\nobject3 = O\nobject4 = Last\n";

TEST(PackBuild, DescriptionFile)
{
    const PackDescription d = parsePackDescription(std::string("# a comment\r\n\n  name =  Pack #1 \r\nprefix=ab_1\n")
                                                   + kCaptions + "sky3.tint = -45,65 , 300\n");
    EXPECT_EQ(d.header.name, "Pack #1");
    EXPECT_EQ(d.header.prefix, "ab_1");
    EXPECT_EQ(d.lights[3], (SkyLight{-45, 65, 300}));
    EXPECT_FALSE(d.lights[0].has_value());
    const std::string text = packFileText(d, {});
    EXPECT_TRUE(text.starts_with("Tolvane Veldor Image Pack\r\nPack #1\r\n\r\n\r\nab_1\r\nDawn\r\n0\r\n"));
    EXPECT_TRUE(text.ends_with("\r\nLast\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 35);

    const struct {
        std::string text;
        std::string error;
    } broken[] = {
        {"name = n\nprefix = p\n", "missing key 'sky0' (its caption)"},
        {std::string("prefix = p\n") + kCaptions, "missing key 'name'"},
        {std::string("name = n\nprefix = a/b\n") + kCaptions,
         "line 2: the prefix 'a/b' may hold only letters A-Z a-z, digits, '_' and '-'"},
        {std::string("name = n\nprefix = \n") + kCaptions, "line 2: the prefix must be 1 to 32 characters long"},
        {std::string("name = n\nprefix = p\nsky5 = x\n") + kCaptions, "line 3: unknown key 'sky5'"},
        {std::string("name = n\nprefix = p\nname = m\n") + kCaptions, "line 3: 'name' was already given on line 1"},
        {std::string("name = n\nprefix = p\njust words\n") + kCaptions, "line 3: expected 'key = value'"},
        {std::string("name = n\nprefix = p\nsky1.tint = 1, 2\n") + kCaptions,
         "line 3: sky1.tint needs three integers 'R, G, B', not '1, 2'"},
        {std::string("name = a\rb\nprefix = p\n") + kCaptions,
         "line 1: a CR or Ctrl-Z in the value would cut the pack file short"},
    };
    for (const auto& b : broken) {
        SCOPED_TRACE(b.text);
        try {
            parsePackDescription(b.text);
            ADD_FAILURE() << "accepted";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(b.error), std::string::npos) << e.what();
        }
    }
}

class PackCheck : public TempFolderTest {
protected:
    // A sound pack with the prefix "tst".
    void writeSoundPack()
    {
        PackDescription d = parsePackDescription(std::string("name = n\nprefix = tst\n") + kCaptions);
        writeFileReplacing(path("tst.vpk"), packFileText(d, {}));
        Surface ground(630, 340, rgb(0, 120, 0));
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 630; ++x)
                ground.setPixel(x, y, kWhite);
        Surface object(40, 30, rgb(200, 0, 0));
        object.setPixel(0, 0, kWhite);
        for (int i = 0; i < 5; ++i) {
            const std::string n = std::to_string(i);
            save(Surface(100, 100, rgb(0, 0, 200)), "tstST" + n + ".bmp");
            save(Surface(630, 340, rgb(0, 0, 200)), "tstS" + n + ".bmp");
            save(Surface(100, 100, rgb(0, 120, 0)), "tstgT" + n + ".bmp");
            save(ground, "tstg" + n + ".bmp");
            save(object, "tsto" + n + ".bmp");
        }
    }
    void save(const Surface& s, const std::string& name) const { saveBmpFile(s, path(name)); }
};

TEST_F(PackCheck, NamesEverythingWrong)
{
    const auto replaceLine = [&](int number, const std::string& text) {
        std::string bytes = readWholeFile(path("tst.vpk"));
        std::size_t at = 0;
        for (int i = 1; i < number; ++i)
            at = bytes.find("\r\n", at) + 2;
        bytes.replace(at, bytes.find("\r\n", at) - at, text);
        writeFileReplacing(path("tst.vpk"), bytes);
    };
    Surface lightPatch(40, 30, rgb(230, 230, 230));
    lightPatch.setPixel(20, 10, kWhite);
    lightPatch.setPixel(21, 10, kWhite);
    Surface ringHole(40, 30, rgb(60, 40, 20));
    ringHole.setPixel(20, 10, kWhite);

    const struct {
        const char* what;
        std::function<void()> damage;
        std::vector<PackFinding> found;
    } cases[] = {
        {"sound pack", [] {}, {}},
        {"missing pack file", [&] { fs::remove(path("tst.vpk")); }, {{true, "File not found"}}},
        {"identification line", [&] { replaceLine(1, "Tolvane veldor Image Pack"); },
         {{true, "line 1: 'Tolvane veldor Image Pack' is not the identification line 'Tolvane Veldor Image Pack'"}}},
        {"tints", [&] { replaceLine(12, "1.5"); replaceLine(25, ""); },
         {{true, "line 12: '1.5' is not a valid integer value"}, {true, "line 25: '' is not a valid integer value"}}},
        {"LF line ends",
         [&] {
             std::string bytes = readWholeFile(path("tst.vpk"));
             std::erase(bytes, '\r');
             writeFileReplacing(path("tst.vpk"), bytes);
         },
         {{true, "the lines end with LF alone; the browsers need CR LF and read one long line"}}},
        {"short file", [&] {
             const std::string bytes = readWholeFile(path("tst.vpk"));
             writeFileReplacing(path("tst.vpk"), bytes.substr(0, bytes.rfind("O\r\n", bytes.size() - 8)));
         },
         {{false, "the file ends after line 33 of 35: the lines after it read as empty captions"}}},
        {"bitmaps missing or invalid",
         [&] {
             fs::remove(path("tstgT2.bmp"));
             fs::remove(path("tsto4.bmp"));
             writeFileReplacing(path("tstS1.bmp"), "BM not really");
         },
         {{true, "tstS1.bmp: Bitmap image is not valid"}, {true, "tstgT2.bmp: missing"}, {true, "tsto4.bmp: missing"}}},
        {"odd sizes",
         [&] {
             save(Surface(640, 480), "tstS0.bmp");
             save(Surface(630, 340), "tstST3.bmp");
             save(Surface(600, 340, kBlack), "tstg1.bmp");
             save(Surface(700, 400, kBlack), "tstg2.bmp");
         },
         {{false, "tstS0.bmp: 640 x 480, not 630 x 340: the picture takes the size of its sky"},
          {false, "tstST3.bmp: 630 x 340, not 100 x 100: the browser shows its top-left 100 x 100 unscaled"},
          {false, "tstg1.bmp: 600 x 340, narrower than 630: the sky shows in the columns to its right"},
          {false, "tstg2.bmp: 700 x 400, wider than 630: the columns beyond 630 never show"},
          {false, "tstg2.bmp: 700 x 400, higher than 340: its top 60 rows never show"}}},
        {"white meant as colour, not a hole",
         [&] {
             save(lightPatch, "tsto1.bmp");
             save(ringHole, "tsto2.bmp");
         },
         {{false, "tsto1.bmp: 2 pure white pixels inside light colour, first at (20, 10), will show what lies below"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeSoundPack();
        c.damage();
        EXPECT_EQ(checkPack(path("tst.vpk")), c.found);
    }
}

// Building from a source folder, with a stub for the image reader: an empty
// source file reads as a small flat picture of neutral daylight (a computed
// tint of 0, 0, 0), any other as unreadable; a .jpg has no alpha channel.
class PackFolder : public TempFolderTest {
protected:
    void writeSources() const
    {
        fs::remove_all(source_);
        fs::remove_all(out_);
        fs::create_directories(source_);
        writeFileReplacing(source("pack.txt"), std::string("name = Woods\nprefix = tst\n") + kCaptions
                                               + "sky1.tint = 1, 2, 3\nsky2.tint = 1, 2, 3\n"
                                                 "sky3.tint = 1, 2, 3\nsky4.tint = 1, 2, 3\n");
        for (const char* kind : {"sky", "ground", "object"})
            for (int i = 0; i < 5; ++i)
                writeFileReplacing(source(kind + std::to_string(i) + (kind[0] == 'o' && i == 4 ? ".jpg" : ".png")), "");
    }
    std::string source(const std::string& name) const { return (source_ / name).string(); }
    void writeOtherPack(const std::string& name, const std::string& prefix) const
    {
        fs::create_directories(out_);
        const std::string text = "name = n\nprefix = " + prefix + "\n" + kCaptions;
        writeFileReplacing((out_ / name).string(), packFileText(parsePackDescription(text), {}));
    }
    std::vector<std::string> outEntries() const
    {
        std::vector<std::string> names;
        if (fs::is_directory(out_))
            for (const auto& e : fs::directory_iterator(out_))
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static SourcePicture stubRead(const std::string& path)
    {
        // Half pure white, half black, without alpha: a BMP as a paint program saves it.
        if (readWholeFile(path) == "white") {
            const std::uint32_t w = rgba(255, 255, 255, 255), b = rgba(0, 0, 0, 255);
            return {{4, 2, {w, w, b, b, w, w, b, b}}, false, {}};
        }
        if (!readWholeFile(path).empty())
            return {{}, false, "Unsupported image format"};
        const std::uint32_t daylight = kNeutralDaylight | 0xFF000000u;
        return {{4, 2, std::vector<std::uint32_t>(8, daylight)}, !path.ends_with(".jpg"), {}};
    }

    // Every file of `folder` (made when missing) and its bytes.
    static std::map<std::string, std::string> contents(const fs::path& folder)
    {
        std::map<std::string, std::string> found;
        fs::create_directories(folder);
        for (const auto& e : fs::recursive_directory_iterator(folder))
            found[fs::relative(e.path(), folder).string()] = e.is_directory() ? "folder" : readWholeFile(e.path().string());
        return found;
    }

    const fs::path source_ = dir_ / "woods";
    const fs::path out_ = dir_ / "out";
};

TEST_F(PackFolder, BuildsOrNamesEveryProblem)
{
    const std::string noAlpha = "warning: object4.jpg has no transparency and covers its whole rectangle";
    const std::string computed = "sky0.tint = 0, 0, 0 (computed)";
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::vector<std::string> problems;
        std::vector<std::string> notes;
    } cases[] = {
        {"complete", [] {}, {}, {noAlpha, computed}},
        {"over its own earlier build", [&] { writeOtherPack("woods.vpk", "TST"); }, {}, {noAlpha, computed}},
        {"missing source, two sources for one slot, unreadable source",
         [&] {
             fs::remove(source("ground2.png"));
             writeFileReplacing(source("sky3.JPEG"), "");
             writeFileReplacing(source("object1.png"), "not a picture");
         },
         {"object1.png: Unsupported image format", "ground2: no ground2.png, .jpg, .jpeg or .bmp",
          "sky3: more than one picture (sky3.JPEG, sky3.png)"},
         {noAlpha}},
        {"prefix taken by another pack", [&] { writeOtherPack("other.vpk", "TST"); },
         {"prefix 'tst' gives the same file names as other.vpk (prefix 'TST')"}, {noAlpha}},
        {"another pack under our name", [&] { writeOtherPack("woods.vpk", "zz"); },
         {"woods.vpk in " + out_.string() + " is another pack (prefix 'zz'); remove it or rename the source folder"},
         {noAlpha}},
        {"every line of pack.txt's problem",
         [&] { writeFileReplacing(source("pack.txt"), std::string("sky5 = x\nprefix = tst\n") + kCaptions); },
         {"pack.txt: line 1: unknown key 'sky5'\npack.txt: missing key 'name'"}, {noAlpha}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeSources();
        c.prepare();
        const std::vector<std::string> before = outEntries();
        std::vector<std::string> notes;
        const PackBuildNote note = [&](const std::string& line) { notes.push_back(line); };
        EXPECT_EQ(buildPack(source_.string(), out_.string(), stubRead, note), c.problems);
        EXPECT_EQ(notes, c.notes);
        if (c.problems.empty())
            EXPECT_EQ(checkPack((out_ / "woods.vpk").string()), std::vector<PackFinding>{});
        else
            EXPECT_EQ(outEntries(), before) << "written although the pack cannot be built";
    }
}

// A pack of objects alone or of skies and grounds alone is built, checked and
// installed with only its own bitmaps; a picture of a kind without captions,
// or an earlier build's bitmap of a kind now left out, is a problem.
TEST_F(PackFolder, PacksOfOneKind)
{
    const std::string objects = "object0 = a\nobject1 = b\nobject2 = c\nobject3 = d\nobject4 = e\n";
    const std::string scenery = "sky0 = a\nsky1 = b\nsky2 = c\nsky3 = d\nsky4 = e\n"
                                "ground0 = a\nground1 = b\nground2 = c\nground3 = d\nground4 = e\n";
    const auto keep = [&](const std::string& captions, std::vector<std::string> kinds) {
        writeFileReplacing(source("pack.txt"), "name = Woods\nprefix = tst\n" + captions);
        for (const char* kind : {"sky", "ground", "object"})
            if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
                for (int i = 0; i < 5; ++i)
                    for (const char* ext : {".png", ".jpg"})
                        fs::remove(source(kind + std::to_string(i) + ext));
    };
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::size_t problems; // the first of them below
        std::string first;
        std::size_t bitmaps;
    } cases[] = {
        {"objects alone", [&] { keep(objects, {"object"}); }, 0, "", 5},
        {"skies and grounds alone", [&] { keep(scenery, {"sky", "ground"}); }, 0, "", 20},
        {"a sky without captions", [&] { keep(objects, {"object", "sky"}); }, 5,
         "sky0: a picture without a caption in pack.txt (sky0 = ...)", 0},
        {"over an earlier complete build",
         [&] {
             ASSERT_EQ(buildPack(source_.string(), out_.string(), stubRead, [](const std::string&) {}),
                       std::vector<std::string>{});
             keep(objects, {"object"});
         },
         20, "tstST0.bmp in " + out_.string() + " would fill a slot of this pack, which has no picture there; remove it",
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeSources();
        c.prepare();
        const std::vector<std::string> problems =
            buildPack(source_.string(), out_.string(), stubRead, [](const std::string&) {});
        ASSERT_EQ(problems.size(), c.problems);
        if (!problems.empty()) {
            EXPECT_EQ(problems[0], c.first);
            continue;
        }
        EXPECT_EQ(outEntries().size(), c.bitmaps + 1);
        const std::string sent = (out_ / "woods.vpk").string();
        EXPECT_EQ(checkPack(sent), std::vector<PackFinding>{});
        const fs::path packs = dir_ / "packs";
        fs::remove_all(packs);
        EXPECT_EQ(installPack(sent, packs.string()).outcome, PackInstallOutcome::Installed);
        EXPECT_EQ(contents(packs), contents(out_));
    }
}

// Pure white in a BMP ground or object is the program's transparency and
// stays so; it used to turn opaque with no more than a warning.
TEST_F(PackFolder, WhiteOfABmpStaysTransparent)
{
    writeSources();
    fs::remove(source("ground1.png"));
    fs::remove(source("object2.png"));
    writeFileReplacing(source("ground1.bmp"), "white");
    writeFileReplacing(source("object2.BMP"), "white");
    std::vector<std::string> notes;
    ASSERT_EQ(buildPack(source_.string(), out_.string(), stubRead, [&](const std::string& l) { notes.push_back(l); }),
              std::vector<std::string>{});
    for (const std::string& note : notes)
        EXPECT_EQ(note.find("ground1"), std::string::npos) << note;
    for (const char* name : {"tstg1.bmp", "tsto2.bmp"}) {
        SCOPED_TRACE(name);
        const Bitmap b = loadBmpFile((out_ / name).string());
        EXPECT_EQ(b.pixels.front(), kWhite);
        EXPECT_EQ(b.pixels.back(), kBlack);
    }
}

// A failure while writing leaves the output folder as it was, and a link at
// one of the names is replaced itself: what it pointed at stays untouched.
TEST_F(PackFolder, WritesAllOrNothingAndNeverThroughALink)
{
    const fs::path victim = dir_ / "victim";
    const auto build = [&] {
        EXPECT_EQ(buildPack(source_.string(), out_.string(), stubRead, [](const std::string&) {}),
                  std::vector<std::string>{});
    };
    // An earlier build, one of its bitmaps told apart from what a new one writes.
    const auto earlierBuild = [&] {
        build();
        writeFileReplacing((out_ / "tstS0.bmp").string(), "old");
    };
    const auto linkAt = [&](const std::string& name) {
        fs::create_directories(out_);
        fs::create_symlink(victim, out_ / name);
    };
    // Not even root writes over a folder that holds something.
    const auto folderAt = [&](const std::string& name) {
        fs::remove(out_ / name);
        fs::create_directories(out_ / name / "inside");
    };
    // Everything in the folder: a file's bytes, a link's target, a folder.
    const auto snapshot = [&] {
        std::map<std::string, std::string> found;
        for (const auto& e : fs::recursive_directory_iterator(out_))
            found[fs::relative(e.path(), out_).string()] = e.is_symlink() ? "-> " + fs::read_symlink(e).string()
                                                           : e.is_directory() ? "folder"
                                                                              : readWholeFile(e.path().string());
        return found;
    };
    const std::string denied = ": File access denied";
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string error; // empty when the pack is built
    } cases[] = {
        {"a link at a bitmap's name", [&] { linkAt("tstS1.bmp"); }, ""},
        {"a link at the pack file's name", [&] { linkAt("woods.vpk"); }, ""},
        {"a folder at the last bitmap's name", [&] { earlierBuild(); folderAt("tsto4.bmp"); },
         "Cannot create file " + (out_ / "tsto4.bmp").string() + denied},
        {"a folder at the pack file's name", [&] { earlierBuild(); folderAt("woods.vpk"); },
         "Cannot create file " + (out_ / "woods.vpk").string() + denied},
        {"an earlier bitmap without write permission",
         [&] {
             earlierBuild();
             fs::permissions(out_ / "tstg3.bmp", fs::perms::owner_read);
         },
         "Cannot create file " + (out_ / "tstg3.bmp").string() + denied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeSources();
        writeFileReplacing(victim.string(), "mine");
        c.prepare();
        const std::map<std::string, std::string> before = snapshot();
        const std::string thrown = thrownText(build);
        EXPECT_EQ(readWholeFile(victim.string()), "mine");
        if (!c.error.empty()) {
            EXPECT_EQ(thrown, c.error);
            EXPECT_EQ(snapshot(), before);
            continue;
        }
        EXPECT_EQ(thrown, "(nothing thrown)");
        EXPECT_EQ(checkPack((out_ / "woods.vpk").string()), std::vector<PackFinding>{});
        for (const auto& [name, what] : snapshot())
            EXPECT_FALSE(what.starts_with("-> ")) << name << " is still a link";
    }
}

// A pack the user was sent goes into the packs folder whole, or says why not
// and leaves the folder as it was.
TEST_F(PackFolder, InstallsOrSaysWhy)
{
    const fs::path packs = dir_ / "packs";
    const std::string sent = (out_ / "woods.vpk").string(), installed = (packs / "woods.vpk").string();
    const auto install = [&](const std::string& path) { return installPack(path, packs.string()); };
    const auto packIn = [&](const std::string& name, const std::string& prefix) {
        fs::create_directories(packs);
        const std::string text = "name = n\nprefix = " + prefix + "\n" + kCaptions;
        writeFileReplacing((packs / name).string(), packFileText(parsePackDescription(text), {}));
    };
    // The pack sent, its prefix changed and its bitmaps renamed to match,
    // so that it passes the check.
    const auto prefixed = [&](const std::string& prefix) {
        const std::vector<std::string> was = packBitmapNames("tst");
        std::vector<std::string> now = packBitmapNames(prefix);
        for (std::size_t i = 0; i < was.size(); ++i) {
            std::replace(now[i].begin(), now[i].end(), '\\', '/'); // as the check looks for them
            fs::create_directories((out_ / now[i]).parent_path());
            fs::rename(out_ / was[i], out_ / now[i]);
        }
        std::string text = readWholeFile(sent);
        text.replace(text.find("\r\ntst\r\n"), 7, "\r\n" + prefix + "\r\n");
        writeFileReplacing(sent, text);
    };
    const std::string hidden = "' makes bitmap names that start with '.', which file managers hide";
    using O = PackInstallOutcome;
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string path;
        O outcome;
        std::string refusal;
    } cases[] = {
        {"new", [] {}, sent, O::Installed, ""},
        {"over an earlier copy",
         [&] {
             install(sent);
             writeFileReplacing((packs / "tstS0.bmp").string(), "old");
         },
         sent, O::Replaced, ""},
        {"the installed pack itself", [&] { install(sent); }, installed, O::AlreadyIn, ""},
        {"a broken pack", [&] { fs::remove(out_ / "tstg2.bmp"); }, sent, O::Refused, "tstg2.bmp: missing"},
        {"another pack under its name", [&] { packIn("woods.vpk", "zz"); }, sent, O::Refused,
         "woods.vpk in " + packs.string() + " is another pack (prefix 'zz'); remove it or rename the pack file"},
        {"its bitmap names taken", [&] { packIn("other.vpk", "TST"); }, sent, O::Refused,
         "prefix 'tst' gives the same file names as other.vpk (prefix 'TST')"},
        {"bitmaps in a folder of their own", [&] { prefixed("sub\\tst"); }, sent, O::Refused,
         "the prefix 'sub\\tst' puts the bitmaps into a folder of their own; only a pack whose bitmaps lie beside "
         "it can be installed"},
        {"a prefix with a slash", [&] { prefixed("sub/tst"); }, sent, O::Refused,
         "the prefix 'sub/tst' puts the bitmaps into a folder of their own; only a pack whose bitmaps lie beside "
         "it can be installed"},
        {"the prefix '.'", [&] { prefixed("."); }, sent, O::Refused, "the prefix '." + hidden},
        {"the prefix '..'", [&] { prefixed(".."); }, sent, O::Refused, "the prefix '.." + hidden},
        {"a file of the user's at a bitmap's name",
         [&] {
             fs::create_directories(packs);
             writeFileReplacing((packs / "tstS2.bmp").string(), "mine");
         },
         sent, O::Refused,
         "tstS2.bmp in " + packs.string() + " is not part of an earlier copy of woods.vpk; move it elsewhere or "
         "remove it"},
        {"no pack under its name",
         [&] {
             fs::create_directories(packs);
             writeFileReplacing(installed, "mine");
         },
         sent, O::Refused, "woods.vpk in " + packs.string() + " is not an image pack; remove it or rename the pack file"},
        {"a bitmap past the bound", [&] { fs::resize_file(out_ / "tstS1.bmp", std::uintmax_t(1) << 30); }, sent,
         O::Refused,
         "tstS1.bmp has 1024 MiB, more than the 16 MiB a file of a pack may have: no picture of a pack is that "
         "large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeSources();
        fs::remove_all(packs);
        ASSERT_EQ(buildPack(source_.string(), out_.string(), stubRead, [](const std::string&) {}),
                  std::vector<std::string>{});
        c.prepare();
        const std::map<std::string, std::string> before = contents(packs);
        const PackInstall done = install(c.path);
        EXPECT_EQ(done.outcome, c.outcome);
        EXPECT_EQ(refusalText(done), c.refusal);
        if (c.outcome == O::Refused || c.outcome == O::AlreadyIn) {
            EXPECT_EQ(contents(packs), before) << "written although nothing was to be";
            continue;
        }
        EXPECT_EQ(contents(packs), contents(out_)) << "not the pack as sent";
    }
}

// Runs `work` in a child process that ends at its step `k` as a kill would
// end it: no undoing, no cleaning up. Its step `failing`, if earlier, fails.
void killedAtStep(const std::function<void()>& work, std::size_t k, std::size_t failing = SIZE_MAX)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::size_t taken = 0;
        setFileSetStepHook([&](std::string_view) {
            const std::size_t step = taken++;
            if (step == failing)
                throw Error("cut");
            if (step == k)
                ::_exit(0);
        });
        try {
            work();
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
}

// An install cut short at any of its steps, by a failure, by a kill, or by a
// kill while it undoes a failure, and then a recovery (itself killed once
// on the way, and run again): the packs
// folder holds the earlier copy or the new pack, whole, and nothing of the
// install besides. The folder is flushed once every new name is in, before
// the journal that could still undo them goes.
TEST_F(PackFolder, AnInstallCutShortLeavesTheOldPackOrTheNew)
{
    const fs::path packs = dir_ / "packs";
    const std::string sent = (out_ / "woods.vpk").string();
    writeSources();
    ASSERT_EQ(buildPack(source_.string(), out_.string(), stubRead, [](const std::string&) {}),
              std::vector<std::string>{});
    // Small bitmaps (the check only warns of their size) keep the many
    // installs below quick.
    const std::vector<std::uint8_t> small = encodeBmp(Surface(2, 2, rgb(0, 0, 200)));
    for (const std::string& name : packBitmapNames("tst"))
        writeFileReplacing((out_ / name).string(), std::string(small.begin(), small.end()));
    const std::map<std::string, std::string> fresh = contents(out_);
    const auto install = [&] { installPack(sent, packs.string()); };
    const auto recover = [&] { finishInterruptedReplacements(packs.string()); };
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "over an earlier copy" : "a new pack");
        // An earlier copy whose every bitmap differs from the new one's.
        const auto prepare = [&] {
            fs::remove_all(packs);
            if (!replacing)
                return;
            fs::create_directories(packs);
            fs::copy_file(sent, packs / "woods.vpk");
            for (const std::string& name : packBitmapNames("tst"))
                writeFileReplacing((packs / name).string(), "old " + name);
        };
        prepare();
        const std::map<std::string, std::string> before = contents(packs);
        std::vector<std::string> steps;
        setFileSetStepHook([&](std::string_view step) { steps.emplace_back(step); });
        install();
        setFileSetStepHook({});
        ASSERT_EQ(contents(packs), fresh);
        const auto lastPlaced = std::find(steps.rbegin(), steps.rend(), "place").base();
        EXPECT_EQ(std::vector<std::string>(lastPlaced, steps.end()),
                  (std::vector<std::string>{"sync folder", "forget journal", "clean"}));

        for (std::size_t k = 0; k < steps.size(); ++k) {
            const auto oldOrNew = [&](const char* how) {
                const std::map<std::string, std::string> now = contents(packs);
                EXPECT_TRUE(now == before || now == fresh) << how << " at step " << k << ", " << steps[k];
            };
            prepare();
            std::size_t taken = 0;
            setFileSetStepHook([&](std::string_view) {
                if (taken++ == k)
                    throw Error("cut");
            });
            EXPECT_EQ(thrownText(install), k < std::size_t(lastPlaced - steps.begin()) ? "cut" : "(nothing thrown)");
            setFileSetStepHook({});
            recover();
            oldOrNew("failed");

            prepare();
            killedAtStep(install, k);
            killedAtStep(recover, k % 4);
            recover();
            oldOrNew("killed");

            prepare();
            killedAtStep(install, k + 2, k);
            recover();
            oldOrNew("killed while undoing");
        }
    }
}

// Every pack that comes with the program, the ones veldor-pack built included.
TEST(ShippedPacks, AreSound)
{
    const std::string folder = std::string(VELDOR_TEST_APP_DIR) + "/packs";
    const std::vector<std::string> packs = listPackFiles(folder);
    EXPECT_FALSE(packs.empty());
    for (const std::string& pack : packs) {
        SCOPED_TRACE(pack);
        // The library's packs of one kind (objects only, or skies and grounds
        // only) are for a checker that knows such packs; the complete ones
        // must pass this one as they stand.
        LineReader reader = LineReader::openFile(folder + "/" + pack);
        std::vector<std::string> lines;
        for (int i = 0; i < 35; ++i)
            lines.push_back(reader.readLine());
        const std::string base = folder + "/" + lines[4];
        const bool noSkies = lines[5].empty() && lines[9].empty() && lines[13].empty() && lines[17].empty() &&
                             lines[21].empty() && !std::filesystem::exists(base + "S0.bmp");
        const bool noObjects = lines[30].empty() && lines[31].empty() && lines[32].empty() && lines[33].empty() &&
                               lines[34].empty() && !std::filesystem::exists(base + "o0.bmp");
        if (noSkies || noObjects)
            continue;
        EXPECT_EQ(checkPack(folder + "/" + pack), std::vector<PackFinding>{});
    }
}

} // namespace
} // namespace veldor
