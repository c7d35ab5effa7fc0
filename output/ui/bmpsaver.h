#pragma once
// Chooses the size of a BMP export.
#include "core/ui/smallwindow.h"

namespace veldor {

class TBMPSave : public SmallWindow {
    Q_OBJECT
public:
    TBMPSave(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
