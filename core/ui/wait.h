#pragma once
// The window shown, always on top, while the picture is being worked on.
#include "core/ui/smallwindow.h"

namespace veldor {

class TWaitBox : public SmallWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = QT_TR_NOOP("Please Wait, Rendering...");

    TWaitBox(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
