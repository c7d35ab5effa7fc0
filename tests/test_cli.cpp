#include "platform/bmp.h"
#include "platform/replacefile.h"
#include "platform/surface.h"
#include "platform/textfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <sys/wait.h>
#include <unistd.h>

namespace veldor {
namespace {

namespace fs = std::filesystem;

const Color kSky = rgb(10, 20, 30);
const Color kObject = rgb(100, 100, 250);

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs veldor-render from the application folder, as users do.
class Cli : public TempFolderTest {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "app");
        saveBmpFile(Surface(630, 340, kSky), app("sky3.bmp"));
        saveBmpFile(Surface(630, 340, kWhite), app("none.bmp"));
        saveBmpFile(Surface(1, 1, kObject), app("object3.bmp"));
        writeScene("scene.vdr", "sky3.bmp", "object3.bmp");
    }

    std::string app(const std::string& name) const { return (dir_ / "app" / name).string(); }

    // One golf ball at (100, 50), 80 x 60, light (0, 0, 10).
    void writeScene(const std::string& name, const std::string& sky, const std::string& object)
    {
        writeFileReplacing(path(name), "Tolvane Veldor File\r\n" + sky
                                           + "\r\n\r\n0\r\n0\r\n10\r\n1\r\n1\r\n" + object
                                           + "\r\nGolf Ball\r\n100\r\n50\r\n80\r\n60\r\n");
    }

    Outcome run(const std::string& args, bool withAppDir = true, const std::string& tool = "veldor-render")
    {
        const std::string binary = std::string(VELDOR_TEST_APP_DIR) + "/" + tool;
        std::string command = quoted(binary);
        if (withAppDir)
            command += " --app-dir " + quoted((dir_ / "app").string());
        command += " " + args + " >" + quoted(path("stdout")) + " 2>" + quoted(path("stderr"));
        const int raw = std::system(command.c_str());
        Outcome r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readWholeFile(path("stdout"));
        r.err = readWholeFile(path("stderr"));
        return r;
    }

    // A failed run: status 1, the system's text, no picture written.
    void expectFailure(const std::string& args, const std::string& text, bool withAppDir = true)
    {
        SCOPED_TRACE(args);
        const Outcome r = run(args + " " + quoted(path("out.bmp")), withAppDir);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, text + "\n");
        EXPECT_FALSE(fs::exists(path("out.bmp")));
    }
};

