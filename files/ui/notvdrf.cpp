#include "files/ui/notvdrf.h"

namespace veldor {

Tnotvdr::Tnotvdr(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"This is not a Veldor File", {186, 41}, TitleButtons::None, true}, parent)
{
}

} // namespace veldor
