#include "effects/ui/error.h"

namespace veldor {

Teffects::Teffects(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Special Effects", {396, 234}, TitleButtons::SystemMenu, true}, parent)
{
}

} // namespace veldor
