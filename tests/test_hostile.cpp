// Files a user may be handed by anyone: each is read and rendered, or
// rejected with veldor::Error, without a crash, a hang or memory out of
// proportion to the file.
#include "core/renderer.h"
#include "files/scenefile.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "sources/pack.h"
#include "sources/packcheck.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include "sanitizers.h"
#include "tempfolder.h"

namespace veldor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const Color Sky = rgb(10, 20, 30);
const Color Red = rgb(200, 0, 0);

std::string lines(std::initializer_list<std::string> values)
{
    std::string out;
    for (const std::string& v : values)
        out += v + "\r\n";
    return out;
}

std::string sceneHeader(std::int64_t tr, std::int64_t tg, std::int64_t tb, std::int64_t count)
{
    return lines({kSceneMagic, "sky3.bmp", "none.bmp", std::to_string(tr), std::to_string(tg),
                  std::to_string(tb), std::to_string(count)});
}

std::string objectRow(const std::string& file, std::int64_t left, std::int64_t top,
                      std::int64_t width, std::int64_t height, int status = ObjectStatus::Front)
{
    return lines({std::to_string(status), file, "T", std::to_string(left), std::to_string(top),
                  std::to_string(width), std::to_string(height)});
}

// An application folder `app` inside a private folder, so that names may
// lead out of it into places the test controls.
class HostileScene : public TempFolderTest {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "app");
        fs::create_directories(dir_ / "outside");
        scene_.appDir = (dir_ / "app").string();
        put("app/sky3.bmp", Surface(6, 4, Sky));
        put("app/none.bmp", Surface(6, 4, kWhite));
        put("app/red.bmp", Surface(2, 2, Red));
    }

    void put(const std::string& name, const Surface& s) { saveBmpFile(s, path(name)); }

    // Reads `bytes` as a scene file and renders it; the text of the error
    // that stopped either, or "" when both went through.
    std::string openAndRender(const std::string& bytes)
    {
        try {
            std::optional<SceneDocument> doc = parseScene(bytes);
            if (!doc)
                return "not a scene";
            static_cast<SceneDocument&>(scene_) = *doc;
            renderScene(scene_, surfaces_);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }
    Color at(int x, int y) const { return surfaces_.mainImage.pixel(x, y); }

    SceneState scene_;
    MainSurfaces surfaces_;
};

TEST_F(HostileScene, GeometryAndTintsAtTheInt32LimitsDrawOnlyWhatLandsOnThePicture)
{
    const std::string rows = objectRow("red.bmp", 0, 0, INT32_MIN, INT32_MIN)
        + objectRow("red.bmp", 0, 0, -1, 4) + objectRow("red.bmp", INT32_MIN, 0, INT32_MAX, 4)
        + objectRow("red.bmp", INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX)
        + objectRow("red.bmp", INT32_MAX - 100, 0, 640, 480) // through the scratch surface
        + objectRow("red.bmp", 5, INT32_MIN, 1, INT32_MAX); // ends on row -1
    ASSERT_EQ(openAndRender(sceneHeader(INT32_MAX, INT32_MIN, 0, 6) + rows), "");
    EXPECT_EQ(surfaces_.mainImage, Surface(6, 4, Sky));

    // One that covers everything, tinted at the limits: red and green clamp
    // to 255 and 0 without wrapping, blue keeps its value.
    const std::string all = objectRow("red.bmp", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX)
        + objectRow("red.bmp", -1, -1, INT32_MAX, INT32_MAX);
    ASSERT_EQ(openAndRender(sceneHeader(INT32_MAX, INT32_MIN, 0, 2) + all), "");
    EXPECT_EQ(at(0, 0), rgb(255, 0, 0));
    EXPECT_EQ(surfaces_.mainImage, Surface(6, 4, rgb(255, 0, 0)));
    ASSERT_EQ(openAndRender(sceneHeader(INT32_MIN, INT32_MAX, INT32_MAX, 2) + all), "");
    EXPECT_EQ(surfaces_.mainImage, Surface(6, 4, rgb(0, 255, 255)));

    // Beyond 32 bits the file is malformed, not wrapped round.
    EXPECT_EQ(openAndRender(sceneHeader(0, 0, 0, 1) + objectRow("red.bmp", 0, 0, 4294967298LL, 1)),
              "'4294967298' is not a valid integer value");
}

