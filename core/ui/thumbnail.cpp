#include "core/ui/thumbnail.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace veldor {

Thumbnail::Thumbnail(const QString& objectName, QPoint topLeft, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setGeometry(QRect(topLeft, QSize(kThumbnailSize, kThumbnailSize)));
    setFocusPolicy(Qt::TabFocus);
}

void Thumbnail::setPicture(QImage picture)
{
    picture_ = std::move(picture);
    update();
}

void Thumbnail::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), picture_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void Thumbnail::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Thumbnail::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Thumbnail::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace veldor
