// The main window's mouse handlers on the picture: placing and editing objects.
#include "core/ui/Main.h"
#include "editing/ui/editview.h"

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

void TMainForm::sceneReplaced() { editMachine_->sceneReplaced(); }

} // namespace veldor
