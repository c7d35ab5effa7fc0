#pragma once
// The quick-start help text.
#include "core/ui/smallwindow.h"

class QLabel;
class QPlainTextEdit;

namespace veldor {

// The text the help window shows.
extern const char* const kQuickStartText;

class Thelpbox : public SmallWindow {
    Q_OBJECT
public:
    Thelpbox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace veldor
