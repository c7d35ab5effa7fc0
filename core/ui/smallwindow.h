#pragma once
// What every window except the main one shares: a caption, a client size,
// the title-bar buttons it offers, staying on top, centring on the screen at
// its first show, and hiding (never being destroyed) when closed.
#include "core/ui/forms.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <string>

class QLabel;
class QPixmap;
class QPushButton;

namespace veldor {

class Session;
struct SceneState;
class UiServices;

enum class TitleButtons {
    None,               // caption only: the user cannot close the window
    Close,              // close box only
    SystemMenu,         // system menu with its close box
    SystemMenuMinimise, // system menu, close box and minimise
};

struct WindowStyle {
    QString caption;
    QSize client;
    TitleButtons buttons = TitleButtons::SystemMenu;
    bool stayOnTop = true;
    bool fixedSize = true;
};

// Title-bar flags of a top-level window offering `buttons`.
Qt::WindowFlags windowFlagsFor(TitleButtons buttons, bool stayOnTop);
// Shows a window, or brings it to the front when it is already up. On
// Wayland only activation can do that (raising is refused there).
void showInFront(QWidget& window);
// Moves `window` so that its frame is centred on its screen's available area.
void centreOnScreen(QWidget& window);
// Lets a label's or box's text show whole at its fixed place: widens the
// control up to `maxWidth` and, where that is not enough, condenses its font
// a little. The layouts were made for a narrower face than this platform's.
void fitText(QWidget& control, int maxWidth);
// Pack and object texts are bytes: valid UTF-8 reads as UTF-8, anything
// else as Latin-1, so that both old and new packs read right. The bytes
// themselves are kept wherever they are stored again.
QString bytesToText(const std::string& bytes);
// Shows `text` in `label`, cut with an ellipsis where it is wider than
// `width`; the whole text stays readable as the tooltip.
void setElidedText(QLabel& label, const QString& text, int width);
// A built-in picture for `widget`'s screen: on a screen of two or more device
// pixels per pixel, its twice-as-large drawing ("name@2x.bmp") where the
// build made one, so that it stays sharp.
QPixmap screenPixmap(const QString& resource, const QWidget& widget);
QString doubleSizeName(const QString& resource);

class SmallWindow : public QWidget {
    Q_OBJECT
public:
    SmallWindow(Session& session, Forms& forms, UiServices& services, const WindowStyle& style,
                QWidget* parent = nullptr);

    TitleButtons titleButtons() const { return buttons_; }

    // What Return and Escape do when the focused control does not take them
    // (a focused push button takes Return itself): press `onReturn` or
    // `onEscape`; where one is null, close the window if it has a close box.
    void setKeyButtons(QPushButton* onReturn, QPushButton* onEscape);
    // The window stayed up through work that may have changed what it
    // shows; by default nothing needs doing.
    virtual void refreshShown() {}

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A window without a close box ignores the window manager's close
    // request (Alt+F4), since its buttons are the only way out of the edit
    // it belongs to.
    void closeEvent(QCloseEvent* event) override;

    // Changes to the scene go through the session; the run-time fields of
    // `scene` (the session's) are read and set directly.
    Session& session;
    SceneState& scene;
    Forms& forms;
    UiServices& services;

private:
    void fitCaption();

    TitleButtons buttons_;
    bool centred_ = false;
    bool captionFitted_ = false;
    QPushButton* onReturn_ = nullptr;
    QPushButton* onEscape_ = nullptr;
};

} // namespace veldor
