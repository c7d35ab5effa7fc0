// The undo history: every kind of change walks back to the scene before it
// and forward again, within its step limit, and knows whether the scene
// still matches the one on disk.
#include "core/bulk.h"
#include "core/history.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace veldor {
namespace {

void place(SceneState& s, const char* file, int left, int top)
{
    s.pendingImageFile = file;
    s.pendingTitle = file;
    s.newLeft = left;
    s.newTop = top;
    s.newRight = left + 20;
    s.newBottom = top + 30;
    s.appendPlacement();
}

TEST(History, EveryKindOfStepUndoesAndRedoes)
{
    using namespace ObjectStatus;
    const std::vector<std::pair<const char*, std::function<void(SceneState&)>>> steps = {
        {"place", [](SceneState& s) { place(s, "tree.bmp", 10, 20); }},
        {"place a second", [](SceneState& s) { place(s, "a-long-object-name.bmp", 50, 60); }},
        {"move", [](SceneState& s) { s.objects.left[0] = 99; s.objects.top[0] = 5; }},
        {"re-size", [](SceneState& s) { s.objects.width[1] = 7; }},
        {"bring to front", [](SceneState& s) { s.bringToFront(0); }},
        {"send behind land", [](SceneState& s) { s.objects.status[1] = Behind; }},
        {"delete", [](SceneState& s) { s.objects.status[1] = Deleted; }},
        {"send all behind", [](SceneState& s) { sendAllBehindLand(s); }},
        {"bring all to front", [](SceneState& s) { bringAllToFront(s); }},
        {"delete all", [](SceneState& s) { deleteAll(s); }},
        {"un-delete all", [](SceneState& s) { unDeleteAll(s); }},
        {"sky and its light", [](SceneState& s) { s.skyFile = "sky7.bmp"; s.tintRed = 40; s.tintBlue = 2; }},
        {"ground", [](SceneState& s) { s.groundFile = "land2.bmp"; }},
        {"a fresh table", [](SceneState& s) { s.objects.recreate(1); s.objectCount = 0; }},
    };
    SceneState scene;
    History history;
    history.reset();
    Surface picture(4, 4);
    std::vector<SceneDocument> seen{scene};
    for (const auto& [name, change] : steps) {
        const SceneDocument before = scene;
        change(scene);
        ASSERT_NE(before, static_cast<SceneDocument&>(scene)) << name << " changes nothing";
        history.recordScene(before, scene);
        seen.push_back(scene);
    }
    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        history.undo(scene, picture);
        EXPECT_EQ(static_cast<SceneDocument&>(scene), seen[i - 1]) << "undo " << steps[i - 1].first;
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.modified());
    for (std::size_t i = 1; i < seen.size(); ++i) {
        history.redo(scene, picture);
        EXPECT_EQ(static_cast<SceneDocument&>(scene), seen[i]) << "redo " << steps[i - 1].first;
    }
    EXPECT_FALSE(history.canRedo());
}

TEST(History, KeepsItsLimitAndKnowsTheSavedScene)
{
    SceneState scene;
    History history(100);
    history.reset();
    Surface picture(1, 1);
    for (int i = 0; i < 150; ++i) {
        const SceneDocument before = scene;
        scene.tintRed = i + 1;
        history.recordScene(before, scene);
    }
    int undone = 0;
    for (; history.canUndo(); ++undone)
        history.undo(scene, picture);
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(scene.tintRed, 50);
    EXPECT_TRUE(history.modified()) << "the opened scene fell off the end";

    history.reset();
    const SceneDocument saved = scene;
    scene.tintGreen = 1;
    history.recordScene(saved, scene);
    EXPECT_TRUE(history.modified());
    history.undo(scene, picture);
    EXPECT_FALSE(history.modified()) << "undone back to the saved scene";
    history.redo(scene, picture);
    history.markSaved();
    EXPECT_FALSE(history.modified());
    history.recordScene(scene, scene);
    EXPECT_FALSE(history.modified()) << "an unchanged scene is no step";
}

TEST(History, EffectsStepsRestoreThePictureAndGoWithARendering)
{
    SceneState scene;
    History history;
    history.reset();
    Surface picture(2, 2, kWhite);
    const Surface plain = picture;
    const SceneDocument before = scene;
    scene.skyFile = "sky1.bmp";
    history.recordScene(before, scene);
    Surface effected = picture;
    effected.setPixel(0, 0, 0x123456);
    history.recordPicture(picture, effected);
    picture = effected;
    EXPECT_TRUE(history.undoIsPicture());
    history.undo(scene, picture);
    EXPECT_EQ(picture, plain);
    EXPECT_EQ(scene.skyFile, "sky1.bmp") << "the scene is left alone";
    history.redo(scene, picture);
    EXPECT_EQ(picture, effected);

    history.dropPictureSteps();
    EXPECT_FALSE(history.undoIsPicture());
    history.undo(scene, picture);
    EXPECT_EQ(static_cast<SceneDocument&>(scene), before);
    EXPECT_FALSE(history.modified()) << "effects never mark the scene changed";
}

} // namespace
} // namespace veldor
