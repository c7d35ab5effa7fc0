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
    // The label keeps the edge its text starts from: the left one, or the
    // right one in a language read from the right.
    constexpr int kMargin = 8;
    const bool fromRight = label.isRightToLeft();
    const int start = fromRight ? label.x() + label.width() : label.x();
    const int room = fromRight ? start - kMargin : label.parentWidget()->width() - start - kMargin;
    setElidedText(label, text, room);
    const int width = std::min(label.sizeHint().width(), room);
    label.setGeometry(fromRight ? start - width : start, label.y(), width, label.height());
}

void mirrorPlaces(QWidget& container)
{
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        child->move(container.width() - child->x() - child->width(), child->y());
        // Panels of our own hold controls at fixed places too; Qt's own
        // composite controls place their parts themselves.
        const char* kind = child->metaObject()->className();
        if (qstrcmp(kind, "QWidget") == 0 || qstrcmp(kind, "QFrame") == 0)
            mirrorPlaces(*child);
    }
}

} // namespace veldor
