#include "core/ui/smallwindow.h"

#include "core/session.h"
#include "core/ui/Main.h"
#include "core/ui/windowframe.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStringDecoder>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace veldor {

Qt::WindowFlags windowFlagsFor(TitleButtons buttons, bool stayOnTop)
{
    // A dialog of the main window (transient for it): every desktop keeps it
    // above the main window, Wayland included, which knows no "stay on top"
    // and cannot raise a window on request. Never a maximise button: the
    // windows have fixed layouts.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (buttons) {
    case TitleButtons::None:
        break;
    case TitleButtons::Close:
        flags |= Qt::WindowCloseButtonHint;
        break;
    case TitleButtons::SystemMenu:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case TitleButtons::SystemMenuMinimise:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
        break;
    }
    if (stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

namespace {

// The window manager's frame around `window`, none before it is framed. A
// frame read while the window manager is still making it is none either:
// KWin's, read too early, measured -631 pixels wide, which centred the
// window's corner.
QMargins frameOf(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    const QMargins margins = handle && window.isVisible() ? handle->frameMargins() : QMargins();
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return QMargins();
    return margins;
}

// Where a frame of `margins` around `window` is centred on its screen's
// available area; none without a screen.
std::optional<QRect> centredFrame(const QWidget& window, QMargins margins)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return std::nullopt;
    QRect frame = window.geometry().marginsAdded(margins);
    frame.moveCenter(screen->availableGeometry().center());
    return frame;
}

void moveFrameToCentre(QWidget& window)
{
    const QMargins margins = frameOf(window);
    const std::optional<QRect> frame = centredFrame(window, margins);
    if (!frame || frame->topLeft() == window.geometry().marginsAdded(margins).topLeft())
        return;
    // Said explicitly of the frame: a plain move may be taken for the
    // client area's position while the frame is still being learnt.
    if (!margins.isNull())
        window.windowHandle()->setFramePosition(frame->topLeft());
    else
        window.move(frame->topLeft());
}

// A window manager frames a window only after it is shown, so a window
// centred before then is centred without its frame (about half a title bar
// too low). The first event that finds the frame centres it again.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto& window = static_cast<QWidget&>(*watched);
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move || type == QEvent::Paint || type == QEvent::WindowActivate)
            && !frameOf(window).isNull()) {
            window.removeEventFilter(this);
            moveFrameToCentre(window);
            // Done with: not kept as a child until the window goes.
            deleteLater();
        }
        return false;
    }
};

// Puts the window's client area where a `frame` around it is centred.
void placeCentred(QWidget& window, QMargins frame)
{
    const std::optional<QRect> outer = centredFrame(window, frame);
    if (!outer)
        return;
    const QPoint client = outer->topLeft() + QPoint(frame.left(), frame.top());
    // move() takes the frame's corner, as far as Qt knows the frame yet.
    window.move(client - (window.geometry().topLeft() - window.pos()));
}

} // namespace

void showInFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void centreOnScreen(QWidget& window)
{
    if (!frameOf(window).isNull() || !framesAreAnnounced()) {
        moveFrameToCentre(window);
        if (frameOf(window).isNull())
            new CentreWhenFramed(window);
        return;
    }
    // Placed once, with the frame the window manager says it will give; put
    // right only if the frame it then gives is another.
    const QMargins expected = frameToCome(window).value_or(QMargins());
    placeCentred(window, expected);
    whenFrameAnnounced(window, [&window, expected](QMargins frame) {
        if (frame != expected)
            placeCentred(window, frame);
    });
}

void fitText(QWidget& control, int maxWidth)
{
    control.resize(std::min(std::max(control.width(), control.sizeHint().width()), maxWidth),
                   control.height());
    // Condensed no further than this; beyond it the text turns hard to read.
    constexpr int kNarrowest = 85;
    QFont font = control.font();
    for (int stretch = 99; stretch >= kNarrowest && control.sizeHint().width() > control.width(); --stretch) {
        font.setStretch(stretch);
        control.setFont(font);
    }
}

