#pragma once
// The program's logo, name and version.
#include "core/ui/smallwindow.h"

namespace veldor {

class TAboutBox : public SmallWindow {
    Q_OBJECT
public:
    TAboutBox(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    void OKButtonClick();
};

} // namespace veldor
