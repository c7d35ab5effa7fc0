#pragma once
// Confirms, redoes or cancels a re-size.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tresizer : public SmallWindow {
    Q_OBJECT
public:
    Tresizer(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
