#include "sources/ui/objectbox.h"

#include "core/scene.h"
#include "core/ui/controls.h"
#include "core/ui/Main.h"
#include "sources/builtins.h"
#include "sources/ui/objectlib.h"
#include "sources/ui/objectp.h"
#include "sources/ui/mypicturesui.h"
#include "sources/ui/pickerrow.h"
#include "core/ui/thumbnail.h"

#include <QLabel>
#include <QPushButton>

namespace veldor {

TObjectx::TObjectx(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Please Select an Object"), {560, 174}, TitleButtons::Close, true}, parent)
{
    PickerRowSpec spec{"sky%1", "object%1", ":/ui/thumb_object%1.bmp", {}};
    for (int i = 0; i < kChoiceSlots; ++i)
        spec.captions[std::size_t(i)] = kBuiltinObjects[i].caption;
    const PickerRow row = buildPickerRow(*this, spec);
    sky0 = row.pictures[0], sky1 = row.pictures[1], sky2 = row.pictures[2];
    sky3 = row.pictures[3], sky4 = row.pictures[4];
    object0 = row.captions[0], object1 = row.captions[1], object2 = row.captions[2];
    object3 = row.captions[3], object4 = row.captions[4];
    cancel = row.cancel;
    newpack = row.newpack;
    more = addButton(*this, "more", tr("More Objects..."), {8, row.addpicture->y(), 97, 25},
                     &TObjectx::moreClick);
    // Leftmost of the row of buttons, so first of them in the tab order.
    setTabOrder(sky4, more);
    setTabOrder(more, row.addpicture);
    library = new TObjectLibrary(session, forms, services);

    void (TObjectx::*const clicks[])() = {&TObjectx::sky0Click, &TObjectx::sky1Click, &TObjectx::sky2Click,
                                          &TObjectx::sky3Click, &TObjectx::sky4Click};
    for (int i = 0; i < kChoiceSlots; ++i)
        connect(row.pictures[std::size_t(i)], &Thumbnail::clicked, this, clicks[i]);
    connect(cancel, &QPushButton::clicked, this, &TObjectx::cancelClick);
    connect(newpack, &QPushButton::clicked, this, &TObjectx::newpackClick);
    connect(row.addpicture, &QPushButton::clicked, this,
            [this] { chooseMyPicture(*this, scene, this->forms, this->services, PackKind::Object); });
    acceptPictureDrops(*this, scene, forms, PackKind::Object);
}

void TObjectx::chooseObject(int slot)
{
    if (scene.editMode != EditMode::Idle)
        return forms.MainForm->refuse("Object");
    const BuiltinObject& object = kBuiltinObjects[slot];
    scene.placing = true;
    scene.pendingImageFile = object.file;
    scene.pendingTitle = object.title;
    close();
    forms.MainForm->placementArmed();
}

void TObjectx::newpackClick()
{
    if (scene.editMode != EditMode::Idle)
        return forms.MainForm->refuse("Object");
    forms.ObjectPack->openFrom(*this);
}

void TObjectx::moreClick()
{
    if (scene.editMode != EditMode::Idle)
        return;
    library->openFrom(*this);
}

} // namespace veldor
