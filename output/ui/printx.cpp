#include "output/ui/printx.h"

namespace veldor {

TPrintForm::TPrintForm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Print", {273, 113}, TitleButtons::SystemMenu, true}, parent)
{
}

} // namespace veldor
