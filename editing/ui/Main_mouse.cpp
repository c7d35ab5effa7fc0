// The main window's mouse handlers on the picture: placing and editing objects.
#include "core/ui/Main.h"

namespace veldor {

void TMainForm::MainImageMouseDown(int, int) {}
void TMainForm::MainImageMouseMove(int, int) {}
void TMainForm::MainImageMouseUp(int, int) {}
void TMainForm::sceneReplaced() {}

} // namespace veldor
