// The program's frame: the twenty windows, the main window's toolbar and
// menus, start-up, the rendering's window handling and the error handler.
#include "harness.h"

#include "core/ui/about.h"
#include "core/ui/accessibility.h"
#include "core/ui/application.h"
#include "core/ui/busyscope.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/pictureview.h"
#include "core/ui/wait.h"
#include "editing/editmachine.h"
#include "editing/ui/choicewindow.h"
#include "effects/ui/error.h"
#include "files/ui/notvdrf.h"
#include "output/ui/bmpsaver.h"
#include "output/ui/printx.h"
#include "platform/error.h"
#include "sources/ui/land.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyform.h"
#include "sources/builtins.h"
#include "core/ui/thumbnail.h"
#include "sources/ui/skyp.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <qpa/qwindowsysteminterface.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

// "caption|hint|shortcut" per item, "-" per separator.
QStringList describe(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : a->text() + '|' + a->statusTip() + '|'
                                         + a->shortcut().toString(QKeySequence::PortableText));
    return items;
}

} // namespace

class SkeletonTest : public QObject {
    Q_OBJECT
private slots:
    void smallWindowsHaveTheirCaptionSizeAndButtons();
    void mainWindowLayout();
    void mainMenuItems();
    void popupMenuItems();
    void everyMenuItemRunsItsCommand_data();
    void everyMenuItemRunsItsCommand();
    void shortcutsRunTheirCommands_data();
    void shortcutsRunTheirCommands();
    void everyCommandIsOneStep();
    void unsavedChangesAreAskedAbout();
    void exitItemsCloseTheProgram();
    void startupShowsTheBareDefaultSky();
    void startupEndsWithABeepWhenAFileIsMissing_data();
    void startupEndsWithABeepWhenAFileIsMissing();
    void renderingRestoresTheWindows();
    void renderingKeepsTheWindowsUp_data();
    void renderingKeepsTheWindowsUp();
    void longWorkKeepsTheWindowsAnswering_data();
    void longWorkKeepsTheWindowsAnswering();
    void refreshButtonOnlyWhenIdle();
    void errorsAtDispatchAreShown();
    void pictureConversionKeepsChannels();
};

void SkeletonTest::smallWindowsHaveTheirCaptionSizeAndButtons()
{
    TestProgram p;
    Forms& f = p.forms();
    struct Expect {
        SmallWindow* window;
        const char* caption;
        QSize client;
        TitleButtons buttons;
        bool onTop;
    };
    const Expect windows[] = {
        {f.landscape, "Please Select Landscape", {562, 178}, TitleButtons::Close, true},
        {f.sky, "Please Select Sky", {562, 178}, TitleButtons::Close, true},
        {f.WaitBox, "Please Wait, Rendering...", {155, 1}, TitleButtons::None, true},
        {f.Objectx, "Please Select an Object", {560, 174}, TitleButtons::Close, true},
        {f.obconfirm, "New Object", {335, 64}, TitleButtons::None, true},
        {f.obchange, "Object Edit", {547, 81}, TitleButtons::None, true},
        {f.mover, "Object Move", {297, 65}, TitleButtons::None, true},
        {f.resizer, "Re-Size Object", {313, 65}, TitleButtons::None, true},
        {f.notvdr, "This is not a Veldor File", {186, 41}, TitleButtons::None, true},
        {f.obhind, "Object Edit", {372, 82}, TitleButtons::None, true},
        {f.PrintForm, "Print", {273, 113}, TitleButtons::SystemMenu, true},
        {f.SkyPack, "Sky: Select Image Pack", {502, 322}, TitleButtons::Close, true},
        {f.LandPack, "Landscape: Select Image Pack", {502, 322}, TitleButtons::Close, true},
        {f.ObjectPack, "Objects: Select Image Pack", {502, 322}, TitleButtons::Close, true},
        {f.BMPSave, "Export as BMP", {266, 66}, TitleButtons::SystemMenu, true},
        {f.effects, "Special Effects", {396, 234}, TitleButtons::SystemMenu, true},
        {f.newbox, "Confirm New", {176, 65}, TitleButtons::SystemMenu, true},
        {f.helpbox, "Veldor Help", {427, 370}, TitleButtons::SystemMenuMinimise, false},
        {f.AboutBox, "About", {234, 219}, TitleButtons::SystemMenu, true},
    };
    for (const Expect& e : windows) {
        QVERIFY(e.window);
        const QString caption = QString::fromLatin1(e.caption);
        QCOMPARE(e.window->windowTitle(), caption);
        QCOMPARE(e.window->size(), e.client);
        QVERIFY2(!e.window->isVisible(), e.caption);
        // Only the confirm-new window has a sizeable border.
        QCOMPARE(e.window->minimumSize() == e.window->maximumSize(), e.window != (QWidget*)f.newbox);
        QCOMPARE(e.window->titleButtons(), e.buttons);
        const Qt::WindowFlags flags = e.window->windowFlags();
        QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), e.onTop);
        QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), e.buttons != TitleButtons::None);
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint),
                 e.buttons == TitleButtons::SystemMenuMinimise);
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        // Kept above the main window by every desktop, Wayland included.
        QCOMPARE(e.window->windowType(), Qt::Dialog);
        QCOMPARE(e.window->parentWidget(), static_cast<QWidget*>(f.MainForm));
    }

    // Closing hides; the window lives on and shows again.
    f.sky->show();
    QVERIFY(f.sky->close());
    QVERIFY(!f.sky->isVisible());
    f.sky->show();
    QVERIFY(f.sky->isVisible());
}

