#include "output/exportbmp.h"

#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/stretch.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace veldor;

namespace {

class Export : public TempFolderTest {
protected:
    void SetUp() override
    {
        std::mt19937 rng(21);
        picture_ = Surface(630, 340);
        for (Color& c : picture_.data())
            c = Color(rng() & 0x00FFFFFFu);
    }
    Surface picture_;
};

} // namespace

TEST_F(Export, StandardWritesThePictureAsItStands)
{
    exportStandard(picture_, path("a.bmp"));
    const Bitmap b = loadBmpFile(path("a.bmp"));
    EXPECT_EQ(b.width, 630);
    EXPECT_EQ(b.height, 340);
    EXPECT_EQ(b.pixels, picture_.data());
}

TEST_F(Export, StretchedIsAlways640By480)
{
    Surface scratch(17, 3, kBlack); // whatever shape it was left in
    exportStretched(picture_, scratch, path("s.bmp"));
    const Bitmap b = loadBmpFile(path("s.bmp"));
    ASSERT_EQ(b.width, 640);
    ASSERT_EQ(b.height, 480);
    EXPECT_EQ(b.pixels, scratch.data());

    Surface expected(640, 480);
    stretchCopy(expected, 0, 0, 640, 480, picture_, 0, 0, 630, 340);
    EXPECT_EQ(scratch, expected);
    // Pure replication: the corners come straight from the picture's corners.
    EXPECT_EQ(scratch.pixel(0, 0), picture_.pixel(0, 0));
    EXPECT_EQ(scratch.pixel(639, 479), picture_.pixel(629, 339));

    // A smaller picture still gives 640x480, white where it has no pixels.
    Surface small(315, 170, kBlack);
    exportStretched(small, scratch, path("small.bmp"));
    const Bitmap s = loadBmpFile(path("small.bmp"));
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.height, 480);
    EXPECT_EQ(scratch.pixel(0, 0), kBlack);
    EXPECT_EQ(scratch.pixel(639, 479), kWhite);
}

TEST_F(Export, WritingLeavesOtherFilesBesideTheTargetAlone)
{
    // A file that merely shares the target's name with a suffix is the
    // user's, not a leftover of ours.
    const std::string neighbour = path("a.bmp.part");
    {
        std::ofstream out(neighbour, std::ios::binary);
        out << "keep";
    }
    exportStandard(picture_, path("a.bmp"));
    std::ifstream in(neighbour, std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "keep");
    EXPECT_EQ(loadBmpFile(path("a.bmp")).pixels, picture_.data());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 2);
}

TEST_F(Export, UnwritableTargetRaisesAndWritesNothing)
{
    const std::string target = path("missing/dir/x.bmp");
    try {
        exportStandard(picture_, target);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + target + ": File not found");
    }
    EXPECT_FALSE(std::filesystem::exists(target));
}
