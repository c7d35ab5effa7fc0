#pragma once
// The quick-start help text.
#include "core/ui/smallwindow.h"

namespace veldor {

// The text the help window shows.
extern const char* const kQuickStartText;

class Thelpbox : public SmallWindow {
    Q_OBJECT
public:
    Thelpbox(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

};

} // namespace veldor
