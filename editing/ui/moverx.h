#pragma once
// Confirms, redoes or cancels a move.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Tmover : public SmallWindow {
    Q_OBJECT
public:
    Tmover(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    void Button1Click();
    void Button2Click();
    void Button3Click();
};

} // namespace veldor
