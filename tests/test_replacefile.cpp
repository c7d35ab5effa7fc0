#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/textfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The calls that decide what reaches the disk and when, recorded in order
// while `diskSteps` is set. Defined here, they take the place of the C
// library's for the library linked into this program; each forwards to the
// C library's own. Only calls that succeeded count, and a run of the same
// step is one: "write", "sync file", "name" (link or rename), "sync folder".
namespace {
std::vector<std::string>* diskSteps = nullptr;

template <class F>
F next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

void record(bool succeeded, const char* step)
{
    if (diskSteps && succeeded && (diskSteps->empty() || diskSteps->back() != step))
        diskSteps->emplace_back(step);
}

bool isFolder(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

extern "C" {
ssize_t write(int fd, const void* bytes, size_t n)
{
    static const auto real = next<decltype(&write)>("write");
    const ssize_t written = real(fd, bytes, n);
    struct stat st {};
    record(written > 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode), "write");
    return written;
}
int fsync(int fd)
{
    static const auto real = next<decltype(&fsync)>("fsync");
    const int r = real(fd);
    record(r == 0, isFolder(fd) ? "sync folder" : "sync file");
    return r;
}
int fdatasync(int fd)
{
    static const auto real = next<decltype(&fdatasync)>("fdatasync");
    const int r = real(fd);
    record(r == 0, isFolder(fd) ? "sync folder" : "sync file");
    return r;
}
int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept
{
    static const auto real = next<decltype(&linkat)>("linkat");
    const int r = real(fromFolder, from, toFolder, to, flags);
    record(r == 0, "name");
    return r;
}
int renameat(int fromFolder, const char* from, int toFolder, const char* to) noexcept
{
    static const auto real = next<decltype(&renameat)>("renameat");
    const int r = real(fromFolder, from, toFolder, to);
    record(r == 0, "name");
    return r;
}
int rename(const char* from, const char* to) noexcept
{
    static const auto real = next<decltype(&rename)>("rename");
    const int r = real(from, to);
    record(r == 0, "name");
    return r;
}
}

namespace veldor {
namespace {

namespace fs = std::filesystem;

class ReplaceFile : public TempFolderTest {
protected:
    mode_t modeOf(const std::string& name) const
    {
        struct stat st {};
        EXPECT_EQ(::lstat(path(name).c_str(), &st), 0) << name;
        return st.st_mode;
    }
};

TEST_F(ReplaceFile, TheTargetKeepsWhatItIs)
{
    // Permission bits survive a replacement: a private scene stays private.
    for (const mode_t mode : {0600, 0640, 0755, 0200}) {
        writeFileReplacing(path("scene.vdr"), "old");
        ASSERT_EQ(::chmod(path("scene.vdr").c_str(), mode), 0);
        writeFileReplacing(path("scene.vdr"), "new");
        EXPECT_EQ(modeOf("scene.vdr") & 07777, mode);
        ASSERT_EQ(::chmod(path("scene.vdr").c_str(), 0600), 0);
        EXPECT_EQ(readWholeFile(path("scene.vdr")), "new");
    }
    // So do owner and group, where the process may set them.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path("scene.vdr").c_str(), 1234, 5678), 0);
        writeFileReplacing(path("scene.vdr"), "new");
        struct stat st {};
        ASSERT_EQ(::stat(path("scene.vdr").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 1234u);
        EXPECT_EQ(st.st_gid, 5678u);
    }
    // A new file gets what the umask allows.
    const mode_t mask = ::umask(022);
    writeFileReplacing(path("fresh.vdr"), "x");
    ::umask(mask);
    EXPECT_EQ(modeOf("fresh.vdr") & 07777, mode_t(0644));

    // A link, also a chain of them, stays; the file it names is replaced.
    fs::create_directory(path("real"));
    writeFileReplacing(path("real/target.vdr"), "old");
    fs::create_symlink("real/target.vdr", path("link1.vdr"));
    fs::create_symlink("link1.vdr", path("link2.vdr"));
    writeFileReplacing(path("link2.vdr"), "new");
    EXPECT_TRUE(fs::is_symlink(path("link1.vdr")));
    EXPECT_TRUE(fs::is_symlink(path("link2.vdr")));
    EXPECT_EQ(readWholeFile(path("real/target.vdr")), "new");
    EXPECT_EQ(entries(), (std::vector<std::string>{"fresh.vdr", "link1.vdr", "link2.vdr", "real", "scene.vdr"}));

    // The longest legal name: the temporary's name does not grow with it.
    const std::string longest(NAME_MAX - 4, 'n');
    writeFileReplacing(path(longest + ".vdr"), "old");
    writeFileReplacing(path(longest + ".vdr"), "new");
    EXPECT_EQ(readWholeFile(path(longest + ".vdr")), "new");
    EXPECT_EQ(entries().size(), 6u);
}

// Saving at a name the launcher linked into the installed folder gives the
// user a file of their own in its place (the installed one, read-only to
// them and the package's for root, stays as it is); other links are followed.
TEST_F(ReplaceFile, ALinkIntoTheInstalledFolderGivesWayToTheUsersFile)
{
    const fs::path installed = dir_ / "installed";
    fs::create_directories(installed / "packs");
    fs::create_directories(dir_ / "user" / "packs");
    fs::create_directories(dir_ / "elsewhere");
    for (const fs::path& f : {installed / "demo.vdr", installed / "packs" / "p.bmp"}) {
        std::ofstream(f) << "installed";
        fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    std::ofstream(dir_ / "elsewhere" / "mine.vdr") << "mine";
    setInstalledFolder(installed.string());
    struct Case {
        std::string name, linkTo; // in user/
        std::string written;      // the file that takes the new bytes
    };
    const std::vector<Case> cases = {
        {"demo.vdr", installed.string() + "/demo.vdr", "user/demo.vdr"},
        {"packs/p.bmp", "../../installed/packs/p.bmp", "user/packs/p.bmp"},
        {"gone.bmp", "../installed/gone.bmp", "user/gone.bmp"}, // leads nowhere
        {"hop.vdr", "../installed/./packs/../demo.vdr", "user/hop.vdr"},
        {"chain.vdr", "hop2.vdr", "user/hop2.vdr"}, // the link into the folder gives way
        {"mine.vdr", "../elsewhere/mine.vdr", "elsewhere/mine.vdr"},
    };
    fs::create_symlink("../installed/demo.vdr", dir_ / "user" / "hop2.vdr");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path link = dir_ / "user" / c.name;
        fs::create_symlink(c.linkTo, link);
        writeFileReplacing(link.string(), "new");
        EXPECT_EQ(readWholeFile(path(c.written)), "new");
        EXPECT_FALSE(fs::is_symlink(path(c.written)));
        EXPECT_NE(fs::status(path(c.written)).permissions() & fs::perms::owner_write, fs::perms::none);
        EXPECT_EQ(fs::is_symlink(link), link != path(c.written));
        EXPECT_EQ(readWholeFile((installed / "demo.vdr").string()), "installed");
        EXPECT_EQ(readWholeFile((installed / "packs" / "p.bmp").string()), "installed");
        EXPECT_FALSE(fs::exists(installed / "gone.bmp"));
    }
    setInstalledFolder(fs::canonical("/proc/self/exe").parent_path().string());
}

TEST_F(ReplaceFile, OnlyAWritableRegularFileIsReplaced)
{
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    };
    const Case cases[] = {
        // No write bit at all is refused also for root, who passes every
        // access check.
        {"read-only", [](const std::string& p) {
             writeFileReplacing(p, "old");
             fs::permissions(p, fs::perms::owner_read | fs::perms::group_read);
         }},
        {"folder", [](const std::string& p) { fs::create_directory(p); }},
        {"non-empty folder", [](const std::string& p) { fs::create_directories(p + "/inside"); }},
        // A pipe without a reader would block an ordinary open for ever.
        {"pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"link to a read-only file", [this](const std::string& p) {
             writeFileReplacing(path("ro.bin"), "old");
             fs::permissions(path("ro.bin"), fs::perms::owner_read);
             fs::create_symlink("ro.bin", p);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir_);
        fs::create_directory(dir_);
        c.make(path("target"));
        const auto before = entries();
        const fs::file_status status = fs::symlink_status(path("target"));
        EXPECT_EQ(thrownText([&] { writeFileReplacing(path("target"), "new"); }), "File access denied");
        EXPECT_EQ(entries(), before);
        EXPECT_EQ(fs::symlink_status(path("target")).type(), status.type());
        if (fs::is_regular_file(path("target"))) {
            EXPECT_EQ(readWholeFile(path("target")), "old");
        }
    }

