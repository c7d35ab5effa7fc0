#include "core/ui/help.h"

namespace veldor {

Thelpbox::Thelpbox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Veldor Help", {427, 370}, TitleButtons::SystemMenuMinimise, false}, parent)
{
}

} // namespace veldor
