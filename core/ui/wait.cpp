#include "core/ui/wait.h"

namespace veldor {

TWaitBox::TWaitBox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {kCaption, {155, 1}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
