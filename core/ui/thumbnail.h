#pragma once
// A 100 x 100 picture that reacts to a click, as the pickers' and browsers'
// thumbnails do. The picture is drawn unscaled from the top-left corner;
// what it does not cover shows the window's background. It takes the focus
// from Tab, and Space or Return then choose it as a click does.
#include <QImage>
#include <QWidget>

namespace veldor {

inline constexpr int kThumbnailSize = 100;

class Thumbnail : public QWidget {
    Q_OBJECT
public:
    Thumbnail(const QString& objectName, QPoint topLeft, QWidget* parent);

    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }

signals:
    // A left press and release both on the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool pressed_ = false;
};

} // namespace veldor