    // A device as the target: a private node like /dev/full, so that a
    // fault here cannot damage the system's own. Only root may make one.
    if (::mknod(path("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        EXPECT_EQ(thrownText([&] { writeFileReplacing(path("full"), "x"); }), "File access denied");
        EXPECT_TRUE(fs::is_character_file(path("full")));
    }
}

TEST_F(ReplaceFile, TheBytesReachTheDiskBeforeTheNameAndTheNameAfterThem)
{
    // A crash must never leave the target's name on bytes still in memory,
    // nor the new name itself unwritten. Where the file system has no
    // unnamed files, a named temporary is renamed instead of linked.
    const std::vector<std::string> inOrder = {"write", "sync file", "name", "sync folder"};
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "replacing a file" : "a new file");
        fs::remove(path("scene.vdr"));
        if (replacing)
            writeFileReplacing(path("scene.vdr"), "old");
        std::vector<std::string> steps;
        diskSteps = &steps;
        {
            // Written at once past the buffer, and from it on commit.
            ReplacementFile file(path("scene.vdr"));
            file.write(std::string(100000, 'x'));
            file.write("end");
            file.commit();
        }
        diskSteps = nullptr;
        EXPECT_EQ(steps, inOrder);
        EXPECT_EQ(readWholeFile(path("scene.vdr")), std::string(100000, 'x') + "end");
    }
}

TEST_F(ReplaceFile, FailuresLeaveTheOldFileAndNoLitter)
{
    writeFileReplacing(path("scene.vdr"), "old");

    // Abandoned before commit.
    {
        ReplacementFile file(path("scene.vdr"));
        file.write("new");
    }
    // The folder is gone.
    EXPECT_EQ(thrownText([&] { writeFileReplacing(path("no/such/dir.vdr"), "x"); }), "File not found");
    // The target became a folder before the rename.
    EXPECT_NE(thrownText([&] {
                  ReplacementFile file(path("taken.vdr"));
                  file.write("new");
                  fs::create_directories(path("taken.vdr/inside"));
                  file.commit();
              }),
              "(nothing thrown)");
    // A write fails half-way (the file size limit stands in for a full disk),
    // with the reason in the message.
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before {};
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 100000;
        ::setrlimit(RLIMIT_FSIZE, &small);
        const std::string text = thrownText([&] {
            ReplacementFile file(path("scene.vdr"));
            for (int i = 0; i < 10; ++i)
                file.write(std::string(30000, 'x'));
            file.commit();
        });
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, SIG_DFL);
        EXPECT_EQ(text, "I/O error " + std::to_string(EFBIG));
    }
    EXPECT_EQ(readWholeFile(path("scene.vdr")), "old");
    EXPECT_EQ(entries(), (std::vector<std::string>{"scene.vdr", "taken.vdr"}));
}

