#include "editing/editmachine.h"

#include "core/renderer.h"
#include "platform/paths.h"

#include <algorithm>
#include <cstdint>

namespace veldor {

namespace {

// Outline corners are kept this far inside int, so that the drawing layer's
// pen arithmetic cannot overflow on sizes a scene file may carry; everything
// this far out is off the picture either way.
constexpr std::int64_t kFarAway = std::int64_t(1) << 24;

int nearby(std::int64_t v) { return int(std::clamp(v, -kFarAway, kFarAway)); }

// Draws (or, drawn again, erases) a rectangle outline with the current pen
// and says where the picture may have changed.
PictureRect drawOutline(Surface& picture, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                        std::int64_t y2)
{
    const int a = nearby(x1), b = nearby(y1), c = nearby(x2), d = nearby(y2);
    picture.rectangle(a, b, c, d);
    return outlineArea(a, b, c, d, picture.pen().width);
}

// The rectangle a row covers, kept inside int.
PictureRect rowArea(const ObjectTable& t, std::size_t r)
{
    return {nearby(t.left[r]), nearby(t.top[r]), nearby(std::int64_t(t.left[r]) + t.width[r]),
            nearby(std::int64_t(t.top[r]) + t.height[r])};
}

// left < x < left + width and top < y < top + height: edges never hit.
bool strictlyInside(std::int64_t x, std::int64_t y, std::int64_t left, std::int64_t top,
                    std::int64_t width, std::int64_t height)
{
    return left < x && x < left + width && top < y && y < top + height;
}

} // namespace

PictureRect united(const PictureRect& a, const PictureRect& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

PictureRect outlineArea(int x1, int y1, int x2, int y2, int penWidth)
{
    const int grow = std::max(penWidth, 1);
    return {std::min(x1, x2) - grow, std::min(y1, y2) - grow, std::max(x1, x2) + grow,
            std::max(y1, y2) + grow};
}

EditMachine::EditMachine(Session& session, MainSurfaces& surfaces, EditView& view)
    : session_(session), scene_(session.scene()), surfaces_(surfaces), view_(view)
{
}

int EditMachine::hitTest(int x, int y) const
{
    const ObjectTable& t = scene_.objects;
    const int rows = int(std::min<std::int64_t>(std::max(scene_.objectCount, 0), std::int64_t(t.size())));
    // The last matching row wins, so the first match from the end is it.
    for (int i = rows - 1; i >= 0; --i) {
        const std::size_t r = std::size_t(i);
        // Rows of any other status are neither drawn nor owned by a dialog.
        if (t.status[r] != ObjectStatus::Front && t.status[r] != ObjectStatus::Behind)
            continue;
        if (strictlyInside(x, y, t.left[r], t.top[r], t.width[r], t.height[r]))
            return i;
    }
    return -1;
}

bool EditMachine::rowExists(int row) const
{
    return row >= 0 && row < scene_.objectCount && std::size_t(row) < scene_.objects.size();
}

void EditMachine::endEdit()
{
    scene_.editMode = EditMode::Idle;
    scene_.dragging = false;
}

bool EditMachine::selectedRowOr(EditWindow window)
{
    if (rowExists(scene_.selected))
        return true;
    endEdit();
    view_.hideWindow(window);
    return false;
}

void EditMachine::openRow(int row)
{
    // Tab goes on from the object last opened, however it was opened.
    view_.markChosen({});
    chosen_ = row;
    scene_.selected = row;
    scene_.editMode = EditMode::Clicked;
    const std::size_t r = std::size_t(row);
    clickedWindow_ = scene_.objects.status[r] == ObjectStatus::Front ? EditWindow::obchange : EditWindow::obhind;
    view_.setObjectLabel(clickedWindow_, scene_.objects.title[r]);
    view_.showWindow(clickedWindow_);
}

void EditMachine::unchoose()
{
    if (chosen_ < 0)
        return;
    chosen_ = -1;
    view_.markChosen({});
}

bool EditMachine::press(int x, int y)
{
    bool acted = false;
    if (scene_.editMode == EditMode::Resizing && !scene_.dragging) {
        startBand(x, y);
        acted = true;
    }
    if (scene_.placing) {
        startBand(x, y);
        acted = true;
    }
    if (!scene_.placing && scene_.editMode == EditMode::Idle && scene_.objectCount > 0) {
        const int row = hitTest(x, y);
        if (row >= 0) {
            openRow(row);
            acted = true;
        } else {
            unchoose(); // a press beside every object lets go of the one chosen
        }
    }
    if (!scene_.placing && scene_.editMode == EditMode::Moving) {
        scene_.editMode = EditMode::MoveDropped;
        view_.showWindow(EditWindow::mover);
        acted = true;
    }
    return acted || scene_.dragging;
}

void EditMachine::startBand(int x, int y)
{
    // The object stays chosen, for Tab to go on from after the edit.
    view_.markChosen({});
    view_.setCursor(EditCursor::Cross);
    // A band restarted while one is held (a second button pressed), or a
    // placement taking over from a move, would otherwise leave its band or
    // outline on the picture until the next rendering. The band takes over
    // dragX and dragY, so the outline must go now.
    if (scene_.dragging && drawingStillShown()) {
        Surface& picture = surfaces_.mainImage;
        picture.pen() = Pen{kOutlinePenWidth, kBlack, PenMode::NotXor};
        view_.repaint(drawOutline(picture, scene_.dragStartX, scene_.dragStartY, scene_.dragX,
                                  scene_.dragY));
    } else if ((scene_.editMode == EditMode::Moving || scene_.editMode == EditMode::MoveDropped)
               && !scene_.dragging && drawingStillShown() && rowExists(scene_.selected)) {
        view_.repaint(toggleMoveOutline());
    }
    scene_.dragging = true;
    scene_.dragStartX = x;
    scene_.dragStartY = y;
    scene_.dragX = x;
    scene_.dragY = y;
    markDrawn(); // the empty band at the anchor
}

bool EditMachine::drawingStillShown() const
{
    return surfaces_.mainImage.generation() == drawnOn_;
}

void EditMachine::markDrawn()
{
    drawnOn_ = surfaces_.mainImage.generation();
}

void EditMachine::redrawBand(int x, int y)
{
    Surface& picture = surfaces_.mainImage;
    picture.pen() = Pen{kOutlinePenWidth, kBlack, PenMode::NotXor};
    PictureRect before;
    if (drawingStillShown())
        before = drawOutline(picture, scene_.dragStartX, scene_.dragStartY, scene_.dragX, scene_.dragY);
    scene_.dragX = x;
    scene_.dragY = y;
    const PictureRect after = drawOutline(picture, scene_.dragStartX, scene_.dragStartY, x, y);
    markDrawn();
    view_.repaint(united(before, after));
}

void EditMachine::drawMoveOutline(int x, int y)
{
    const PictureRect before = drawingStillShown() ? toggleMoveOutline() : PictureRect{};
    scene_.dragX = x;
    scene_.dragY = y;
    view_.repaint(united(before, toggleMoveOutline()));
    markDrawn();
}

PictureRect EditMachine::toggleMoveOutline()
{
    const std::size_t r = std::size_t(scene_.selected);
    Surface& picture = surfaces_.mainImage;
    picture.pen() = Pen{kOutlinePenWidth, outlineColor_, PenMode::NotXor};
    return drawOutline(picture, scene_.dragX, scene_.dragY,
                       std::int64_t(scene_.dragX) + scene_.objects.width[r],
                       std::int64_t(scene_.dragY) + scene_.objects.height[r]);
}

void EditMachine::move(int x, int y)
{
    const bool hover = !scene_.placing && scene_.editMode == EditMode::Idle && scene_.objectCount > 0
        && hitTest(x, y) >= 0;
    view_.setCursor(hover ? EditCursor::Cross : EditCursor::Arrow);

    // Bands only ever grow to the right of and below their anchor.
    const bool beyondAnchor = x > scene_.dragStartX && y > scene_.dragStartY;
    if (scene_.dragging && scene_.editMode == EditMode::Resizing && !scene_.placing && beyondAnchor)
        redrawBand(x, y);
    if (scene_.dragging && scene_.placing && beyondAnchor)
        redrawBand(x, y);
    if (!scene_.placing && scene_.editMode == EditMode::Moving && rowExists(scene_.selected))
        drawMoveOutline(x, y);
}

void EditMachine::release(int x, int y)
{
    if (scene_.editMode == EditMode::Resizing && scene_.dragging && !scene_.placing)
        finishRelease(true, x, y);
    else if (scene_.dragging && scene_.placing)
        finishRelease(false, x, y);
}

void EditMachine::finishRelease(bool resizing, int x, int y)
{
    view_.setCursor(EditCursor::Arrow);
    // A corner up or left of the anchor keeps the band's last one; the far
    // corner may lie one past the last pixel, no further.
    if (x < scene_.dragStartX)
        x = scene_.dragX;
    if (y < scene_.dragStartY)
        y = scene_.dragY;
    x = std::min(x, kPictureWidth);
    y = std::min(y, kPictureHeight);
    scene_.dragging = false;
    scene_.newLeft = scene_.dragStartX;
    scene_.newTop = scene_.dragStartY;
    scene_.newRight = x;
    scene_.newBottom = y;

    // The windows stay where they are: the preview is drawn straight into
    // the picture on screen.
    Surface& picture = surfaces_.mainImage;
    if (drawingStillShown()) {
        picture.pen() = Pen{kOutlinePenWidth, kBlack, PenMode::NotXor};
        view_.repaint(
            drawOutline(picture, scene_.dragStartX, scene_.dragStartY, scene_.dragX, scene_.dragY));
    }
    picture.pen().mode = PenMode::Copy;
    // A placement that took the band over from a re-size ends that re-size.
    if (!resizing)
        giveBackResizedRow();

    if (resizing && !rowExists(scene_.selected)) {
        endEdit();
        return;
    }
    const std::size_t r = std::size_t(scene_.selected);
    try {
        drawPreview(resizing ? scene_.objects.imageFile[r].str() : scene_.pendingImageFile);
    } catch (...) {
        // Nothing half-done stays behind: nothing is armed, and an object
        // being re-sized gets its old size back.
        giveBackResizedRow();
        scene_.editMode = EditMode::Idle;
        scene_.placing = false;
        throw;
    }
    view_.repaint({scene_.newLeft, scene_.newTop, scene_.newRight, scene_.newBottom});

    scene_.placing = false;
    if (resizing) {
        scene_.editMode = EditMode::ResizeDrawn;
        view_.showWindow(EditWindow::resizer);
    } else {
        scene_.editMode = EditMode::NewDrawn;
        view_.showWindow(EditWindow::obconfirm);
    }
}

void EditMachine::drawPreview(const std::string& imageFile)
{
    // Loaded even for a zero-size rectangle, so a missing file always shows.
    surfaces_.tempimage.load(appPath(scene_.appDir, imageFile));
    drawObject(surfaces_.mainImage, surfaces_.tempimage, scene_.newLeft, scene_.newTop,
               scene_.newRight - scene_.newLeft, scene_.newBottom - scene_.newTop, scene_.tintRed,
               scene_.tintGreen, scene_.tintBlue);
}

bool EditMachine::buttonActs(EditWindow window, EditMode mode, bool needsRow)
{
    // Closing comes first, so the window is gone before any rendering.
    view_.hideWindow(window);
    if (scene_.editMode != mode)
        return false;
    if (mode == EditMode::Clicked && clickedWindow_ != window)
        return false;
    if (needsRow && !selectedRowOr(window))
        return false;
    return true;
}

void EditMachine::keepNew()
{
    if (!buttonActs(EditWindow::obconfirm, EditMode::NewDrawn, false))
        return;
    scene_.editMode = EditMode::Idle;
    session_.keepPlacement();
    view_.announce(EditNews::Done, "Keep It", scene_.pendingTitle,
                   {scene_.newLeft, scene_.newTop, scene_.newRight, scene_.newBottom});
}

void EditMachine::redrawNew()
{
    if (!buttonActs(EditWindow::obconfirm, EditMode::NewDrawn, false))
        return;
    scene_.editMode = EditMode::Idle;
    scene_.placing = true;
    scene_.reopenPicker = PickerToShow::None;
    view_.render();
}

void EditMachine::dropNew()
{
    if (!buttonActs(EditWindow::obconfirm, EditMode::NewDrawn, false))
        return;
    scene_.editMode = EditMode::Idle;
    scene_.reopenPicker = PickerToShow::None;
    view_.render();
}

void EditMachine::giveBackResizedRow()
{
    if ((scene_.editMode == EditMode::Resizing || scene_.editMode == EditMode::ResizeDrawn)
        && rowExists(scene_.selected))
        session_.showAfterResize();
}

void EditMachine::restatusAndRender(EditWindow window, EditMode mode, std::int32_t status, const char* label)
{
    if (!buttonActs(window, mode, true))
        return;
    scene_.editMode = EditMode::Idle;
    session_.setObjectStatus(scene_.selected, status, label);
    view_.render();
    tellDone(label);
}

void EditMachine::deleteFront()
{
    restatusAndRender(EditWindow::obchange, EditMode::Clicked, ObjectStatus::Deleted, "Delete It");
}

void EditMachine::startMove()
{
    if (!buttonActs(EditWindow::obchange, EditMode::Clicked, true))
        return;
    const std::size_t r = std::size_t(scene_.selected);
    scene_.editMode = EditMode::Moving;
    scene_.dragX = scene_.objects.left[r];
    scene_.dragY = scene_.objects.top[r];
    // The outline takes whatever colour the picture's pen has now, and keeps
    // it until erased, so that drawing it again always restores the picture.
    outlineColor_ = surfaces_.mainImage.pen().color;
    view_.repaint(toggleMoveOutline());
    markDrawn();
}

void EditMachine::startResize()
{
    if (!buttonActs(EditWindow::obchange, EditMode::Clicked, true))
        return;
    scene_.editMode = EditMode::Resizing;
    scene_.dragging = false;
    session_.hideForResize(scene_.selected);
    view_.render();
}

void EditMachine::bringToFront()
{
    if (!buttonActs(EditWindow::obchange, EditMode::Clicked, true))
        return;
    scene_.editMode = EditMode::Idle;
    session_.bringObjectToFront(scene_.selected);
    view_.render();
    tellDone("Bring It To Front");
}

void EditMachine::sendBehindLand()
{
    restatusAndRender(EditWindow::obchange, EditMode::Clicked, ObjectStatus::Behind, "Send Behind Land");
}

void EditMachine::cancelFront()
{
    if (buttonActs(EditWindow::obchange, EditMode::Clicked, false))
        scene_.editMode = EditMode::Idle;
}

void EditMachine::sendToFrontOfLandscape()
{
    restatusAndRender(EditWindow::obhind, EditMode::Clicked, ObjectStatus::Front, "Send To Front Of Landscape");
}

void EditMachine::deleteBehind()
{
    restatusAndRender(EditWindow::obhind, EditMode::Clicked, ObjectStatus::Deleted, "Delete Object");
}

void EditMachine::cancelBehind()
{
    if (buttonActs(EditWindow::obhind, EditMode::Clicked, false))
        scene_.editMode = EditMode::Idle;
}

void EditMachine::confirmMove()
{
    if (!buttonActs(EditWindow::mover, EditMode::MoveDropped, true))
        return;
    scene_.editMode = EditMode::Idle;
    if (drawingStillShown())
        view_.repaint(toggleMoveOutline());
    session_.moveObject(scene_.selected, scene_.dragX, scene_.dragY);
    scene_.reopenPicker = PickerToShow::None;
    view_.render();
    tellDone("Move");
}

void EditMachine::redoMove()
{
    if (buttonActs(EditWindow::mover, EditMode::MoveDropped, true))
        scene_.editMode = EditMode::Moving;
}

void EditMachine::cancelMove()
{
    if (!buttonActs(EditWindow::mover, EditMode::MoveDropped, true))
        return;
    scene_.editMode = EditMode::Idle;
    if (drawingStillShown())
        view_.repaint(toggleMoveOutline());
}

void EditMachine::keepResize()
{
    if (!buttonActs(EditWindow::resizer, EditMode::ResizeDrawn, true))
        return;
    if (scene_.newRight <= scene_.newLeft || scene_.newBottom <= scene_.newTop) {
        // A click without a drag: an empty rectangle would leave an object
        // that is never drawn and can never be clicked again. It keeps its
        // old place and size and is drawn again, as after "Cancel Re-Size".
        scene_.editMode = EditMode::Idle;
        scene_.dragging = false;
        session_.showAfterResize();
        view_.render();
        return;
    }
    scene_.editMode = EditMode::Idle;
    scene_.dragging = false;
    session_.resizeObject(scene_.selected, scene_.newLeft, scene_.newTop, scene_.newRight - scene_.newLeft,
                          scene_.newBottom - scene_.newTop);
    tellDone("Re-Size");
}

void EditMachine::tellDone(const char* what)
{
    const std::size_t r = std::size_t(scene_.selected);
    view_.announce(EditNews::Done, what, scene_.objects.title[r], rowArea(scene_.objects, r));
}

void EditMachine::redoResize()
{
    if (!buttonActs(EditWindow::resizer, EditMode::ResizeDrawn, true))
        return;
    scene_.editMode = EditMode::Resizing;
    scene_.dragging = false;
    view_.render();
}

// The old geometry was never overwritten: the status alone brings it back.
void EditMachine::cancelResize()
{
    if (!buttonActs(EditWindow::resizer, EditMode::ResizeDrawn, true))
        return;
    scene_.editMode = EditMode::Idle;
    session_.showAfterResize();
    view_.render();
}

void EditMachine::sceneReplaced()
{
    for (EditWindow w : {EditWindow::obconfirm, EditWindow::obchange, EditWindow::mover,
                         EditWindow::resizer, EditWindow::obhind})
        view_.hideWindow(w);
    endEdit();
    unchoose();
    view_.setCursor(EditCursor::Arrow);
}

EditStep editStep(const SceneState& scene)
{
    // An armed placement takes the next press whatever else is going on.
    if (scene.placing)
        return EditStep::Placing;
    switch (scene.editMode) {
    case EditMode::Idle: return EditStep::None;
    case EditMode::NewDrawn: return EditStep::NewObject;
    case EditMode::Clicked: return EditStep::ObjectEdit;
    case EditMode::Moving: return EditStep::Moving;
    case EditMode::MoveDropped: return EditStep::ObjectMove;
    case EditMode::Resizing: return EditStep::Resizing;
    case EditMode::ResizeDrawn: return EditStep::ReSizeObject;
    }
    return EditStep::None;
}

void EditMachine::startKeyBand()
{
    // Where the mouse would have pressed and then moved to.
    int left = (kPictureWidth - kKeyBandSize) / 2, top = (kPictureHeight - kKeyBandSize) / 2;
    int right = left + kKeyBandSize, bottom = top + kKeyBandSize;
    if (!scene_.placing && rowExists(scene_.selected)) {
        // A re-size starts from the object's own place, kept on the picture.
        const PictureRect was = rowArea(scene_.objects, std::size_t(scene_.selected));
        left = std::clamp(was.left, 0, kPictureWidth - 1);
        top = std::clamp(was.top, 0, kPictureHeight - 1);
        right = std::clamp(was.right, left + 1, kPictureWidth);
        bottom = std::clamp(was.bottom, top + 1, kPictureHeight);
    }
    startBand(left, top);
    redrawBand(right, bottom);
    view_.setCursor(EditCursor::Arrow);
}

void EditMachine::setBand(int left, int top, int right, int bottom)
{
    Surface& picture = surfaces_.mainImage;
    picture.pen() = Pen{kOutlinePenWidth, kBlack, PenMode::NotXor};
    PictureRect before;
    if (drawingStillShown())
        before = drawOutline(picture, scene_.dragStartX, scene_.dragStartY, scene_.dragX, scene_.dragY);
    scene_.dragStartX = left;
    scene_.dragStartY = top;
    scene_.dragX = right;
    scene_.dragY = bottom;
    const PictureRect after = drawOutline(picture, left, top, right, bottom);
    markDrawn();
    view_.repaint(united(before, after));
}

void EditMachine::eraseBand()
{
    if (scene_.dragging && drawingStillShown()) {
        Surface& picture = surfaces_.mainImage;
        picture.pen() = Pen{kOutlinePenWidth, kBlack, PenMode::NotXor};
        view_.repaint(drawOutline(picture, scene_.dragStartX, scene_.dragStartY, scene_.dragX, scene_.dragY));
        picture.pen().mode = PenMode::Copy;
    }
    scene_.dragging = false;
}

void EditMachine::tellRectangle()
{
    PictureRect area{scene_.dragStartX, scene_.dragStartY, scene_.dragX, scene_.dragY};
    std::string title = scene_.placing ? scene_.pendingTitle : std::string();
    if (!scene_.placing && rowExists(scene_.selected)) {
        const std::size_t r = std::size_t(scene_.selected);
        title = scene_.objects.title[r];
        if (scene_.editMode == EditMode::Moving)
            area = {scene_.dragX, scene_.dragY, nearby(std::int64_t(scene_.dragX) + scene_.objects.width[r]),
                    nearby(std::int64_t(scene_.dragY) + scene_.objects.height[r])};
    }
    view_.announce(EditNews::Rectangle, {}, title, area);
}

bool EditMachine::arrow(int dx, int dy, bool size)
{
    const bool band = scene_.placing || scene_.editMode == EditMode::Resizing;
    if (band && !scene_.placing && !rowExists(scene_.selected))
        return false;
    if (band && !scene_.dragging) {
        startKeyBand();
    } else if (band) {
        // The band stays on the picture, at least a pixel wide and high, with
        // its far corner to the right of and below its anchor as a drag keeps it.
        int left = scene_.dragStartX, top = scene_.dragStartY, right = scene_.dragX, bottom = scene_.dragY;
        if (size) {
            right = std::max(left + 1, std::min(right + dx, kPictureWidth));
            bottom = std::max(top + 1, std::min(bottom + dy, kPictureHeight));
        } else {
            dx = std::max(-left, std::min(dx, kPictureWidth - right));
            dy = std::max(-top, std::min(dy, kPictureHeight - bottom));
            left += dx, right += dx, top += dy, bottom += dy;
        }
        setBand(left, top, right, bottom);
    } else if (!scene_.placing && scene_.editMode == EditMode::Moving && rowExists(scene_.selected)) {
        // Its corner stays where a pointer on the picture could put it.
        drawMoveOutline(std::clamp(scene_.dragX + dx, 0, kPictureWidth - 1),
                        std::clamp(scene_.dragY + dy, 0, kPictureHeight - 1));
    } else {
        return false;
    }
    tellRectangle();
    return true;
}

bool EditMachine::enter()
{
    const bool band = scene_.placing || scene_.editMode == EditMode::Resizing;
    if (band && !scene_.placing && !rowExists(scene_.selected))
        return false;
    if (band && !scene_.dragging) {
        startKeyBand();
        tellRectangle();
        return true;
    }
    if (band) {
        release(scene_.dragX, scene_.dragY);
        return true;
    }
    switch (scene_.editMode) {
    case EditMode::Idle:
        if (!rowExists(chosen_) || !isShown(scene_.objects.status[std::size_t(chosen_)]))
            return false;
        openRow(chosen_);
        return true;
    case EditMode::Moving: return press(scene_.dragX, scene_.dragY);
    // A window waits for an answer: it comes to the front again.
    case EditMode::NewDrawn: view_.showWindow(EditWindow::obconfirm); return true;
    case EditMode::Clicked: view_.showWindow(clickedWindow_); return true;
    case EditMode::MoveDropped: view_.showWindow(EditWindow::mover); return true;
    case EditMode::ResizeDrawn: view_.showWindow(EditWindow::resizer); return true;
    case EditMode::Resizing: break;
    }
    return false;
}

bool EditMachine::escape()
{
    // A placement and a new object are the pending one; every other edit is
    // of the selected row.
    const bool ofRow = !scene_.placing && scene_.editMode != EditMode::NewDrawn && rowExists(scene_.selected);
    const std::string title = ofRow ? scene_.objects.title[std::size_t(scene_.selected)].str() : scene_.pendingTitle;
    if (scene_.placing) {
        eraseBand();
        scene_.placing = false;
        view_.setCursor(EditCursor::Arrow);
    } else {
        switch (scene_.editMode) {
        case EditMode::Idle:
            if (chosen_ < 0)
                return false;
            unchoose();
            return true;
        case EditMode::NewDrawn: dropNew(); break;
        case EditMode::Clicked: clickedWindow_ == EditWindow::obchange ? cancelFront() : cancelBehind(); break;
        case EditMode::Moving:
            // As "Cancel Move": the object never left its place.
            if (rowExists(scene_.selected) && drawingStillShown())
                view_.repaint(toggleMoveOutline());
            endEdit();
            break;
        case EditMode::MoveDropped: cancelMove(); break;
        case EditMode::Resizing:
            // As "Cancel Re-Size": the object comes back at its old size.
            eraseBand();
            view_.setCursor(EditCursor::Arrow);
            giveBackResizedRow();
            endEdit();
            view_.render();
            break;
        case EditMode::ResizeDrawn: cancelResize(); break;
        }
    }
    view_.announce(EditNews::GivenUp, {}, title, {});
    return true;
}

bool EditMachine::choose(bool forward)
{
    if (!scene_.idle()) {
        // The object stays chosen, for Tab to go on from after the edit.
        view_.markChosen({});
        return false;
    }
    const ObjectTable& t = scene_.objects;
    const int rows = int(std::min<std::int64_t>(std::max(scene_.objectCount, 0), std::int64_t(t.size())));
    const int step = forward ? 1 : -1;
    int row = chosen_ >= 0 && chosen_ < rows ? chosen_ + step : (forward ? 0 : rows - 1);
    for (; row >= 0 && row < rows; row += step) {
        const std::size_t r = std::size_t(row);
        if (t.status[r] != ObjectStatus::Front && t.status[r] != ObjectStatus::Behind)
            continue;
        chosen_ = row;
        const PictureRect area = rowArea(t, r);
        view_.markChosen(area);
        view_.announce(EditNews::Chosen, {}, t.title[r], area);
        return true;
    }
    unchoose();
    return false;
}

} // namespace veldor
