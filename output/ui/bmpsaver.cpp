#include "output/ui/bmpsaver.h"

namespace veldor {

TBMPSave::TBMPSave(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Export as BMP", {266, 66}, TitleButtons::SystemMenu, true}, parent)
{
}

} // namespace veldor
