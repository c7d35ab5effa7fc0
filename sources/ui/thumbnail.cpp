#include "sources/ui/thumbnail.h"

#include <QMouseEvent>
#include <QPainter>

namespace veldor {

Thumbnail::Thumbnail(const QString& objectName, QPoint topLeft, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setGeometry(QRect(topLeft, QSize(kThumbnailSize, kThumbnailSize)));
}

void Thumbnail::setPicture(QImage picture)
{
    picture_ = std::move(picture);
    update();
}

void Thumbnail::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
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
