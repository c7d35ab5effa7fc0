#include "editing/editmachine.h"
#include "core/renderer.h"
#include "platform/bmp.h"
#include "platform/error.h"
#include "platform/surface.h"
#include "tempfolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
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
    void markChosen(const PictureRect& area) override { mark = area; }
    void announce(EditNews n, const std::string& what, const std::string& title, const PictureRect&) override
    {
        static const char* const kinds[] = {"chosen", "rectangle", "done", "given up"};
        news.push_back(std::string(kinds[int(n)]) + (what.empty() ? "" : " " + what) + " " + title);
    }
    int count(const std::string& entry) const { return int(std::count(log.begin(), log.end(), entry)); }
    PictureRect mark;
    std::vector<std::string> news; // "chosen Apple", "done Keep It Apple", ...

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

// Keys on the picture, as a string: L R U D arrows, a leading + for Shift
// (ten pixels), a leading ^ for Ctrl (the size); E Enter, X Escape.
void pressKeys(EditMachine& machine, const std::string& keys)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        bool shift = false, ctrl = false;
        for (; keys[i] == '+' || keys[i] == '^'; ++i)
            (keys[i] == '+' ? shift : ctrl) = true;
        const int step = shift ? 10 : 1;
        switch (keys[i]) {
        case 'L': machine.arrow(-step, 0, ctrl); break;
        case 'R': machine.arrow(step, 0, ctrl); break;
        case 'U': machine.arrow(0, -step, ctrl); break;
        case 'D': machine.arrow(0, step, ctrl); break;
        case 'E': machine.enter(); break;
        case 'X': machine.escape(); break;
        }
    }
}

std::string repeat(const std::string& keys, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += keys;
    return all;
}

TEST_F(EditMachineTest, KeyRectangleMovesSizesAndStaysOnThePicture)
{
    addObject(ObjectStatus::Front, 600, 300, 50, 60); // reaches past the corner
    const struct {
        bool resize;
        std::string keys;
        PictureRect placed;
    } rows[] = {
        // The first key only shows the square in the middle.
        {false, "E", {265, 120, 365, 220}},
        {false, "R", {265, 120, 365, 220}},
        {false, "ERD+R+D", {276, 131, 376, 231}},
        {false, "E" + repeat("+L", 30) + repeat("+U", 30), {0, 0, 100, 100}},
        {false, "E" + repeat("+R", 40) + repeat("+D", 40), {530, 240, 630, 340}},
        {false, "E^R^D^+L", {265, 120, 356, 221}},
        {false, "E" + repeat("^+L", 20) + repeat("^+U", 20), {265, 120, 266, 121}},
        {false, "E" + repeat("^+R", 50), {265, 120, 630, 220}},
        // A re-size starts from the object's own place, kept on the picture.
        {true, "E", {600, 300, 630, 340}},
        {true, "E+L^+L", {590, 300, 610, 340}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.keys);
        if (r.resize) {
            select(610, 310);
            machine.startResize();
        } else {
            arm();
        }
        pressKeys(machine, r.keys + "E");
        EXPECT_EQ((PictureRect{scene.newLeft, scene.newTop, scene.newRight, scene.newBottom}), r.placed);
        EXPECT_EQ(scene.editMode, r.resize ? EditMode::ResizeDrawn : EditMode::NewDrawn);
        EXPECT_EQ(view.log.back(), r.resize ? "show resizer" : "show obconfirm");
        r.resize ? machine.cancelResize() : machine.dropNew();
    }
}

