#pragma once
// What to do with a clicked object behind the ground.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tobhind : public SmallWindow {
    Q_OBJECT
public:
    Tobhind(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