void SkeletonTest::mainWindowLayout()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    QCOMPARE(m.windowTitle(), QStringLiteral("Veldor"));
    QCOMPARE(m.client->size(), QSize(632, 405));
    QCOMPARE(m.client->mapTo(&m, QPoint(0, 0)).y(), m.menuBar()->height());
    QCOMPARE(m.minimumSize(), m.maximumSize());
    QVERIFY(m.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m.SpeedBar->geometry(), QRect(0, 0, 632, 57));
    QCOMPARE(m.MainImage->geometry(), QRect(1, 64, 630, 340));

    const QToolButton* buttons[] = {m.SpeedButton1, m.SpeedButton2, m.SpeedButton11, m.SpeedButton6,
                                    m.SpeedButton5, m.SpeedButton8, m.SpeedButton3, m.SpeedButton4,
                                    m.SpeedButton7, m.RefreshButton};
    const int lefts[] = {8, 56, 104, 151, 272, 320, 368, 416, 464, 584};
    for (int i = 0; i < 10; ++i) {
        const int width = buttons[i] == m.SpeedButton7 ? 40 : 41;
        QCOMPARE(buttons[i]->geometry(), QRect(lefts[i], 8, width, 41));
        QCOMPARE(buttons[i]->iconSize(), QSize(32, 32));
        QVERIFY(!buttons[i]->toolTip().isEmpty());
        QVERIFY(buttons[i]->text().isEmpty() || !buttons[i]->icon().isNull());
    }
}

void SkeletonTest::mainMenuItems()
{
    TestProgram p;
    TMainForm& m = p.main();
    QStringList titles;
    for (const QAction* a : m.menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "Too&ls", "&Veldor", "&Help"}));
    QCOMPARE(describe(m.FileMenu),
             (QStringList{"&New|Create a new file|Ctrl+N", "&Open...|Open an existing file|Ctrl+O",
                          "&Save|Save current file|Ctrl+S",
                          "Save &As...|Save current file under a new name|Ctrl+Shift+S", "&Print...||Ctrl+P",
                          "P&rint Setup||", "Export &BMP...||", "-", "E&xit|Exit this application|Ctrl+Q"}));
    QCOMPARE(describe(m.EditMenu), (QStringList{"&Undo|Undo the last change|Ctrl+Z",
                                                "&Redo|Redo the change last undone|Ctrl+Shift+Z", "-",
                                                "&Copy|Copy selected item to clipboard|"}));
    QCOMPARE(describe(m.Tools1), (QStringList{"&Delete All||", "&Un-Delete All||",
                                              "Bring All To &Front||", "Send All &Behind Land||"}));
    QCOMPARE(describe(m.Veldor1),
             (QStringList{"&Landscape||", "&Sky||",
                          "&Objects|Pick an object, then drag its rectangle on the picture, or use the arrow keys "
                          "and Enter|",
                          "Special &Effects||"}));
    QCOMPARE(describe(m.HelpMenu), (QStringList{"&Help|Display the help contents screen|F1", "-",
                                                "&About...|Show program information|"}));
    QCOMPARE(m.FileNewItem->objectName(), QStringLiteral("FileNewItem"));
    QCOMPARE(m.SendAllBehindLand1->objectName(), QStringLiteral("SendAllBehindLand1"));
}

