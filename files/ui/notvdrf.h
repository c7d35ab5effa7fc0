#pragma once
// Tells the user that a file chosen to open is not a scene file. The main
// window stays hidden until "Continue" is pressed.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tnotvdr : public SmallWindow {
    Q_OBJECT
public:
    Tnotvdr(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // "Continue": shows the main window again and closes this one.
    void Button1Click();
};

} // namespace veldor
