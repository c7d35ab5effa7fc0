#pragma once
// What to do with a clicked object in front of the ground.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tobchange : public SmallWindow {
    Q_OBJECT
public:
    Tobchange(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
