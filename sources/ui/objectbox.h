#pragma once
// The object picker with its five built-in objects. Its thumbnails carry
// the names sky0 to sky4 and its captions object0 to object4.
#include "core/ui/smallwindow.h"

class QLabel;
class QPushButton;

namespace veldor {

class TObjectLibrary;
class Thumbnail;

class TObjectx : public SmallWindow {
    Q_OBJECT
public:
    TObjectx(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    Thumbnail *sky0 = nullptr, *sky1 = nullptr, *sky2 = nullptr, *sky3 = nullptr, *sky4 = nullptr;
    QLabel *object0 = nullptr, *object1 = nullptr, *object2 = nullptr, *object3 = nullptr, *object4 = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* newpack = nullptr;
    QPushButton* more = nullptr; // "More Objects..."
    // The objects of every pack, opened by "More Objects..."; owned, as
    // every window is, by the main window.
    TObjectLibrary* library = nullptr;

    void sky0Click() { chooseObject(0); }
    void sky1Click() { chooseObject(1); }
    void sky2Click() { chooseObject(2); }
    void sky3Click() { chooseObject(3); }
    void sky4Click() { chooseObject(4); }
    void cancelClick() { close(); }
    void newpackClick();
    void moreClick();

private:
    // Arms the placement of the object and closes; nothing is rendered.
    // Ignored while an object is being edited.
    void chooseObject(int slot);
};

} // namespace veldor
