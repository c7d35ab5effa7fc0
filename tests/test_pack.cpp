#include "platform/error.h"
#include "platform/textfile.h"
#include "sources/pack.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace veldor {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string crlf(const Lines& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

// A full pack whose every line tells where it came from, so that a reader
// that skips one line too many or too few picks up the wrong text.
Lines fullPack()
{
    Lines lines = {kPackIdentification, "Name", "Author", "Description", "pre"};
    const std::string tints[5][3] = {{"1", "2", "3"},
                                     {"-45", "-65", "-90"},
                                     {"300", "0", "-300"},
                                     {"2147483647", "-2147483648", "0"},
                                     {"0", "0", "10"}};
    for (int i = 0; i < 5; ++i) {
        lines.push_back("sky caption " + std::to_string(i));
        for (const std::string& t : tints[i])
            lines.push_back(t);
    }
    for (int i = 0; i < 5; ++i)
        lines.push_back("ground caption " + std::to_string(i));
    for (int i = 0; i < 5; ++i)
        lines.push_back("object caption " + std::to_string(i));
    lines.push_back("line 36 is never read");
    return lines;
}

std::optional<PackHeader> header(const std::string& bytes)
{
    LineReader reader(bytes);
    return readPackHeader(reader);
}

PackSlots slotsOf(const std::string& bytes, PackKind kind)
{
    LineReader reader(bytes);
    EXPECT_TRUE(readPackHeader(reader).has_value());
    return readPackSlots(reader, kind);
}

