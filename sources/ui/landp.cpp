#include "sources/ui/landp.h"

#include "core/session.h"
#include "core/ui/Main.h"

namespace veldor {

TLandPack::TLandPack(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(session, forms, services, tr("Landscape: Select Image Pack"), PackKind::Ground, parent)
{
}

void TLandPack::chooseSlot(int slot)
{
    session.chooseGround(slotFile[std::size_t(slot)]);
    // Stays up through the rendering, which hides it only if it fails.
    scene.reopenPicker = PickerToShow::LandPack;
    forms.MainForm->Refresh();
}

} // namespace veldor
