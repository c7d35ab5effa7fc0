#pragma once
// The special effects window.
#include "core/ui/smallwindow.h"

namespace veldor {

class Teffects : public SmallWindow {
    Q_OBJECT
public:
    Teffects(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