void SkeletonTest::popupMenuItems()
{
    TestProgram p;
    TMainForm& m = p.main();
    QStringList titles;
    for (const QAction* a : m.PopupMenu1->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "Too&ls", "&Veldor", "&Help"}));
    QCOMPARE(describe(m.File1),
             (QStringList{"&New||Ctrl+N", "&Open...||Ctrl+O", "&Save||Ctrl+S", "Save &As...||Ctrl+Shift+S",
                          "&Print...||Ctrl+P", "P&rint Setup...||", "Export &BMP...||", "-", "E&xit||Ctrl+Q"}));
    QCOMPARE(describe(m.Edit1), (QStringList{"&Undo||Ctrl+Z", "&Redo||Ctrl+Shift+Z", "-", "&Copy||Ctrl+C"}));
    QCOMPARE(describe(m.Tools2), (QStringList{"&Delete All||", "&Un-Delete All||",
                                              "Bring All To &Front||", "Send All &Behind Land||"}));
    QCOMPARE(describe(m.Veldor2), (QStringList{"&Ground||", "&Sky||", "&Objects||", "Special &Effects||"}));
    QCOMPARE(describe(m.Help1), (QStringList{"&Help||F1", "-", "&About...||"}));
    QCOMPARE(m.Copy1->objectName(), QStringLiteral("Copy1"));
    // The shortcut works while the popup is closed.
    QVERIFY(m.actions().contains(m.Copy1));
}

namespace {

// What a command visibly did to a started program whose scene has a current
// file and three rows, Front, Behind and Deleted: the windows it opened, the
// dialogs it asked for, the file it wrote, the clipboard, the rows.
QStringList whatRan(TestProgram& p, const std::string& currentFile)
{
    QStringList done;
    const Forms& f = p.forms();
    const std::pair<const QWidget*, const char*> windows[] = {
        {f.newbox, "New"},       {f.PrintForm, "Print"},   {f.BMPSave, "Export"}, {f.landscape, "Landscape"},
        {f.sky, "Sky"},          {f.Objectx, "Objects"},   {f.effects, "Effects"}, {f.helpbox, "Help"},
        {f.AboutBox, "About"},
    };
    for (const auto& [window, name] : windows)
        if (window->isVisible())
            done << QString::fromLatin1(name);
    if (!p.main().isVisible())
        done << QStringLiteral("closed");
    if (!p.services.openRequests.empty())
        done << QStringLiteral("open dialog");
    if (!p.services.saveRequests.empty())
        done << QStringLiteral("save dialog");
    if (p.services.printerSetups > 0)
        done << QStringLiteral("printer setup");
    if (QFile::exists(QString::fromStdString(currentFile)))
        done << QStringLiteral("saved");
    if (!QGuiApplication::clipboard()->image().isNull())
        done << QStringLiteral("copied");
    const SceneState& s = p.scene();
    const std::vector<std::int32_t> rows(s.objects.status.begin(), s.objects.status.begin() + 3);
    if (rows != std::vector{ObjectStatus::Front, ObjectStatus::Behind, ObjectStatus::Deleted})
        done << QStringLiteral("rows %1 %2 %3").arg(rows[0]).arg(rows[1]).arg(rows[2]);
    return done;
}

} // namespace

void SkeletonTest::everyMenuItemRunsItsCommand_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("done");
    const std::pair<const char*, QStringList> rows[] = {
        {"FileNewItem", {"New"}},           {"New1", {"New"}},
        {"FileOpenItem", {"open dialog"}},  {"Open1", {"open dialog"}},
        {"FileSaveItem", {"saved"}},        {"Save1", {"saved"}},
        {"FileSaveAsItem", {"save dialog"}}, {"SaveAs1", {"save dialog"}},
        {"Print1", {"Print"}},              {"Print2", {"Print"}},
        {"PrintSetup1", {"printer setup"}}, {"PrintSetup2", {"printer setup"}},
        {"ExportasBMP2", {"Export"}},       {"ExportasBMP1", {"Export"}},
        {"FileExitItem", {"closed"}},       {"Exit1", {"closed"}},
        {"EditCopyItem", {"copied"}},       {"Copy1", {"copied"}},
        {"DeleteAll1", {"rows 0 0 0"}},       {"DeleteAll2", {"rows 0 0 0"}},
        {"UnDeleteAll1", {"rows 1 2 1"}},     {"UnDeleteAll2", {"rows 1 2 1"}},
        {"BringAllToFront1", {"rows 1 1 0"}}, {"BringAllToFront2", {"rows 1 1 0"}},
        {"SendAllBehindLand1", {"rows 2 2 0"}}, {"SendAllBehindLand2", {"rows 2 2 0"}},
        {"Landscape1", {"Landscape"}},      {"Ground1", {"Landscape"}},
        {"Sky1", {"Sky"}},                  {"Sky2", {"Sky"}},
        {"Objects1", {"Objects"}},          {"Objects2", {"Objects"}},
        {"SpecialEffects1", {"Effects"}},   {"SpecialEffects2", {"Effects"}},
        {"HelpContentsItem", {"Help"}},     {"Contents1", {"Help"}},
        {"HelpAboutItem", {"About"}},       {"About1", {"About"}},
    };
    for (const auto& [item, done] : rows)
        QTest::newRow(item) << QString::fromLatin1(item) << done;
}

