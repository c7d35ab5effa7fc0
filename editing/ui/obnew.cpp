#include "editing/ui/obnew.h"

#include "core/ui/Main.h"
#include "editing/editmachine.h"
#include "editing/ui/dialogparts.h"

namespace veldor {

Tobconfirm::Tobconfirm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"New Object", {335, 64}, TitleButtons::None, true}, parent)
{
    Label1 = placeLabel(this, "Label1",
                        tr("You have selected a new object. What would you like to do with it?"), 8, 8, 318);
    fitText(*Label1, Label1->width()); // keeps its width: narrows the face a little
    keep = placeButton(this, "keep", tr("Keep It"), 8, 32, 97, &Tobconfirm::keepClick);
    replot = placeButton(this, "replot", tr("Re-Size It"), 112, 32, 105, &Tobconfirm::replotClick);
    del = placeButton(this, "del", tr("Do Not Keep It"), 224, 32, 99, &Tobconfirm::delClick);
    setKeyButtons(keep, del);
}

void Tobconfirm::keepClick() { forms.MainForm->editMachine().keepNew(); }
void Tobconfirm::replotClick() { forms.MainForm->editMachine().redrawNew(); }
void Tobconfirm::delClick() { forms.MainForm->editMachine().dropNew(); }

} // namespace veldor
