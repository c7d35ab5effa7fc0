#include "editing/ui/obhinder.h"

#include "core/ui/Main.h"
#include "editing/editmachine.h"
#include "editing/ui/dialogparts.h"

namespace veldor {

Tobhind::Tobhind(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Object Edit", {372, 82}, TitleButtons::None, true}, parent)
{
    Label1 = placeLabel(this, "Label1", tr("You have selected an object which is behind the landscape."), 8, 8);
    Label2 = placeLabel(this, "Label2", tr("What would you like to do with object:"), 8, 24);
    oblabel = placeLabel(this, "oblabel", QStringLiteral("oblabel"), 192, 24);
    // The question ends a space's width before the object's name.
    fitText(*Label2, oblabel->x() - Label2->x() - Label2->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    Button1 = placeButton(this, "Button1", tr("Send Object To Front Of Landscape"), 8, 48, 185,
                          &Tobhind::Button1Click);
    Button2 = placeButton(this, "Button2", tr("Delete Object"), 200, 48, 81, &Tobhind::Button2Click);
    Button3 = placeButton(this, "Button3", tr("Cancel"), 288, 48, 75, &Tobhind::Button3Click);
    // Nothing happens to the object unless the user chooses it.
    setKeyButtons(Button3, Button3);
}

void Tobhind::Button1Click() { forms.MainForm->editMachine().sendToFrontOfLandscape(); }
void Tobhind::Button2Click() { forms.MainForm->editMachine().deleteBehind(); }
void Tobhind::Button3Click() { forms.MainForm->editMachine().cancelBehind(); }

} // namespace veldor
