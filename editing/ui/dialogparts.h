#pragma once
// The controls of the editing dialogs: labels 13 pixels high and as wide as
// their text, push buttons 25 pixels high, both at fixed client positions.
#include "core/ui/smallwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

#include <algorithm>

namespace veldor {

inline QLabel* placeLabel(QWidget* window, const char* name, const QString& text, int left, int top,
                          int width = 0)
{
    auto* label = new QLabel(text, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width > 0 ? width : label->sizeHint().width(), 13);
    return label;
}

// A label whose text changes keeps following its width, up to the window's
// right margin, where a longer text is cut with an ellipsis.
inline void setLabelText(QLabel* label, const QString& text)
{
    const int room = label->parentWidget()->width() - label->x() - 8;
    setElidedText(*label, text, room);
    label->resize(std::min(label->sizeHint().width(), room), 13);
}

template <class Window>
QPushButton* placeButton(Window* window, const char* name, const QString& text, int left, int top,
                         int width, void (Window::*handler)())
{
    auto* button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, 25);
    QObject::connect(button, &QPushButton::clicked, window, handler);
    return button;
}

} // namespace veldor
