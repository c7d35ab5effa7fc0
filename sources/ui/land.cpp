#include "sources/ui/land.h"

#include "core/session.h"
#include "core/ui/Main.h"
#include "core/ui/controls.h"
#include "sources/builtins.h"
#include "sources/ui/landp.h"
#include "sources/ui/mypicturesui.h"
#include "sources/ui/pickerrow.h"
#include "core/ui/thumbnail.h"

#include <QLabel>
#include <QPushButton>

namespace veldor {

Tlandscape::Tlandscape(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Please Select Landscape"), {562, 178}, TitleButtons::Close, true}, parent)
{
    PickerRowSpec spec{"land%1", "land%1label", ":/ui/thumb_ground%1.bmp", {}};
    for (int i = 0; i < kChoiceSlots; ++i)
        spec.captions[std::size_t(i)] = kBuiltinGrounds[i].caption;
    const PickerRow row = buildPickerRow(*this, spec);
    land0 = row.pictures[0], land1 = row.pictures[1], land2 = row.pictures[2];
    land3 = row.pictures[3], land4 = row.pictures[4];
    land0label = row.captions[0], land1label = row.captions[1], land2label = row.captions[2];
    land3label = row.captions[3], land4label = row.captions[4];
    cancel = row.cancel;
    newpack = row.newpack;
    Button1 = addButton(*this, "Button1", tr("No Landscape"), {8, row.addpicture->y(), 97, 25},
                        &Tlandscape::Button1Click);
    // Leftmost of the row of buttons, so first of them in the tab order.
    setTabOrder(land4, Button1);
    setTabOrder(Button1, row.addpicture);

    void (Tlandscape::*const clicks[])() = {&Tlandscape::land0Click, &Tlandscape::land1Click,
                                            &Tlandscape::land2Click, &Tlandscape::land3Click,
                                            &Tlandscape::land4Click};
    for (int i = 0; i < kChoiceSlots; ++i)
        connect(row.pictures[std::size_t(i)], &Thumbnail::clicked, this, clicks[i]);
    connect(cancel, &QPushButton::clicked, this, &Tlandscape::cancelClick);
    connect(newpack, &QPushButton::clicked, this, &Tlandscape::newpackClick);
    connect(row.addpicture, &QPushButton::clicked, this,
            [this] { chooseMyPicture(*this, scene, this->forms, this->services, PackKind::Ground); });
    acceptPictureDrops(*this, scene, forms, PackKind::Ground);
}

void Tlandscape::chooseGround(int slot)
{
    storeAndRender(kBuiltinGrounds[slot].file);
}

void Tlandscape::Button1Click()
{
    storeAndRender(kNoLandscapeFile);
}

void Tlandscape::storeAndRender(const char* groundFile)
{
    session.chooseGround(groundFile);
    // Stays up through the rendering, which hides it only if it fails.
    scene.reopenPicker = PickerToShow::Landscape;
    forms.MainForm->Refresh();
}

void Tlandscape::newpackClick()
{
    if (scene.editMode != EditMode::Idle)
        return forms.MainForm->refuse("Landscape");
    forms.LandPack->openFrom(*this);
}

} // namespace veldor
