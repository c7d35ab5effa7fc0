#pragma once
// The controls of the small windows, each at a fixed place in its window's
// client area, named as the layouts name them.
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>

namespace veldor {

// A label at `topLeft`, as large as its text in each direction that `size`
// leaves at 0 or less.
QLabel* addLabel(QWidget& parent, const QString& name, const QString& text, QPoint topLeft, QSize size = {});
// The same for a label already made (of a class of its own) in its parent.
QLabel* placeLabel(QLabel* label, const QString& name, QPoint topLeft, QSize size = {});

// The program's logo, 193 x 97 at `topLeft`.
QLabel* addLogo(QWidget& parent, QPoint topLeft);

// A label whose text changes keeps following its width, up to its window's
// right margin, where a longer text is cut with an ellipsis.
void setLabelText(QLabel& label, const QString& text);

// Lets every label and button of `window` show its whole text, however
// long a language makes it: a control too narrow for its text widens, the
// controls after it on its row move along, and the window grows to hold
// them. Texts that fit leave the window exactly as made. Run once, when the
// window's controls are all made.
void growToFit(QWidget& window);

// For a language read from the right: moves each control of `container` to
// its mirror place, as Qt's layouts do by themselves, and so on into the
// plain panels it holds. What the controls draw is left as drawn: a picture
// never turns round. Run once, when the window's controls are all made.
void mirrorPlaces(QWidget& container);

// A check box, radio or push button with its text, at `geometry`.
template <class Control = QPushButton>
Control* addControl(QWidget& parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* control = new Control(text, &parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

inline QPushButton* addButton(QWidget& parent, const QString& name, const QString& text, const QRect& geometry)
{
    return addControl<QPushButton>(parent, name, text, geometry);
}

// The same, pressing it calls `clicked`: a member function of `window` or
// anything else that can be called.
template <class Window, class Handler>
QPushButton* addButton(Window& window, const QString& name, const QString& text, const QRect& geometry,
                       Handler clicked)
{
    QPushButton* button = addButton(static_cast<QWidget&>(window), name, text, geometry);
    QObject::connect(button, &QPushButton::clicked, &window, clicked);
    return button;
}

} // namespace veldor
