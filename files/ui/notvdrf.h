#pragma once
// Tells the user that a file chosen to open is not a scene file. Where the
// platform lets a program hide its own window and show it again (X11), the
// main window hides behind it until it goes; on Wayland it stays shown,
// since a compositor may not give a hidden window back.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tnotvdr : public SmallWindow {
    Q_OBJECT
public:
    Tnotvdr(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // Shows the report in front of `main`.
    void showOver(QWidget& main);
    // "Continue": shows the main window again and closes this one.
    void Button1Click();

protected:
    // However it goes (Continue, Escape, the close box, Alt+F4), the main
    // window comes back with it: a program left without a window could
    // never be reached again.
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace veldor
