#include "data/art.h"
#include "platform/bmp.h"
#include "platform/surface.h"
#include "sources/cleanshrink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace veldor;
using namespace veldor::art;

namespace {

const std::string kAppDir = VELDOR_TEST_APP_DIR;

std::string readFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::vector<std::string> splitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos)); // unterminated last line
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

const std::vector<GeneratedFile>& generated()
{
    static const std::vector<GeneratedFile> files = generateAll();
    return files;
}

const GeneratedFile& find(const std::string& folder, const std::string& name)
{
    for (const GeneratedFile& f : generated())
        if (f.folder == folder && f.name == name)
            return f;
    throw std::runtime_error("not generated: " + folder + "/" + name);
}

// A drawn pixel so pale that an exact white key would leave it as a halo.
bool nearWhite(Color c) { return !isPureWhite(c) && redOf(c) >= 250 && greenOf(c) >= 250 && blueOf(c) >= 250; }

std::vector<std::pair<std::string, Surface>> keyedPictures()
{
    std::vector<std::pair<std::string, Surface>> out;
    for (int i = 0; i < 5; ++i) {
        out.emplace_back("ground" + std::to_string(i), builtinGround(i));
        out.emplace_back("object" + std::to_string(i), builtinObject(i));
        out.emplace_back("pack ground " + std::to_string(i), packGround(i));
        out.emplace_back("pack object " + std::to_string(i), packObject(i));
    }
    return out;
}

} // namespace

TEST(Pictures, GenerationIsDeterministic)
{
    const std::vector<GeneratedFile> again = generateAll();
    ASSERT_EQ(again.size(), generated().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        SCOPED_TRACE(again[i].folder + "/" + again[i].name);
        EXPECT_EQ(again[i].name, generated()[i].name);
        EXPECT_EQ(again[i].picture, generated()[i].picture);
        EXPECT_EQ(again[i].bytes, generated()[i].bytes);
    }
}

TEST(Pictures, Sizes)
{
    struct Expect {
        std::string folder, name;
        int w, h;
    };
    std::vector<Expect> expects = {{"app", "none.bmp", 630, 340}, {"ui", "logo.bmp", 192, 96}, {"ui", "icon.bmp", 32, 32}};
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        for (const char* kind : {"sky", "ground"})
            expects.push_back({"app", kind + n + ".bmp", 630, 340});
        for (const char* kind : {"S", "g"})
            expects.push_back({"app/packs", "smp" + std::string(kind) + n + ".bmp", 630, 340});
        for (const char* kind : {"ST", "gT"})
            expects.push_back({"app/packs", "smp" + std::string(kind) + n + ".bmp", 100, 100});
        for (const char* kind : {"sky", "ground", "object"})
            expects.push_back({"ui", "thumb_" + std::string(kind) + n + ".bmp", 100, 100});
    }
    for (Glyph g : kAllGlyphs)
        expects.push_back({"ui", std::string("glyph_") + glyphName(g) + ".bmp", 32, 32});
    for (const Expect& e : expects) {
        SCOPED_TRACE(e.name);
        const GeneratedFile& f = find(e.folder, e.name);
        ASSERT_TRUE(f.picture.has_value());
        EXPECT_EQ(f.picture->width(), e.w);
        EXPECT_EQ(f.picture->height(), e.h);
    }
    for (int i = 0; i < 5; ++i) { // objects fit the picture
        for (const Picture& o : {builtinObject(i), packObject(i)}) {
            EXPECT_GT(o.width(), 0);
            EXPECT_LE(o.width(), 630);
            EXPECT_LE(o.height(), 340);
        }
    }
}

TEST(Pictures, NoneIsEntirelyTransparent)
{
    const Surface& none = *find("app", "none.bmp").picture;
    for (Color c : none.data())
        ASSERT_TRUE(isPureWhite(c));
}

