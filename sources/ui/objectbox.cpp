#include "sources/ui/objectbox.h"

namespace veldor {

TObjectx::TObjectx(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Please Select an Object", {560, 174}, TitleButtons::Close, true}, parent)
{
}

} // namespace veldor