TEST_F(HostileScene, NamesStayRelativeToTheApplicationFolder)
{
    // The pictures are always appDir + "\" + name. A name whose ".." steps
    // climb above the folder is refused (a sent scene must not show the
    // user's own pictures); one that comes back inside, or a leading
    // separator, stays in the folder.
    put("outside/blue.bmp", Surface(2, 2, rgb(0, 0, 200)));
    put("app/abs.bmp", Surface(2, 2, Red));
    fs::create_directories(dir_ / "app" / "packs");
    const std::string app = scene_.appDir;
    const struct {
        std::string name;
        std::string error; // "" when it draws red
    } cases[] = {
        {"..\\outside\\blue.bmp", "Cannot open file " + app + "/../outside/blue.bmp"},
        {"../outside/blue.bmp", "Cannot open file " + app + "/../outside/blue.bmp"},
        {"packs\\..\\..\\outside\\blue.bmp", "Cannot open file " + app + "/packs/../../outside/blue.bmp"},
        {"packs\\..\\abs.bmp", ""},
        {".\\packs\\.\\..\\red.bmp", ""},
        {"\\abs.bmp", ""},
        {"/abs.bmp", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(openAndRender(sceneHeader(0, 0, 0, 1) + objectRow(c.name, 0, 0, 6, 4)), c.error);
        if (c.error.empty())
            EXPECT_EQ(at(3, 3), Red);
    }

    // Whatever a name leads to that is not a regular file is a file that
    // cannot be opened, never a read without end.
    std::string deep = "..";
    for (int i = 0; i < 40; ++i)
        deep += "\\..";
    for (const std::string& name : {deep + "\\dev\\zero", std::string(".."), std::string("")}) {
        SCOPED_TRACE(name);
        const std::string path = app + "/" + name;
        std::string expected = "Cannot open file ";
        for (const char c : path)
            expected += c == '\\' ? '/' : c;
        EXPECT_EQ(openAndRender(sceneHeader(0, 0, 0, 1) + objectRow(name, 0, 0, 6, 4)), expected);
    }
}

TEST_F(HostileScene, ANamedPipeIsRefusedWithoutWaitingForAWriter)
{
    const fs::path pipe = dir_ / "outside" / "pipe.bmp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto rendering = std::async(std::launch::async, [&] {
        return openAndRender(sceneHeader(0, 0, 0, 1) + objectRow("..\\outside\\pipe.bmp", 0, 0, 6, 4));
    });
    if (rendering.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "opening a named pipe waits for a writer";
        // Be the writer, so the blocked open returns and the test can end.
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    EXPECT_EQ(rendering.get(), "Cannot open file " + scene_.appDir + "/../outside/pipe.bmp");
}

// The peak resident memory of a child process that runs `work`, less that of
// one that does nothing: fork copies the parent's footprint into both.
template <typename Work>
long childPeakKilobytes(Work work)
{
    auto peak = [](auto body) -> long {
        const pid_t pid = ::fork();
        if (pid == 0) {
            body();
            ::_exit(0);
        }
        int status = 0;
        rusage usage{};
        if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)
            || WEXITSTATUS(status) != 0)
            return -1;
        return usage.ru_maxrss;
    };
    const long idle = peak([] {});
    const long busy = peak(work);
    return busy < 0 || idle < 0 ? -1 : busy - idle;
}

// A sparse 1 GiB file whose one line takes a scene's or a pack's name, tint
// or caption: every reader refuses the line once it passes 1 MiB, so the
// file costs no more than that whatever its size.
TEST_F(HostileScene, ALineOverOneMebibyteIsRefusedByEveryReader)
{
    using Read = std::function<std::string(const std::string&)>;
    const Read scene = [](const std::string& path) { return readSceneFile(path) ? "" : "not a scene"; };
    const Read packHeader = [](const std::string& path) {
        LineReader in = LineReader::openFile(path);
        return readPackHeader(in) ? "" : "not a pack";
    };
    const Read skyPack = [](const std::string& path) {
        LineReader in = LineReader::openFile(path);
        readPackHeader(in);
        readPackSlots(in, PackKind::Sky);
        return std::string();
    };
    const Read check = [](const std::string& path) {
        const std::vector<PackFinding> found = checkPack(path);
        return found.empty() ? std::string() : found.back().text;
    };
    struct Case {
        std::string before;
        Read read;
        std::string expected; // error text, or what the reader said
    };
    const std::string pack = lines({kPackIdentification, "name", "author", "description", "p"});
    const std::vector<Case> cases = {
        {"", scene, "not a scene"},
        {lines({kSceneMagic}), scene, "Line 2 is longer than 1 MiB"}, // the sky's name
        {lines({kSceneMagic, "sky3.bmp", "none.bmp"}), scene, "Line 4 is longer than 1 MiB"},
        {sceneHeader(0, 0, 10, 1) + "1\r\n", scene, "Line 9 is longer than 1 MiB"}, // an object's picture
        {lines({kPackIdentification}), packHeader, "Line 2 is longer than 1 MiB"},
        {pack, skyPack, "Line 6 is longer than 1 MiB"},
        {lines({kPackIdentification}), check, "Line 2 is longer than 1 MiB"},
        {std::string(kPackIdentification) + "\n", check, "Line 2 is longer than 1 MiB"}, // LF line ends
    };
    const fs::path file = dir_ / "long";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before + " " + c.expected);
        {
            std::ofstream out(file, std::ios::binary);
            out << c.before;
        }
        fs::resize_file(file, std::uintmax_t(1) << 30);
        std::string text;
        try {
            text = c.read(file.string());
        } catch (const Error& e) {
            text = e.what();
        }
        EXPECT_EQ(text, c.expected);
