#include "core/ui/pictureview.h"

#include <QFocusEvent>
#include <QKeyEvent>
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

QImage toQImage(const Picture& picture, QRect area)
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

QImage toQImage(const Picture& picture)
{
    return toQImage(picture, QRect(0, 0, picture.width(), picture.height()));
}

PictureView::PictureView(const Picture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Objects are placed, chosen and edited from the keyboard too.
    setFocusPolicy(Qt::StrongFocus);
}

void PictureView::setMark(const QRect& area)
{
    if (area == mark_)
        return;
    // The frame is drawn two pixels outside the area.
    update(mark_.adjusted(-3, -3, 3, 3));
    mark_ = area;
    update(mark_.adjusted(-3, -3, 3, 3));
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
    const Picture& picture = held_ ? *held_ : picture_;
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
    // Over the picture, never in it: dashes of black and white show on any
    // colours, and neither export nor print sees them.
    const auto frame = [&painter](const QRect& r, int width) {
        painter.setPen(QPen(Qt::white, width));
        painter.drawRect(r);
        painter.setPen(QPen(Qt::black, width, Qt::DashLine));
        painter.drawRect(r);
    };
    if (!mark_.isEmpty())
        frame(mark_.adjusted(-2, -2, 1, 1), 2);
    if (hasFocus() && showFocus_)
        frame(rect().adjusted(0, 0, -1, -1), 1);
}

void PictureView::keyPressEvent(QKeyEvent* event)
{
    if (!showFocus_) {
        showFocus_ = true;
        update();
    }
    if (onKey && onKey(event->key(), event->modifiers()))
        return;
    QWidget::keyPressEvent(event);
}

bool PictureView::focusNextPrevChild(bool next)
{
    if (hasFocus() && onTab && onTab(next)) {
        if (!showFocus_) {
            showFocus_ = true;
            update();
        }
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void PictureView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    const Qt::FocusReason why = event->reason();
    if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
        showFocus_ = why == Qt::TabFocusReason || why == Qt::BacktabFocusReason || why == Qt::ShortcutFocusReason;
    update();
}

void PictureView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // Focus going to another window comes back the same way.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        showFocus_ = false;
    update();
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