namespace {

// A started program whose scene has a current file and three rows, Front,
// Behind and Deleted, as whatRan expects.
void startWithThreeRows(TestProgram& p)
{
    p.start();
    SceneState& s = p.scene();
    s.objects.recreate(3);
    s.objects.status = {ObjectStatus::Front, ObjectStatus::Behind, ObjectStatus::Deleted};
    for (std::size_t row = 0; row < 3; ++row) {
        s.objects.imageFile[row] = "object0.bmp";
        s.objects.width[row] = s.objects.height[row] = 20;
    }
    s.objectCount = 3;
    s.currentFile = p.appDir.path(QStringLiteral("current.vdr")).toStdString();
    QGuiApplication::clipboard()->clear();
}

} // namespace

void SkeletonTest::everyMenuItemRunsItsCommand()
{
    QFETCH(QString, item);
    QFETCH(QStringList, done);
    TestProgram p;
    startWithThreeRows(p);
    const SceneState& s = p.scene();

    auto* action = p.main().findChild<QAction*>(item);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(whatRan(p, s.currentFile), done);
}

void SkeletonTest::shortcutsRunTheirCommands_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("done");
    const std::pair<const char*, QStringList> rows[] = {
        {"Ctrl+N", {"New"}},         {"Ctrl+O", {"open dialog"}}, {"Ctrl+S", {"saved"}},
        {"Ctrl+Shift+S", {"save dialog"}}, {"Ctrl+P", {"Print"}},  {"Ctrl+Q", {"closed"}},
        {"F1", {"Help"}},            {"Ctrl+C", {"copied"}},
    };
    for (const auto& [keys, done] : rows)
        QTest::newRow(keys) << QString::fromLatin1(keys) << done;
}

void SkeletonTest::shortcutsRunTheirCommands()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, done);
    TestProgram p;
    startWithThreeRows(p);
    p.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.main()));
    QTest::keySequence(&p.main(), QKeySequence(keys));
    QCOMPARE(whatRan(p, p.scene().currentFile), done);
}

