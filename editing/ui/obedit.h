#pragma once
// What to do with a clicked object in front of the ground.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Tobchange : public SmallWindow {
    Q_OBJECT
public:
    Tobchange(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* oblabel = nullptr; // the selected object's title
    QLabel* Label2 = nullptr;
    QPushButton* button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button5 = nullptr;

    void button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
};

} // namespace veldor
