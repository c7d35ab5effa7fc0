#include "editing/ui/obedit.h"

#include "core/ui/Main.h"
#include "editing/editmachine.h"
#include "editing/ui/dialogparts.h"

namespace veldor {

Tobchange::Tobchange(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Object Edit", {547, 81}, TitleButtons::None, true}, parent)
{
    Label1 = placeLabel(this, "Label1", tr("You have selected object:"), 8, 8);
    oblabel = placeLabel(this, "oblabel", QStringLiteral("???????"), 136, 8);
    Label2 = placeLabel(this, "Label2", tr("What would you like to do with it?"), 8, 24);
    button1 = placeButton(this, "button1", tr("Delete It"), 8, 48, 75, &Tobchange::button1Click);
    Button2 = placeButton(this, "Button2", tr("Move It"), 88, 48, 75, &Tobchange::Button2Click);
    Button3 = placeButton(this, "Button3", tr("Re-Size It"), 168, 48, 75, &Tobchange::Button3Click);
    Button4 = placeButton(this, "Button4", tr("Bring It To Front"), 248, 48, 89, &Tobchange::Button4Click);
    Button6 = placeButton(this, "Button6", tr("Send Behind Land"), 344, 48, 105, &Tobchange::Button6Click);
    Button5 = placeButton(this, "Button5", tr("Cancel"), 464, 48, 75, &Tobchange::Button5Click);
    // "Cancel" comes before "Send Behind Land" in the tab order.
    setTabOrder(Button4, Button5);
    setTabOrder(Button5, Button6);
    // Nothing happens to the object unless the user chooses it.
    setKeyButtons(Button5, Button5);
}

void Tobchange::button1Click() { forms.MainForm->editMachine().deleteFront(); }
void Tobchange::Button2Click() { forms.MainForm->editMachine().startMove(); }
void Tobchange::Button3Click() { forms.MainForm->editMachine().startResize(); }
void Tobchange::Button4Click() { forms.MainForm->editMachine().bringToFront(); }
void Tobchange::Button5Click() { forms.MainForm->editMachine().cancelFront(); }
void Tobchange::Button6Click() { forms.MainForm->editMachine().sendBehindLand(); }

} // namespace veldor