// Every command that changes the scene, done through its window: one step
// named after it, an unsaved change, the picture's description current at
// once; Undo gives the scene before it and Redo the scene after it.
void SkeletonTest::everyCommandIsOneStep()
{
    TestProgram p;
    startWithThreeRows(p);
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    Forms& f = p.forms();
    s.currentFile.clear();
    // Row 0 in front at (10, 10), row 1 behind the ground at (300, 10).
    s.objects.left[1] = 300;
    s.objects.left[0] = s.objects.top[0] = s.objects.top[1] = 10;
    m.RefreshButtonClick();
    EditMachine& e = m.editMachine();
    const auto click = [](QWidget* window, const char* button) {
        QTest::mouseClick(test::control<QPushButton>(window, button), Qt::LeftButton);
    };
    const auto drag = [&](int x0, int y0, int x1, int y1) {
        e.press(x0, y0);
        e.move(x1, y1);
        e.release(x1, y1);
    };
    const auto choose = [&](int x, int y, QWidget* window, const char* button) {
        e.press(x, y);
        click(window, button);
    };
    struct Command {
        const char* undo;
        std::function<void()> run;
    };
    const std::vector<Command> commands = {
        {"&Undo Keep It", [&] {
             f.Objectx->show();
             emit test::control<Thumbnail>(f.Objectx, "sky2")->clicked();
             drag(100, 100, 150, 160);
             click(f.obconfirm, "keep");
         }},
        {"&Undo Move", [&] {
             choose(15, 15, f.obchange, "Button2");
             e.move(40, 50);
             e.press(40, 50);
             click(f.mover, "Button1");
         }},
        {"&Undo Re-Size", [&] {
             choose(45, 55, f.obchange, "Button3");
             drag(200, 200, 260, 230);
             click(f.resizer, "Button1");
         }},
        {"&Undo Bring It To Front", [&] { choose(110, 110, f.obchange, "Button4"); }},
        {"&Undo Send Behind Land", [&] { choose(110, 110, f.obchange, "Button6"); }},
        {"&Undo Send To Front Of Landscape", [&] { choose(305, 15, f.obhind, "Button1"); }},
        {"&Undo Delete It", [&] { choose(305, 15, f.obchange, "button1"); }},
        {"&Undo Delete Object", [&] { choose(110, 110, f.obhind, "Button2"); }},
        {"&Undo Un-Delete All", [&] { m.UnDeleteAll1->trigger(); }},
        {"&Undo Send All Behind Land", [&] { m.SendAllBehindLand2->trigger(); }},
        {"&Undo Bring All To Front", [&] { m.BringAllToFront1->trigger(); }},
        {"&Undo Delete All", [&] { m.DeleteAll2->trigger(); }},
        {"&Undo Sky", [&] { f.sky->sky0Click(); }},
        {"&Undo Landscape", [&] { f.landscape->land2Click(); }},
        {"&Undo Effects", [&] {
             f.effects->show();
             click(f.effects, "Button2");
         }},
    };
    // Tools > Delete All in the middle of an edit that is then cancelled is
    // a step all the same.
    std::vector<SceneDocument> scenes{s};
    std::vector<Surface> pictures{m.surfaces.mainImage};
    for (const Command& c : commands) {
        p.session().markSaved();
        c.run();
        QCOMPARE(s.editMode, EditMode::Idle);
        QCOMPARE(m.UndoItem->text(), QString::fromLatin1(c.undo));
        QVERIFY2(p.session().modified(), c.undo);
        // Effects are told after the scene.
        QVERIFY(m.MainImage->accessibleDescription().startsWith(describeScene(s)));
        scenes.push_back(s);
        pictures.push_back(m.surfaces.mainImage);
    }
    QVERIFY(pictures.back() != pictures[pictures.size() - 2]);
    for (std::size_t i = commands.size(); i > 0; --i) {
        m.Undo1->trigger();
        QVERIFY2(static_cast<SceneDocument&>(s) == scenes[i - 1], commands[i - 1].undo);
        QCOMPARE(m.MainImage->accessibleDescription(), describeScene(s));
        if (i == commands.size()) {
            QVERIFY(m.surfaces.mainImage == pictures[i - 1]);
            m.Redo1->trigger();
            QVERIFY(m.surfaces.mainImage == pictures[i]);
            m.Undo1->trigger();
        }
    }
    QVERIFY(!m.UndoItem->isEnabled());
    for (std::size_t i = 1; i < commands.size(); ++i) {
        m.RedoItem->trigger();
        QVERIFY2(static_cast<SceneDocument&>(s) == scenes[i], commands[i - 1].undo);
    }

    // Mid-edit, undo waits; a Tools command is a step all the same, even
    // when the edit then ends in Cancel.
    m.UnDeleteAll1->trigger();
    const SceneDocument undeleted = s;
    e.press(110, 110);
    QCOMPARE(s.editMode, EditMode::Clicked);
    m.Undo1->trigger();
    QVERIFY(static_cast<SceneDocument&>(s) == undeleted);
    m.DeleteAll1->trigger();
    click(f.obchange, "Button5");
    QCOMPARE(m.UndoItem->text(), QStringLiteral("&Undo Delete All"));
    const SceneDocument deleted = s;
    m.Undo1->trigger();
    QVERIFY(static_cast<SceneDocument&>(s) == undeleted);
    m.Redo1->trigger();
    QVERIFY(static_cast<SceneDocument&>(s) == deleted);

    // Ctrl+Q after a kept object asks.
    p.services.saveQuestionAnswers = {SaveAnswer::Cancel};
    m.FileExitItem->trigger();
    QVERIFY(m.isVisible());
    QCOMPARE(p.services.saveQuestions, 1);
}

