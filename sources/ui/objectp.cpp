#include "sources/ui/objectp.h"

namespace veldor {

TObjectPack::TObjectPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(scene, forms, services, "Objects: Select Image Pack", PackKind::Object, parent)
{
}

void TObjectPack::chooseSlot(int slot)
{
    scene.placing = 1;
    scene.pendingImageFile = slotFile[std::size_t(slot)];
    scene.pendingTitle = slotCaption[std::size_t(slot)];
    close();
}

} // namespace veldor
