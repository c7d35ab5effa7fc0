// A scene file from anywhere is read and rendered: whatever its counts,
// geometry and tints, the reader either returns a scene or throws
// veldor::Error, the scene writes back to the same scene, and the rendering
// finishes (or stops with veldor::Error) in time and memory bounded by the
// pictures. Names are mapped onto a few small pictures in a private folder,
// so the fuzzer never reaches the rest of the file system.
#include "core/renderer.h"
#include "files/scenefile.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/surface.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace veldor;

fs::path gAppDir;

// A w x h picture with a white pixel every fifth step, so both the
// transparent and the drawn paths run.
Surface pattern(int w, int h, Color base)
{
    Surface s(w, h, base);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x + 2 * y) % 5 == 0)
                s.setPixel(x, y, kWhite);
            else if ((x * y) % 3 == 1)
                s.setPixel(x, y, rgb(x * 40 % 256, y * 70 % 256, 200));
    return s;
}

void removeAppDir()
{
    std::error_code ignored;
    fs::remove_all(gAppDir, ignored);
}

// What a name in the fuzzed file stands for. Empty names stay empty, so the
// defaults are exercised; "p9.bmp" does not exist and "broken.bmp" is not a
// bitmap, so failures half-way through a rendering run too.
std::string mapName(const std::string& name)
{
    if (name.empty())
        return name;
    unsigned sum = 0;
    for (const unsigned char c : name)
        sum += c;
    static const char* const kNames[] = {"p0.bmp",    "p1.bmp", "p2.bmp",    "p3.bmp",
                                         "sky3.bmp",  "none.bmp", "p9.bmp", "broken.bmp"};
    return kNames[sum % (sizeof kNames / sizeof kNames[0])];
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string templ = (fs::temp_directory_path() / "veldor-fuzz-XXXXXX").string();
    if (!::mkdtemp(templ.data()))
        std::abort();
    gAppDir = templ;
    std::atexit(removeAppDir);
    saveBmpFile(pattern(16, 9, rgb(30, 60, 120)), (gAppDir / "sky3.bmp").string());
    saveBmpFile(Surface(16, 4, kWhite), (gAppDir / "none.bmp").string());
    saveBmpFile(pattern(3, 2, rgb(200, 10, 10)), (gAppDir / "p0.bmp").string());
    saveBmpFile(Surface(1, 1, kBlack), (gAppDir / "p1.bmp").string());
    saveBmpFile(pattern(24, 12, rgb(10, 200, 10)), (gAppDir / "p2.bmp").string());
    saveBmpFile(pattern(7, 5, rgb(90, 90, 90)), (gAppDir / "p3.bmp").string());
    std::ofstream(gAppDir / "broken.bmp") << "BM not a bitmap";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::optional<SceneDocument> doc;
    try {
        doc = parseScene(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const Error&) {
        return 0;
    }
    if (!doc)
        return 0;
    if (doc->objectCount < 0 || doc->objects.size() < std::size_t(doc->objectCount))
        std::abort();

    // What was read is what a Save writes back.
    const std::optional<SceneDocument> again = parseScene(formatScene(*doc));
    if (!again || !(*again == *doc))
        std::abort();

    SceneState scene;
    static_cast<SceneDocument&>(scene) = *doc;
    scene.appDir = gAppDir.string();
    scene.skyFile = mapName(scene.skyFile);
    scene.groundFile = mapName(scene.groundFile);
    for (CompactString& name : scene.objects.imageFile)
        name = mapName(name);
    // Kept between inputs: a fresh 640 x 480 scratch surface each time would
    // cost more than the rendering. Every rendering reloads the picture, and
    // the scratch surface is written before it is read.
    static MainSurfaces surfaces;
    surfaces.mainImage = Surface();
    surfaces.tempimage = Surface();
    try {
        renderScene(scene, surfaces);
    } catch (const Error&) {
        return 0;
    }
    if (scene.skyFile.empty() || scene.groundFile.empty() || surfaces.mainImage.empty())
        std::abort();
    return 0;
}