void SkeletonTest::unsavedChangesAreAskedAbout()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    m.FileNewItem->trigger();
    QCOMPARE(p.services.saveQuestions, 0);
    p.forms().newbox->close();

    p.forms().sky->sky1Click();
    p.services.saveQuestionAnswers = {SaveAnswer::Cancel, SaveAnswer::Save};
    m.FileExitItem->trigger();
    QVERIFY(m.isVisible());
    QCOMPARE(p.scene().skyFile, "sky1.bmp");
    // Save with no file yet goes through Save As; cancelling it keeps all.
    m.FileExitItem->trigger();
    QVERIFY(m.isVisible());
    QCOMPARE(p.services.saveRequests.size(), std::size_t(1));

    const QString file = p.appDir.path(QStringLiteral("kept.vdr"));
    p.services.saveAnswers = {file};
    p.services.saveQuestionAnswers = {SaveAnswer::Save};
    m.FileOpenItem->trigger();
    QVERIFY(QFile::exists(file));
    QCOMPARE(p.services.openRequests.size(), std::size_t(1));
    m.FileExitItem->trigger();
    QVERIFY(!m.isVisible());
    QCOMPARE(p.services.saveQuestions, 3);
}

void SkeletonTest::exitItemsCloseTheProgram()
{
    for (QAction* TMainForm::*item : {&TMainForm::FileExitItem, &TMainForm::Exit1}) {
        TestProgram p;
        p.start();
        p.forms().sky->show();
        QVERIFY(p.main().isVisible());
        (p.main().*item)->trigger();
        QVERIFY(!p.main().isVisible());
        QCOMPARE(p.services.beeps, 0);
    }
}

void SkeletonTest::startupShowsTheBareDefaultSky()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    QCOMPARE(QDir(QString::fromStdString(s.appDir)).canonicalPath(), QDir(p.appDir.path()).canonicalPath());
    QCOMPARE(p.services.beeps, 0);
    QVERIFY(p.main().filesFound());
    QVERIFY(p.main().isVisible());
    QCOMPARE((std::array{s.tintRed, s.tintGreen, s.tintBlue}), (std::array{0, 0, 10}));
    QVERIFY(s.skyFile.empty());
    QVERIFY(s.groundFile.empty());
    QCOMPARE(s.objectCount, 0);
    QCOMPARE(s.objects.size(), std::size_t(1));

    Surface sky3;
    sky3.load(p.appDir.path(QStringLiteral("sky3.bmp")).toStdString());
    QVERIFY(p.main().surfaces.mainImage == sky3);
    // What the window paints is the file, unscaled.
    const QImage shown = p.main().MainImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, toQImage(sky3));

    // A second activation repeats nothing.
    s.tintBlue = 55;
    s.objectCount = 3;
    p.main().FormActivate();
    QCOMPARE(s.tintBlue, 55);
    QCOMPARE(s.objectCount, 3);
}

void SkeletonTest::startupEndsWithABeepWhenAFileIsMissing_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<bool>("ends");
    for (const char* name : kStartupFiles)
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    // Needed only when used, so not checked at start.
    QTest::newRow("none.bmp") << QStringLiteral("none.bmp") << false;
    QTest::newRow("object2.bmp") << QStringLiteral("object2.bmp") << false;
}

void SkeletonTest::startupEndsWithABeepWhenAFileIsMissing()
{
    QFETCH(QString, missing);
    QFETCH(bool, ends);
    TestProgram p({missing});
    p.start();
    QCOMPARE(p.services.beeps, ends ? 1 : 0);
    QCOMPARE(p.main().isVisible(), !ends);
    QCOMPARE(p.main().filesFound(), !ends);
    QVERIFY(p.services.errors.isEmpty());
}

void SkeletonTest::renderingRestoresTheWindows()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Forms& f = p.forms();

    // A picker that asks to be shown again is, once.
    f.sky->show();
    p.scene().reopenPicker = PickerToShow::Sky;
    m.Refresh();
    QVERIFY(m.isVisible());
    QVERIFY(!f.WaitBox->isVisible());
    QVERIFY(f.sky->isVisible());
    QCOMPARE(p.scene().reopenPicker, PickerToShow::None);
    QCOMPARE(p.scene().skyFile, std::string("sky3.bmp"));
    QCOMPARE(p.scene().groundFile, std::string("none.bmp"));
    m.Refresh();
    QVERIFY(!f.sky->isVisible());

    // A rendering that fails leaves the main window usable, the wait window
    // gone and no picker pending.
    QVERIFY(QFile::remove(p.appDir.path(QStringLiteral("sky3.bmp"))));
    p.scene().reopenPicker = PickerToShow::Landscape;
    QVERIFY_THROWS_EXCEPTION(Error, m.Refresh());
    QVERIFY(m.isVisible());
    QVERIFY(!f.WaitBox->isVisible());
    QVERIFY(!f.landscape->isVisible());
    QCOMPARE(p.scene().reopenPicker, PickerToShow::None);
}

