#pragma once
// The machine that places, selects, moves and re-sizes objects on the
// picture. It runs over the scene's editMode, placing and dragging fields,
// draws rubber bands and move outlines straight onto the picture in NOT-XOR
// mode (drawing one again erases it, so the picture is never re-rendered
// while one is on screen), and leaves all window work to an EditView, so
// that it runs without a display.
#include "core/scene.h"
#include "core/session.h"
#include "platform/color.h"

#include <cstdint>
#include <string>

namespace veldor {

struct MainSurfaces;

// The windows the machine shows and hides, by their form names.
enum class EditWindow { obconfirm, obchange, mover, resizer, obhind };

enum class EditCursor { Arrow, Cross };

// What the machine tells the user beyond the windows it shows, so that a
// screen reader can follow an edit made from the keyboard.
enum class EditNews {
    // Tab chose an object: its title and rectangle.
    Chosen,
    // The rectangle being placed or re-sized from the keyboard, or the move
    // outline, is now at `area`.
    Rectangle,
    // A command (`what`, its caption) changed the object called `title`.
    Done,
    // Escape gave up the edit in progress.
    GivenUp,
};

// The step an edit is at, as far as the rest of the program must wait for
// it; None when nothing is being edited and nothing waits to be placed.
enum class EditStep { None, Placing, NewObject, ObjectEdit, Moving, ObjectMove, Resizing, ReSizeObject };
EditStep editStep(const SceneState& scene);

// A picture area: left and top inclusive, right and bottom exclusive.
struct PictureRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return left >= right || top >= bottom; }
    bool operator==(const PictureRect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
PictureRect united(const PictureRect& a, const PictureRect& b);
// What a rectangle outline from (x1, y1) to (x2, y2) drawn with a pen
// `penWidth` wide can touch: the corners normalised, grown by the pen on
// every side.
PictureRect outlineArea(int x1, int y1, int x2, int y2, int penWidth);

// The windows as the machine sees them. Showing brings a window to the front
// without blocking; hiding a dialog is how it closes.
class EditView {
public:
    virtual ~EditView() = default;
    virtual void showWindow(EditWindow window) = 0;
    virtual void hideWindow(EditWindow window) = 0;
    virtual void setCursor(EditCursor cursor) = 0;
    // The caption of `oblabel` in obchange or obhind.
    virtual void setObjectLabel(EditWindow window, const std::string& title) = 0;
    // The picture changed inside `area` only.
    virtual void repaint(const PictureRect& area) = 0;
    // The full rendering, with its own window handling; may throw.
    virtual void render() = 0;
    // The object chosen with Tab is outlined around `area`; none when empty.
    virtual void markChosen(const PictureRect& area) { (void)area; }
    virtual void announce(EditNews news, const std::string& what, const std::string& title, const PictureRect& area)
    {
        (void)news, (void)what, (void)title, (void)area;
    }
};

inline constexpr int kOutlinePenWidth = 4;
// The side of the square a placement from the keyboard starts with.
inline constexpr int kKeyBandSize = 100;

class EditMachine {
public:
    // All three must outlive the machine. The scene is the session's; every
    // change the buttons make goes through the session as a step.
    EditMachine(Session& session, MainSurfaces& surfaces, EditView& view);

    // Mouse on the picture, in picture coordinates; every button alike.
    // press() returns true when the press took part in an edit or a rubber
    // band is held, that is when the mouse now belongs to the picture.
    bool press(int x, int y);
    void move(int x, int y);
    // Throws veldor::Error when the object's picture cannot be loaded, after
    // the windows are restored and the edit has ended (Idle, nothing armed).
    void release(int x, int y);

    // Keys on the picture; each returns whether it did anything.
    // An arrow (dx, dy of one or ten pixels) moves the rectangle of a
    // placement or re-size, shown at a first arrow or Enter, or the move
    // outline; `size` (Ctrl) moves the rectangle's far corner instead.
    bool arrow(int dx, int dy, bool size);
    // Ends the rectangle or the move outline as the mouse's release or drop
    // there would, or opens the object chosen with Tab as a click would.
    bool enter();
    // Ends any edit in progress as its window's Cancel does (a placement is
    // given up, "Do Not Keep It" for a new object).
    bool escape();
    // Tab (forward) and Shift+Tab: chooses the next or previous object that
    // a click could select; false past the last or first, with none chosen.
    bool choose(bool forward);
    // The row chosen with Tab, or -1.
    int chosen() const { return chosen_; }

    // The buttons. Each acts only when the edit is in the step its window
    // belongs to, and in every case closes its window.
    // "New Object" (obconfirm):
    void keepNew();
    void redrawNew();
    void dropNew();
    // "Object Edit" for an object in front of the ground (obchange):
    void deleteFront();
    void startMove();
    void startResize();
    void bringToFront();
    void sendBehindLand();
    void cancelFront();
    // "Object Edit" for an object behind the ground (obhind):
    void sendToFrontOfLandscape();
    void deleteBehind();
    void cancelBehind();
    // "Object Move" (mover):
    void confirmMove();
    void redoMove();
    void cancelMove();
    // "Re-Size Object" (resizer):
    void keepResize();
    void redoResize();
    void cancelResize();

    // The object table has just been replaced (Open): any pending edit ends
    // without touching the table. The dialogs close and the machine is Idle
    // with no band held; an outline on screen goes with the next rendering.
    // An armed placement stays armed, since it names a picture file, not a
    // row.
    void sceneReplaced();

    // The row that wins the hit test at (x, y), or -1. Only Front and Behind
    // rows below objectCount can be hit, strictly inside their rectangle;
    // the highest row wins.
    int hitTest(int x, int y) const;

private:
    bool rowExists(int row) const;
    // What a click on `row` does: the edit window of its layer.
    void openRow(int row);
    void unchoose();
    // The keyboard rectangle at its first showing: the selected row's place
    // in a re-size, else in the middle of the picture.
    void startKeyBand();
    void setBand(int left, int top, int right, int bottom);
    void eraseBand();
    void tellRectangle();
    // Tells that `what` changed the selected row, which exists.
    void tellDone(const char* what);
    // The selected row when it exists; otherwise ends the edit and closes
    // `window`, since nothing may be read from a row that is gone.
    bool selectedRowOr(EditWindow window);
    void startBand(int x, int y);
    void redrawBand(int x, int y);
    void drawMoveOutline(int x, int y);
    // Draws the move outline where dragX, dragY put it, or erases it there.
    PictureRect toggleMoveOutline();
    // A rendering started elsewhere (a picker left open, a Tools command)
    // replaces the picture under a band or outline; drawing it "again" then
    // would leave a stray one instead of erasing it.
    bool drawingStillShown() const;
    void markDrawn();
    void drawPreview(const std::string& imageFile);
    void finishRelease(bool resizing, int x, int y);
    void endEdit();
    // Closes `window`, then says whether its button may act now: the edit is
    // in `mode`, the window is the one that step waits on, and (when
    // `needsRow`) the selected row still exists.
    bool buttonActs(EditWindow window, EditMode mode, bool needsRow);
    // A re-size that ends other than by "Keep Changes" or "Redo Re-Size"
    // gives the row back the status "Re-Size It" took from it.
    void giveBackResizedRow();
    // The buttons that end the edit by giving the selected row a new status
    // and rendering it.
    void restatusAndRender(EditWindow window, EditMode mode, std::int32_t status, const char* label);

    Session& session_;
    SceneState& scene_;
    MainSurfaces& surfaces_;
    EditView& view_;
    // Which "Object Edit" window the Clicked step waits on: both windows
    // share that step, and a stale one must not act on another object.
    EditWindow clickedWindow_ = EditWindow::obchange;
    // The pen colour of the move outline, fixed when the outline appears.
    Color outlineColor_ = kBlack;
    // The picture's generation when the current band or outline was drawn.
    std::uint64_t drawnOn_ = 0;
    int chosen_ = -1;
};

} // namespace veldor
