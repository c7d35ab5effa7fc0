#include "editing/ui/obnew.h"

namespace veldor {

Tobconfirm::Tobconfirm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"New Object", {335, 64}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
