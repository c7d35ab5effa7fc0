// The session's history: every command is one labelled step that walks back
// to the scene before it and forward again, within bounds of steps and of
// bytes, and the session knows whether the scene matches the one on disk.
#include "core/bulk.h"
#include "core/session.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace veldor {
namespace {

void arm(SceneState& s, const char* file, int left, int top)
{
    s.pendingImageFile = file;
    s.pendingTitle = file;
    s.newLeft = left;
    s.newTop = top;
    s.newRight = left + 20;
    s.newBottom = top + 30;
}

SceneDocument document(const Session& session) { return session.scene(); }

TEST(Session, EveryCommandIsOneLabelledStep)
{
    using namespace ObjectStatus;
    struct Command {
        const char* label;
        std::function<void(Session&)> run;
    };
    const std::vector<Command> commands = {
        {"Keep It", [](Session& s) { arm(s.scene(), "tree.bmp", 10, 20); s.keepPlacement(); }},
        {"Keep It", [](Session& s) { arm(s.scene(), "a-long-object-name.bmp", 50, 60); s.keepPlacement(); }},
        {"Move", [](Session& s) { s.moveObject(0, 99, 5); }},
        {"Re-Size", [](Session& s) { s.hideForResize(1); s.resizeObject(1, 3, 4, 7, 8); }},
        {"Bring It To Front", [](Session& s) { s.bringObjectToFront(0); }},
        {"Send Behind Land", [](Session& s) { s.setObjectStatus(1, Behind, "Send Behind Land"); }},
        {"Send To Front Of Landscape", [](Session& s) { s.setObjectStatus(1, Front, "Send To Front Of Landscape"); }},
        {"Delete It", [](Session& s) { s.setObjectStatus(1, Deleted, "Delete It"); }},
        {"Send All Behind Land", [](Session& s) { s.applyToAll(sendAllBehindLand, "Send All Behind Land"); }},
        {"Bring All To Front", [](Session& s) { s.applyToAll(bringAllToFront, "Bring All To Front"); }},
        {"Delete All", [](Session& s) { s.applyToAll(deleteAll, "Delete All"); }},
        {"Un-Delete All", [](Session& s) { s.applyToAll(unDeleteAll, "Un-Delete All"); }},
        {"Sky", [](Session& s) { s.chooseSky("packs\\mineS2.bmp", 40, -3, 2); }},
        {"Landscape", [](Session& s) { s.chooseGround("ground2.bmp"); }},
    };
    Session session;
    int changes = 0;
    session.setOnChange([&] { ++changes; });
    Surface picture(4, 4);
    std::vector<SceneDocument> seen{document(session)};
    for (const Command& c : commands) {
        const int changesBefore = changes;
        c.run(session);
        ASSERT_NE(document(session), seen.back()) << c.label << " changes nothing";
        EXPECT_STREQ(session.history().undoLabel(), c.label);
        EXPECT_TRUE(session.modified()) << c.label;
        EXPECT_GT(changes, changesBefore) << c.label << " is not announced";
        seen.push_back(document(session));
    }
    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        EXPECT_FALSE(session.undo(picture));
        EXPECT_EQ(document(session), seen[i - 1]) << "undo " << commands[i - 1].label;
    }
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.modified()) << "undone back to the opened scene";
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_STREQ(session.history().redoLabel(), commands[i - 1].label);
        session.redo(picture);
        EXPECT_EQ(document(session), seen[i]) << "redo " << commands[i - 1].label;
    }
    EXPECT_FALSE(session.canRedo());
}

// "Re-Size It" hides the row while a new size is drawn: no step of its own,
// and neither the file written meanwhile nor the Tools commands run
// meanwhile take the hiding for a deletion.
TEST(Session, ARowHiddenForAResizeKeepsItsOwnStatus)
{
    Session session;
    SceneState& s = session.scene();
    for (int i = 0; i < 3; ++i) {
        arm(s, "rock.bmp", 10 * i, 0);
        session.keepPlacement();
    }
    session.setObjectStatus(2, ObjectStatus::Deleted, "Delete It");
    session.markSaved();
    s.fillDefaultNames();
    const SceneDocument saved = s;

    for (bool kept : {false, true}) {
        session.hideForResize(0);
        EXPECT_FALSE(session.modified());
        session.writeDocument([](const SceneDocument& d) { EXPECT_EQ(d.objects.status[0], ObjectStatus::Front); });
        session.applyToAll(unDeleteAll, "Un-Delete All");
        session.applyToAll(deleteAll, "Delete All");
        if (kept)
            session.resizeObject(0, 1, 2, 3, 4);
        else
            session.showAfterResize();
        Surface picture(1, 1);
        while (session.modified())
            session.undo(picture);
        EXPECT_EQ(static_cast<SceneDocument&>(s), saved) << (kept ? "kept" : "cancelled");
    }
}

