#pragma once
// The sky picker with its five built-in skies.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tsky : public SmallWindow {
    Q_OBJECT
public:
    Tsky(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
