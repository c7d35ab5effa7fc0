#pragma once
// Chooses the size of a BMP export and asks where to write it.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class TBMPSave : public SmallWindow {
    Q_OBJECT
public:
    TBMPSave(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // The picture as it stands, 630 x 340.
    void Button1Click();
    // The picture stretched to 640 x 480.
    void Button2Click();

private:
    // The file chosen in the export dialog titled `caption`, as a path of
    // this platform; empty when cancelled.
    std::string chooseFile(const QString& caption);
};

} // namespace veldor
