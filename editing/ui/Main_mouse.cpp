// The main window's mouse and key handlers on the picture: placing and
// editing objects, and what the rest of the window says while an edit is on.
#include "core/ui/Main.h"
#include "core/ui/pictureview.h"
#include "core/ui/smallwindow.h"
#include "editing/ui/editview.h"

#include <QAccessible>
#include <QStatusBar>

namespace veldor {

void TMainForm::MainImageMouseDown(int x, int y)
{
    editView_->setPictureKeepsMouse(editMachine_->press(x, y));
}

EditView& TMainForm::makeEditView()
{
    editView_ = std::make_shared<PictureEditView>(*this, forms);
    return *editView_;
}

void TMainForm::MainImageMouseMove(int x, int y) { editMachine_->move(x, y); }

void TMainForm::MainImageMouseUp(int x, int y) { editMachine_->release(x, y); }

namespace {

// Marks the windows shown meanwhile as shown from the keyboard.
class FromKeys {
public:
    explicit FromKeys(PictureEditView& view) : view_(view) { view_.setFromKeys(true); }
    ~FromKeys() { view_.setFromKeys(false); }
    FromKeys(const FromKeys&) = delete;
    FromKeys& operator=(const FromKeys&) = delete;

private:
    PictureEditView& view_;
};

} // namespace

bool TMainForm::MainImageKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const FromKeys fromKeys(*editView_);
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    const bool size = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Left: return editMachine_->arrow(-step, 0, size);
    case Qt::Key_Right: return editMachine_->arrow(step, 0, size);
    case Qt::Key_Up: return editMachine_->arrow(0, -step, size);
    case Qt::Key_Down: return editMachine_->arrow(0, step, size);
    case Qt::Key_Return:
    case Qt::Key_Enter: return editMachine_->enter();
    case Qt::Key_Escape: return editMachine_->escape();
    default: return false;
    }
}

bool TMainForm::MainImageTab(bool forward)
{
    const FromKeys fromKeys(*editView_);
    return editMachine_->choose(forward);
}

void TMainForm::sceneReplaced() { editMachine_->sceneReplaced(); }

void TMainForm::refuse(const char* command)
{
    // Short enough for the status line of the window's width.
    QString why;
    switch (editStep(scene)) {
    case EditStep::None: return;
    case EditStep::Placing: why = tr("place the object first (drag, or arrows and Enter), or press Escape."); break;
    case EditStep::NewObject: why = tr("answer the New Object window first, or press Escape."); break;
    case EditStep::ObjectEdit: why = tr("answer the Object Edit window first, or press Escape."); break;
    case EditStep::Moving: why = tr("drop the object first (click, or Enter), or press Escape."); break;
    case EditStep::ObjectMove: why = tr("answer the Object Move window first, or press Escape."); break;
    case EditStep::Resizing: why = tr("draw the new size first (drag, or arrows and Enter), or press Escape."); break;
    case EditStep::ReSizeObject: why = tr("answer the Re-Size Object window first, or press Escape."); break;
    }
    announce(tr("%1 must wait: %2").arg(tr(command), why));
}

void TMainForm::placementArmed()
{
    announce(tr("%1: drag it on the picture, or press an arrow key there.").arg(bytesToText(scene.pendingTitle)));
}

void TMainForm::announce(const QString& text)
{
    statusBar()->showMessage(text);
    // A screen reader reads the focused picture's name again when it
    // changes; the name says what just happened.
    MainImage->setAccessibleName(tr("Picture: %1").arg(text));
}

} // namespace veldor
