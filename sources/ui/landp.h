#pragma once
// The ground browser of image packs.
#include "core/ui/smallwindow.h"

namespace veldor {

class TLandPack : public SmallWindow {
    Q_OBJECT
public:
    TLandPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
