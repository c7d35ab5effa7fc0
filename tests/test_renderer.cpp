#include "core/renderer.h"
#include "core/scene.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <map>
#include <random>

namespace veldor {
namespace {

namespace fs = std::filesystem;

using Grid = std::vector<std::string>;

const Color S = rgb(10, 20, 30); // sky
const Color G = rgb(0, 100, 0);  // ground
const Color A = rgb(200, 0, 0);
const Color B = rgb(0, 0, 200);
const Color C = rgb(0, 200, 200);
const Color D = rgb(90, 90, 90);
const Color W = kWhite;
const Color N = rgb(254, 255, 255); // near white

const std::map<char, Color> kLegend = {{'S', S}, {'G', G}, {'A', A}, {'B', B},
                                       {'C', C}, {'D', D}, {'W', W}, {'N', N}};

char letterOf(Color c)
{
    for (const auto& [letter, colour] : kLegend)
        if (colour == c)
            return letter;
    return '?';
}

Surface fromGrid(const Grid& rows)
{
    Surface s(int(rows[0].size()), int(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            s.setPixel(int(x), int(y), kLegend.at(rows[y][x]));
    return s;
}

Grid toGrid(const Surface& s, int x0, int y0, int w, int h)
{
    Grid g;
    for (int y = y0; y < y0 + h; ++y) {
        std::string row;
        for (int x = x0; x < x0 + w; ++x)
            row += letterOf(s.pixel(x, y));
        g.push_back(row);
    }
    return g;
}

// A throw-away application folder with hand-built pictures.
class Renderer : public TempFolderTest {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "packs");
        scene_.appDir = dir_.string();
        scene_.tintRed = scene_.tintGreen = scene_.tintBlue = 0;
        // An 8-column sky keeps the grids short; the ground still lands on
        // rows counted from 340.
        put("sky3.bmp", Surface(8, 340, S));
        put("none.bmp", Surface(630, 340, W));
    }

    void put(const std::string& name, const Surface& s) { saveBmpFile(s, path(name)); }
    void put(const std::string& name, const Grid& g) { put(name, fromGrid(g)); }

    void addObject(std::int32_t status, const std::string& file, std::int32_t left,
                   std::int32_t top, std::int32_t width, std::int32_t height)
    {
        const std::size_t row = std::size_t(scene_.objectCount);
        scene_.objects.growToHold(row);
        scene_.objects.status[row] = status;
        scene_.objects.imageFile[row] = file;
        scene_.objects.left[row] = left;
        scene_.objects.top[row] = top;
        scene_.objects.width[row] = width;
        scene_.objects.height[row] = height;
        ++scene_.objectCount;
    }

    Grid render(int x0, int y0, int w, int h)
    {
        renderScene(scene_, surfaces_);
        return toGrid(surfaces_.mainImage, x0, y0, w, h);
    }
    std::string renderError()
    {
        try {
            renderScene(scene_, surfaces_);
        } catch (const Error& e) {
            return e.what();
        }
        return "(no error)";
    }
    // The bottom six rows of the 8-column picture.
    Grid bottom() { return render(0, 334, 8, 6); }

    SceneState scene_;
    MainSurfaces surfaces_;
};

TEST(Tint, AddThenClamp)
{
    EXPECT_EQ(tinted(rgb(100, 100, 250), 0, 0, 10), rgb(100, 100, 255));
    EXPECT_EQ(tinted(rgb(10, 40, 200), -20, -47, -80), rgb(0, 0, 120));
    EXPECT_EQ(tinted(rgb(0, 128, 255), INT32_MAX, INT32_MIN, INT32_MAX), rgb(255, 0, 255));
    EXPECT_EQ(tinted(rgb(255, 1, 7), INT32_MIN, 2147483392, -7), rgb(0, 255, 0));
    // The top byte of a source never leaks into the result.
    EXPECT_EQ(tinted(0xFF102030u, 0, 0, 0), 0x00102030u);
}

TEST_F(Renderer, EmptyNamesBecomeDefaultsAndStayInTheScene)
{
    scene_.tintBlue = 10;
    Surface none(630, 340, W);
    none.setPixel(0, 339, rgb(100, 100, 250));
    put("none.bmp", none);
    renderScene(scene_, surfaces_);
    EXPECT_EQ(scene_.skyFile, "sky3.bmp");
    EXPECT_EQ(scene_.groundFile, "none.bmp");
    // The picture takes the sky's own size.
    EXPECT_EQ(surfaces_.mainImage.width(), 8);
    EXPECT_EQ(surfaces_.mainImage.height(), 340);
    EXPECT_EQ(surfaces_.mainImage.pixel(0, 339), rgb(100, 100, 255));
    EXPECT_EQ(surfaces_.mainImage.pixel(1, 339), S);
    EXPECT_EQ(surfaces_.mainImage.pixel(0, 0), S);
}

TEST_F(Renderer, GroundIsBottomAligned)
{
    Surface ground(630, 200, G);
    for (int x = 0; x < 630; ++x)
        ground.setPixel(x, 0, A);
    put("ground2.bmp", ground);
    scene_.groundFile = "ground2.bmp";
    EXPECT_EQ(render(0, 138, 3, 4), (Grid{"SSS", "SSS", "AAA", "GGG"}));
    EXPECT_EQ(toGrid(surfaces_.mainImage, 5, 339, 3, 1), (Grid{"GGG"}));

    // Taller than the picture: the top rows fall off.
    put("tall.bmp", Grid{"AAAAAAAA", "BBBBBBBB", "CCCCCCCC"});
    scene_.groundFile = "tall.bmp";
    put("sky3.bmp", Surface(8, 2, S));
    EXPECT_EQ(render(0, 0, 8, 2), (Grid{"SSSSSSSS", "SSSSSSSS"})) << "rows 337..339 only";
    put("tall.bmp", Surface(8, 342, G));
    EXPECT_EQ(render(0, 0, 8, 2), (Grid{"GGGGGGGG", "GGGGGGGG"}));
}

TEST_F(Renderer, GroundWhiteIsTransparentAndTheTintComesAfterTheTest)
{
    put("ground0.bmp", Grid{"WNWW", "WWAW"});
    scene_.groundFile = "ground0.bmp";
    EXPECT_EQ(render(0, 338, 4, 2), (Grid{"SNSS", "SSAS"}));

    // A tint that turns a pixel white still draws it; white stays see-through
    // whatever the tint.
    scene_.tintRed = 1;
    scene_.tintGreen = scene_.tintBlue = -1000;
    EXPECT_EQ(render(0, 338, 4, 2), (Grid{"S?SS", "SS?S"}));
    EXPECT_EQ(surfaces_.mainImage.pixel(1, 338), rgb(255, 0, 0));

    scene_.tintRed = -20;
    scene_.tintGreen = -47;
    scene_.tintBlue = -80;
    put("ground0.bmp", Surface(630, 1, rgb(10, 40, 200)));
    renderScene(scene_, surfaces_);
    EXPECT_EQ(surfaces_.mainImage.pixel(7, 339), rgb(0, 0, 120));
}

TEST_F(Renderer, NarrowGroundLeavesTheSkyBeyondIt)
{
    put("ground1.bmp", Grid{"GGG", "GWG"});
    scene_.groundFile = "ground1.bmp";
    EXPECT_EQ(render(0, 337, 8, 3), (Grid{"SSSSSSSS", "GGGSSSSS", "GSGSSSSS"}));
}

TEST_F(Renderer, LayersAndRowOrder)
{
    put("ground3.bmp", Grid{"WWWWWWWW", "WWWWWWWW", "WWGGGGWW", "GGGGGGGG"});
    scene_.groundFile = "ground3.bmp";
    put("a.bmp", Grid{"A"});
    put("b.bmp", Grid{"B"});
    put("c.bmp", Grid{"CW", "CC"});
    addObject(ObjectStatus::Front, "b.bmp", 4, 334, 3, 3);
    addObject(ObjectStatus::Behind, "a.bmp", 0, 335, 8, 5); // under every non-white ground pixel
    addObject(ObjectStatus::Front, "c.bmp", 5, 335, 2, 2);  // later row: over b
    addObject(ObjectStatus::Deleted, "c.bmp", 0, 334, 8, 6);
    addObject(ObjectStatus::Retired, "c.bmp", 0, 334, 8, 6);
    addObject(7, "c.bmp", 0, 334, 8, 6);
    // Rows present in the table but not counted.
    scene_.objects.growToHold(8);
    scene_.objects.status[7] = scene_.objects.status[8] = ObjectStatus::Front;
    scene_.objects.imageFile[7] = scene_.objects.imageFile[8] = "c.bmp";
    scene_.objects.width[7] = scene_.objects.height[8] = 630;
    scene_.objects.height[7] = scene_.objects.width[8] = 340;

    EXPECT_EQ(bottom(), (Grid{
                            "SSSSBBBS",
                            "AAAABCBA",
                            "AAAABCCA",
                            "AAAAAAAA",
                            "AAGGGGAA",
                            "GGGGGGGG",
                        }));
}

TEST_F(Renderer, TransparencyIsDecidedOnTheStretchedPixel)
{
    // 3 -> 1 ANDs the first two sources (the last is dropped); 4 -> 3 groups
    // [[0], [1, 2], [3]]; enlarging 2 -> 3 takes [0, 0, 1], 2 -> 5 [0, 0, 0, 1, 1].
    put("wad.bmp", Grid{"WAW"});
    put("wwa.bmp", Grid{"WWA"});
    put("wnww.bmp", Grid{"WNWA"});
    put("ab.bmp", Grid{"AB", "CW"});
    addObject(ObjectStatus::Front, "wad.bmp", 0, 334, 1, 1);
    addObject(ObjectStatus::Front, "wwa.bmp", 1, 334, 1, 1);
    addObject(ObjectStatus::Front, "wnww.bmp", 2, 334, 3, 1);
    addObject(ObjectStatus::Front, "ab.bmp", 0, 335, 3, 5);
    EXPECT_EQ(bottom(), (Grid{
                            "ASSNASSS",
                            "AABSSSSS",
                            "AABSSSSS",
                            "AABSSSSS",
                            "CCSSSSSS",
                            "CCSSSSSS",
                        }));
}

TEST_F(Renderer, ClippedAtEveryEdge)
{
    put("o.bmp", Grid{"ABC", "DAB", "CDA"});
    addObject(ObjectStatus::Front, "o.bmp", -1, 338, 3, 3);
    addObject(ObjectStatus::Front, "o.bmp", 6, 333, 3, 3);
    EXPECT_EQ(render(0, 333, 8, 7), (Grid{
                                        "SSSSSSAB",
                                        "SSSSSSDA",
                                        "SSSSSSCD",
                                        "SSSSSSSS",
                                        "SSSSSSSS",
                                        "BCSSSSSS",
                                        "ABSSSSSS",
                                    }));
    addObject(ObjectStatus::Front, "o.bmp", -3, 0, 3, 3);
    addObject(ObjectStatus::Front, "o.bmp", 8, 0, 3, 3);
    addObject(ObjectStatus::Front, "o.bmp", 0, 340, 3, 3);
    addObject(ObjectStatus::Front, "o.bmp", 0, -3, 3, 3);
    renderScene(scene_, surfaces_);
    const Surface before = surfaces_.mainImage;
    scene_.objectCount = 2;
    renderScene(scene_, surfaces_);
    EXPECT_EQ(surfaces_.mainImage, before) << "objects just outside leave no trace";
}

TEST_F(Renderer, EmptyRectanglesDrawNothingButStillNeedTheirFile)
{
    put("a.bmp", Grid{"A"});
    addObject(ObjectStatus::Front, "a.bmp", 0, 334, 0, 6);
    addObject(ObjectStatus::Front, "a.bmp", 0, 334, 8, 0);
    addObject(ObjectStatus::Front, "a.bmp", 8, 340, -8, -6);
    EXPECT_EQ(bottom(), Grid(6, "SSSSSSSS"));

    addObject(ObjectStatus::Front, "gone.bmp", 0, 0, 0, 0);
    EXPECT_EQ(renderError(), "Cannot open file " + (dir_ / "gone.bmp").string());
}

TEST_F(Renderer, AFailedPictureKeepsTheLayersDrawnSoFar)
{
    put("packs/mineO2.bmp", Grid{"A"});
    put("bad.bmp", Surface(1, 1, B));
    fs::resize_file(dir_ / "bad.bmp", 30); // cut short: no longer decodes
    addObject(ObjectStatus::Behind, "packs\\mineO2.bmp", 0, 339, 2, 1);
    scene_.groundFile = "packs\\missing.bmp";
    EXPECT_EQ(renderError(), "Cannot open file " + (dir_ / "packs" / "missing.bmp").string());
    EXPECT_EQ(toGrid(surfaces_.mainImage, 0, 339, 4, 1), (Grid{"AASS"}));

    scene_.groundFile = "bad.bmp";
    EXPECT_EQ(renderError(), "Bitmap image is not valid");
}

TEST_F(Renderer, ObjectsLargerThanTheScratchSurface)
{
    put("sky3.bmp", Surface(630, 340, S));
    put("quad.bmp", Grid{"AB", "CD"});
    // 2 -> 1000 repeats source 0 for 0..499 and source 1 for 500..999; the
    // same picture at 600 x 400 goes through the scratch surface.
    addObject(ObjectStatus::Front, "quad.bmp", -200, -300, 1000, 1000);
    EXPECT_EQ(render(298, 198, 4, 4), (Grid{"AABB", "AABB", "CCDD", "CCDD"}));
    EXPECT_EQ(toGrid(surfaces_.mainImage, 0, 0, 1, 1), (Grid{"A"}));
    EXPECT_EQ(toGrid(surfaces_.mainImage, 629, 339, 1, 1), (Grid{"D"}));

    scene_.objects.left[0] = -100;
    scene_.objects.top[0] = -100;
    scene_.objects.width[0] = 600;
    scene_.objects.height[0] = 400;
    EXPECT_EQ(render(198, 98, 4, 4), (Grid{"AABB", "AABB", "CCDD", "CCDD"}));
    EXPECT_EQ(toGrid(surfaces_.mainImage, 500, 300, 1, 1), (Grid{"S"}));
}

TEST_F(Renderer, GeometryNearTheInt32Limits)
{
    put("sky3.bmp", Surface(630, 340, S));
    put("quad.bmp", Grid{"AB", "CD"});
    // Each of these must finish in time bounded by the picture.
    addObject(ObjectStatus::Front, "quad.bmp", INT32_MAX - 5, INT32_MAX, INT32_MAX, INT32_MAX);
    addObject(ObjectStatus::Front, "quad.bmp", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX); // ends at -1
    EXPECT_EQ(render(0, 0, 1, 1), (Grid{"S"}));
    EXPECT_EQ(surfaces_.mainImage, Surface(630, 340, S));

    addObject(ObjectStatus::Front, "quad.bmp", 0, 0, INT32_MAX, INT32_MAX);
    EXPECT_EQ(render(629, 339, 1, 1), (Grid{"A"}));
    EXPECT_EQ(surfaces_.mainImage, Surface(630, 340, A));

    // Over 2^31 - 1 columns the second source starts at 1073741824: place
    // that column on x = 300 and that row on y = 200.
    addObject(ObjectStatus::Front, "quad.bmp", -1073741824 + 300, -1073741824 + 200, INT32_MAX, INT32_MAX);
    EXPECT_EQ(render(298, 198, 4, 4), (Grid{"AABB", "AABB", "CCDD", "CCDD"}));
}

// A rendering reads each file once and reuses stretched pictures; drawing
// every row on its own from a freshly loaded file must give the same picture,
// whatever the sizes, repeats, layers and tints.
TEST_F(Renderer, RandomScenesMatchDrawingEachRowOnItsOwn)
{
    std::mt19937 rng(5);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto picture = [&](int w, int h) {
        Surface s(w, h);
        for (Color& c : s.data())
            c = pick(0, 2) == 0 ? kWhite : Color(rng() & 0x00FFFFFFu);
        return s;
    };
    put("sky3.bmp", picture(630, 340));
    put("ground.bmp", picture(600, 120));
    const std::vector<std::string> files = {"a.bmp", "b.bmp", "c.bmp"};
    put("a.bmp", picture(7, 5));
    put("b.bmp", picture(160, 160));
    put("c.bmp", picture(1, 1));
    const std::vector<int> sizes = {-3, 0, 1, 2, 7, 33, 160, 641, 900};
    const std::vector<std::int32_t> tints = {INT32_MIN, -300, -20, 0, 40, 300};
    scene_.groundFile = "ground.bmp";

    for (int round = 0; round < 6; ++round) {
        scene_.tintRed = tints[std::size_t(pick(0, 5))];
        scene_.tintGreen = tints[std::size_t(pick(0, 5))];
        scene_.tintBlue = tints[std::size_t(pick(0, 5))];
        scene_.objectCount = 0;
        for (int i = 0; i < 80; ++i)
            addObject(std::vector<int>{ObjectStatus::Front, ObjectStatus::Front, ObjectStatus::Behind, ObjectStatus::Deleted, ObjectStatus::Retired}[std::size_t(pick(0, 4))],
                      files[std::size_t(pick(0, 2))], pick(-400, 650), pick(-400, 350),
                      sizes[std::size_t(pick(0, 8))], sizes[std::size_t(pick(0, 8))]);
        renderScene(scene_, surfaces_);

        Surface expected;
        expected.load((dir_ / "sky3.bmp").string());
        auto drawRows = [&](int status) {
            for (std::size_t r = 0; r < std::size_t(scene_.objectCount); ++r) {
                if (scene_.objects.status[r] != status)
                    continue;
                Surface object;
                object.load((dir_ / scene_.objects.imageFile[r].str()).string());
                drawObject(expected, object, scene_.objects.left[r], scene_.objects.top[r], scene_.objects.width[r],
                           scene_.objects.height[r], scene_.tintRed, scene_.tintGreen, scene_.tintBlue);
            }
        };
        drawRows(ObjectStatus::Behind);
        Surface ground;
        ground.load((dir_ / "ground.bmp").string());
        drawObject(expected, ground, 0, 220, 600, 120, scene_.tintRed, scene_.tintGreen, scene_.tintBlue);
        drawRows(ObjectStatus::Front);
        EXPECT_TRUE(surfaces_.mainImage == expected) << "round " << round;
    }
}

} // namespace
} // namespace veldor