namespace {

// Every show and hide of the windows watched, with the cursor at the time.
class WindowEvents : public QObject {
public:
    explicit WindowEvents(std::initializer_list<QWidget*> windows)
    {
        for (QWidget* w : windows)
            w->installEventFilter(this);
    }
    QStringList log;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            const QCursor* cursor = QApplication::overrideCursor();
            log << QStringLiteral("%1 %2%3").arg(event->type() == QEvent::Show ? "show" : "hide",
                                                 watched->objectName(),
                                                 cursor && cursor->shape() == Qt::WaitCursor ? " wait" : "");
        }
        return false;
    }
};

} // namespace

void SkeletonTest::renderingKeepsTheWindowsUp_data()
{
    QTest::addColumn<int>("waitDelay");
    QTest::addColumn<QStringList>("events");
    // Choosing a sky hides nothing; the wait window comes up only for work
    // that lasts, with the wait cursor, and goes again. What was queued for
    // later waits until the work is done.
    QTest::newRow("quick") << 60000 << QStringList{"later"};
    QTest::newRow("lasting") << 0 << QStringList{"show WaitBox wait", "hide WaitBox wait", "later"};
}

void SkeletonTest::renderingKeepsTheWindowsUp()
{
    QFETCH(int, waitDelay);
    QFETCH(QStringList, events);
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Forms& f = p.forms();
    m.Sky1->trigger();
    f.WaitBox->setObjectName(QStringLiteral("WaitBox"));
    BusyScope::setWaitDelay(waitDelay);
    WindowEvents seen{&m, f.sky, f.WaitBox};
    BusyScope::later(&m, [&seen] { seen.log << QStringLiteral("later"); });
    QTest::mouseClick(f.sky->sky1, Qt::LeftButton);
    BusyScope::setWaitDelay(300);
    QTRY_COMPARE(seen.log, events);
    QCOMPARE(p.scene().skyFile, std::string(kBuiltinSkies[1].file));
    QVERIFY(m.isVisible() && f.sky->isVisible() && !f.WaitBox->isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

namespace {

// A click as the desktop gives it: queued by the platform, not sent at once.
void clickQueued(QWidget* button)
{
    QWindow* window = button->window()->windowHandle();
    const QPointF at = button->mapTo(button->window(), button->rect().center());
    const QPointF global = button->mapToGlobal(button->rect().center());
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

enum class LongWork { Rendering, Effects, RenderingOfAMissingObject };
// What the user does on Refresh during the work.
enum class Meanwhile { Nothing, Click, ScreenReaderPress };

} // namespace

void SkeletonTest::longWorkKeepsTheWindowsAnswering_data()
{
    QTest::addColumn<LongWork>("work");
    QTest::addColumn<Meanwhile>("meanwhile");
    QTest::addColumn<int>("renderingsAfter");
    QTest::addColumn<QString>("error");
    // A click on Refresh given during the work waits, then is carried out;
    // so does a screen reader's press, whose call returns at once.
    QTest::newRow("rendering") << LongWork::Rendering << Meanwhile::Click << 2 << QString();
    QTest::newRow("rendering, screen reader")
        << LongWork::Rendering << Meanwhile::ScreenReaderPress << 2 << QString();
    QTest::newRow("effects") << LongWork::Effects << Meanwhile::Click << 1 << QString();
    QTest::newRow("picture missing") << LongWork::RenderingOfAMissingObject << Meanwhile::Nothing << 1
                                     << QStringLiteral("Cannot open file");
}

// The work waits in its first step until the window's thread has run a
// timer and seen the wait window: a thread that blocked would never get
// there, and the bounded wait then fails the check instead of hanging.
void SkeletonTest::longWorkKeepsTheWindowsAnswering()
{
    QFETCH(LongWork, work);
    QFETCH(Meanwhile, meanwhile);
    QFETCH(int, renderingsAfter);
    QFETCH(QString, error);
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Forms& f = p.forms();
    int renderings = 0;
    QObject::connect(&m, &TMainForm::renderingStarted, [&renderings] { ++renderings; });
    if (work == LongWork::RenderingOfAMissingObject) {
        SceneState& s = p.scene();
        s.objects.recreate(1);
        s.objects.status[0] = ObjectStatus::Front;
        s.objects.imageFile[0] = "gone.bmp";
        s.objects.width[0] = s.objects.height[0] = 10;
        s.objectCount = 1;
    }
    std::atomic<bool> released = false;
    BusyScope::setWorkPace([&released] {
        for (int i = 0; i < 1000 && !released; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    });
    bool sawWaitWindow = false;
    int renderingsDuring = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!f.WaitBox->isVisible() || released)
            return;
        sawWaitWindow = true;
        renderingsDuring = renderings;
        if (meanwhile == Meanwhile::Click)
            clickQueued(m.RefreshButton);
        if (meanwhile == Meanwhile::ScreenReaderPress)
            QAccessible::queryAccessibleInterface(m.RefreshButton)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        released = true;
    });
    watch.start(10);
    const bool failed = dispatchGuarded(&p.services, [&] {
        if (work == LongWork::Effects) {
            m.SpecialEffects1Click();
            veldor::test::control<QCheckBox>(f.effects, "tint")->setChecked(true); // reports its progress
            f.effects->Button2Click();
        } else {
            m.RefreshButton->click();
        }
        return false;
    });
    BusyScope::setWorkPace({});
    QVERIFY(sawWaitWindow);
    QCOMPARE(renderings, renderingsDuring);
    QCOMPARE(failed, !error.isEmpty());
    if (failed)
        QVERIFY(p.services.errors.value(0).startsWith(error));
    QTRY_COMPARE(renderings, renderingsAfter);
    QVERIFY(!f.WaitBox->isVisible() && m.isVisible());
}

void SkeletonTest::refreshButtonOnlyWhenIdle()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    s.placing = true;
    p.main().RefreshButton->click();
    QVERIFY(s.skyFile.empty()); // nothing rendered
    s.placing = false;
    s.editMode = EditMode::Clicked;
    p.main().RefreshButton->click();
    QVERIFY(s.skyFile.empty());
    s.editMode = EditMode::Idle;
    s.reopenPicker = PickerToShow::Sky;
    p.main().RefreshButton->click();
    QCOMPARE(s.skyFile, std::string("sky3.bmp"));
    QVERIFY(!p.forms().sky->isVisible()); // the button asks for no picker
    QVERIFY(p.main().isVisible());
}

