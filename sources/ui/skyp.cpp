#include "sources/ui/skyp.h"

namespace veldor {

TSkyPack::TSkyPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Sky: Select Image Pack", {502, 322}, TitleButtons::Close, true}, parent)
{
}

} // namespace veldor
