#pragma once
// Asks before New empties the scene.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Tnewbox : public SmallWindow {
    Q_OBJECT
public:
    Tnewbox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr; // "Yes"
    QPushButton* Button2 = nullptr; // "No"

    // Empties the scene and renders it, unless an edit began while the
    // window was open; closes the window in every case.
    void Button1Click();
    void Button2Click();
};

} // namespace veldor
