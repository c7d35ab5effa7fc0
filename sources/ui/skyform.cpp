#include "sources/ui/skyform.h"

namespace veldor {

Tsky::Tsky(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Please Select Sky", {562, 178}, TitleButtons::Close, true}, parent)
{
}

} // namespace veldor
