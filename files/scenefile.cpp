#include "files/scenefile.h"

#include "platform/error.h"
#include "platform/replacefile.h"
#include "platform/textfile.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <utility>

namespace veldor {

namespace {

// The shortest an object row can be: seven lines, the five integers one
// digit each, every line ended by a CR alone. The program writes CR LF, so
// its rows are at least 19 bytes.
constexpr std::uint64_t kShortestRow = 12;
constexpr std::uint64_t kShortestWrittenRow = 19;

// Rows of a long session name the same few pictures and titles over and
// over: a name like one met shortly before shares its text, so millions of
// rows cost their columns and little more.
class SharedNames {
public:
    void assign(CompactString& into, std::string_view text)
    {
        if (text.size() <= kInline) {
            into = text;
            return;
        }
        CompactString& recent = recent_[std::hash<std::string_view>{}(text) % recent_.size()];
        if (recent.view() != text)
            recent = text;
        into = recent;
    }

private:
    static constexpr std::size_t kInline = 7; // such names have no text to share
    std::array<CompactString, 64> recent_;
};

std::optional<SceneDocument> readScene(LineReader& in)
{
    // The first line decides, read no further than the magic is long: a file
    // that is not a scene costs a few kilobytes whatever its size.
    const std::string_view magic = kSceneMagic;
    const std::optional<std::string> first = in.readShortLine(magic.size());
    if (!first || *first != magic)
        return std::nullopt;

    // Everything goes into a fresh document, so a file that fails half-way
    // leaves the caller's scene as it was.
    SceneDocument doc;
    doc.skyFile = in.readLine();
    doc.groundFile = in.readLine();
    doc.tintRed = toInteger(in.readLineView());
    doc.tintGreen = toInteger(in.readLineView());
    doc.tintBlue = toInteger(in.readLineView());
    const std::int32_t count = toInteger(in.readLineView());
    if (count < 0)
        throw Error("Invalid object count " + std::to_string(count));

    // Rows are added as they are read, never sized from the count alone: a
    // file claiming billions of rows fails at its first missing line instead
    // of allocating for them. Room is made for as many rows as the bytes
    // left can hold, first as the program writes them, then, should more
    // come, as tightly as they can be written; so the columns need no spare
    // room beyond what the file can fill.
    ObjectTable& t = doc.objects;
    const std::size_t rows = std::size_t(count);
    auto makeRoom = [&](std::size_t row, std::uint64_t rowBytes) {
        const std::uint64_t more = std::max<std::uint64_t>(in.bytesLeftHint() / rowBytes, 1);
        t.reserve(std::size_t(std::min<std::uint64_t>(rows, row + more)));
    };
    makeRoom(0, kShortestWrittenRow);
    SharedNames names;
    for (std::size_t row = 0; row < rows; ++row) {
        if (row >= t.status.capacity())
            makeRoom(row, kShortestRow);
        t.growToHold(row);
        t.status[row] = toInteger(in.readLineView());
        names.assign(t.imageFile[row], in.readLineView());
        names.assign(t.title[row], in.readLineView());
        t.left[row] = toInteger(in.readLineView());
        t.top[row] = toInteger(in.readLineView());
        t.width[row] = toInteger(in.readLineView());
        t.height[row] = toInteger(in.readLineView());
    }
    doc.objectCount = count;
    return doc;
}

} // namespace

std::optional<SceneDocument> parseScene(std::string bytes)
{
    LineReader in(std::move(bytes));
    return readScene(in);
}

std::optional<SceneDocument> readSceneFile(const std::string& path)
{
    LineReader in = LineReader::openFile(path);
    return readScene(in);
}

std::string formatScene(const SceneDocument& scene)
{
    LineWriter out;
    out.writeLine(kSceneMagic);
    out.writeLine(scene.skyFile);
    out.writeLine(scene.groundFile);
    out.writeLine(scene.tintRed);
    out.writeLine(scene.tintGreen);
    out.writeLine(scene.tintBlue);
    out.writeLine(scene.objectCount);
    const ObjectTable& t = scene.objects;
    for (std::int32_t i = 0; i < scene.objectCount; ++i) {
        const std::size_t row = std::size_t(i);
        out.writeLine(t.status.at(row));
        out.writeLine(t.imageFile.at(row));
        out.writeLine(t.title.at(row));
        out.writeLine(t.left.at(row));
        out.writeLine(t.top.at(row));
        out.writeLine(t.width.at(row));
        out.writeLine(t.height.at(row));
    }
    return out.bytes();
}

void writeSceneFile(const SceneDocument& scene, const std::string& path)
{
    writeFileReplacing(path, formatScene(scene));
}

} // namespace veldor
