#include "editing/ui/obedit.h"

namespace veldor {

Tobchange::Tobchange(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Object Edit", {547, 81}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
