#pragma once
// The sky browser of image packs.
#include "sources/ui/packbrowser.h"

namespace veldor {

class TSkyPack : public PackBrowser {
    Q_OBJECT
public:
    TSkyPack(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // The light of each sky of the loaded pack, kept as the file gives it.
    std::array<SkyLight, kChoiceSlots> slotTint{};

protected:
    // Sets the pack's sky with its light and renders; the renderer shows
    // this browser again with the same pack.
    void chooseSlot(int slot) override;
    void keepSlots(const PackSlots& contents) override { slotTint = contents.lights; }
};

} // namespace veldor
