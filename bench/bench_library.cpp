// The object library of a hundred packs of five objects: listing it when
// "More Objects" opens, making the thumbnails of a category of 40 objects,
// and finding by caption as each letter is typed. Targets on the reference
// 2-core machine: the library lists at once (well under 100 ms), and a
// category of 40 opens in at most 100 ms with every thumbnail made (the
// window makes only those in view).
#include "platform/bmp.h"
#include "platform/surface.h"
#include "sources/library.h"
#include "sources/pack.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace veldor;
namespace fs = std::filesystem;

constexpr int kPacks = 100;
constexpr int kBigCategoryPacks = 8; // 40 objects
constexpr const char* kBigCategory = "Farm Animals";
constexpr const char* kCategories[] = {"Forest Animals", "Sea Animals", "Jungle", "Pets", "People", "Jobs",
                                       "Vehicles", "Buildings", "Plants", "Food", "Toys", "Sports",
                                       "Space", "Weather", "Fantasy", "Seasons", "Holidays", "Town",
                                       "Country", "Music", "Kitchen", "School", "Birds"};
constexpr const char* kAnimals[] = {"Cat", "Cow", "Bus", "Sheep", "Hen", "Horse", "Goat", "Duck", "Pig", "Dog"};

// A private application folder with 100 objects-only packs, removed at
// exit. The big category's objects are 256 x 256, the largest the pack
// builder makes; the others' bitmaps are only stat'ed when listing.
struct LibraryFiles {
    fs::path dir = fs::temp_directory_path() / ("veldor-bench-library-" + std::to_string(::getpid()));

    LibraryFiles()
    {
        const fs::path packs = dir / kPackFolderName;
        fs::create_directories(packs);
        Surface big(256, 256), small(16, 16, rgb(40, 120, 60));
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                big.setPixel(x, y, (x - 128) * (x - 128) + (y - 128) * (y - 128) < 110 * 110 ? rgb(x, y, 90) : kWhite);
        for (int p = 0; p < kPacks; ++p) {
            const bool inBig = p < kBigCategoryPacks;
            const int number = inBig ? p + 1 : (p - kBigCategoryPacks) / 23 + 1;
            const std::string category = inBig ? kBigCategory : kCategories[(p - kBigCategoryPacks) % 23];
            const std::string prefix = "p" + std::to_string(p);
            std::ofstream pack(packs / (prefix + ".vpk"), std::ios::binary);
            pack << kPackIdentification << "\r\n" << category << ' ' << number << "\r\nBench\r\nObjects\r\n"
                 << prefix << "\r\n";
            for (int line = 6; line <= 30; ++line)
                pack << "\r\n";
            for (int i = 0; i < 5; ++i) {
                pack << kAnimals[(p * 5 + i) % 10] << ' ' << p << "\r\n";
                saveBmpFile(inBig ? big : small, (packs / (prefix + "o" + std::to_string(i) + ".bmp")).string());
            }
        }
    }
    ~LibraryFiles() { fs::remove_all(dir); }
};

const LibraryFiles& files()
{
    static const LibraryFiles f;
    return f;
}

void BM_LibraryListsHundredPacks(benchmark::State& state)
{
    const std::string appDir = files().dir.string();
    std::size_t objects = 0, categories = 0;
    for (auto _ : state) {
        const ObjectLibrary library = readObjectLibrary(appDir);
        categories = library.categories.size();
        objects = 0;
        for (const LibraryCategory& c : library.categories)
            objects += c.objects.size();
    }
    state.counters["categories"] = double(categories);
    state.counters["objects"] = double(objects);
}

void BM_LibraryOpensCategoryOfForty(benchmark::State& state)
{
    const std::string appDir = files().dir.string();
    const ObjectLibrary library = readObjectLibrary(appDir);
    const LibraryCategory& farm = *std::find_if(library.categories.begin(), library.categories.end(),
                                                [](const LibraryCategory& c) { return c.name == kBigCategory; });
    for (auto _ : state)
        for (const LibraryObject& object : farm.objects)
            benchmark::DoNotOptimize(objectThumbnail(appDir, object.imageFile, 100));
    state.counters["objects"] = double(farm.objects.size());
}

void BM_LibraryFindsAsYouType(benchmark::State& state)
{
    const ObjectLibrary library = readObjectLibrary(files().dir.string());
    std::size_t found = 0;
    for (auto _ : state)
        for (const char* typed : {"c", "ca", "cat"})
            found = findObjects(library, typed).size();
    state.counters["found_cat"] = double(found);
}

} // namespace

BENCHMARK(BM_LibraryListsHundredPacks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryOpensCategoryOfForty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryFindsAsYouType)->Unit(benchmark::kMicrosecond);
