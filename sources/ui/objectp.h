#pragma once
// The object browser of image packs.
#include "sources/ui/packbrowser.h"

namespace veldor {

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
