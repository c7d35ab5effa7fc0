// The main window's print, export and clipboard commands.
#include "core/ui/Main.h"

namespace veldor {

void TMainForm::Print1Click() {}
void TMainForm::PrintSetup1Click() {}
void TMainForm::ExportasBMP2Click() {}
void TMainForm::EditCopy() {}

} // namespace veldor