std::string integerError(const std::string& bytes)
{
    try {
        slotsOf(bytes, PackKind::Sky);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(PackReader, IdentificationLineMustMatchExactly)
{
    const Lines rest = {"Name", "Author", "Description", "pre"};
    auto with = [&](const std::string& first) {
        Lines lines = rest;
        lines.insert(lines.begin(), first);
        return crlf(lines);
    };
    EXPECT_EQ(header(with(kPackIdentification)), (PackHeader{"Name", "Author", "Description", "pre"}));
    EXPECT_FALSE(header(with("tolvane veldor image pack")));
    EXPECT_FALSE(header(with("Tolvane Veldor Image Pack ")));
    EXPECT_FALSE(header(with(" Tolvane Veldor Image Pack")));
    EXPECT_FALSE(header(with("Tolvane Veldor File")));
    EXPECT_FALSE(header(""));
    // Bare LF line ends make the whole file one line.
    EXPECT_FALSE(header("Tolvane Veldor Image Pack\nName\nAuthor\nDescription\npre\n"));
    // Header lines are taken whole, blanks included.
    EXPECT_EQ(header(crlf({kPackIdentification, "  spaced  ", "", "a\nb", ""})),
              (PackHeader{"  spaced  ", "", "a\nb", ""}));
}

// A pack's lines only show in labels or name files: of a long one the first
// 4096 bytes are kept, and a tint line that long is no integer.
TEST(PackReader, LongLinesKeepTheirStart)
{
    const std::string longText = std::string(4096, 'k') + std::string(100000, 'x');
    Lines lines = fullPack();
    lines[1] = longText;       // the name
    lines[5] = longText;       // the first sky caption
    lines[29] = longText;      // the last ground caption
    const std::string bytes = crlf(lines);
    EXPECT_EQ(header(bytes)->name, std::string(4096, 'k'));
    EXPECT_EQ(header(bytes)->author, fullPack()[2]);
    EXPECT_EQ(slotsOf(bytes, PackKind::Sky).captions[0], std::string(4096, 'k'));
    EXPECT_EQ(slotsOf(bytes, PackKind::Ground).captions[4], std::string(4096, 'k'));
    EXPECT_EQ(slotsOf(bytes, PackKind::Object).captions[0], "object caption 0");

    lines = fullPack();
    lines[6] = std::string(4097, '0') + "1";
    const std::string text = integerError(crlf(lines));
    EXPECT_EQ(text.substr(0, 4), "'000");
    EXPECT_LE(text.size(), 300u);
    // A first line longer than the identification is not one.
    EXPECT_FALSE(header(std::string(kPackIdentification) + longText + "\r\n"));
}

TEST(PackReader, EachKindReadsItsOwnLines)
{
    const std::string bytes = crlf(fullPack());
    const PackSlots sky = slotsOf(bytes, PackKind::Sky);
    EXPECT_EQ(sky.captions, (std::array<std::string, 5>{"sky caption 0", "sky caption 1", "sky caption 2",
                                                         "sky caption 3", "sky caption 4"}));
    // Tints are kept as stored, beyond 0..255 and to the ends of 32 bits.
    const std::array<SkyLight, 5> lights = {SkyLight{1, 2, 3}, SkyLight{-45, -65, -90}, SkyLight{300, 0, -300},
                                            SkyLight{2147483647, -2147483647 - 1, 0}, SkyLight{0, 0, 10}};
    EXPECT_EQ(sky.lights, lights);

    const PackSlots ground = slotsOf(bytes, PackKind::Ground);
    EXPECT_EQ(ground.captions[0], "ground caption 0");
    EXPECT_EQ(ground.captions[4], "ground caption 4");
    EXPECT_EQ(ground.lights, (std::array<SkyLight, 5>{}));

    const PackSlots object = slotsOf(bytes, PackKind::Object);
    EXPECT_EQ(object.captions[0], "object caption 0");
    EXPECT_EQ(object.captions[4], "object caption 4");
}

TEST(PackReader, ContentOfOtherKindsIsNotLookedAt)
{
    // Sky tints that are not numbers do not stop the ground or object browser.
    Lines lines = fullPack();
    lines[6] = "not a number";
    const std::string bytes = crlf(lines);
    EXPECT_EQ(slotsOf(bytes, PackKind::Ground).captions[2], "ground caption 2");
    EXPECT_EQ(slotsOf(bytes, PackKind::Object).captions[2], "object caption 2");
    EXPECT_EQ(integerError(bytes), "'not a number' is not a valid integer value");
}

TEST(PackReader, ShortFileReadsAsEmptyLines)
{
    const std::string fiveLines = crlf({kPackIdentification, "Name", "Author", "Description", "pre"});
    EXPECT_EQ(slotsOf(fiveLines, PackKind::Ground).captions, (std::array<std::string, 5>{}));
    EXPECT_EQ(slotsOf(fiveLines, PackKind::Object).captions, (std::array<std::string, 5>{}));
    // The sky browser stops at the first tint line.
    EXPECT_EQ(integerError(fiveLines), "'' is not a valid integer value");

    // Ctrl-Z ends the text: what follows is as good as absent.
    Lines lines = fullPack();
    const std::string cut =
        crlf(Lines(lines.begin(), lines.begin() + 25)) + '\x1a' + crlf(Lines(lines.begin() + 25, lines.end()));
    EXPECT_EQ(slotsOf(cut, PackKind::Ground).captions, (std::array<std::string, 5>{}));
    EXPECT_EQ(slotsOf(cut, PackKind::Sky).lights[4], (SkyLight{0, 0, 10}));
}

TEST(PackNames, BuiltFromThePrefix)
{
    EXPECT_EQ(packThumbnailName("smp", PackKind::Ground, 0), "packs\\smpgT0.bmp");
    EXPECT_EQ(packImageName("smp", PackKind::Ground, 4), "packs\\smpg4.bmp");
    EXPECT_EQ(packThumbnailName("smp", PackKind::Sky, 2), "packs\\smpST2.bmp");
    EXPECT_EQ(packImageName("smp", PackKind::Sky, 3), "packs\\smpS3.bmp");
    // Objects show their full-size image.
    EXPECT_EQ(packThumbnailName("smp", PackKind::Object, 1), "packs\\smpo1.bmp");
    EXPECT_EQ(packImageName("smp", PackKind::Object, 1), "packs\\smpo1.bmp");

    EXPECT_EQ(packThumbnailName("", PackKind::Ground, 0), "packs\\gT0.bmp");
    EXPECT_EQ(packImageName("", PackKind::Ground, 0), "packs\\g0.bmp");
    EXPECT_EQ(packImageName("", PackKind::Sky, 4), "packs\\S4.bmp");

    EXPECT_EQ(packFolder("/opt/veldor"), "/opt/veldor/packs");
}

class PackFolder : public TempFolderTest {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "folder.vpk");
        for (const char* name : {"b.vpk", "A.VPK", "c.vpk", "notes.txt", "d.vpkx", "e.vpk.bak"})
            std::ofstream(dir_ / name) << "x";
    }
};

TEST_F(PackFolder, ListsPackFilesAlphabetically)
{
    EXPECT_EQ(listPackFiles(dir_.string()), (Lines{"A.VPK", "b.vpk", "c.vpk"}));
    std::ofstream(dir_ / "aa.vpk") << "x";
    EXPECT_EQ(listPackFiles(dir_.string()), (Lines{"A.VPK", "aa.vpk", "b.vpk", "c.vpk"}));
}

