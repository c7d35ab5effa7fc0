#pragma once
// Confirms, redraws or drops an object just drawn.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tobconfirm : public SmallWindow {
    Q_OBJECT
public:
    Tobconfirm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
