#include "core/ui/newform.h"

namespace veldor {

// An ordinary sizeable border: the only small window the user may resize.
Tnewbox::Tnewbox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Confirm New", {176, 65}, TitleButtons::SystemMenu, true, false}, parent)
{
}

} // namespace veldor
