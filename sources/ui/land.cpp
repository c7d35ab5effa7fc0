#include "sources/ui/land.h"

namespace veldor {

Tlandscape::Tlandscape(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Please Select Landscape", {562, 178}, TitleButtons::Close, true}, parent)
{
}

} // namespace veldor
