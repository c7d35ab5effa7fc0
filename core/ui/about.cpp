#include "core/ui/about.h"

namespace veldor {

TAboutBox::TAboutBox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"About", {234, 219}, TitleButtons::SystemMenu, true}, parent)
{
}

} // namespace veldor