#ifndef VELDOR_ASAN // its quarantine keeps freed memory resident on purpose
        const long kb = childPeakKilobytes([&] {
            try {
                c.read(file.string());
            } catch (const Error&) {
            }
        });
        ASSERT_GE(kb, 0);
        EXPECT_LE(kb, 64 << 10) << "peak " << kb / 1024 << " MB";
#endif
    }
}

// A long session's scene: 2,000,000 deleted rows naming the same picture
// (57 MiB) take their columns and little more, at most twice the file.
TEST_F(HostileScene, MillionsOfRowsNamingOnePictureCostAtMostTwiceTheFile)
{
    constexpr int kRows = 2000000;
    const fs::path file = dir_ / "deleted.vdr";
    {
        std::ofstream out(file, std::ios::binary);
        out << sceneHeader(0, 0, 10, kRows);
        const std::string row = objectRow("object1.bmp", 0, 0, 0, 0, ObjectStatus::Deleted);
        for (int i = 0; i < kRows; ++i)
            out << row;
    }
    // Measured first: memory this process freed would be reused unseen.
#ifndef VELDOR_ASAN
    const long kb = childPeakKilobytes([&] { readSceneFile(file.string()); });
    ASSERT_GE(kb, 0);
    EXPECT_LE(std::uintmax_t(kb) * 1024, 2 * fs::file_size(file)) << "peak " << kb / 1024 << " MB";
#endif
    const std::optional<SceneDocument> read = readSceneFile(file.string());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->objectCount, kRows);
    EXPECT_EQ(read->objects.imageFile[kRows - 1], "object1.bmp");
}

