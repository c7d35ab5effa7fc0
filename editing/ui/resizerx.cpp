#include "editing/ui/resizerx.h"

#include "core/ui/Main.h"
#include "editing/editmachine.h"
#include "editing/ui/dialogparts.h"

namespace veldor {

Tresizer::Tresizer(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Re-Size Object", {313, 65}, TitleButtons::None, true}, parent)
{
    // The wording is the program's own, kept as users have always seen it.
    Label1 = placeLabel(this, "Label1",
                        tr("You have justed re-sized an object. What would you like to do?"), 8, 8);
    Button1 = placeButton(this, "Button1", tr("Keep Changes"), 8, 32, 97, &Tresizer::Button1Click);
    Button2 = placeButton(this, "Button2", tr("Redo Re-Size"), 112, 32, 99, &Tresizer::Button2Click);
    Button3 = placeButton(this, "Button3", tr("Cancel Re-Size"), 216, 32, 91, &Tresizer::Button3Click);
    setKeyButtons(Button1, Button3);
}

void Tresizer::Button1Click() { forms.MainForm->editMachine().keepResize(); }
void Tresizer::Button2Click() { forms.MainForm->editMachine().redoResize(); }
void Tresizer::Button3Click() { forms.MainForm->editMachine().cancelResize(); }

} // namespace veldor
