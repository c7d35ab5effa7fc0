#include "sources/ui/objectp.h"

#include "core/scene.h"

namespace veldor {

TObjectPack::TObjectPack(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(session, forms, services, tr("Objects: Select Image Pack"), PackKind::Object, parent)
{
}

void TObjectPack::chooseSlot(int slot)
{
    // As in the built-in picker: a choice must not take over an edit in
    // progress (it would replace the object just drawn).
    if (scene.editMode != EditMode::Idle)
        return;
    scene.placing = true;
    scene.pendingImageFile = slotFile[std::size_t(slot)];
    scene.pendingTitle = slotCaption[std::size_t(slot)];
    close();
}

} // namespace veldor
