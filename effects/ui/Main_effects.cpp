// The main window's command that opens the special effects window.
#include "core/ui/Main.h"

namespace veldor {

void TMainForm::SpecialEffects1Click() {}

} // namespace veldor
