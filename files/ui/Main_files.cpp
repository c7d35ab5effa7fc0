// The main window's scene file commands.
#include "core/ui/Main.h"

namespace veldor {

void TMainForm::FileOpen() {}
void TMainForm::FileSaveItemClick() {}
void TMainForm::FileSaveAsItemClick() {}

} // namespace veldor
