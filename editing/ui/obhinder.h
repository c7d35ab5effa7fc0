#pragma once
// What to do with a clicked object behind the ground.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Tobhind : public SmallWindow {
    Q_OBJECT
public:
    Tobhind(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* oblabel = nullptr; // the selected object's title
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void Button1Click();
    void Button2Click();
    void Button3Click();
};

} // namespace veldor
