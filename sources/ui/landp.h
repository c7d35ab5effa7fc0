#pragma once
// The ground browser of image packs.
#include "sources/ui/packbrowser.h"

namespace veldor {

class TLandPack : public PackBrowser {
    Q_OBJECT
public:
    TLandPack(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

protected:
    // Sets the pack's ground and renders; the renderer shows this browser
    // again with the same pack.
    void chooseSlot(int slot) override;
};

} // namespace veldor
