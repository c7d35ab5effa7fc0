#pragma once
// Asks before New empties the scene.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tnewbox : public SmallWindow {
    Q_OBJECT
public:
    Tnewbox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
