#include "editing/editmachine.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "tempfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace veldor {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

const Color A = rgb(200, 0, 0);
const Color B = rgb(0, 0, 200);
const Color C = rgb(0, 200, 200);

const char* nameOf(EditWindow w)
{
    static const char* const names[] = {"obconfirm", "obchange", "mover", "resizer", "obhind"};
    return names[int(w)];
}

// Records the window work; a rendering really renders.
class FakeView : public EditView {
public:
    FakeView(SceneState& scene, MainSurfaces& surfaces) : scene_(scene), surfaces_(surfaces) {}

    std::vector<std::string> log; // "show X", "hide X", "label X title", "render"
    std::vector<PictureRect> repaints;
    EditCursor cursor = EditCursor::Arrow;

    void showWindow(EditWindow w) override { log.push_back(std::string("show ") + nameOf(w)); }
    void hideWindow(EditWindow w) override { log.push_back(std::string("hide ") + nameOf(w)); }
    void setCursor(EditCursor c) override { cursor = c; }
    void setObjectLabel(EditWindow w, const std::string& title) override
    {
        log.push_back(std::string("label ") + nameOf(w) + " " + title);
    }
    void repaint(const PictureRect& area) override { repaints.push_back(area); }
    void render() override
    {
        log.push_back("render");
        renderScene(scene_, surfaces_);
    }
    int count(const std::string& entry) const { return int(std::count(log.begin(), log.end(), entry)); }

private:
    SceneState& scene_;
    MainSurfaces& surfaces_;
};

// A throw-away application folder: a patterned sky (so that inverted
// pixels show), an empty ground and a few tiny objects.
class EditMachineTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        Surface sky(630, 340);
        for (int y = 0; y < 340; ++y)
            for (int x = 0; x < 630; ++x)
                sky.setPixel(x, y, rgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
        put("sky.bmp", sky);
        put("none.bmp", Surface(630, 10, kWhite));
        Surface object(2, 2);
        object.setPixel(0, 0, A);
        object.setPixel(1, 0, B);
        object.setPixel(0, 1, C);
        object.setPixel(1, 1, kWhite);
        put("obj.bmp", object);
        put("white.bmp", Surface(3, 3, kWhite));
        scene.appDir = dir_.string();
        scene.skyFile = "sky.bmp";
        scene.groundFile = "none.bmp";
        scene.tintRed = scene.tintGreen = scene.tintBlue = 0;
        renderScene(scene, surfaces);
    }

    void put(const std::string& name, const Surface& s) { saveBmpFile(s, path(name)); }

    int addObject(std::int32_t status, int left, int top, int width, int height,
                  const std::string& title = "Thing")
    {
        const std::size_t row = std::size_t(scene.objectCount);
        scene.objects.growToHold(row);
        scene.objects.status[row] = status;
        scene.objects.imageFile[row] = "obj.bmp";
        scene.objects.title[row] = title;
        scene.objects.left[row] = left;
        scene.objects.top[row] = top;
        scene.objects.width[row] = width;
        scene.objects.height[row] = height;
        ++scene.objectCount;
        return int(row);
    }
    void arm(const std::string& file = "obj.bmp")
    {
        scene.placing = true;
        scene.pendingImageFile = file;
        scene.pendingTitle = "Apple";
    }
    void drag(int x0, int y0, int x1, int y1)
    {
        machine.press(x0, y0);
        machine.move(x1, y1);
        machine.release(x1, y1);
    }
    void select(int x, int y)
    {
        machine.press(x, y);
        ASSERT_EQ(scene.editMode, EditMode::Clicked);
    }

    Session session;
    SceneState& scene = session.scene();
    MainSurfaces surfaces;
    FakeView view{scene, surfaces};
    EditMachine machine{session, surfaces, view};
};

