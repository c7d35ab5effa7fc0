#include "platform/error.h"
#include "platform/paths.h"
#include "platform/replacefile.h"
#include "platform/textfile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace veldor {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::vector<std::string> readLines(const std::string& bytes, int count)
{
    LineReader in(bytes);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(in.readLine());
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, LineEnds)
{
    // CR LF, CR alone and LF alone, side by side.
    EXPECT_EQ(readLines("a\r\nb\rc\nd\r\n", 4), (Lines{"a", "b", "c\nd", ""}));
    // A CR LF pair is one line end, CR CR is two.
    EXPECT_EQ(readLines("a\r\r\nb", 3), (Lines{"a", "", "b"}));
    // An LF-only file is one long line.
    EXPECT_EQ(readLines("x\ny\nz\n", 2), (Lines{"x\ny\nz\n", ""}));
    // The last line needs no line end.
    EXPECT_EQ(readLines("one\r\ntwo", 3), (Lines{"one", "two", ""}));
    // A line starting with LF after a CR LF keeps it.
    EXPECT_EQ(readLines("a\r\n\nb\r\n", 2), (Lines{"a", "\nb"}));
}

TEST(LineReader, EndOfTextAndBeyond)
{
    EXPECT_EQ(readLines("a\r\nb\x1A" "c\r\nd\r\n", 4), (Lines{"a", "b", "", ""}));
    // A Ctrl-Z right after a CR: the LF behind it is not read.
    EXPECT_EQ(readLines("a\r\x1A\nb", 3), (Lines{"a", "", ""}));
    EXPECT_EQ(readLines("", 3), (Lines{"", "", ""}));
    LineReader in("a\r\n");
    EXPECT_FALSE(in.atEnd());
    in.readLine();
    EXPECT_TRUE(in.atEnd());
}

TEST(LineReader, BytesKept)
{
    const std::string high = "\x80\xFF\x01 \t\0z"s;
    EXPECT_EQ(readLines(high + "\r\n", 1), (Lines{high}));
}

TEST(LineWriter, EveryLineEndsInCrLf)
{
    LineWriter out;
    out.writeLine("Hot Air Balloon");
    out.writeLine("");
    out.writeLine(std::int32_t(-2147483647 - 1));
    out.writeLine(std::int32_t(0));
    out.writeLine(std::int32_t(2147483647));
    EXPECT_EQ(out.bytes(), "Hot Air Balloon\r\n\r\n-2147483648\r\n0\r\n2147483647\r\n");
}

