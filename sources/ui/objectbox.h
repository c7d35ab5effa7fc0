#pragma once
// The object picker with its five built-in objects.
#include "core/ui/smallwindow.h"

namespace veldor {

class TObjectx : public SmallWindow {
    Q_OBJECT
public:
    TObjectx(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
