// The main window's commands that open the pickers. Each shows its picker
// and hides the other two; none acts while an object is being edited or
// waits to be placed. The pack browsers are left as they are.
#include "core/ui/Main.h"

#include "sources/ui/land.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/skyform.h"

namespace veldor {

void TMainForm::Ground1Click()
{
    if (!scene.idle())
        return;
    showInFront(*forms.landscape);
    forms.sky->hide();
    forms.Objectx->hide();
}

void TMainForm::Sky2Click()
{
    if (!scene.idle())
        return;
    forms.Objectx->hide();
    showInFront(*forms.sky);
    forms.landscape->hide();
}

void TMainForm::SpeedButton11Click()
{
    if (!scene.idle())
        return;
    showInFront(*forms.Objectx);
    forms.landscape->hide();
    forms.sky->hide();
}

void TMainForm::Landscape1Click() { Ground1Click(); }
void TMainForm::SpeedButton1Click() { Ground1Click(); }
void TMainForm::Sky1Click() { Sky2Click(); }
void TMainForm::SpeedButton2Click() { Sky2Click(); }

} // namespace veldor
