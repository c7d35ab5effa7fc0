#include "sources/ui/objectp.h"

#include "core/scene.h"
#include "core/ui/Main.h"

namespace veldor {

TObjectPack::TObjectPack(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : PackBrowser(session, forms, services, tr("Objects: Select Image Pack"), PackKind::Object, parent)
{
}

bool armPackObject(SceneState& scene, const std::string& imageFile, const std::string& title)
{
    // As in the built-in picker: a choice must not take over an edit in
    // progress.
    if (scene.editMode != EditMode::Idle)
        return false;
    scene.placing = true;
    scene.pendingImageFile = imageFile;
    scene.pendingTitle = title;
    return true;
}

void TObjectPack::chooseSlot(int slot)
{
    if (!armPackObject(scene, slotFile[std::size_t(slot)], slotCaption[std::size_t(slot)]))
        return forms.MainForm->refuse("Object");
    close();
    forms.MainForm->placementArmed();
}

} // namespace veldor