TEST_F(EditMachineTest, HitTestIsStrictAndTheLastShownRowWins)
{
    const int front = addObject(ObjectStatus::Front, 20, 30, 10, 10);
    // Edges never hit: left, right (left + width), top, bottom (top + height).
    EXPECT_EQ(machine.hitTest(20, 35), -1);
    EXPECT_EQ(machine.hitTest(30, 35), -1);
    EXPECT_EQ(machine.hitTest(25, 30), -1);
    EXPECT_EQ(machine.hitTest(25, 40), -1);
    EXPECT_EQ(machine.hitTest(21, 31), front);
    EXPECT_EQ(machine.hitTest(29, 39), front);

    // A later Behind row wins over an earlier Front one, whatever the layer.
    const int behind = addObject(ObjectStatus::Behind, 15, 25, 20, 20);
    EXPECT_EQ(machine.hitTest(25, 35), behind);
    // Deleted, retired and unknown statuses are passed over, not blocking.
    addObject(ObjectStatus::Deleted, 0, 0, 100, 100);
    addObject(ObjectStatus::Retired, 0, 0, 100, 100);
    addObject(7, 0, 0, 100, 100);
    EXPECT_EQ(machine.hitTest(25, 35), behind);
    // Rows beyond objectCount do not exist.
    const int late = addObject(ObjectStatus::Front, 0, 0, 100, 100);
    scene.objectCount = late;
    EXPECT_EQ(machine.hitTest(25, 35), behind);
    // A zero-size row can never be hit.
    scene.objectCount = 0;
    addObject(ObjectStatus::Front, 50, 50, 0, 10);
    EXPECT_EQ(machine.hitTest(50, 55), -1);
}

TEST_F(EditMachineTest, PlacementDragPreviewsAndKeepItAppendsWithoutRendering)
{
    arm();
    EXPECT_TRUE(machine.press(100, 50));
    EXPECT_TRUE(scene.dragging);
    EXPECT_EQ(view.cursor, EditCursor::Cross);
    machine.move(120, 70);
    machine.move(130, 80);
    EXPECT_EQ(view.cursor, EditCursor::Arrow); // every move during a drag resets it
    machine.release(130, 80);

    EXPECT_EQ(scene.editMode, EditMode::NewDrawn);
    EXPECT_FALSE(scene.placing);
    EXPECT_FALSE(scene.dragging);
    EXPECT_EQ((PictureRect{scene.newLeft, scene.newTop, scene.newRight, scene.newBottom}),
              (PictureRect{100, 50, 130, 80}));
    // No window is hidden and shown again around the preview.
    EXPECT_THAT(view.log, ElementsAre("show obconfirm"));

    machine.keepNew();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    EXPECT_EQ(scene.objects.imageFile[0], "obj.bmp");
    EXPECT_EQ(scene.objects.title[0], "Apple");
    EXPECT_EQ(scene.objects.left[0], 100);
    EXPECT_EQ(scene.objects.top[0], 50);
    EXPECT_EQ(scene.objects.width[0], 30);
    EXPECT_EQ(scene.objects.height[0], 30);
    EXPECT_EQ(view.count("render"), 0);
    EXPECT_EQ(view.log.back(), "hide obconfirm");
}

TEST_F(EditMachineTest, ReleaseCornerRules)
{
    struct Case {
        int moveX, moveY, releaseX, releaseY;
        PictureRect expected;
    };
    const Case cases[] = {
        {140, 90, 150, 95, {100, 50, 150, 95}},   // plain
        {140, 90, 90, 40, {100, 50, 140, 90}},    // up and left: the band's last corner
        {140, 90, 150, 40, {100, 50, 150, 90}},   // each axis by itself
        {90, 60, 90, 60, {100, 50, 100, 60}},     // band never followed: zero width
        {140, 90, 700, 500, {100, 50, 630, 340}}, // held outside the picture
        {140, 90, 630, 340, {100, 50, 630, 340}},
    };
    for (const Case& c : cases) {
        arm();
        machine.press(100, 50);
        machine.move(c.moveX, c.moveY);
        machine.release(c.releaseX, c.releaseY);
        EXPECT_EQ((PictureRect{scene.newLeft, scene.newTop, scene.newRight, scene.newBottom}), c.expected)
            << "release at " << c.releaseX << "," << c.releaseY;
        machine.dropNew();
    }
    // A zero-size placement is kept as drawn.
    arm();
    drag(100, 50, 90, 60);
    machine.keepNew();
    EXPECT_EQ(scene.objects.width[0], 0);
    EXPECT_EQ(scene.objects.height[0], 10);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
}

TEST_F(EditMachineTest, NewObjectRedrawAndDrop)
{
    arm();
    drag(10, 10, 40, 40);
    machine.redrawNew();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_TRUE(scene.placing);
    EXPECT_EQ(scene.pendingImageFile, "obj.bmp");
    EXPECT_EQ(view.count("render"), 1);
    EXPECT_EQ(scene.objectCount, 0);

    drag(10, 10, 40, 40);
    machine.dropNew();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_FALSE(scene.placing);
    EXPECT_EQ(view.count("render"), 2);
    EXPECT_EQ(scene.objectCount, 0);
}

