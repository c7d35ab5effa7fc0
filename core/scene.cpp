#include "core/scene.h"

namespace veldor {

void ObjectTable::recreate(std::size_t rows)
{
    if (rows < 1)
        rows = 1;
    status.assign(rows, 0);
    imageFile.assign(rows, CompactString());
    title.assign(rows, CompactString());
    left.assign(rows, 0);
    top.assign(rows, 0);
    width.assign(rows, 0);
    height.assign(rows, 0);
}

void ObjectTable::growToHold(std::size_t index)
{
    if (index < size())
        return;
    const std::size_t rows = index + 1;
    status.resize(rows, 0);
    imageFile.resize(rows);
    title.resize(rows);
    left.resize(rows, 0);
    top.resize(rows, 0);
    width.resize(rows, 0);
    height.resize(rows, 0);
}

void ObjectTable::reserve(std::size_t rows)
{
    status.reserve(rows);
    imageFile.reserve(rows);
    title.reserve(rows);
    left.reserve(rows);
    top.reserve(rows);
    width.reserve(rows);
    height.reserve(rows);
}

void SceneDocument::fillDefaultNames()
{
    if (groundFile.empty())
        groundFile = kDefaultGround;
    if (skyFile.empty())
        skyFile = kDefaultSky;
}

void SceneState::appendPlacement()
{
    const std::size_t row = std::size_t(objectCount);
    ++objectCount;
    objects.growToHold(std::size_t(objectCount));
    objects.status[row] = ObjectStatus::Front;
    objects.imageFile[row] = pendingImageFile;
    objects.title[row] = pendingTitle;
    objects.left[row] = newLeft;
    objects.top[row] = newTop;
    objects.width[row] = newRight - newLeft;
    objects.height[row] = newBottom - newTop;
}

void SceneState::bringToFront(int row)
{
    const std::size_t from = std::size_t(row);
    objects.status[from] = ObjectStatus::Retired;
    const std::size_t to = std::size_t(objectCount);
    ++objectCount;
    objects.growToHold(std::size_t(objectCount));
    objects.status[to] = ObjectStatus::Front;
    objects.imageFile[to] = objects.imageFile[from];
    objects.title[to] = objects.title[from];
    objects.left[to] = objects.left[from];
    objects.top[to] = objects.top[from];
    objects.width[to] = objects.width[from];
    objects.height[to] = objects.height[from];
}

void SceneState::resetForNew()
{
    skyFile.clear();
    groundFile.clear();
    currentFile.clear();
    tintRed = 0;
    tintGreen = 0;
    tintBlue = 10;
    placing = false;
    dragging = false;
    editMode = EditMode::Idle;
    objects.recreate(1);
    objectCount = 0;
}

} // namespace veldor
