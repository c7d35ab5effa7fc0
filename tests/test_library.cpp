#include "objectpacks.h"
#include "platform/surface.h"
#include "sources/library.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace veldor {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using test::writeObjectPack;

TEST(LibraryCategory, PackNameWithoutItsNumber)
{
    const struct {
        const char* name;
        const char* category;
    } cases[] = {
        {"Farm Animals 3", "Farm Animals"}, {"Farm Animals 12", "Farm Animals"}, {"Farm Animals  3", "Farm Animals"},
        {"Farm Animals", "Farm Animals"},   {"Farm Animals3", "Farm Animals3"}, {"Space 2 Go", "Space 2 Go"},
        {"Route 66 1", "Route 66"},         {"1", "1"},                         {" 1", " 1"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(packCategory(c.name), c.category) << '"' << c.name << '"';
}

TEST(LibraryFinding, FoldsCaseAndAccents)
{
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Hot Air BALLOON", "hot air balloon"},
        {"\xc3\x89" "clair \xc3\xa0 la cr\xc3\xa8me", "eclair a la creme"}, // UTF-8
        {"\xc9" "clair", "eclair"},                                         // Latin-1
        {"Stra\xc3\x9f" "e", "strasse"},
        {"\xc5\x81\xc3\xb3" "d\xc5\xba", "lodz"},                           // Łódź
        {"Cre\xcc\x80me", "creme"},                                         // decomposed accent
        {"\xce\x86\xce\xa3\xce\xa4\xce\xa1\xce\x9f", "\xce\xb1\xcf\x83\xcf\x84\xcf\x81\xce\xbf"}, // ΆΣΤΡΟ
        {"\xd0\x81\xd0\x96", "\xd0\xb5\xd0\xb6"},                           // ЁЖ
    };
    for (const auto& c : cases)
        EXPECT_EQ(foldForFinding(c.text), c.folded) << c.text;
}

class LibraryFolder : public TempFolderTest {
protected:
    fs::path packs() const { return dir_ / kPackFolderName; }
};

TEST_F(LibraryFolder, GroupsPacksByCategoryInNumberOrder)
{
    writeObjectPack(packs(), "farm10.vpk", "Farm Animals 10", "f10", {"Goose"});
    writeObjectPack(packs(), "farm2.vpk", "Farm Animals 2", "f2", {"Cow", "", "Pig"}); // a slot left empty
    writeObjectPack(packs(), "farm1.vpk", "farm animals 1", "f1", {"Hen", "Horse"});
    writeObjectPack(packs(), "pets.vpk", "Pets", "pet", {"Cat", "Dog"});
    writeObjectPack(packs(), "zoo.vpk", "\xc3\x89" "cole 1", "eco", {"Pencil"}); // sorts as "ecole"
    writeObjectPack(packs(), "skies.vpk", "Skies Only", "sk", {});              // lends no objects
    writeObjectPack(packs(), "old.vpk", "Old", "old", {});                      // an older pack without
    saveBmpFile(Surface(4, 4, kBlack), (packs() / "oldo0.bmp").string());        // captions still lends
    writeObjectPack(packs(), "climb.vpk", "Climbing", "..\\..\\x", {"Rope"});    // outside the folder
    writeObjectPack(packs(), "lost.vpk", "Lost", "lost", {"Ghost"});
    fs::remove(packs() / "losto0.bmp");                                          // caption, no bitmap
    std::ofstream(packs() / "notes.vpk") << "not a pack\r\n";

    const ObjectLibrary library = readObjectLibrary(dir_.string());
    Lines names;
    std::vector<Lines> captions;
    for (const LibraryCategory& c : library.categories) {
        names.push_back(c.name);
        captions.emplace_back();
        for (const LibraryObject& o : c.objects)
            captions.back().push_back(o.caption);
    }
    EXPECT_EQ(names, (Lines{"\xc3\x89" "cole", "farm animals", "Old", "Pets"}));
    EXPECT_EQ(captions,
              (std::vector<Lines>{{"Pencil"}, {"Hen", "Horse", "Cow", "Pig", "Goose"}, {""}, {"Cat", "Dog"}}));
    EXPECT_EQ(library.categories[1].objects[3].imageFile, "packs\\f2o2.bmp");
    EXPECT_EQ(library.categories[3].objects[0].folded, "cat");

    EXPECT_EQ(thrownText([&] { readObjectLibrary((dir_ / "missing").string()); }), "File not found");
}

// Categories of one pack each, as "<category>/<caption>" for short.
ObjectLibrary libraryOf(const std::vector<std::pair<std::string, Lines>>& categories)
{
    ObjectLibrary library;
    for (const auto& [name, captions] : categories) {
        library.categories.push_back({name, {}});
        for (const std::string& caption : captions)
            library.categories.back().objects.push_back({caption, "packs\\" + caption + ".bmp", foldForFinding(caption)});
    }
    return library;
}

TEST(LibraryFinding, FindsByCaptionAsYouType)
{
    const ObjectLibrary library = libraryOf({
        {"Pets", {"Cat", "Black Cat", "Caterpillar", "Dog"}},
        {"Vehicles", {"School Bus", "Minibus", "Bus", "Car", "Racing car"}},
        {"Garden", {"Rose Bushes", "Wildcat", "Scarecrow"}},
        {"Food", {"\xc3\x89" "clair", "Cr\xc3\xa8me Br\xc3\xbbl\xc3\xa9" "e"}},
    });
    const struct {
        const char* text;
        Lines found;
    } cases[] = {
        {"cat", {"Black Cat", "Cat", "Caterpillar", "Wildcat"}},
        {"bus", {"Bus", "School Bus", "Rose Bushes", "Minibus"}},
        {"CAT", {"Black Cat", "Cat", "Caterpillar", "Wildcat"}},
        {"c", {"Car", "Cat", "Caterpillar", "Cr\xc3\xa8me Br\xc3\xbbl\xc3\xa9" "e", "Black Cat", "Racing car",
               "\xc3\x89" "clair", "Scarecrow", "School Bus", "Wildcat"}},
        {"ca", {"Car", "Cat", "Caterpillar", "Black Cat", "Racing car", "Scarecrow", "Wildcat"}},
        {"black cat", {"Black Cat"}},
        {"cat black", {"Black Cat"}},
        {"eclair", {"\xc3\x89" "clair"}},
        {"cr\xc3\xa8me", {"Cr\xc3\xa8me Br\xc3\xbbl\xc3\xa9" "e"}},
        {"brulee", {"Cr\xc3\xa8me Br\xc3\xbbl\xc3\xa9" "e"}},
        {"", {}},
        {"  ", {}},
        {"-", {}},
        {"zebra", {}},
        {"cat zebra", {}},
    };
    for (const auto& c : cases) {
        Lines found;
        for (const LibraryPlace& p : findObjects(library, c.text))
            found.push_back(library.categories[p.category].objects[p.object].caption);
        EXPECT_EQ(found, c.found) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace veldor
