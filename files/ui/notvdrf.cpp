#include "files/ui/notvdrf.h"

#include "core/ui/Main.h"
#include "core/ui/controls.h"

namespace veldor {

Tnotvdr::Tnotvdr(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"This is not a Veldor File", {186, 41}, TitleButtons::None, true}, parent)
{
    QPushButton* continueButton =
        addButton(*this, "Button1", tr("Continue"), {8, 8, 169, 25}, &Tnotvdr::Button1Click);
    // No Escape: "Continue" is the only way back to the main window.
    setKeyButtons(continueButton, nullptr);
}

void Tnotvdr::Button1Click()
{
    forms.MainForm->show();
    close();
}

} // namespace veldor