void SkeletonTest::errorsAtDispatchAreShown()
{
    test::FakeServices services;
    QVERIFY(dispatchGuarded(&services, [] () -> bool { throw Error("Bitmap image is not valid"); }));
    QVERIFY(dispatchGuarded(&services, [] () -> bool { throw std::runtime_error("Disk full"); }));
    QCOMPARE(services.errors, (QStringList{"Bitmap image is not valid", "Disk full"}));
    QCOMPARE(dispatchGuarded(&services, [] { return false; }), false);
    QCOMPARE(services.errors.size(), 2);
}

void SkeletonTest::pictureConversionKeepsChannels()
{
    Surface s(3, 2);
    s.setPixel(0, 0, 0x000000FF); // red
    s.setPixel(1, 0, 0x0000FF00); // green
    s.setPixel(2, 0, 0x00FF0000); // blue
    s.setPixel(0, 1, 0x00123456);
    s.setPixel(1, 1, 0x00000000);
    s.setPixel(2, 1, 0x00FFFFFF);
    const QImage all = toQImage(s);
    QCOMPARE(all.size(), QSize(3, 2));
    QCOMPARE(all.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(all.pixel(1, 0), qRgb(0, 255, 0));
    QCOMPARE(all.pixel(2, 0), qRgb(0, 0, 255));
    QCOMPARE(all.pixel(0, 1), qRgb(0x56, 0x34, 0x12));
    QCOMPARE(all.pixel(1, 1), qRgb(0, 0, 0));
    QCOMPARE(all.pixel(2, 1), qRgb(255, 255, 255));
    // A part reaching beyond the picture is clipped to it.
    const QImage part = toQImage(s, QRect(1, 1, 5, 5));
    QCOMPARE(part.size(), QSize(2, 1));
    QCOMPARE(part.pixel(1, 0), qRgb(255, 255, 255));
}

QTEST_MAIN(SkeletonTest)
#include "test_skeleton.moc"
