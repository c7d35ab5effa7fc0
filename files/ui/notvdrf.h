#pragma once
// Tells the user that a file chosen to open is not a scene file.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tnotvdr : public SmallWindow {
    Q_OBJECT
public:
    Tnotvdr(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
