#pragma once
// Confirms, redraws or drops an object just drawn.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Tobconfirm : public SmallWindow {
    Q_OBJECT
public:
    Tobconfirm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* keep = nullptr;
    QPushButton* replot = nullptr;
    QPushButton* del = nullptr;

    void keepClick();
    void replotClick();
    void delClick();
};

} // namespace veldor
