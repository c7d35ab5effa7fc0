#include "core/ui/newform.h"
#include "core/scene.h"

#include "core/ui/Main.h"
#include "core/ui/controls.h"

namespace veldor {

// An ordinary sizeable border: the only small window the user may resize.
Tnewbox::Tnewbox(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Confirm New"), {176, 65}, TitleButtons::SystemMenu, true, false}, parent)
{
    addLabel(*this, "Label1", tr("Confirm New Image?"), {39, 8});
    QPushButton* yes = addButton(*this, "Button1", tr("Yes"), {8, 32, 75, 25}, &Tnewbox::Button1Click);
    QPushButton* no = addButton(*this, "Button2", tr("No"), {88, 32, 75, 25}, &Tnewbox::Button2Click);
    setKeyButtons(yes, no);
}

void Tnewbox::Button1Click()
{
    // The window is modeless: an edit may have begun since New showed it.
    const bool idle = scene.editMode == EditMode::Idle;
    // Closed before rendering, so that a rendering that fails does not leave
    // the question up.
    close();
    if (!idle)
        return;
    forms.MainForm->newScene();
}

void Tnewbox::Button2Click() { close(); }

} // namespace veldor