// A 24-bit 4096 x 2048 header (the largest picture accepted) followed by a
// few bytes: the missing data is noticed before 32 MiB are set aside for it.
TEST(HostileBmp, AShortFileClaimingAVastPictureCostsNoMemory)
{
    Bytes b(54 + 4, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, std::uint32_t(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 4096);
    put32(22, 2048);
    b[26] = 1;
    b[28] = 24;
    EXPECT_THROW(decodeBmp(b.data(), b.size()), Error);
    const long kb = childPeakKilobytes([&] {
        try {
            decodeBmp(b.data(), b.size());
        } catch (const Error&) {
        }
    });
    ASSERT_GE(kb, 0);
    EXPECT_LT(kb, 16 * 1024) << "peak " << kb / 1024 << " MB";
}

// Files that claim or hold far more than the picture they yield: each ends
// as it should with memory bounded by the picture, not by the claim or the
// file's size. The large ones are sparse, so they cost no disk.
TEST_F(HostileScene, FilesFarLargerThanTheirPicture)
{
    auto header = [](std::int32_t w, std::int32_t h, int bits, int compression, int palette) {
        std::string b(54 + std::size_t(palette) * 4, '\0');
        auto put32 = [&](std::size_t at, std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                b[at + std::size_t(i)] = char(v >> (8 * i));
        };
        b[0] = 'B';
        b[1] = 'M';
        put32(10, std::uint32_t(b.size()));
        put32(14, 40);
        put32(18, std::uint32_t(w));
        put32(22, std::uint32_t(h));
        b[26] = 1;
        b[28] = char(bits);
        put32(30, std::uint32_t(compression));
        return b;
    };
    auto make = [&](const std::string& name, const std::string& bytes, std::uint64_t size) {
        const fs::path path = dir_ / "app" / name;
        std::ofstream(path, std::ios::binary) << bytes;
        if (size > bytes.size())
            fs::resize_file(path, size);
    };
    constexpr std::uint64_t kGiB = std::uint64_t(1) << 30;
    // 1,080 bytes of run-length data claiming 16384 x 16384.
    make("bomb.bmp", header(16384, 16384, 8, 1, 256) + std::string("\0\1", 2), 0);
    make("sparse32.bmp", header(16384, 16384, 32, 0, 0), 54 + 16384ull * 16384 * 4);
    // A valid red 10 x 10 picture, then 5 GB of zeros.
    std::string red = header(10, 10, 24, 0, 0);
    for (int row = 0; row < 10; ++row) {
        for (int x = 0; x < 10; ++x)
            red += std::string("\0\0\xC8", 3);
        red += std::string(2, '\0');
    }
    make("trailing.bmp", red, 5 * kGiB);
    make("notascene.vdr", "x", kGiB);

    struct Case {
        std::string name;
        std::function<std::string()> open;
        std::string expected;
    };
    auto withSky = [&](const std::string& sky) {
        return [this, sky] { return openAndRender(lines({kSceneMagic, sky, "none.bmp", "0", "0", "0", "0"})); };
    };
    const std::vector<Case> cases = {
        {"run-length bomb", withSky("bomb.bmp"), "Bitmap image is not valid"},
        {"32-bit claim", withSky("sparse32.bmp"), "Bitmap image is not valid"},
        {"picture before 5 GB",
         [this] {
             const std::string text = openAndRender(sceneHeader(0, 0, 0, 1) + objectRow("trailing.bmp", 0, 0, 6, 4));
             return text.empty() && at(5, 3) != Red ? "not drawn" : text;
         },
         ""},
        {"1 GiB not a scene", [this] { return readSceneFile((dir_ / "app" / "notascene.vdr").string()) ? "" : "not a scene"; }, "not a scene"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.open(), c.expected);
#ifndef VELDOR_ASAN // its quarantine keeps freed memory resident on purpose
        const long kb = childPeakKilobytes([&] { c.open(); });
        ASSERT_GE(kb, 0);
        EXPECT_LT(kb, 64 * 1024) << "peak " << kb / 1024 << " MB";
#endif
    }
}

// A name of a megabyte (longer than any path can be) is quoted at a readable
// length, as any long name is.
TEST_F(HostileScene, AVastPictureNameIsQuotedShort)
{
    const std::string name = "x" + std::string((1 << 20) - 8, 'n') + "end.bmp";
    const std::string text = openAndRender(sceneHeader(0, 0, 0, 1) + objectRow(name, 0, 0, 6, 4));
    EXPECT_EQ(text.substr(0, 17 + scene_.appDir.size() + 2), "Cannot open file " + scene_.appDir + "/x");
    EXPECT_EQ(text.substr(text.size() - 10), "nnnend.bmp");
    EXPECT_LE(text.size(), 300u);
}

// Every prefix of a valid file, and every header byte forced to 0, 0x7F,
// 0x80 or 0xFF, decodes to a consistent picture or fails with the reader's
// error. Under the sanitizers this is where out-of-bounds reads show.
TEST(HostileBmp, EveryCutAndEveryHeaderByteOfTheSeedFiles)
{
    const fs::path seeds = fs::path(VELDOR_TEST_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / "bmp";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(seeds)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes good{std::istreambuf_iterator<char>(in), {}};
        ASSERT_NO_THROW(decodeBmp(good.data(), good.size()));
        ++files;
        auto check = [](const Bytes& b) {
            try {
                const Bitmap bmp = decodeBmp(b.data(), b.size());
                EXPECT_EQ(bmp.pixels.size(), std::size_t(bmp.width) * std::size_t(bmp.height));
            } catch (const Error& e) {
                EXPECT_STREQ(e.what(), "Bitmap image is not valid");
            }
        };
        for (std::size_t n = 0; n < good.size(); ++n) {
            // Exactly n bytes on the heap, so a read past them is caught.
            const Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(n));
            check(cut);
        }
        for (std::size_t at = 0; at < std::min<std::size_t>(good.size(), 70); ++at)
            for (const std::uint8_t v : {0x00, 0x7F, 0x80, 0xFF}) {
                Bytes b = good;
                b[at] = v;
                check(b);
            }
    }
    EXPECT_GE(files, 10);
}

} // namespace
} // namespace veldor
