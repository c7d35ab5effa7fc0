#pragma once
// The ground picker with its five built-in grounds.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Thumbnail;

class Tlandscape : public SmallWindow {
    Q_OBJECT
public:
    Tlandscape(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    Thumbnail *land0 = nullptr, *land1 = nullptr, *land2 = nullptr, *land3 = nullptr, *land4 = nullptr;
    QLabel *land0label = nullptr, *land1label = nullptr, *land2label = nullptr, *land3label = nullptr,
           *land4label = nullptr;
    QPushButton* Button1 = nullptr; // "No Landscape"
    QPushButton* cancel = nullptr;
    QPushButton* newpack = nullptr;

    void land0Click() { chooseGround(0); }
    void land1Click() { chooseGround(1); }
    void land2Click() { chooseGround(2); }
    void land3Click() { chooseGround(3); }
    void land4Click() { chooseGround(4); }
    void Button1Click();
    void cancelClick() { close(); }
    void newpackClick();

private:
    void chooseGround(int slot);
    // Accepted in any state: the user may try one ground after another, and
    // the renderer shows this picker again afterwards.
    void storeAndRender(const char* groundFile);
};

} // namespace veldor
