#include "core/ui/pictureview.h"

#include <QMouseEvent>
#include <QPainter>

namespace veldor {

namespace {

// 0x00BBGGRR -> 0xFFRRGGBB
inline QRgb toRgb(Color c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

} // namespace

QImage toQImage(const Surface& picture, QRect area)
{
    area &= QRect(0, 0, picture.width(), picture.height());
    if (area.isEmpty())
        return {};
    QImage image(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        const Color* source = picture.row(area.top() + y) + area.left();
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < area.width(); ++x)
            target[x] = toRgb(source[x]);
    }
    return image;
}

QImage toQImage(const Surface& picture)
{
    return toQImage(picture, QRect(0, 0, picture.width(), picture.height()));
}

PictureView::PictureView(const Surface& picture, QWidget* parent)
    : QWidget(parent), picture_(picture)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureView::holdPicture()
{
    if (!held_)
        held_ = picture_;
}

void PictureView::releasePicture()
{
    if (!held_)
        return;
    held_.reset();
    update();
}

void PictureView::paintEvent(QPaintEvent* event)
{
    const Surface& picture = held_ ? *held_ : picture_;
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect shown = area & QRect(0, 0, picture.width(), picture.height());
    // Outside a smaller picture the control shows its face colour.
    if (shown != area)
        painter.fillRect(area, palette().window());
    // Without SmoothPixmapTransform the scaling to the screen repeats pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), toQImage(picture, shown));
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown)
        onMouseDown(event->position().toPoint().x(), event->position().toPoint().y());
}

void PictureView::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    if (onMouseUp)
        onMouseUp(event->position().toPoint().x(), event->position().toPoint().y());
}

} // namespace veldor
