#pragma once
// The object browser of image packs.
#include "sources/ui/packbrowser.h"

#include <string>

namespace veldor {

struct SceneState;

// What choosing an object of a pack does to the scene: arms the placement
// of `imageFile`, titled `title`. Refused (false, nothing changed) while an
// object is being edited, since it would replace the object just drawn.
bool armPackObject(SceneState& scene, const std::string& imageFile, const std::string& title);

class TObjectPack : public PackBrowser {
    Q_OBJECT
public:
    TObjectPack(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

protected:
    // Arms the placement of the pack's object, titled with the caption under
    // its picture, and closes; nothing is rendered.
    void chooseSlot(int slot) override;
};

} // namespace veldor