TEST_F(EditMachineTest, PlacementWinsOverAnyEditAndAlwaysRestartsTheBand)
{
    addObject(ObjectStatus::Front, 10, 10, 50, 50, "Rock");
    select(20, 20);
    arm("white.bmp"); // an all-white preview draws nothing
    const Surface before = surfaces.mainImage;
    machine.press(100, 100);
    machine.move(150, 150);
    machine.press(120, 110); // a second button: the band starts again
    EXPECT_EQ(scene.dragStartX, 120);
    EXPECT_EQ(scene.dragX, 120);
    machine.release(160, 160);
    EXPECT_EQ(scene.editMode, EditMode::NewDrawn);
    EXPECT_EQ(scene.newLeft, 120);
    EXPECT_EQ(surfaces.mainImage, before); // the first band went with the restart
    // The stale "Object Edit" window only closes.
    machine.deleteFront();
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    EXPECT_EQ(scene.editMode, EditMode::NewDrawn);
}

TEST_F(EditMachineTest, ClickSelectsAndShowsTheWindowOfTheLayer)
{
    addObject(ObjectStatus::Front, 10, 10, 50, 50, "Rock");
    addObject(ObjectStatus::Behind, 100, 10, 50, 50, "Cave");
    addObject(ObjectStatus::Deleted, 200, 10, 50, 50);
    machine.move(20, 20); // hovering a hittable object in Idle shows the cross
    EXPECT_EQ(view.cursor, EditCursor::Cross);
    machine.move(220, 20);
    EXPECT_EQ(view.cursor, EditCursor::Arrow);
    EXPECT_FALSE(machine.press(220, 20));
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_TRUE(view.log.empty());

    select(20, 20);
    EXPECT_EQ(scene.selected, 0);
    EXPECT_THAT(view.log, ElementsAre("label obchange Rock", "show obchange"));
    EXPECT_FALSE(machine.press(120, 20)); // a dialog is up: presses do nothing
    machine.move(20, 20);
    EXPECT_EQ(view.cursor, EditCursor::Arrow);
    machine.cancelFront();
    EXPECT_EQ(scene.editMode, EditMode::Idle);

    view.log.clear();
    select(120, 20);
    EXPECT_EQ(scene.selected, 1);
    EXPECT_THAT(view.log, ElementsAre("label obhind Cave", "show obhind"));
}

TEST_F(EditMachineTest, ObjectEditButtons)
{
    addObject(ObjectStatus::Front, 10, 10, 50, 50);
    const struct {
        std::int32_t from;
        void (EditMachine::*click)();
        std::int32_t to;
        int renders;
    } cases[] = {
        {ObjectStatus::Front, &EditMachine::sendBehindLand, ObjectStatus::Behind, 1},
        {ObjectStatus::Behind, &EditMachine::sendToFrontOfLandscape, ObjectStatus::Front, 1},
        {ObjectStatus::Front, &EditMachine::deleteFront, ObjectStatus::Deleted, 1},
        {ObjectStatus::Behind, &EditMachine::deleteBehind, ObjectStatus::Deleted, 1},
        {ObjectStatus::Front, &EditMachine::cancelFront, ObjectStatus::Front, 0},
        {ObjectStatus::Behind, &EditMachine::cancelBehind, ObjectStatus::Behind, 0},
    };
    for (const auto& c : cases) {
        scene.objects.status[0] = c.from;
        select(20, 20);
        view.log.clear();
        (machine.*c.click)();
        EXPECT_EQ(scene.objects.status[0], c.to);
        EXPECT_EQ(scene.editMode, EditMode::Idle);
        EXPECT_EQ(view.count("render"), c.renders);
    }
}

TEST_F(EditMachineTest, BringItToFrontGrowsAChainOfRetiredRows)
{
    addObject(ObjectStatus::Front, 10, 10, 50, 50, "Rock");
    for (int round = 1; round <= 3; ++round) {
        select(20, 20);
        EXPECT_EQ(scene.selected, round - 1); // always the newest copy
        machine.bringToFront();
        EXPECT_EQ(scene.objectCount, round + 1);
    }
    EXPECT_THAT(std::vector<std::int32_t>(scene.objects.status.begin(), scene.objects.status.begin() + 4),
                ElementsAre(ObjectStatus::Retired, ObjectStatus::Retired, ObjectStatus::Retired, ObjectStatus::Front));
    EXPECT_EQ(scene.objects.title[3], "Rock");
    EXPECT_EQ(scene.objects.width[3], 50);
    EXPECT_EQ(scene.editMode, EditMode::Idle);
}