TEST(ToInteger, AcceptsTheWrittenForm)
{
    EXPECT_EQ(toInteger("0"), 0);
    EXPECT_EQ(toInteger("-0"), 0);
    EXPECT_EQ(toInteger("42"), 42);
    EXPECT_EQ(toInteger("007"), 7);
    EXPECT_EQ(toInteger("-80"), -80);
    EXPECT_EQ(toInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(toInteger("-2147483648"), INT32_MIN);
}

TEST(ToInteger, RejectsEverythingElseWithTheLineInTheText)
{
    for (const std::string bad : {"", "+1", " 1", "1 ", "-", "--1", "1-", "abc", "12a", "0x10",
                                  "1.0", "2147483648", "-2147483649", "99999999999999999999",
                                  "1\n", "\x1A"}) {
        try {
            toInteger(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "'" + bad + "' is not a valid integer value");
        }
    }
    // A line of any length: the message quotes its start and end only.
    const std::string longLine = std::string(160, '7') + std::string(1000, 'x') + std::string(93, 'y');
    EXPECT_EQ(thrownText([&] { toInteger(longLine); }),
              "'" + std::string(160, '7') + "..." + std::string(93, 'y') + "' is not a valid integer value");
}

TEST(QuotedInMessage, LongTextKeepsItsStartAndEndWithoutSplittingACharacter)
{
    const std::string e = "\xC3\xA9"; // two-byte UTF-8
    struct Case {
        std::string text, quoted;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {std::string(256, 'a'), std::string(256, 'a')},
        {std::string(257, 'a'), std::string(160, 'a') + "..." + std::string(93, 'a')},
        // A character across either cut goes whole to the ellipsis.
        {std::string(159, 'a') + e + std::string(200, 'b') + e + std::string(92, 'c'),
         std::string(159, 'a') + "..." + std::string(92, 'c')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quotedInMessage(c.text), c.quoted) << c.text.size();
}

TEST(IoErrors, Texts)
{
    EXPECT_EQ(ioErrorText(ENOENT), "File not found");
    EXPECT_EQ(ioErrorText(EACCES), "File access denied");
    EXPECT_EQ(ioErrorText(EPERM), "File access denied");
    EXPECT_EQ(ioErrorText(ENOSPC), "Disk full");
    EXPECT_EQ(ioErrorText(EIO), "I/O error " + std::to_string(EIO));
    EXPECT_THROW(raiseIoError(ENOSPC), Error);
}

class TextFiles : public TempFolderTest {};

// A file is read a window at a time (4 KiB, then 64 KiB): its lines are
// those of its bytes in memory wherever a window ends, in the middle of a
// line, between CR and LF, or at a Ctrl-Z.
TEST_F(TextFiles, AFileReadsAsItsBytesWhereverTheWindowsEnd)
{
    for (const std::size_t at : {4094u, 4095u, 4096u, 4097u, 69630u, 69631u, 69632u, 69633u})
        for (const std::string& end : {"\r\n"s, "\r"s, "\n"s, "\x1A"s, "\r\x1A\n"s, "\r\r\n"s}) {
            SCOPED_TRACE(std::to_string(at) + " " + std::to_string(end.size()));
            const std::string bytes = "one\r\n" + std::string(at - 5, 'q') + end + "two\r\nthree";
            std::ofstream(path("lines.txt"), std::ios::binary) << bytes;
            LineReader memory(bytes);
            LineReader file = LineReader::openFile(path("lines.txt"));
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(file.atEnd(), memory.atEnd()) << i;
                EXPECT_EQ(file.readLine(), memory.readLine()) << i;
            }
        }
}

TEST(LineReader, ShortLinesAndLineStarts)
{
    LineReader in("abcdef\r\nxyz\r\nlast");
    EXPECT_EQ(in.readShortLine(6), "abcdef");
    bool cut = false;
    EXPECT_EQ(in.readLineStart(2, &cut), "xy");
    EXPECT_TRUE(cut);
    EXPECT_EQ(in.readLineStart(4, &cut), "last");
    EXPECT_FALSE(cut);
    EXPECT_TRUE(in.atEnd());
    // A first line longer than asked for is refused without reading on.
    LineReader longer("abcdefg\r\n");
    EXPECT_EQ(longer.readShortLine(6), std::nullopt);
}

// A line of up to 1 MiB is read whole by every read, from memory or a file,
// ended or not; one byte more is refused with its line number.
TEST_F(TextFiles, ALineOverOneMebibyteIsRefused)
{
    using Read = std::function<std::string(LineReader&)>;
    const std::vector<std::pair<const char*, Read>> reads = {
        {"readLine", [](LineReader& in) { return in.readLine(); }},
        {"readLineView", [](LineReader& in) { return std::string(in.readLineView()); }},
        {"readLineStart", [](LineReader& in) { return in.readLineStart(3); }},
    };
    for (const auto& entry : reads)
        for (const std::size_t length : {kMaxLineBytes, kMaxLineBytes + 1})
            for (const std::string& end : {"\r\n"s, ""s}) {
                // Not a structured binding: clang 14 cannot capture one.
                const std::string name = entry.first;
                const Read& read = entry.second;
                SCOPED_TRACE(name + " " + std::to_string(length) + " " + std::to_string(end.size()));
                const std::string bytes = "first\r\n" + std::string(length, 'q') + end;
                std::ofstream(path("long.txt"), std::ios::binary) << bytes;
                LineReader memory(bytes);
                LineReader file = LineReader::openFile(path("long.txt"));
                for (LineReader* in : {&memory, &file}) {
                    in->readLine();
                    if (length > kMaxLineBytes)
                        EXPECT_EQ(thrownText([&] { read(*in); }), "Line 2 is longer than 1 MiB");
                    else
                        EXPECT_EQ(read(*in).size(), name == "readLineStart" ? 3u : length);
                }
            }
}

TEST_F(TextFiles, WriteThenReadBack)
{
    const std::string bytes = "a\r\nb\x1A\0\xFF"s;
    writeFileReplacing(path("scene.vdr"), bytes);
    EXPECT_EQ(readWholeFile(path("scene.vdr")), bytes);
    writeFileReplacing(path("scene.vdr"), "shorter");
    EXPECT_EQ(readWholeFile(path("scene.vdr")), "shorter");
    // No temporary left behind.
    EXPECT_EQ(entries(), (std::vector<std::string>{"scene.vdr"}));
}

TEST_F(TextFiles, MissingFileAndFolder)
{
    EXPECT_EQ(thrownText([&] { readWholeFile(path("nope.vdr")); }), "File not found");
    EXPECT_EQ(thrownText([&] { LineReader::openFile(path("nope.vdr")); }), "File not found");
    // Only regular files are read: a folder or a pipe without a writer
    // (which would block a plain open for ever) is refused at once.
    fs::create_directory(path("folder.vdr"));
    EXPECT_EQ(thrownText([&] { readWholeFile(path("folder.vdr")); }), "File access denied");
    EXPECT_EQ(thrownText([&] { LineReader::openFile(path("folder.vdr")); }), "File access denied");
    ASSERT_EQ(::mkfifo(path("pipe.vdr").c_str(), 0600), 0);
    EXPECT_EQ(thrownText([&] { readWholeFile(path("pipe.vdr")); }), "File access denied");
    EXPECT_EQ(thrownText([&] { LineReader::openFile(path("pipe.vdr")); }), "File access denied");
    EXPECT_EQ(thrownText([&] { writeFileReplacing(path("no/such/dir.vdr"), "x"); }),
              "File not found");
}

TEST_F(TextFiles, FailedWriteKeepsTheOldFile)
{
    writeFileReplacing(path("scene.vdr"), "old");
    // The target is a non-empty folder: refused before anything is written.
    fs::create_directories(path("taken.vdr/inside"));
    EXPECT_NE(thrownText([&] { writeFileReplacing(path("taken.vdr"), "new"); }),
              "(nothing thrown)");
    EXPECT_TRUE(fs::is_directory(path("taken.vdr/inside")));
    EXPECT_EQ(entries(), (std::vector<std::string>{"scene.vdr", "taken.vdr"}));

    if (::geteuid() != 0) {
        // A folder we may not write into: nothing is created, nothing replaced.
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(thrownText([&] { writeFileReplacing(path("scene.vdr"), "new"); }),
                  "File access denied");
        fs::permissions(dir_, fs::perms::owner_all);
    }
    EXPECT_EQ(readWholeFile(path("scene.vdr")), "old");
}

TEST(Paths, BackslashesBecomeSlashes)
{
    EXPECT_EQ(nativePath("packs\\ab\\xS0.bmp"), "packs/ab/xS0.bmp");
    EXPECT_EQ(appPath("/opt/veldor", "packs\\fooS1.bmp"), "/opt/veldor/packs/fooS1.bmp");
    EXPECT_EQ(appPath("/opt/veldor", "sky0.bmp"), "/opt/veldor/sky0.bmp");
    // The folder is already a path of this platform, where "\" is an
    // ordinary character of a name.
    EXPECT_EQ(appPath("/home/a\\b", "packs\\x.bmp"), "/home/a\\b/packs/x.bmp");
}

TEST_F(TextFiles, AFolderWithABackslashInItsName)
{
    const std::string folder = path("old\\pictures");
    fs::create_directories(folder);
    writeFileReplacing(folder + "/sky0.bmp", "x");
    EXPECT_TRUE(fileExists(appPath(folder, "sky0.bmp")));
    const std::string before = currentDirectory();
    setCurrentDirectory(folder);
    EXPECT_EQ(currentDirectory(), fs::canonical(folder).string());
    setCurrentDirectory(before);
}

TEST(Paths, CurrentDirectory)
{
    const std::string before = currentDirectory();
    const std::string tmp = fs::canonical(fs::temp_directory_path()).string();
    setCurrentDirectory(tmp);
    EXPECT_EQ(currentDirectory(), tmp);
    EXPECT_EQ(thrownText([] { setCurrentDirectory("/no/such/folder/veldor"); }), "File not found");
    EXPECT_EQ(currentDirectory(), tmp);
    setCurrentDirectory(before);
}

TEST_F(TextFiles, FileExistsOnlyForFiles)
{
    writeFileReplacing(path("a.bmp"), "x");
    EXPECT_TRUE(fileExists(path("a.bmp")));
    EXPECT_FALSE(fileExists(path("b.bmp")));
    EXPECT_FALSE(fileExists(dir_.string()));
}

} // namespace
} // namespace veldor
