#pragma once
// Confirms, redoes or cancels a move.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tmover : public SmallWindow {
    Q_OBJECT
public:
    Tmover(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
