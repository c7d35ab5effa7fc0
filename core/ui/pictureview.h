#pragma once
// Shows a picture unscaled at its top-left corner and reports the mouse in
// picture coordinates. On a denser screen each picture pixel becomes a block
// of device pixels, never smoothed. The surface stays owned by its holder; whoever draws
// on it calls updateRect (or update) for what changed.
#include "platform/picture.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

namespace veldor {

// The part `area` of `picture` as an RGB32 image (0x00BBGGRR -> 0xFFRRGGBB);
// `area` is first clipped to the picture.
QImage toQImage(const Picture& picture, QRect area);
QImage toQImage(const Picture& picture);

class PictureView : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(int x, int y)>;

    PictureView(const Picture& picture, QWidget* parent = nullptr);

    // Repaints only `area` (picture coordinates, which are the widget's).
    void updateRect(const QRect& area) { update(area); }

    // While work composes a new picture, the screen keeps showing the one
    // it had; releasing shows the new one whole, at once.
    void holdPicture();
    void releasePicture();

    // Every mouse button reaches these alike. While a button is held the
    // view keeps the mouse, so moves and the release arrive even outside it.
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    // A key pressed while the picture has focus; true when it was taken.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> onKey;
    // Tab (forward) or Shift+Tab while the picture has focus; false lets the
    // focus move on, as past the last object, so that it is never trapped.
    std::function<bool(bool forward)> onTab;

    // Outlines `area` over the picture, without drawing into it; none when
    // empty.
    void setMark(const QRect& area);
    QRect mark() const { return mark_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const Picture& picture_;
    std::optional<Picture> held_;
    QRect mark_;
    // The focus is shown once the keyboard is used on the picture: a click
    // or the window's first activation giving it focus does not show it.
    bool showFocus_ = false;
};

} // namespace veldor