TEST_F(PackFolder, MissingFolderIsAnInputOutputError)
{
    EXPECT_EQ(listPackFiles((dir_ / "folder.vpk").string()), Lines{});
    try {
        listPackFiles((dir_ / "missing").string());
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

// Which kinds a pack carries, and which slots of them hold a picture: a
// caption, or the slot's image beside the pack. Files that are no pack
// stay listed everywhere.
TEST_F(PackFolder, PacksOfOneKindAreListedForTheirKindsOnly)
{
    const auto pack = [&](const std::string& name, const std::string& prefix, bool skies, bool grounds,
                          bool objects, const Lines& images) {
        Lines lines = {kPackIdentification, "N", "A", "D", prefix};
        for (int i = 0; i < 5; ++i)
            for (const std::string& l : {"sky " + std::to_string(i), std::string("1"), std::string("2"),
                                         std::string("3")})
                lines.push_back(skies ? l : "");
        for (int i = 0; i < 5; ++i)
            lines.push_back(grounds ? "ground " + std::to_string(i) : "");
        for (int i = 0; i < 5; ++i)
            lines.push_back(objects ? "object " + std::to_string(i) : "");
        std::ofstream(dir_ / name) << crlf(lines);
        for (const std::string& image : images)
            std::ofstream(dir_ / image) << "x";
    };
    pack("objects.vpk", "ob", false, false, true, {"obo0.bmp"});
    pack("scenery.vpk", "sc", true, true, false, {"scS0.bmp", "scg0.bmp"});
    // An old complete pack whose captions were all left empty.
    pack("old.vpk", "ol", false, false, false, {"olS0.bmp", "olg0.bmp", "olo0.bmp"});
    pack("nothing.vpk", "no", false, false, false, {"noS1.bmp"});
    const std::string folder = dir_.string();
    EXPECT_EQ(listPackFiles(folder, PackKind::Sky), (Lines{"A.VPK", "b.vpk", "c.vpk", "old.vpk", "scenery.vpk"}));
    EXPECT_EQ(listPackFiles(folder, PackKind::Ground), (Lines{"A.VPK", "b.vpk", "c.vpk", "old.vpk", "scenery.vpk"}));
    EXPECT_EQ(listPackFiles(folder, PackKind::Object), (Lines{"A.VPK", "b.vpk", "c.vpk", "objects.vpk", "old.vpk"}));

    // Trailing slots left empty: no caption and no image.
    const PackCaptions captions = {"one", "", "", "", ""};
    std::ofstream(dir_ / "trS1.bmp") << "x";
    EXPECT_EQ(packSlotsFilled(folder, "tr", captions, PackKind::Sky), (PackSlotFlags{true, true, false, false, false}));
    // An empty sky slot's tint lines are never read, whatever they hold.
    Lines lines = {kPackIdentification, "N", "A", "D", "tr", "one", "1", "2", "3", "", "", "", "", "", "x", "", ""};
    LineReader reader(crlf(lines));
    readPackHeader(reader);
    const PackSlots slots = readPackSlots(reader, PackKind::Sky, {true, false, false, false, false});
    EXPECT_EQ(slots.captions, captions);
    EXPECT_EQ(slots.lights[0], (SkyLight{1, 2, 3}));
    EXPECT_EQ(slots.lights[2], SkyLight{});
}

TEST_F(PackFolder, PicturesAreNamedByTheirPacksCaptions)
{
    // "b.vpk" and "c.vpk" are not packs; "pre" is a pack with a bad tint
    // line after its third sky, and "z.vpk" a good pack with the same prefix.
    Lines bad = fullPack();
    bad[5 + 4 * 3 + 1] = "lots";
    std::ofstream(dir_ / "pre.vpk") << crlf(bad);
    Lines good = fullPack();
    good[5] = "z sky caption 0";
    std::ofstream(dir_ / "z.vpk") << crlf(good);
    Lines other = fullPack();
    other[4] = "pr";
    std::ofstream(dir_ / "other.vpk") << crlf(other);
    const struct {
        const char* file;
        std::optional<std::string> caption;
    } rows[] = {
        {"packs\\preS4.bmp", "sky caption 4"}, // from "z.vpk": "pre.vpk" cannot give skies
        {"packs\\preS0.bmp", "z sky caption 0"},
        {"packs\\preg2.bmp", "ground caption 2"},
        {"packs\\preo4.bmp", "object caption 4"},
        {"packs\\prS1.bmp", "sky caption 1"},
        {"packs\\preS5.bmp", std::nullopt},
        {"packs\\preX1.bmp", std::nullopt},
        {"packs\\preST1.bmp", std::nullopt}, // thumbnails are never stored
        {"packs\\qqS1.bmp", std::nullopt},
        {"sky2.bmp", std::nullopt},
        {"packs\\S1.bmp", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(packCaption(dir_.string(), r.file), r.caption) << r.file;
    EXPECT_EQ(packCaption((dir_ / "missing").string(), "packs\\preS0.bmp"), std::nullopt);
}

} // namespace
} // namespace veldor
