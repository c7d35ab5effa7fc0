#pragma once
// The editing dialogs: a question in one or more labels over a row of
// buttons, each button handing its choice to the editing machine. None can
// be closed but by its buttons.
#include "core/ui/smallwindow.h"

#include <QPoint>
#include <QSize>

#include <initializer_list>

class QLabel;

namespace veldor {

class EditMachine;

struct ChoiceLabel {
    const char* name;
    const char* text;
    QPoint topLeft;
    int width = 0; // 0: as wide as its text
};

struct ChoiceButton {
    const char* name;
    const char* text;
    int left;
    int width;
    void (EditMachine::*choose)();
};

struct ChoiceLayout {
    // The window's class name, the context its texts are translated in.
    const char* context;
    const char* caption;
    QSize client;
    std::initializer_list<ChoiceLabel> labels;
    int buttonTop;
    // Created, and so reached with Tab, in this order.
    std::initializer_list<ChoiceButton> buttons;
    // The buttons that Return and Escape press.
    const char* onReturn;
    const char* onEscape;
};

class ChoiceWindow : public SmallWindow {
    Q_OBJECT
public:
    // Shows the selected object's title in the window's "oblabel", where it
    // has one.
    void setObjectTitle(const QString& title);

protected:
    ChoiceWindow(Session& session, Forms& forms, UiServices& services, const ChoiceLayout& layout,
                 QWidget* parent);

    QLabel* label(const char* name) const;

private:
    QLabel* objectTitle_ = nullptr;
};

// Confirms, redraws or drops an object just drawn.
class Tobconfirm : public ChoiceWindow {
    Q_OBJECT
public:
    Tobconfirm(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

// What to do with a clicked object in front of the ground.
class Tobchange : public ChoiceWindow {
    Q_OBJECT
public:
    Tobchange(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

// Confirms, redoes or cancels a move.
class Tmover : public ChoiceWindow {
    Q_OBJECT
public:
    Tmover(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

// Confirms, redoes or cancels a re-size.
class Tresizer : public ChoiceWindow {
    Q_OBJECT
public:
    Tresizer(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

// What to do with a clicked object behind the ground.
class Tobhind : public ChoiceWindow {
    Q_OBJECT
public:
    Tobhind(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