// Keys and mouse run the same steps: the same picture, table and history.
TEST_F(EditMachineTest, KeysEditAsTheMouseDoes)
{
    Session mouseSession;
    SceneState& mouseScene = mouseSession.scene();
    static_cast<SceneDocument&>(mouseScene) = scene;
    mouseScene.appDir = scene.appDir;
    MainSurfaces mouseSurfaces;
    renderScene(mouseScene, mouseSurfaces);
    FakeView mouseView{mouseScene, mouseSurfaces};
    EditMachine mouse{mouseSession, mouseSurfaces, mouseView};

    // Place, keep, place again, move the first, re-size the second, send
    // the first behind, delete the second.
    const auto place = [](SceneState& s) { s.placing = true, s.pendingImageFile = "obj.bmp", s.pendingTitle = "Apple"; };
    place(scene);
    pressKeys(machine, "E+L+LE");
    machine.keepNew();
    place(mouseScene);
    mouse.press(245, 120);
    mouse.move(345, 220);
    mouse.release(345, 220);
    mouse.keepNew();

    place(scene);
    pressKeys(machine, "E^+R+DE");
    machine.keepNew();
    place(mouseScene);
    mouse.press(265, 130);
    mouse.move(375, 230);
    mouse.release(375, 230);
    mouse.keepNew();

    ASSERT_TRUE(machine.choose(true));
    pressKeys(machine, "E");
    machine.startMove();
    pressKeys(machine, "+R+R+DUE");
    machine.confirmMove();
    mouse.press(250, 125);
    mouse.startMove();
    mouse.move(265, 129);
    mouse.press(0, 0);
    mouse.confirmMove();

    ASSERT_TRUE(machine.choose(true));
    pressKeys(machine, "E");
    machine.startResize();
    pressKeys(machine, "E^+L^+L^+UE");
    machine.keepResize();
    mouse.press(300, 200);
    mouse.startResize();
    mouse.press(265, 130);
    mouse.move(355, 220);
    mouse.release(355, 220);
    mouse.keepResize();

    ASSERT_TRUE(machine.choose(false));
    EXPECT_EQ(machine.chosen(), 0);
    pressKeys(machine, "E");
    machine.sendBehindLand();
    mouse.press(360, 200); // beside the second, which is above it
    mouse.sendBehindLand();

    EXPECT_EQ(static_cast<SceneDocument&>(scene), static_cast<SceneDocument&>(mouseScene));
    EXPECT_EQ(surfaces.mainImage, mouseSurfaces.mainImage);
    EXPECT_EQ(std::string(session.history().undoLabel()), mouseSession.history().undoLabel());
    EXPECT_EQ(view.log, mouseView.log);
    EXPECT_THAT(view.news, ElementsAre("rectangle Apple", "rectangle Apple", "rectangle Apple", "done Keep It Apple",
                                       "rectangle Apple", "rectangle Apple", "rectangle Apple", "done Keep It Apple",
                                       "chosen Apple", "rectangle Apple", "rectangle Apple", "rectangle Apple",
                                       "rectangle Apple", "done Move Apple", "chosen Apple", "rectangle Apple",
                                       "rectangle Apple", "rectangle Apple", "rectangle Apple", "done Re-Size Apple", "chosen Apple",
                                       "done Send Behind Land Apple"));
}

TEST_F(EditMachineTest, EscapeEndsEveryEditAsItsCancelDoes)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40);
    addObject(ObjectStatus::Behind, 100, 20, 30, 40);
    renderScene(scene, surfaces);
    const Surface shown = surfaces.mainImage;
    const struct {
        const char* name;
        std::function<void()> start;
        // What Escape leaves: the log's last entries, the status of row 0.
        std::vector<std::string> log;
        std::int32_t status;
    } rows[] = {
        {"armed", [&] { arm(); }, {}, ObjectStatus::Front},
        {"placing", [&] { arm(), pressKeys(machine, "RR"); }, {}, ObjectStatus::Front},
        {"mouse band", [&] { arm(), machine.press(50, 50), machine.move(80, 90); }, {}, ObjectStatus::Front},
        {"new object", [&] { arm(), pressKeys(machine, "EE"); }, {"hide obconfirm", "render"}, ObjectStatus::Front},
        {"object edit", [&] { select(15, 25); }, {"hide obchange"}, ObjectStatus::Front},
        {"behind", [&] { machine.press(110, 30); }, {"hide obhind"}, ObjectStatus::Front},
        {"moving", [&] { select(15, 25), machine.startMove(), pressKeys(machine, "+R"); }, {}, ObjectStatus::Front},
        {"object move", [&] { select(15, 25), machine.startMove(), pressKeys(machine, "+RE"); }, {"hide mover"},
         ObjectStatus::Front},
        {"re-sizing", [&] { select(15, 25), machine.startResize(), pressKeys(machine, "E^R"); }, {"render"},
         ObjectStatus::Front},
        {"re-size object", [&] { select(15, 25), machine.startResize(), pressKeys(machine, "E^RE"); },
         {"hide resizer", "render"}, ObjectStatus::Front},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        r.start();
        const std::size_t before = view.log.size();
        EXPECT_TRUE(machine.escape());
        EXPECT_EQ(std::vector<std::string>(view.log.begin() + std::ptrdiff_t(std::min(before, view.log.size())),
                                           view.log.end()),
                  r.log);
        EXPECT_EQ(scene.editMode, EditMode::Idle);
        EXPECT_FALSE(scene.placing);
        EXPECT_FALSE(scene.dragging);
        EXPECT_EQ(scene.objects.status[0], r.status);
        EXPECT_EQ(scene.objects.left[0], 10);
        EXPECT_EQ(scene.objects.width[0], 30);
        EXPECT_EQ(scene.objectCount, 2);
        EXPECT_EQ(surfaces.mainImage, shown); // no band, outline or preview left
        EXPECT_EQ(view.news.back().rfind("given up", 0), 0u);
    }
    EXPECT_FALSE(session.canUndo());
    // With nothing going on, Escape only lets go of an object chosen with Tab.
    EXPECT_TRUE(machine.choose(true));
    EXPECT_TRUE(machine.escape());
    EXPECT_EQ(machine.chosen(), -1);
    EXPECT_TRUE(view.mark.empty());
    EXPECT_FALSE(machine.escape());
}

