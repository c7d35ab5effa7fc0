#pragma once
// Asks before New empties the scene.
#include "core/ui/smallwindow.h"

namespace veldor {

class Tnewbox : public SmallWindow {
    Q_OBJECT
public:
    Tnewbox(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // "Yes": empties the scene and renders it, unless an edit began while
    // the window was open; closes the window in every case.
    void Button1Click();
    void Button2Click(); // "No"
};

} // namespace veldor
