#pragma once
// The one scene every window works on: the persistent part that scene files
// hold, and the run-time fields through which the windows hand work to each
// other.
#include "core/compactstring.h"
#include "platform/picturesize.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

// A row's status. The column keeps a plain integer, because a scene file may
// hold any value and it is kept as read; rows are compared and set through
// these names.
namespace ObjectStatus {
inline constexpr std::int32_t Deleted = 0;
inline constexpr std::int32_t Front = 1;
inline constexpr std::int32_t Behind = 2;
inline constexpr std::int32_t Retired = 99; // superseded by its copy at the end of the table
} // namespace ObjectStatus

// Selection and the Delete All / Bring All To Front / Send All Behind Land
// commands act only on these rows.
constexpr bool isShown(std::int32_t status)
{
    return status > ObjectStatus::Deleted && status < ObjectStatus::Retired;
}

enum class EditMode {
    Idle = 0,
    NewDrawn = 1,
    Clicked = 2,
    Moving = 3,
    MoveDropped = 4,
    Resizing = 5,
    ResizeDrawn = 6,
};

inline constexpr const char* kDefaultSky = "sky3.bmp";
inline constexpr const char* kDefaultGround = "none.bmp";

// Seven parallel columns of one common length, always at least one row;
// only rows below objectCount mean anything. A row takes 36 bytes plus its
// names when they are longer than 7 bytes.
struct ObjectTable {
    std::vector<std::int32_t> status;
    std::vector<CompactString> imageFile;
    std::vector<CompactString> title;
    std::vector<std::int32_t> left;
    std::vector<std::int32_t> top;
    std::vector<std::int32_t> width;
    std::vector<std::int32_t> height;

    ObjectTable() { recreate(1); }

    std::size_t size() const { return status.size(); }
    // Every column with exactly `rows` empty rows (at least one).
    void recreate(std::size_t rows);
    // Grows every column so that it can hold index `index`.
    void growToHold(std::size_t index);
    // Room for `rows` rows in every column without changing what it holds.
    void reserve(std::size_t rows);

    bool operator==(const ObjectTable&) const = default;
};

// What a scene file holds.
struct SceneDocument {
    std::string skyFile;
    std::string groundFile;
    std::int32_t tintRed = 0;
    std::int32_t tintGreen = 0;
    std::int32_t tintBlue = 10;
    std::int32_t objectCount = 0;
    ObjectTable objects;

    // An empty name means the default; the renderer and Save store it back.
    void fillDefaultNames();

    bool operator==(const SceneDocument&) const = default;
};

// The picker or pack browser that the next rendering shows again, so that
// the user can try one sky or ground after another.
enum class PickerToShow { None, Sky, Landscape, SkyPack, LandPack };

struct SceneState : SceneDocument {
    std::string appDir;
    std::string currentFile;
    PickerToShow reopenPicker = PickerToShow::None;

    // A picker has armed a placement of the pending picture.
    bool placing = false;
    std::string pendingImageFile;
    std::string pendingTitle;

    EditMode editMode = EditMode::Idle;
    int selected = 0;
    // A band or an outline is following the pointer with a button held.
    bool dragging = false;
    int dragStartX = 0, dragStartY = 0;
    int dragX = 0, dragY = 0;
    int newLeft = 0, newTop = 0, newRight = 0, newBottom = 0;

    // Nothing is being edited and no object waits to be placed: the state in
    // which Refresh and the picker launchers act.
    bool idle() const { return editMode == EditMode::Idle && !placing; }

    // Appends the placement just drawn (newLeft..newBottom, pending file and
    // title) as a Front row.
    void appendPlacement();
    // Retires row `row` and appends a Front copy of it at the end.
    void bringToFront(int row);
    // New: the empty scene, light (0, 0, 10), no file, nothing being edited.
    void resetForNew();
};

} // namespace veldor