TEST_F(EditMachineTest, TabChoosesWhatAClickCouldSelect)
{
    addObject(ObjectStatus::Front, 10, 20, 30, 40, "A");
    addObject(ObjectStatus::Deleted, 10, 20, 30, 40, "gone");
    addObject(ObjectStatus::Behind, 100, 20, 30, 40, "B");
    addObject(ObjectStatus::Retired, 10, 20, 30, 40, "old");
    addObject(ObjectStatus::Front, 200, 20, 0, 40, "C"); // no click reaches it, Tab does
    std::string order;
    while (machine.choose(true))
        order += scene.objects.title[std::size_t(machine.chosen())].str();
    while (machine.choose(false))
        order += scene.objects.title[std::size_t(machine.chosen())].str();
    EXPECT_EQ(order, "ABCCBA");
    EXPECT_EQ(machine.chosen(), -1);

    machine.choose(true);
    machine.choose(true);
    EXPECT_EQ(view.mark, (PictureRect{100, 20, 130, 60}));
    EXPECT_EQ(view.news.back(), "chosen B");
    // Enter opens it as a click would; the outline gives way to the window.
    EXPECT_TRUE(machine.enter());
    EXPECT_THAT(std::vector<std::string>(view.log.end() - 2, view.log.end()), ElementsAre("label obhind B", "show obhind"));
    EXPECT_EQ(scene.selected, 2);
    EXPECT_TRUE(view.mark.empty());
    EXPECT_FALSE(machine.choose(true)); // a window waits
    machine.cancelBehind();
    // Tab goes on from the object last opened, and a press lets go of it.
    EXPECT_TRUE(machine.choose(true));
    EXPECT_EQ(machine.chosen(), 4);
    machine.press(300, 300);
    EXPECT_EQ(machine.chosen(), -1);
    EXPECT_TRUE(view.mark.empty());
    EXPECT_FALSE(machine.enter());
}

TEST_F(EditMachineTest, EditStepNamesWhatTheWindowWaitsFor)
{
    const struct {
        EditMode mode;
        bool placing;
        EditStep step;
    } rows[] = {
        {EditMode::Idle, false, EditStep::None},          {EditMode::Idle, true, EditStep::Placing},
        {EditMode::Moving, true, EditStep::Placing},      {EditMode::NewDrawn, false, EditStep::NewObject},
        {EditMode::Clicked, false, EditStep::ObjectEdit}, {EditMode::Moving, false, EditStep::Moving},
        {EditMode::MoveDropped, false, EditStep::ObjectMove}, {EditMode::Resizing, false, EditStep::Resizing},
        {EditMode::ResizeDrawn, false, EditStep::ReSizeObject},
    };
    for (const auto& r : rows) {
        scene.editMode = r.mode;
        scene.placing = r.placing;
        EXPECT_EQ(editStep(scene), r.step) << int(r.mode) << r.placing;
    }
}

} // namespace
} // namespace veldor
