#include "sources/ui/skyp.h"

#include "core/ui/Main.h"

namespace veldor {

TSkyPack::TSkyPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(scene, forms, services, "Sky: Select Image Pack", PackKind::Sky, parent)
{
}

void TSkyPack::chooseSlot(int slot)
{
    const SkyLight& light = slotTint[std::size_t(slot)];
    scene.tintRed = light.red;
    scene.tintGreen = light.green;
    scene.tintBlue = light.blue;
    scene.reopenPicker = PickerToShow::SkyPack;
    // Stays up through the rendering, which hides it only if it fails.
    scene.skyFile = slotFile[std::size_t(slot)];
    forms.MainForm->Refresh();
}

} // namespace veldor
