#pragma once
// The sky picker with its five built-in skies.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class Thumbnail;

class Tsky : public SmallWindow {
    Q_OBJECT
public:
    Tsky(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    Thumbnail *sky0 = nullptr, *sky1 = nullptr, *sky2 = nullptr, *sky3 = nullptr, *sky4 = nullptr;
    QLabel *sky0label = nullptr, *sky1label = nullptr, *sky2label = nullptr, *sky3label = nullptr,
           *sky4label = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* newpack = nullptr;

    void sky0Click() { chooseSky(0); }
    void sky1Click() { chooseSky(1); }
    void sky2Click() { chooseSky(2); }
    void sky3Click() { chooseSky(3); }
    void sky4Click() { chooseSky(4); }
    void cancelClick() { close(); }
    void newpackClick();

private:
    // Sets the sky with its light and renders; accepted in any state, and
    // the renderer shows this picker again afterwards.
    void chooseSky(int slot);
};

} // namespace veldor
