#pragma once
// The ground picker with its five built-in grounds.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tlandscape : public SmallWindow {
    Q_OBJECT
public:
    Tlandscape(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
