#include "sources/ui/skyform.h"

#include "core/session.h"
#include "core/ui/Main.h"
#include "sources/builtins.h"
#include "sources/ui/mypicturesui.h"
#include "sources/ui/pickerrow.h"
#include "sources/ui/skyp.h"
#include "core/ui/thumbnail.h"

#include <QLabel>
#include <QPushButton>

namespace veldor {

Tsky::Tsky(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Please Select Sky"), {562, 178}, TitleButtons::Close, true}, parent)
{
    PickerRowSpec spec{"sky%1", "sky%1label", ":/ui/thumb_sky%1.bmp", {}};
    for (int i = 0; i < kChoiceSlots; ++i)
        spec.captions[std::size_t(i)] = kBuiltinSkies[i].caption;
    const PickerRow row = buildPickerRow(*this, spec);
    sky0 = row.pictures[0], sky1 = row.pictures[1], sky2 = row.pictures[2];
    sky3 = row.pictures[3], sky4 = row.pictures[4];
    sky0label = row.captions[0], sky1label = row.captions[1], sky2label = row.captions[2];
    sky3label = row.captions[3], sky4label = row.captions[4];
    cancel = row.cancel;
    newpack = row.newpack;

    void (Tsky::*const clicks[])() = {&Tsky::sky0Click, &Tsky::sky1Click, &Tsky::sky2Click, &Tsky::sky3Click,
                                      &Tsky::sky4Click};
    for (int i = 0; i < kChoiceSlots; ++i)
        connect(row.pictures[std::size_t(i)], &Thumbnail::clicked, this, clicks[i]);
    connect(cancel, &QPushButton::clicked, this, &Tsky::cancelClick);
    connect(newpack, &QPushButton::clicked, this, &Tsky::newpackClick);
    connect(row.addpicture, &QPushButton::clicked, this,
            [this] { chooseMyPicture(*this, scene, this->forms, this->services, PackKind::Sky); });
    acceptPictureDrops(*this, scene, forms, PackKind::Sky);
}

void Tsky::chooseSky(int slot)
{
    const BuiltinSky& sky = kBuiltinSkies[slot];
    session.chooseSky(sky.file, sky.light.red, sky.light.green, sky.light.blue);
    // Stays up through the rendering, which hides it only if it fails.
    scene.reopenPicker = PickerToShow::Sky;
    forms.MainForm->Refresh();
}

void Tsky::newpackClick()
{
    if (scene.editMode != EditMode::Idle)
        return forms.MainForm->refuse("Sky");
    forms.SkyPack->openFrom(*this);
}

} // namespace veldor