TEST(Pictures, GroundsHaveSkyAboveAndLandBelow)
{
    for (int i = 0; i < 5; ++i) {
        for (const Picture& g : {builtinGround(i), packGround(i)}) {
            SCOPED_TRACE(i);
            ASSERT_EQ(g.width(), 630);
            int landInTopRow = 0;
            int holesInBottomRow = 0;
            for (int x = 0; x < g.width(); ++x) {
                landInTopRow += !isPureWhite(g.pixel(x, 0));
                holesInBottomRow += isPureWhite(g.pixel(x, g.height() - 1));
            }
            EXPECT_EQ(landInTopRow, 0);
            EXPECT_EQ(holesInBottomRow, 0);
        }
    }
}

TEST(Pictures, KeyedPicturesLeaveNoPaleHalo)
{
    for (const auto& [name, s] : keyedPictures()) {
        SCOPED_TRACE(name);
        int drawn = 0;
        int pale = 0;
        for (Color c : s.data()) {
            drawn += !isPureWhite(c);
            pale += nearWhite(c);
        }
        EXPECT_EQ(pale, 0);
        EXPECT_GT(drawn, s.width() * s.height() / 10) << "hardly anything drawn";
    }
}

TEST(Pictures, ObjectsStandOnWhite)
{
    for (int i = 0; i < 5; ++i)
        for (const Picture& o : {builtinObject(i), packObject(i)}) {
            SCOPED_TRACE(i);
            const int r = o.width() - 1;
            const int b = o.height() - 1;
            EXPECT_TRUE(isPureWhite(o.pixel(0, 0)));
            EXPECT_TRUE(isPureWhite(o.pixel(r, 0)));
            EXPECT_TRUE(isPureWhite(o.pixel(0, b)));
        }
}

TEST(Pictures, ChoicesLookDifferent)
{
    // A copy-paste slip that gives two slots one picture shows up here.
    std::map<std::vector<Color>, std::string> seen;
    for (int i = 0; i < 5; ++i)
        for (const auto& [name, s] : {std::pair{"sky", builtinSky(i)}, std::pair{"ground", builtinGround(i)},
                                      std::pair{"object", builtinObject(i)}, std::pair{"pack sky", packSky(i)},
                                      std::pair{"pack ground", packGround(i)}, std::pair{"pack object", packObject(i)}}) {
            const std::string label = std::string(name) + " " + std::to_string(i);
            const auto [it, inserted] = seen.emplace(s.data(), label);
            EXPECT_TRUE(inserted) << label << " repeats " << it->second;
        }
}

TEST(Pictures, SamplePackFile)
{
    const std::string text = readFile(kAppDir + "/packs/sample.vpk");
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    const std::vector<std::string> lines = splitCrLf(text);
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[0], "Tolvane Veldor Image Pack");
    const std::string prefix = lines[4];
    EXPECT_EQ(prefix, kSamplePackPrefix);
    for (int sky = 0; sky < 5; ++sky)
        for (int ch = 1; ch <= 3; ++ch) {
            const std::string& tint = lines[std::size_t(5 + 4 * sky + ch)];
            EXPECT_NO_THROW((void)std::stoi(tint)) << tint;
            EXPECT_EQ(tint.find_first_not_of("-0123456789"), std::string::npos) << tint;
        }
    for (const std::string& l : lines) {
        EXPECT_FALSE(l.empty());
        EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos);
    }
    for (const char* kind : {"gT", "g", "ST", "S", "o"})
        for (int i = 0; i < 5; ++i) {
            const std::string path = kAppDir + "/packs/" + prefix + kind + std::to_string(i) + ".bmp";
            EXPECT_EQ(readFile(path).substr(0, 2), "BM") << path;
        }
}

TEST(Pictures, DemoSceneNamesRealPictures)
{
    const std::vector<std::string> lines = splitCrLf(readFile(kAppDir + "/demo.vdr"));
    ASSERT_EQ(lines.size(), 7u + 7u * 3u);
    EXPECT_EQ(lines[0], "Tolvane Veldor File");
    EXPECT_EQ(lines[1], "sky2.bmp");
    EXPECT_EQ(lines[2], "ground3.bmp");
    EXPECT_EQ(lines[3] + "," + lines[4] + "," + lines[5], "-45,-65,-90");
    EXPECT_EQ(lines[6], "3");
    for (int row = 0; row < 3; ++row) {
        const std::size_t at = 7 + 7 * std::size_t(row);
        EXPECT_TRUE(lines[at] == "1" || lines[at] == "2");
        EXPECT_FALSE(readFile(kAppDir + "/" + lines[at + 1]).empty()) << lines[at + 1];
        const int left = std::stoi(lines[at + 3]);
        const int top = std::stoi(lines[at + 4]);
        const int width = std::stoi(lines[at + 5]);
        const int height = std::stoi(lines[at + 6]);
        EXPECT_TRUE(left >= 0 && top >= 0 && width > 0 && height > 0 && left + width <= 630 && top + height <= 340);
    }
}


