#include "files/ui/notvdrf.h"

#include "core/ui/Main.h"
#include "core/ui/controls.h"

#include <QCloseEvent>
#include <QGuiApplication>

namespace veldor {

Tnotvdr::Tnotvdr(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("This is not a Veldor File"), {186, 41}, TitleButtons::None, true}, parent)
{
    QPushButton* continueButton =
        addButton(*this, "Button1", tr("Continue"), {8, 8, 169, 25}, &Tnotvdr::Button1Click);
    setKeyButtons(continueButton, continueButton);
}

void Tnotvdr::showOver(QWidget& main)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        main.hide();
    showInFront(*this);
}

void Tnotvdr::Button1Click()
{
    forms.MainForm->show();
    close();
}

void Tnotvdr::closeEvent(QCloseEvent* event)
{
    // Closing is the way back here, not a way out of an edit.
    QWidget::closeEvent(event);
}

void Tnotvdr::hideEvent(QHideEvent* event)
{
    SmallWindow::hideEvent(event);
    if (!event->spontaneous() && !forms.MainForm->isVisible())
        forms.MainForm->show();
}

} // namespace veldor
