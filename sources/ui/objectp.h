#pragma once
// The object browser of image packs.
#include "core/ui/smallwindow.h"

namespace veldor {

class TObjectPack : public SmallWindow {
    Q_OBJECT
public:
    TObjectPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
