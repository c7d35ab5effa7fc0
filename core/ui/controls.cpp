#include "core/ui/controls.h"

#include "core/ui/smallwindow.h"

#include <algorithm>

namespace veldor {

QLabel* addLabel(QWidget& parent, const QString& name, const QString& text, QPoint topLeft, QSize size)
{
    return placeLabel(new QLabel(text, &parent), name, topLeft, size);
}

QLabel* placeLabel(QLabel* label, const QString& name, QPoint topLeft, QSize size)
{
    label->setObjectName(name);
    label->move(topLeft);
    label->adjustSize();
    if (size.width() > 0 || size.height() > 0)
        label->resize(size.width() > 0 ? size.width() : label->width(),
                      size.height() > 0 ? size.height() : label->height());
    return label;
}

QLabel* addLogo(QWidget& parent, QPoint topLeft)
{
    auto* logo = new QLabel(&parent);
    logo->setObjectName(QStringLiteral("ProgramIcon"));
    logo->setGeometry(QRect(topLeft, QSize(193, 97)));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setPixmap(screenPixmap(QStringLiteral(":/ui/logo.bmp"), parent));
    logo->setAccessibleName(QObject::tr("Veldor logo"));
    return logo;
}

void setLabelText(QLabel& label, const QString& text)
{
    constexpr int kRightMargin = 8;
    const int room = label.parentWidget()->width() - label.x() - kRightMargin;
    setElidedText(label, text, room);
    label.resize(std::min(label.sizeHint().width(), room), label.height());
}

} // namespace veldor
