// The main window's command that opens the special effects window.
#include "core/scene.h"
#include "core/ui/Main.h"

#include "effects/ui/error.h"

namespace veldor {

void TMainForm::SpecialEffects1Click()
{
    // The effects work on the picture, which an edit in progress has drawn on.
    if (scene.editMode != EditMode::Idle)
        return refuse("Special Effects");
    showInFront(*forms.effects);
}

} // namespace veldor
