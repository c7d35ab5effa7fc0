#include "sources/ui/objectp.h"

namespace veldor {

TObjectPack::TObjectPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Objects: Select Image Pack", {502, 322}, TitleButtons::Close, true}, parent)
{
}

} // namespace veldor