TEST_F(EditMachineTest, MoveConfirmRedoAndCancel)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40);
    const Surface before = surfaces.mainImage;
    select(15, 25);
    machine.startMove();
    EXPECT_EQ(scene.editMode, EditMode::Moving);
    EXPECT_EQ(scene.dragX, 10);
    EXPECT_EQ(scene.dragY, 20);
    machine.move(100, 110);
    EXPECT_TRUE(machine.press(300, 300)); // the press point itself is not used
    EXPECT_EQ(scene.editMode, EditMode::MoveDropped);
    EXPECT_EQ(view.log.back(), "show mover");

    machine.cancelMove();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_EQ(scene.objects.left[0], 10);
    EXPECT_EQ(scene.objects.top[0], 20);
    EXPECT_EQ(surfaces.mainImage, before); // outline erased, nothing rendered
    EXPECT_EQ(view.count("render"), 0);

    select(15, 25);
    machine.startMove();
    machine.move(100, 110);
    machine.press(0, 0);
    machine.redoMove();
    EXPECT_EQ(scene.editMode, EditMode::Moving);
    machine.move(200, 210);
    machine.press(0, 0);
    EXPECT_EQ(scene.editMode, EditMode::MoveDropped);
    machine.confirmMove();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_EQ(scene.objects.left[0], 200);
    EXPECT_EQ(scene.objects.top[0], 210);
    EXPECT_EQ(view.count("render"), 1);
}

TEST_F(EditMachineTest, ResizeButtonsAndTheStatusAfterEach)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40);
    auto resizeTo = [&](int x0, int y0, int x1, int y1) {
        select(15, 25);
        machine.startResize();
        EXPECT_EQ(scene.editMode, EditMode::Resizing);
        EXPECT_EQ(scene.objects.status[0], ObjectStatus::Deleted);
        drag(x0, y0, x1, y1);
        EXPECT_EQ(scene.editMode, EditMode::ResizeDrawn);
        EXPECT_EQ(view.log.back(), "show resizer");
    };

    resizeTo(100, 100, 150, 120);
    machine.redoResize();
    EXPECT_EQ(scene.editMode, EditMode::Resizing);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Deleted);
    // While the band is held a second press does not restart it.
    machine.press(110, 110);
    machine.move(130, 130);
    machine.press(115, 115);
    EXPECT_EQ(scene.dragStartX, 110);
    machine.release(140, 150);
    machine.cancelResize();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    EXPECT_EQ(scene.objects.width[0], 30);

    resizeTo(100, 100, 150, 120);
    const int rendersBefore = view.count("render");
    machine.keepResize();
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    EXPECT_EQ(scene.objects.left[0], 100);
    EXPECT_EQ(scene.objects.top[0], 100);
    EXPECT_EQ(scene.objects.width[0], 50);
    EXPECT_EQ(scene.objects.height[0], 20);
    EXPECT_EQ(view.count("render"), rendersBefore);
}

TEST_F(EditMachineTest, AnEditTakenOverOrLeftEmptyKeepsItsObject)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40);
    renderScene(scene, surfaces);
    const Surface rendered = surfaces.mainImage;

    // A placement takes the band over from a re-size: the row is shown again.
    select(15, 25);
    machine.startResize();
    arm("white.bmp");
    drag(100, 100, 150, 150);
    EXPECT_EQ(scene.editMode, EditMode::NewDrawn);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    machine.dropNew();

    // "Keep Changes" after a click without a drag keeps place and size.
    select(15, 25);
    machine.startResize();
    drag(200, 200, 200, 200);
    machine.keepResize();
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    EXPECT_EQ(scene.objects.left[0], 10);
    EXPECT_EQ(scene.objects.width[0], 30);
    EXPECT_EQ(scene.objects.height[0], 40);
    EXPECT_EQ(surfaces.mainImage, rendered); // drawn again

    // A placement released while a move outline is up leaves no outline.
    select(15, 25);
    machine.startMove();
    machine.move(100, 110);
    arm("white.bmp"); // an all-white preview draws nothing
    drag(300, 200, 320, 220);
    EXPECT_EQ(surfaces.mainImage, rendered);
    EXPECT_EQ(scene.objects.left[0], 10);
}

