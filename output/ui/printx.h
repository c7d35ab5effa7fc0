#pragma once
// Chooses the number of copies and prints the picture.
#include "core/ui/smallwindow.h"

namespace veldor {

class TPrintForm : public SmallWindow {
    Q_OBJECT
public:
    TPrintForm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
