#pragma once
// The program's logo, name and version.
#include "core/ui/smallwindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace veldor {

class TAboutBox : public SmallWindow {
    Q_OBJECT
public:
    TAboutBox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QPushButton* OKButton = nullptr;

    void OKButtonClick();
};

} // namespace veldor