TEST_F(EditMachineTest, StaleButtonsOnlyCloseTheirWindow)
{
    addObject(ObjectStatus::Front, 10, 10, 50, 50);
    addObject(ObjectStatus::Behind, 100, 10, 50, 50);
    struct Button {
        void (EditMachine::*click)();
        const char* window;
    };
    const Button buttons[] = {
        {&EditMachine::keepNew, "obconfirm"},     {&EditMachine::redrawNew, "obconfirm"},
        {&EditMachine::dropNew, "obconfirm"},     {&EditMachine::deleteFront, "obchange"},
        {&EditMachine::startMove, "obchange"},    {&EditMachine::startResize, "obchange"},
        {&EditMachine::bringToFront, "obchange"}, {&EditMachine::sendBehindLand, "obchange"},
        {&EditMachine::cancelFront, "obchange"},  {&EditMachine::sendToFrontOfLandscape, "obhind"},
        {&EditMachine::deleteBehind, "obhind"},   {&EditMachine::cancelBehind, "obhind"},
        {&EditMachine::confirmMove, "mover"},     {&EditMachine::redoMove, "mover"},
        {&EditMachine::cancelMove, "mover"},      {&EditMachine::keepResize, "resizer"},
        {&EditMachine::redoResize, "resizer"},    {&EditMachine::cancelResize, "resizer"},
    };
    // Idle, and then Clicked on the Front row: only the obchange buttons
    // belong to that step.
    for (bool clicked : {false, true}) {
        for (const Button& b : buttons) {
            if (clicked && std::string(b.window) == "obchange")
                continue;
            scene.editMode = EditMode::Idle;
            if (clicked)
                select(20, 20);
            const SceneState saved = scene;
            const Surface picture = surfaces.mainImage;
            view.log.clear();
            (machine.*b.click)();
            EXPECT_THAT(view.log, ElementsAre(std::string("hide ") + b.window));
            EXPECT_EQ(scene.editMode, saved.editMode);
            EXPECT_EQ(scene.placing, saved.placing);
            EXPECT_EQ(static_cast<const SceneDocument&>(scene), static_cast<const SceneDocument&>(saved));
            EXPECT_EQ(surfaces.mainImage, picture);
        }
    }
}

TEST_F(EditMachineTest, UnloadablePictureEndsTheEditCleanly)
{
    const Surface before = surfaces.mainImage;
    arm("missing.bmp");
    machine.press(100, 50);
    machine.move(140, 90);
    EXPECT_THROW(machine.release(140, 90), Error);
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_FALSE(scene.placing);
    EXPECT_FALSE(scene.dragging);
    EXPECT_EQ(surfaces.mainImage, before);
    EXPECT_TRUE(view.log.empty());

    // A re-size gets the object back at its old size.
    addObject(ObjectStatus::Front, 10, 10, 50, 50);
    select(20, 20);
    machine.startResize();
    fs::remove(dir_ / "obj.bmp");
    machine.press(100, 100);
    machine.move(120, 120);
    EXPECT_THROW(machine.release(120, 120), Error);
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_EQ(scene.objects.status[0], ObjectStatus::Front);
    EXPECT_EQ(scene.objects.width[0], 50);
}

TEST_F(EditMachineTest, ReplacedTableEndsThePendingEditAndNoRowBeyondTheCountIsTouched)
{
    addObject(ObjectStatus::Front, 10, 10, 50, 50);
    select(20, 20);
    machine.startMove();
    arm();
    scene.placing = true;
    machine.sceneReplaced();
    for (const char* w : {"obconfirm", "obchange", "mover", "resizer", "obhind"})
        EXPECT_EQ(view.count(std::string("hide ") + w), w == std::string("obchange") ? 2 : 1) << w;
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_FALSE(scene.dragging);
    EXPECT_TRUE(scene.placing); // the chosen picture is still waiting

    // Had the table shrunk under a pending edit anyway, the buttons leave
    // the table alone and end the edit.
    scene.placing = false;
    scene.objectCount = 0;
    scene.selected = 0;
    const ObjectTable table = scene.objects;
    const EditMode picked[] = {EditMode::Clicked, EditMode::MoveDropped, EditMode::ResizeDrawn, EditMode::Moving};
    for (EditMode mode : picked) {
        scene.editMode = mode;
        machine.move(30, 30);
        machine.deleteFront();
        machine.confirmMove();
        machine.keepResize();
        machine.cancelResize();
        EXPECT_EQ(scene.objects, table);
    }
    scene.editMode = EditMode::Resizing;
    const Surface picture = surfaces.mainImage;
    machine.press(10, 10);
    machine.move(30, 30);
    machine.release(30, 30);
    EXPECT_EQ(scene.objects, table);
    EXPECT_EQ(scene.editMode, EditMode::Idle);
    EXPECT_EQ(surfaces.mainImage, picture);
}

