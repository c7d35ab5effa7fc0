#pragma once
// The sky browser of image packs.
#include "core/ui/smallwindow.h"

namespace veldor {

class TSkyPack : public SmallWindow {
    Q_OBJECT
public:
    TSkyPack(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);
};

} // namespace veldor
