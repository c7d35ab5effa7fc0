#include "editing/ui/moverx.h"

namespace veldor {

Tmover::Tmover(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Object Move", {297, 65}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
