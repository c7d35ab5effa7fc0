#include "sources/ui/landp.h"

#include "core/ui/Main.h"

namespace veldor {

TLandPack::TLandPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(scene, forms, services, "Landscape: Select Image Pack", PackKind::Ground, parent)
{
}

void TLandPack::chooseSlot(int slot)
{
    scene.reopenPicker = PickerToShow::LandPack;
    // Stays up through the rendering, which hides it only if it fails.
    scene.groundFile = slotFile[std::size_t(slot)];
    forms.MainForm->Refresh();
}

} // namespace veldor
