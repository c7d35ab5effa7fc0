#include "editing/ui/moverx.h"

#include "core/ui/Main.h"
#include "editing/editmachine.h"
#include "editing/ui/dialogparts.h"

namespace veldor {

Tmover::Tmover(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Object Move", {297, 65}, TitleButtons::None, true}, parent)
{
    Label1 = placeLabel(this, "Label1", tr("You have just moved an object. What would you like to do?"), 8, 8);
    Button1 = placeButton(this, "Button1", tr("Confirm Move"), 8, 32, 97, &Tmover::Button1Click);
    Button2 = placeButton(this, "Button2", tr("Redo Move"), 112, 32, 89, &Tmover::Button2Click);
    Button3 = placeButton(this, "Button3", tr("Cancel Move"), 208, 32, 83, &Tmover::Button3Click);
    setKeyButtons(Button1, Button3);
}

void Tmover::Button1Click() { forms.MainForm->editMachine().confirmMove(); }
void Tmover::Button2Click() { forms.MainForm->editMachine().redoMove(); }
void Tmover::Button3Click() { forms.MainForm->editMachine().cancelMove(); }

} // namespace veldor