TEST_F(EditMachineTest, BandIsInvertedAndLeavesNoTrace)
{
    const Surface before = surfaces.mainImage;
    arm("white.bmp"); // an all-white preview draws nothing
    machine.press(100, 50);
    machine.move(140, 90);
    // The black NOT-XOR pen shows the inverse of the picture beneath.
    EXPECT_EQ(surfaces.mainImage.pixel(100, 70), ~before.pixel(100, 70) & 0x00FFFFFFu);
    EXPECT_EQ(surfaces.mainImage.pixel(120, 70), before.pixel(120, 70));
    machine.move(160, 120);
    machine.move(150, 100);
    machine.release(150, 100);
    EXPECT_EQ(surfaces.mainImage, before);
    EXPECT_EQ(surfaces.mainImage.pen().mode, PenMode::Copy);
}

TEST_F(EditMachineTest, MoveCostsTwoOutlinesAndASmallRepaint)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40);
    select(15, 25);
    const Surface before = surfaces.mainImage;
    // Whatever colour the pen had stays the outline's colour.
    const Color green = rgb(0, 255, 0);
    surfaces.mainImage.pen().color = green;
    machine.startMove();
    view.repaints.clear();
    machine.move(200, 100);
    machine.move(205, 103);

    // Only the outline at the last position is left: NOT (green XOR picture).
    EXPECT_EQ(surfaces.mainImage.pixel(205, 120), ~(green ^ before.pixel(205, 120)) & 0x00FFFFFFu);
    Surface erased = surfaces.mainImage;
    erased.pen() = Pen{4, green, PenMode::NotXor};
    erased.rectangle(205, 103, 235, 143);
    EXPECT_EQ(erased, before);

    ASSERT_EQ(view.repaints.size(), 2u);
    EXPECT_EQ(view.repaints[1], (PictureRect{196, 96, 239, 147}));
}

TEST_F(EditMachineTest, PreviewDrawsTheObjectLitOverEverything)
{
    addObject(ObjectStatus::Front, 0, 0, 630, 340); // the whole picture is covered in obj.bmp
    renderScene(scene, surfaces);
    const Color under = surfaces.mainImage.pixel(12, 12);
    scene.tintRed = 10;
    scene.tintGreen = -20;
    scene.tintBlue = 60;
    arm();
    drag(10, 10, 14, 14); // 2x2 picture stretched to 4x4
    const Color a = rgb(210, 0, 60), b = rgb(10, 0, 255), c = rgb(10, 180, 255);
    const std::vector<std::vector<Color>> grid = {
        {a, a, b, b},
        {a, a, b, b},
        {c, c, under, under},
        {c, c, under, under},
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(surfaces.mainImage.pixel(10 + x, 10 + y), grid[std::size_t(y)][std::size_t(x)])
                << x << "," << y;
}


TEST_F(EditMachineTest, ARenderingElsewhereLeavesNoStrayOutlineOrBand)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40);
    renderScene(scene, surfaces);
    const Surface rendered = surfaces.mainImage;

    // A sky chosen in a picker left open re-renders while the outline follows
    // the pointer, and again while the move waits for confirmation.
    select(15, 25);
    machine.startMove();
    machine.move(100, 110);
    renderScene(scene, surfaces);
    machine.move(200, 210);
    Surface withOutline = rendered;
    withOutline.pen() = Pen{4, kBlack, PenMode::NotXor};
    withOutline.rectangle(200, 210, 230, 250);
    EXPECT_EQ(surfaces.mainImage, withOutline);
    machine.press(0, 0);
    renderScene(scene, surfaces);
    machine.cancelMove();
    EXPECT_EQ(surfaces.mainImage, rendered);

    // The same for a placement band (a Tools command renders mid-drag).
    arm("white.bmp");
    machine.press(50, 50);
    machine.move(80, 90);
    renderScene(scene, surfaces);
    machine.move(90, 95);
    machine.release(90, 95);
    EXPECT_EQ(surfaces.mainImage, rendered);
}

} // namespace
} // namespace veldor
