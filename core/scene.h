#pragma once
// The one scene every window works on: the persistent part that scene files
// hold, and the run-time fields through which the windows hand work to each
// other.
#include "core/compactstring.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

enum ObjectStatus : std::int32_t {
    Deleted = 0,
    Front = 1,
    Behind = 2,
    Retired = 99,
};

// Selection and the Delete All / Bring All To Front / Send All Behind Land
// commands act only on these rows.
constexpr bool isShown(std::int32_t status) { return status > 0 && status < 99; }

enum EditMode : int {
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
inline constexpr int kPictureWidth = 630;
inline constexpr int kPictureHeight = 340;

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

struct SceneState : SceneDocument {
    std::string appDir;
    std::string currentFile;
    int reopenPicker = 0; // 0 none, 1 sky, 2 landscape, 3 SkyPack, 4 LandPack

    int placing = 0;
    std::string pendingImageFile;
    std::string pendingTitle;

    int editMode = Idle;
    int selected = 0;
    int dragging = 0;
    int dragStartX = 0, dragStartY = 0;
    int dragX = 0, dragY = 0;
    int newLeft = 0, newTop = 0, newRight = 0, newBottom = 0;

    // Nothing is being edited and no object waits to be placed: the state in
    // which Refresh and the picker launchers act.
    bool idle() const { return editMode == Idle && placing == 0; }

    // Appends the placement just drawn (newLeft..newBottom, pending file and
    // title) as a Front row.
    void appendPlacement();
    // Retires row `row` and appends a Front copy of it at the end.
    void bringToFront(int row);
    // New: the empty scene, light (0, 0, 10), no file, nothing being edited.
    void resetForNew();
};

} // namespace veldor