TEST_F(Cli, RendersTheSceneToABmp)
{
    const Outcome r = run(quoted(path("scene.vdr")) + " " + quoted(path("out.bmp")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const Bitmap b = loadBmpFile(path("out.bmp"));
    ASSERT_EQ(b.width, 630);
    ASSERT_EQ(b.height, 340);
    auto at = [&](int x, int y) { return b.pixels[std::size_t(y) * 630 + std::size_t(x)]; };
    EXPECT_EQ(at(99, 50), kSky);
    EXPECT_EQ(at(100, 50), rgb(100, 100, 255)); // tinted by (0, 0, 10)
    EXPECT_EQ(at(179, 109), rgb(100, 100, 255));
    EXPECT_EQ(at(180, 109), kSky);
    EXPECT_EQ(at(179, 110), kSky);
}

TEST_F(Cli, StretchedEffectsAndTiming)
{
    Outcome r = run("--stretched " + quoted(path("scene.vdr")) + " " + quoted(path("big.bmp")));
    ASSERT_EQ(r.status, 0) << r.err;
    Bitmap b = loadBmpFile(path("big.bmp"));
    EXPECT_EQ(b.width, 640);
    EXPECT_EQ(b.height, 480);

    // Effects apply in the order given: darken then lighten is not lighten
    // then darken.
    r = run("--effect darken --effect lighten --repeat 3 " + quoted(path("scene.vdr")) + " "
            + quoted(path("dl.bmp")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.err, std::regex("median [0-9]+\\.[0-9]{3} ms, min [0-9]+\\.[0-9]{3} ms\n")))
        << r.err;
    EXPECT_EQ(loadBmpFile(path("dl.bmp")).pixels[0], rgb(40, 50, 50));
    r = run("--effect lighten --effect darken " + quoted(path("scene.vdr")) + " "
            + quoted(path("ld.bmp")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(loadBmpFile(path("ld.bmp")).pixels[0], rgb(0, 0, 0));

    r = run("--effect xor:0,0,255 " + quoted(path("scene.vdr")) + " " + quoted(path("x.bmp")));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(loadBmpFile(path("x.bmp")).pixels[0], rgb(245, 235, 30)); // NOT (c XOR sky)
}

TEST_F(Cli, FailuresPrintTheSystemsTextAndWriteNothing)
{
    writeFileReplacing(path("pack.vdr"), "Tolvane Veldor Image Pack\r\n");
    expectFailure(quoted(path("pack.vdr")), "This is not a Veldor File");

    writeFileReplacing(path("bad.vdr"), "Tolvane Veldor File\r\nsky3.bmp\r\n\r\nabc\r\n");
    expectFailure(quoted(path("bad.vdr")), "'abc' is not a valid integer value");

    expectFailure(quoted(path("missing.vdr")), "File not found");

    writeScene("gone.vdr", "sky3.bmp", "packs\\gone.bmp");
    expectFailure(quoted(path("gone.vdr")), "Cannot open file " + app("packs/gone.bmp"));

    writeFileReplacing(app("broken.bmp"), "BM not really");
    writeScene("broken.vdr", "broken.bmp", "object3.bmp");
    expectFailure(quoted(path("broken.vdr")), "Bitmap image is not valid");

    // Without --app-dir the pictures come from the program's own folder.
    writeScene("elsewhere.vdr", "veldor-test-absent.bmp", "object3.bmp");
    expectFailure(quoted(path("elsewhere.vdr")),
                  "Cannot open file "
                      + (fs::canonical(VELDOR_TEST_APP_DIR) / "veldor-test-absent.bmp").string(),
                  false);

    const Outcome r = run(quoted(path("scene.vdr")) + " " + quoted(path("no/such/out.bmp")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot create file " + path("no/such/out.bmp") + ": File not found\n");
}

TEST_F(Cli, UsageErrors)
{
    const std::string files = " " + quoted(path("scene.vdr")) + " " + quoted(path("out.bmp"));
    for (const std::string& args :
         {std::string(""), quoted(path("scene.vdr")), "--frobnicate" + files,
          "--effect blur" + files, "--effect tint:1,2" + files, "--effect xor:1,2,256" + files,
          "--repeat 0" + files, "--repeat x" + files, "--size 0" + files, "--size 100001" + files,
          files + " extra", std::string("--app-dir")}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("Usage: veldor-render"), std::string::npos) << args;
    }
    EXPECT_FALSE(fs::exists(path("out.bmp")));

    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--stretched"), std::string::npos);
    EXPECT_NE(help.out.find("xor:R,G,B"), std::string::npos);
}

// A file manager creates the thumbnail's file and reads it through the
// descriptor it holds: the picture goes into that very file, complete, and a
// failure leaves it empty (or not there, when the caller made none).
TEST_F(Cli, ThumbnailIsWrittenIntoTheCallersFile)
{
    struct Case {
        const char* scene;
        bool outExists;
        int status;
    };
    for (const Case& c : {Case{"scene.vdr", true, 0}, Case{"scene.vdr", false, 0},
                          Case{"missing.vdr", true, 1}, Case{"missing.vdr", false, 1}}) {
        SCOPED_TRACE(std::string(c.scene) + (c.outExists ? " over a file" : " to no file"));
        fs::remove(path("thumb.png"));
        if (c.outExists)
            writeFileReplacing(path("thumb.png"), "an old picture");
        const int held = ::open(path("thumb.png").c_str(), O_RDONLY | O_CLOEXEC);
        const Outcome r = run("--size 64 " + quoted(path(c.scene)) + " " + quoted(path("thumb.png")));
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status != 0) {
            if (c.outExists)
                EXPECT_EQ(fs::file_size(path("thumb.png")), 0u);
            else
                EXPECT_FALSE(fs::exists(path("thumb.png")));
        } else if (held >= 0) {
            char head[8] = {};
            EXPECT_EQ(::pread(held, head, sizeof head, 0), 8);
            EXPECT_EQ(std::string(head + 1, 3), "PNG");
        }
        if (held >= 0)
            ::close(held);
    }
}

// A preview draws what it can: a picture that cannot be read is left out
// (a sky left out is white), while a file that is not a scene still fails.
TEST_F(Cli, ThumbnailLeavesOutPicturesItCannotRead)
{
    writeFileReplacing(app("broken.bmp"), "BM not really");
    const Color kBall = rgb(100, 100, 255);
    struct Case {
        std::string sky, object;
        Color corner, ball;
    };
    for (const Case& c : {Case{"sky3.bmp", "packs\\gone.bmp", kSky, kSky},
                          Case{"sky3.bmp", "broken.bmp", kSky, kSky},
                          Case{"sky3.bmp", "..\\..\\object3.bmp", kSky, kSky},
                          Case{"packs\\gone.bmp", "object3.bmp", kWhite, kBall},
                          Case{"broken.bmp", "object3.bmp", kWhite, kBall}}) {
        SCOPED_TRACE(c.sky + " " + c.object);
        writeScene("partial.vdr", c.sky, c.object);
        const Outcome r = run("--size 630 --format bmp " + quoted(path("partial.vdr")) + " " + quoted(path("t.bmp")));
        ASSERT_EQ(r.status, 0) << r.err;
        const Bitmap b = loadBmpFile(path("t.bmp"));
        ASSERT_EQ(b.width, 630);
        EXPECT_EQ(b.pixels[0], c.corner);
        EXPECT_EQ(b.pixels[50 * 630 + 100], c.ball);
    }
    writeFileReplacing(path("pack.vdr"), "Tolvane Veldor Image Pack\r\n");
    writeFileReplacing(path("t.bmp"), "");
    const Outcome r = run("--size 630 " + quoted(path("pack.vdr")) + " " + quoted(path("t.bmp")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(fs::file_size(path("t.bmp")), 0u);
}

// A file manager previews every scene it meets: 2,000 objects naming the
// largest picture the reader takes would keep the window busy for minutes,
// the thumbnail gives up and leaves the caller's file empty.
TEST_F(Cli, ThumbnailEndsWithinThreeSecondsWhateverTheScene)
{
    saveBmpFile(Surface(4096, 2048, kObject), app("huge.bmp"));
    std::string scene = "Tolvane Veldor File\r\nsky3.bmp\r\n\r\n0\r\n0\r\n10\r\n2000\r\n";
    // Every size differs and is too wide to be kept: each object is shrunk
    // from the whole picture again.
    for (int i = 0; i < 2000; ++i)
        scene += "1\r\nhuge.bmp\r\n\r\n0\r\n0\r\n" + std::to_string(641 + i % 20) + "\r\n"
            + std::to_string(341 + i / 20) + "\r\n";
    writeFileReplacing(path("slow.vdr"), scene);
    writeFileReplacing(path("t.png"), "");
    const auto start = std::chrono::steady_clock::now();
    const Outcome r = run("--size 128 " + quoted(path("slow.vdr")) + " " + quoted(path("t.png")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The scene takes too long to preview\n");
    EXPECT_EQ(fs::file_size(path("t.png")), 0u);
}

// A pack whose prefix line is as long as a line may be: each bitmap it names
// is quoted shortened, so the report stays readable.
TEST_F(Cli, PackCheckShortensHugeNames)
{
    if (!fs::exists(std::string(VELDOR_TEST_APP_DIR) + "/veldor-pack"))
        GTEST_SKIP() << "veldor-pack is built with the windows only";
    writeFileReplacing(path("huge.vpk"),
                       "Tolvane Veldor Image Pack\r\nn\r\na\r\nd\r\n" + std::string(1 << 20, 'p') + "\r\nsky\r\n");
    const Outcome r = run("check " + quoted(path("huge.vpk")), false, "veldor-pack");
    EXPECT_EQ(r.status, 1);
    EXPECT_LT(r.out.size(), 64u << 10);
    EXPECT_NE(r.out.find("pST0.bmp: missing\n"), std::string::npos);
}

// veldor-pack install: into the packs folder the launcher makes, a relative
// XDG_DATA_HOME ignored as it is there; a refused pack writes nothing.
TEST_F(Cli, PackInstallGoesWhereTheLauncherLooks)
{
    if (!fs::exists(std::string(VELDOR_TEST_APP_DIR) + "/veldor-pack"))
        GTEST_SKIP() << "veldor-pack is built with the windows only";
    const std::string sample = std::string(VELDOR_TEST_APP_DIR) + "/packs/sample.vpk";
    writeFileReplacing(path("lone.vpk"), readWholeFile(sample));
    const std::string home = path("home"), homePacks = home + "/.local/share/veldor/packs";
    const std::string dataPacks = path("data") + "/veldor/packs";
    const struct {
        const char* dataHome; // nullptr: unset
        std::string pack;
        int status;
        std::string out;
        std::string errEnd;
    } cases[] = {
        {nullptr, sample, 0, "installed sample.vpk in " + homePacks + "\n", ""},
        {"relative/data", sample, 0, "replaced the earlier sample.vpk in " + homePacks + "\n", ""},
        {"", sample, 0, "replaced the earlier sample.vpk in " + homePacks + "\n", ""},
        {"DATA", sample, 0, "installed sample.vpk in " + dataPacks + "\n", ""},
        {"DATA", path("lone.vpk"), 1, "", path("lone.vpk") + " not installed\n"},
    };
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", home.c_str(), 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataHome ? c.dataHome : "(unset)");
        if (!c.dataHome)
            ::unsetenv("XDG_DATA_HOME");
        else
            ::setenv("XDG_DATA_HOME", std::string(c.dataHome) == "DATA" ? path("data").c_str() : c.dataHome, 1);
        const auto before = fs::exists(dataPacks) ? std::distance(fs::directory_iterator(dataPacks), {}) : 0;
        const Outcome r = run("install " + quoted(c.pack), false, "veldor-pack");
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status == 0) {
            EXPECT_EQ(r.out, c.out);
            continue;
        }
        EXPECT_TRUE(r.err.ends_with(c.errEnd)) << r.err;
        EXPECT_NE(r.out.find("lone.vpk: error: smpST0.bmp: missing\n"), std::string::npos) << r.out;
        EXPECT_EQ(std::distance(fs::directory_iterator(dataPacks), {}), before) << "written although refused";
    }
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", oldHome.c_str(), 1);
}

} // namespace
} // namespace veldor
