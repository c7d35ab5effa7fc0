#include "editing/ui/obhinder.h"

namespace veldor {

Tobhind::Tobhind(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Object Edit", {372, 82}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
