#pragma once
// The editing machine's windows on the real program: the editing dialogs,
// the wait window, the main window, the picture's cursor and repaints.
#include "editing/editmachine.h"

#include <QObject>

namespace veldor {

class TMainForm;
struct Forms;

class PictureEditView final : public QObject, public EditView {
public:
    // Watches `main` for its context menu (see setPictureKeepsMouse); may be
    // built while `main` is being constructed. Windows are looked up in
    // `forms` only when used.
    PictureEditView(TMainForm& main, Forms& forms);

    void showWindow(EditWindow window) override;
    void hideWindow(EditWindow window) override;
    void setCursor(EditCursor cursor) override;
    void setObjectLabel(EditWindow window, const std::string& title) override;
    void repaint(const PictureRect& area) override;
    void render() override;
    void markChosen(const PictureRect& area) override;
    void announce(EditNews news, const std::string& what, const std::string& title, const PictureRect& area) override;

    // Whether the last press on the picture took part in an edit. If it did,
    // the popup menu that the same right-button press would open stays shut:
    // the menu would take the mouse, and the picture would never see the
    // release that ends the band or the drop.
    void setPictureKeepsMouse(bool keeps) { pictureKeepsMouse_ = keeps; }
    // While a key on the picture is handled, a window it shows takes the
    // keyboard, so that the next keys answer it; the mouse's windows leave
    // the keyboard where it is.
    void setFromKeys(bool fromKeys) { fromKeys_ = fromKeys; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window(EditWindow window) const;

    TMainForm& main_;
    Forms& forms_;
    bool pictureKeepsMouse_ = false;
    bool fromKeys_ = false;
};

} // namespace veldor
