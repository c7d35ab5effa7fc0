#include "editing/ui/resizerx.h"

namespace veldor {

Tresizer::Tresizer(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Re-Size Object", {313, 65}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