QString bytesToText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (utf8.hasError())
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return text;
}

void setElidedText(QLabel& label, const QString& text, int width)
{
    const QString shown = label.fontMetrics().elidedText(text, Qt::ElideRight, width);
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
    label.setAccessibleName(text);
}

QString doubleSizeName(const QString& resource)
{
    QString name = resource;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return name.insert(dot < 0 ? name.size() : dot, QStringLiteral("@2x"));
}

QPixmap screenPixmap(const QString& resource, const QWidget& widget)
{
    if (widget.devicePixelRatioF() >= 2) {
        QPixmap sharp(doubleSizeName(resource));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(resource);
}

SmallWindow::SmallWindow(Session& session, Forms& forms, UiServices& services,
                         const WindowStyle& style, QWidget* parent)
    : QWidget(parent ? parent : static_cast<QWidget*>(forms.MainForm)), session(session), scene(session.scene()), forms(forms), services(services),
      buttons_(style.buttons)
{
    setWindowFlags(windowFlagsFor(style.buttons, style.stayOnTop));
    setWindowTitle(style.caption);
    if (style.fixedSize)
        setFixedSize(style.client);
    else
        resize(style.client);
    // Only the main window ends the program when it closes.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SmallWindow::setKeyButtons(QPushButton* onReturn, QPushButton* onEscape)
{
    onReturn_ = onReturn;
    onEscape_ = onEscape;
}

void SmallWindow::showEvent(QShowEvent* event)
{
    // Centred once; afterwards the window stays where the user left it.
    if (!centred_ && !event->spontaneous()) {
        centred_ = true;
        centreOnScreen(*this);
        // Outside a QDialog a push button ignores Return unless it is an
        // auto-default one; then the focused button presses itself.
        for (QPushButton* button : findChildren<QPushButton*>())
            button->setAutoDefault(true);
        if (onReturn_)
            onReturn_->setDefault(true);
    }
    QWidget::showEvent(event);
}

bool SmallWindow::event(QEvent* event)
{
    // Qt's own frame exists only once the window is on screen: the caption
    // is measured against it after the first paint, not from within it.
    if (event->type() == QEvent::Paint && !captionFitted_) {
        captionFitted_ = true;
        QTimer::singleShot(0, this, &SmallWindow::fitCaption);
    }
    return QWidget::event(event);
}

void SmallWindow::fitCaption()
{
    // Where Qt draws the frame itself (Wayland without the compositor's
    // decorations, as on GNOME), the caption is centred over the whole
    // title bar in a 14-pixel face, between the icon (35 pixels in from the
    // left) and minimise, maximise and close (77 pixels in from the right),
    // and cut where it does not fit: the window is widened until it does.
    // Elsewhere the window manager draws and fits the caption.
    const QWindow* handle = windowHandle();
    if (!handle || !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        || handle->frameMargins().top() <= 0)
        return;
    QFont face = font();
    face.setPixelSize(14);
    constexpr int kTitleBarChrome = 2 * 77 - 6;
    const int needed = QFontMetrics(face).horizontalAdvance(windowTitle()) + kTitleBarChrome;
    if (width() >= needed)
        return;
    const int grown = needed - width();
    if (minimumWidth() == maximumWidth())
        setFixedWidth(needed);
    else
        resize(needed, height());
    // Read from the right, the controls keep to the right edge.
    if (isRightToLeft())
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->move(child->x() + grown, child->y());
}

void SmallWindow::keyPressEvent(QKeyEvent* event)
{
    QPushButton* button = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button = onReturn_;
        break;
    case Qt::Key_Escape:
        button = onEscape_;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (button) {
        if (button->isVisible() && button->isEnabled())
            button->click();
    } else if (buttons_ != TitleButtons::None) {
        close();
    }
}

void SmallWindow::closeEvent(QCloseEvent* event)
{
    if (buttons_ == TitleButtons::None && event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

} // namespace veldor
