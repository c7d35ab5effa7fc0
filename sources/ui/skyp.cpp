#include "sources/ui/skyp.h"

#include "core/session.h"
#include "core/ui/Main.h"

namespace veldor {

TSkyPack::TSkyPack(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(session, forms, services, tr("Sky: Select Image Pack"), PackKind::Sky, parent)
{
}

void TSkyPack::chooseSlot(int slot)
{
    const SkyLight& light = slotTint[std::size_t(slot)];
    session.chooseSky(slotFile[std::size_t(slot)], light.red, light.green, light.blue);
    // Stays up through the rendering, which hides it only if it fails.
    scene.reopenPicker = PickerToShow::SkyPack;
    forms.MainForm->Refresh();
}

} // namespace veldor
