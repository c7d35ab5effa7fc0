#pragma once
// Confirms, redoes or cancels a re-size.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Tresizer : public SmallWindow {
    Q_OBJECT
public:
    Tresizer(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void Button1Click();
    void Button2Click();
    void Button3Click();
};

} // namespace veldor