TEST(Session, OpenNewAndRestoreStartAFreshHistory)
{
    Session session;
    session.chooseGround("ground1.bmp");
    SceneDocument opened;
    opened.skyFile = "sky2.bmp";
    session.replaceDocument(opened);
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.scene().skyFile, "sky2.bmp");

    session.restoreUnsaved(opened);
    EXPECT_TRUE(session.modified()) << "restored work is unsaved until saved";
    session.markSaved();
    EXPECT_FALSE(session.modified());

    session.chooseGround("ground1.bmp");
    session.newScene();
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(session.scene().skyFile.empty());

    // Effects are unsaved work until the rendering that drops them.
    session.recordEffects(Surface(2, 2));
    EXPECT_TRUE(session.modified());
    session.pictureRendered();
    EXPECT_FALSE(session.modified());
}

TEST(History, KeepsItsStepLimitAndEffectsNeverPushScenesOut)
{
    Session session;
    Surface picture(8, 8, kWhite);
    for (int i = 1; i <= 150; ++i)
        session.chooseSky("sky1.bmp", i, 0, 0);
    int undone = 0;
    for (; session.canUndo(); ++undone)
        session.undo(picture);
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(session.scene().tintRed, 50);
    EXPECT_TRUE(session.modified()) << "the opened scene fell off the end";

    // Five scene steps, then more effects than the limit: the scene steps
    // stay, and one picture is kept a step, traded at each undo and redo.
    session.newScene();
    for (int i = 1; i <= 5; ++i)
        session.chooseSky("sky1.bmp", i, 0, 0);
    std::vector<Surface> pictures{picture};
    for (int i = 0; i < 150; ++i) {
        Surface before = picture;
        picture.setPixel(i % 8, i / 8 % 8, Color(i + 1));
        session.recordEffects(std::move(before));
        pictures.push_back(picture);
    }
    EXPECT_EQ(session.history().steps(), 105u);
    EXPECT_STREQ(session.history().undoLabel(), "Effects");
    EXPECT_TRUE(session.undo(picture));
    EXPECT_EQ(picture, pictures[149]);
    EXPECT_TRUE(session.redo(picture));
    EXPECT_EQ(picture, pictures[150]);
    EXPECT_TRUE(session.undo(picture));
    session.pictureRendered();
    EXPECT_FALSE(session.canRedo()) << "a rendering drops the effects";
    for (int i = 5; i >= 1; --i) {
        EXPECT_EQ(session.scene().tintRed, i);
        EXPECT_FALSE(session.undo(picture));
    }
    EXPECT_FALSE(session.modified());
}

// The byte bound: the oldest steps go first, the newest always stays.
TEST(History, StaysWithinItsByteBound)
{
    History history(100, 4096);
    SceneDocument d;
    for (int i = 0; i < 50; ++i) {
        SceneStep::Header before = SceneStep::headerOf(d);
        d.skyFile = std::string(200, char('a' + i % 26));
        history.recordScene(SceneStep("Sky", before, SceneStep::headerOf(d), {}, {}));
        EXPECT_LE(history.bytes(), 4096u);
    }
    EXPECT_LT(history.steps(), 50u);
    History tiny(100, 1);
    tiny.recordPicture(Surface(630, 340));
    EXPECT_EQ(tiny.steps(), 1u) << "the newest step always stays";
}

// A bulk command on a large scene costs a couple of bits a row: a hundred
// of them on 200,000 rows of mixed statuses all stay, and undoing them all
// gives the opened scene back exactly.
TEST(History, BulkCommandsOnALargeSceneCostBitsARow)
{
    constexpr std::size_t kRows = 200'000;
    SceneDocument opened;
    opened.objects.recreate(kRows + 1);
    opened.objectCount = std::int32_t(kRows);
    const std::int32_t pattern[] = {1, 2, 1, 1, 0, 2, 99, 1, 0};
    for (std::size_t i = 0; i < kRows; ++i) {
        opened.objects.status[i] = pattern[i * 7919 % 9];
        opened.objects.title[i] = "Hot Air Balloon";
    }
    Session session;
    session.replaceDocument(opened);
    for (int i = 0; i < 100; ++i)
        session.applyToAll(i % 2 ? unDeleteAll : deleteAll, i % 2 ? "Un-Delete All" : "Delete All");
    EXPECT_EQ(session.history().steps(), 100u);
    EXPECT_LT(session.history().bytes(), std::size_t(8) << 20);
    Surface picture(1, 1);
    while (session.canUndo())
        session.undo(picture);
    EXPECT_EQ(document(session), opened);
}

} // namespace
} // namespace veldor
