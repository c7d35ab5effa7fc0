// The main window's commands that open the pickers.
#include "core/ui/Main.h"

namespace veldor {

void TMainForm::Landscape1Click() {}
void TMainForm::Sky1Click() {}
void TMainForm::Ground1Click() {}
void TMainForm::Sky2Click() {}
void TMainForm::SpeedButton1Click() {}
void TMainForm::SpeedButton2Click() {}
void TMainForm::SpeedButton11Click() {}

} // namespace veldor
