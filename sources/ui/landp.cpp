#include "sources/ui/landp.h"

namespace veldor {

TLandPack::TLandPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Landscape: Select Image Pack", {502, 322}, TitleButtons::Close, true}, parent)
{
}

} // namespace veldor
