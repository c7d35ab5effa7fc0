#include "files/scenefile.h"

#include "platform/error.h"
#include "platform/textfile.h"

#include <utility>

namespace veldor {

std::optional<SceneDocument> parseScene(std::string bytes)
{
    LineReader in(std::move(bytes));
    if (in.readLine() != kSceneMagic)
        return std::nullopt;

    // Everything goes into a fresh document, so a file that fails half-way
    // leaves the caller's scene as it was.
    SceneDocument doc;
    doc.skyFile = in.readLine();
    doc.groundFile = in.readLine();
    doc.tintRed = toInteger(in.readLine());
    doc.tintGreen = toInteger(in.readLine());
    doc.tintBlue = toInteger(in.readLine());
    const std::int32_t count = toInteger(in.readLine());
    if (count < 0)
        throw Error("Invalid object count " + std::to_string(count));

    // Rows are added as they are read, never sized up front from the count:
    // a file claiming billions of rows fails at its first missing line
    // instead of allocating for them.
    ObjectTable& t = doc.objects;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t row = std::size_t(i);
        t.growToHold(row);
        t.status[row] = toInteger(in.readLine());
        t.imageFile[row] = in.readLine();
        t.title[row] = in.readLine();
        t.left[row] = toInteger(in.readLine());
        t.top[row] = toInteger(in.readLine());
        t.width[row] = toInteger(in.readLine());
        t.height[row] = toInteger(in.readLine());
    }
    doc.objectCount = count;
    return doc;
}

std::optional<SceneDocument> readSceneFile(const std::string& path)
{
    return parseScene(readWholeFile(path));
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