// Two complete contents a replacement alternates between; each byte says
// which one and where, so a mixture or a cut shows.
std::string content(char which, std::size_t size)
{
    std::string s(size, which);
    for (std::size_t i = 0; i < size; i += 4096)
        s[i] = char(i / 4096);
    return s;
}

TEST_F(ReplaceFile, AKillAtAnyMomentLeavesTheOldFileOrTheNew)
{
    constexpr std::size_t size = 3 << 20;
    const std::string a = content('a', size), b = content('b', size);
    const std::string target = path("big.vdr");
    writeFileReplacing(target, a);
    // Each child starts with the contents the target does not hold.
    const auto replaceForEver = [&](bool first) {
        for (;; first = !first) {
            const std::string& bytes = first ? b : a;
            ReplacementFile file(target);
            for (std::size_t at = 0; at < size; at += 65536)
                file.write(std::string_view(bytes).substr(at, 65536));
            file.commit();
        }
    };

    // One replacement's time sets the range the kills fall in.
    const auto start = std::chrono::steady_clock::now();
    writeFileReplacing(target, a);
    const auto once
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::mt19937 random(12345);
    std::uniform_int_distribution<long> delay(0, std::max<long>(2 * once.count(), 1000));

    // A kill in the instant between naming the finished file and renaming
    // it over the target leaves that one name, holding the complete other
    // contents; the next replacement of the target takes it back, so such
    // names never pile up. Anything else, a partial file above all, is litter.
    int leftInTheLastInstant = 0;
    bool holdsA = true;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            replaceForEver(holdsA);
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string now = readWholeFile(target);
        ASSERT_TRUE(now == a || now == b) << "kill " << kill << ": " << now.size() << " bytes";
        holdsA = now == a;
        const auto names = entries();
        if (names.size() == 2) {
            ++leftInTheLastInstant;
            const std::string other = names[0] == "big.vdr" ? names[1] : names[0];
            ASSERT_TRUE(readWholeFile(path(other)) == (holdsA ? b : a)) << "kill " << kill << ": " << other;
        } else {
            ASSERT_EQ(names, std::vector<std::string>{"big.vdr"}) << "kill " << kill;
        }
    }
    RecordProperty("leftInTheLastInstant", leftInTheLastInstant);
    writeFileReplacing(target, a);
    EXPECT_EQ(entries(), std::vector<std::string>{"big.vdr"});
}

} // namespace
} // namespace veldor