namespace {

// Every object file the application folder ships: the built-in ones and
// those of every pack (found through each .vpk's prefix).
std::vector<std::string> shippedObjectFiles()
{
    std::vector<std::string> files;
    for (int i = 0; i < 5; ++i)
        files.push_back(kAppDir + "/object" + std::to_string(i) + ".bmp");
    for (const auto& entry : std::filesystem::directory_iterator(kAppDir + "/packs")) {
        if (entry.path().extension() != ".vpk")
            continue;
        const std::vector<std::string> lines = splitCrLf(readFile(entry.path().string()));
        for (int i = 0; i < 5; ++i) {
            const std::string file = kAppDir + "/packs/" + lines.at(4) + "o" + std::to_string(i) + ".bmp";
            if (std::filesystem::exists(file))
                files.push_back(file);
        }
    }
    return files;
}

Surface loadSurface(const std::string& path)
{
    Bitmap b = loadBmpFile(path);
    Surface s;
    s.replaceBitmap(b.width, b.height, std::move(b.pixels));
    return s;
}

} // namespace

// The renderer shrinks by ANDing dropped pixels: shading and grain turn into
// specks. Every shipped object stays close to a smooth reduction.
TEST(Pictures, ShippedObjectsShrinkCleanly)
{
    const std::vector<std::string> files = shippedObjectFiles();
    EXPECT_GE(files.size(), 500u);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const Surface object = loadSurface(file);
        for (int percent : kSpecklePercents)
            EXPECT_LE(speckleShare(object, percent), kSpeckleBound) << percent << " %";
    }
}

TEST(Pictures, TexturedDrawingsSpeckleUntilMadeShippable)
{
    // Torus Rock as first drawn looked sprinkled when placed small.
    EXPECT_GT(worstSpeckleShare(builtinObjectDrawing(0)), kSpeckleBound);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const Surface drawn = builtinObjectDrawing(i);
        const Surface shipped = builtinObject(i);
        EXPECT_EQ(shipped.width(), drawn.width());
        EXPECT_EQ(shipped.height(), drawn.height());
        EXPECT_TRUE(shrinksCleanly(shipped));
    }
}

// The library: enough of each kind, every picture with its caption.
TEST(Pictures, LibraryCountsAndCaptions)
{
    int objects = 0, skies = 0, grounds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kAppDir + "/packs")) {
        if (entry.path().extension() != ".vpk")
            continue;
        SCOPED_TRACE(entry.path().string());
        const std::vector<std::string> lines = splitCrLf(readFile(entry.path().string()));
        ASSERT_GE(lines.size(), 35u);
        const std::string base = kAppDir + "/packs/" + lines[4];
        for (int i = 0; i < 5; ++i) {
            const std::string n = std::to_string(i);
            const bool sky = std::filesystem::exists(base + "S" + n + ".bmp");
            const bool ground = std::filesystem::exists(base + "g" + n + ".bmp");
            const bool object = std::filesystem::exists(base + "o" + n + ".bmp");
            EXPECT_EQ(sky, !lines[std::size_t(5 + 4 * i)].empty()) << "sky " << i;
            EXPECT_EQ(ground, !lines[std::size_t(25 + i)].empty()) << "ground " << i;
            EXPECT_EQ(object, !lines[std::size_t(30 + i)].empty()) << "object " << i;
            skies += sky;
            grounds += ground;
            objects += object;
        }
    }
    EXPECT_GE(objects, 500);
    EXPECT_GE(skies, 60);
    EXPECT_GE(grounds, 60);
}
