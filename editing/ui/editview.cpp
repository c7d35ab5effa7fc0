#include "editing/ui/editview.h"
#include "core/ui/picturenames.h"

#include "core/ui/Main.h"
#include "core/ui/pictureview.h"
#include "editing/ui/choicewindow.h"

#include <QContextMenuEvent>

namespace veldor {

PictureEditView::PictureEditView(TMainForm& main, Forms& forms) : main_(main), forms_(forms)
{
    main_.installEventFilter(this);
}

QWidget* PictureEditView::window(EditWindow window) const
{
    switch (window) {
    case EditWindow::obconfirm: return forms_.obconfirm;
    case EditWindow::obchange: return forms_.obchange;
    case EditWindow::mover: return forms_.mover;
    case EditWindow::resizer: return forms_.resizer;
    case EditWindow::obhind: return forms_.obhind;
    }
    return nullptr;
}

void PictureEditView::showWindow(EditWindow which)
{
    if (QWidget* w = window(which)) {
        w->show();
        w->raise();
        if (fromKeys_)
            w->activateWindow();
    }
}

void PictureEditView::hideWindow(EditWindow which)
{
    if (QWidget* w = window(which))
        w->hide();
}

void PictureEditView::setCursor(EditCursor cursor)
{
    main_.MainImage->setCursor(cursor == EditCursor::Cross ? Qt::CrossCursor : Qt::ArrowCursor);
}

void PictureEditView::setObjectLabel(EditWindow which, const std::string& title)
{
    // Read as the pack browser shows the caption a title comes from.
    if (auto* choice = qobject_cast<ChoiceWindow*>(window(which)))
        choice->setObjectTitle(shownName(title));
}

void PictureEditView::repaint(const PictureRect& area)
{
    if (!area.empty())
        main_.MainImage->updateRect(QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1)));
}

void PictureEditView::render() { main_.Refresh(); }

void PictureEditView::markChosen(const PictureRect& area)
{
    main_.MainImage->setMark(area.empty() ? QRect() : QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1)));
}

void PictureEditView::announce(EditNews news, const std::string& what, const std::string& title, const PictureRect& area)
{
    const QString name = bytesToText(title);
    // "at 10, 20, 30 by 40": left, top, width, height, as a scene file has them.
    const QString place = TMainForm::tr("at %1, %2, %3 by %4")
                              .arg(area.left)
                              .arg(area.top)
                              .arg(area.right - area.left)
                              .arg(area.bottom - area.top);
    switch (news) {
    case EditNews::Chosen:
        main_.announce(TMainForm::tr("%1, %2. Enter edits it.").arg(name, place));
        break;
    case EditNews::Rectangle: main_.announce(TMainForm::tr("%1 %2").arg(name, place)); break;
    case EditNews::Done:
        // The command by the name its Undo item gives it.
        main_.announce(TMainForm::tr("%1: %2, %3").arg(TMainForm::tr(what.c_str()), name, place));
        break;
    case EditNews::GivenUp: main_.announce(TMainForm::tr("Given up: %1").arg(name)); break;
    }
}

bool PictureEditView::eventFilter(QObject* watched, QEvent* event)
{
    // The context menu of a right-button press on the picture reaches the
    // main window after the press itself has been handled.
    if (watched == &main_ && event->type() == QEvent::ContextMenu && pictureKeepsMouse_) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        const PictureView* picture = main_.MainImage;
        if (menu->reason() == QContextMenuEvent::Mouse && picture
            && picture->rect().contains(picture->mapFromGlobal(menu->globalPos())))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace veldor
