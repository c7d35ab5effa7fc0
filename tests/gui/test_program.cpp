// The commands the main window runs itself: the Tools commands, New with its
// confirmation, About and Help, and the current-directory discipline of the
// main window.
#include "harness.h"

#include "core/ui/about.h"
#include "core/scene.h"
#include "core/session.h"
#include "core/ui/application.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/wait.h"
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
#include "sources/ui/skyp.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <csignal>
#include <cstdint>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

using Statuses = std::vector<std::int32_t>;

// Counts renderings as they start.
struct RenderCounter : QObject {
    explicit RenderCounter(TMainForm& main)
    {
        connect(&main, &TMainForm::renderingStarted, this, [this] { ++count; });
    }
    int count = 0;
};

// Five objects in use over a ground, one per status (5 is a status no
// window writes but a scene file may hold), and a Front row past the count.
void fillMixedTable(SceneState& s)
{
    const Statuses statuses = {ObjectStatus::Deleted, ObjectStatus::Front, ObjectStatus::Behind, ObjectStatus::Retired, 5, ObjectStatus::Front};
    s.groundFile = "ground3.bmp";
    s.objects.recreate(statuses.size());
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        const auto n = std::int32_t(i);
        s.objects.status[i] = statuses[i];
        s.objects.imageFile[i] = "object" + std::to_string(i % 5) + ".bmp";
        s.objects.title[i] = "row " + std::to_string(i);
        s.objects.left[i] = 20 + 100 * n;
        s.objects.top[i] = 150;
        s.objects.width[i] = 120;
        s.objects.height[i] = 180;
    }
    s.objectCount = 5;
}

// What the picture must be for `scene`, rendered from the same folder.
Surface renderedPicture(const SceneState& scene)
{
    SceneState copy = scene;
    MainSurfaces surfaces;
    renderScene(copy, surfaces);
    return surfaces.mainImage;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void toolsCommandsFromBothMenus_data();
    void toolsCommandsFromBothMenus();
    void toolsCommandsRenderOnceWithoutObjects();
    void deleteAllThenUnDeleteAllShowsEveryObjectInFront();
    void newFromEveryItemEmptiesTheScene();
    void newAnsweredNoChangesNothing();
    void newIsIgnoredDuringAnEdit();
    void newConfirmWindowClosesWhenTheRenderingFails();
    void aboutWindow();
    void helpWindow();
    void textsShowWhole();
    void mainWindowKeepsTheCurrentDirectory();
    void theProgramOutlivesAnErrorWhileItsWindowIsHidden();
    void startsOnlyWhereItCanShowItsWindows_data();
    void startsOnlyWhereItCanShowItsWindows();
    void unsavedWorkOutlivesTheProgram();
    void terminationSignalEndsTheProgramCleanly();
};

void ProgramTest::toolsCommandsFromBothMenus_data()
{
    QTest::addColumn<QString>("mainItem");
    QTest::addColumn<QString>("popupItem");
    QTest::addColumn<Statuses>("expected");
    QTest::newRow("Delete All") << "DeleteAll1" << "DeleteAll2"
                                << Statuses{ObjectStatus::Deleted, ObjectStatus::Deleted, ObjectStatus::Deleted, ObjectStatus::Retired, ObjectStatus::Deleted, ObjectStatus::Front};
    QTest::newRow("Un-Delete All") << "UnDeleteAll1" << "UnDeleteAll2"
                                   << Statuses{ObjectStatus::Front, ObjectStatus::Front, ObjectStatus::Behind, ObjectStatus::Retired, 5, ObjectStatus::Front};
    QTest::newRow("Bring All To Front") << "BringAllToFront1" << "BringAllToFront2"
                                        << Statuses{ObjectStatus::Deleted, ObjectStatus::Front, ObjectStatus::Front, ObjectStatus::Retired, ObjectStatus::Front, ObjectStatus::Front};
    QTest::newRow("Send All Behind Land") << "SendAllBehindLand1" << "SendAllBehindLand2"
                                          << Statuses{ObjectStatus::Deleted, ObjectStatus::Behind, ObjectStatus::Behind, ObjectStatus::Retired, ObjectStatus::Behind, ObjectStatus::Front};
}

void ProgramTest::toolsCommandsFromBothMenus()
{
    QFETCH(QString, mainItem);
    QFETCH(QString, popupItem);
    QFETCH(Statuses, expected);
    for (const QString& item : {mainItem, popupItem}) {
        TestProgram p;
        p.start();
        SceneState& s = p.scene();
        fillMixedTable(s);
        // No guard: they act in the middle of an edit too.
        s.editMode = EditMode::Clicked;
        s.placing = true;
        s.selected = 2;
        const ObjectTable before = s.objects;
        RenderCounter renderings(p.main());

        auto* action = p.main().findChild<QAction*>(item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();

        QCOMPARE(s.objects.status, expected);
        ObjectTable others = s.objects;
        others.status = before.status;
        QVERIFY2(others == before, "only the status column changes");
        QCOMPARE(s.objectCount, 5);
        QVERIFY(s.editMode == EditMode::Clicked && s.placing && s.selected == 2);
        QCOMPARE(renderings.count, 1);
        QVERIFY(p.main().isVisible());
        QVERIFY(!p.forms().WaitBox->isVisible());
        QVERIFY(p.main().surfaces.mainImage == renderedPicture(s));
    }
}

void ProgramTest::toolsCommandsRenderOnceWithoutObjects()
{
    TestProgram p;
    p.start();
    RenderCounter renderings(p.main());
    TMainForm& m = p.main();
    int expected = 0;
    for (QAction* action : {m.DeleteAll1, m.UnDeleteAll1, m.BringAllToFront1, m.SendAllBehindLand1}) {
        action->trigger();
        QCOMPARE(renderings.count, ++expected);
        QCOMPARE(p.scene().objectCount, 0);
        QCOMPARE(p.scene().objects.size(), std::size_t(1));
        QCOMPARE(p.scene().objects.status[0], 0);
    }
    // The rendering filled in the default sky and ground.
    QCOMPARE(p.scene().skyFile, std::string(kDefaultSky));
    QCOMPARE(p.scene().groundFile, std::string(kDefaultGround));
}

void ProgramTest::deleteAllThenUnDeleteAllShowsEveryObjectInFront()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    fillMixedTable(s);
    p.main().DeleteAll2->trigger();
    const Surface empty = p.main().surfaces.mainImage;
    p.main().UnDeleteAll2->trigger();
    QCOMPARE(s.objects.status, (Statuses{ObjectStatus::Front, ObjectStatus::Front, ObjectStatus::Front, ObjectStatus::Retired, ObjectStatus::Front, ObjectStatus::Front}));
    QVERIFY2(!(p.main().surfaces.mainImage == empty), "the objects are back in the picture");

    // The retired row is never drawn: making it the only Front row changes
    // the picture, so its absence above was the renderer's doing.
    SceneState onlyRetired = s;
    onlyRetired.objects.status = {ObjectStatus::Deleted, ObjectStatus::Deleted, ObjectStatus::Deleted, ObjectStatus::Front, ObjectStatus::Deleted, ObjectStatus::Front};
    QVERIFY(!(renderedPicture(onlyRetired) == empty));
}

void ProgramTest::newFromEveryItemEmptiesTheScene()
{
    for (const char* item : {"SpeedButton5", "FileNewItem", "New1"}) {
        TestProgram p;
        p.start();
        SceneState& s = p.scene();
        const std::string appDir = s.appDir;
        fillMixedTable(s);
        s.skyFile = "sky1.bmp";
        s.groundFile = "ground2.bmp";
        s.currentFile = "/somewhere/Work.vdr";
        s.tintRed = -20;
        s.tintGreen = -47;
        s.tintBlue = -80;
        s.placing = true; // an object chosen but not drawn yet is dropped too
        s.dragging = true;
        p.main().Refresh();
        RenderCounter renderings(p.main());

        if (auto* button = p.main().findChild<QToolButton*>(item))
            button->click();
        else
            p.main().findChild<QAction*>(item)->trigger();
        Tnewbox& box = *p.forms().newbox;
        QVERIFY2(box.isVisible(), item);
        QCOMPARE(renderings.count, 0);

        control<QPushButton>(&box, "Button1")->click();
        QVERIFY(!box.isVisible());
        QCOMPARE(renderings.count, 1);
        QCOMPARE(s.skyFile, std::string(kDefaultSky)); // filled in by the rendering
        QCOMPARE(s.groundFile, std::string(kDefaultGround));
        QVERIFY(s.currentFile.empty());
        QCOMPARE((std::array{s.tintRed, s.tintGreen, s.tintBlue}), (std::array{0, 0, 10}));
        QVERIFY(!s.placing && !s.dragging && s.editMode == EditMode::Idle);
        QCOMPARE(s.objectCount, 0);
        QVERIFY(s.objects == ObjectTable());
        QCOMPARE(s.appDir, appDir);

        // The empty scene rendered, not the bare start-up sky.
        SceneState emptyScene;
        emptyScene.appDir = appDir;
        QVERIFY(p.main().surfaces.mainImage == renderedPicture(emptyScene));
        QVERIFY(p.main().isVisible());
    }
}

void ProgramTest::newAnsweredNoChangesNothing()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    fillMixedTable(s);
    s.currentFile = "/somewhere/Work.vdr";
    s.placing = true;
    p.main().Refresh();
    const SceneState before = s;
    const Surface picture = p.main().surfaces.mainImage;
    RenderCounter renderings(p.main());

    p.main().FileNewItem->trigger();
    control<QPushButton>(p.forms().newbox, "Button2")->click();
    QVERIFY(!p.forms().newbox->isVisible());
    QVERIFY(static_cast<const SceneDocument&>(s) == before);
    QCOMPARE(s.currentFile, before.currentFile);
    QVERIFY(s.placing);
    QCOMPARE(renderings.count, 0);
    QVERIFY(p.main().surfaces.mainImage == picture);
}

void ProgramTest::newIsIgnoredDuringAnEdit()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    Tnewbox& box = *p.forms().newbox;

    s.editMode = EditMode::Moving;
    p.main().SpeedButton5->click();
    p.main().New1->trigger();
    QVERIFY(!box.isVisible());

    // Asked while idle, answered after an edit began: only the window goes.
    s.editMode = EditMode::Idle;
    p.main().FileNewItem->trigger();
    QVERIFY(box.isVisible());
    fillMixedTable(s);
    s.currentFile = "Work.vdr";
    s.editMode = EditMode::NewDrawn;
    const SceneState before = s;
    RenderCounter renderings(p.main());
    control<QPushButton>(&box, "Button1")->click();
    QVERIFY(!box.isVisible());
    QVERIFY(static_cast<const SceneDocument&>(s) == before);
    QCOMPARE(s.currentFile, before.currentFile);
    QCOMPARE(s.editMode, EditMode::NewDrawn);
    QCOMPARE(renderings.count, 0);
}

void ProgramTest::newConfirmWindowClosesWhenTheRenderingFails()
{
    TestProgram p;
    p.start();
    p.main().FileNewItem->trigger();
    QVERIFY(QFile::remove(p.appDir.path(QStringLiteral("sky3.bmp"))));
    QVERIFY_THROWS_EXCEPTION(Error, p.forms().newbox->Button1Click());
    QVERIFY(!p.forms().newbox->isVisible());
    QVERIFY(!p.forms().WaitBox->isVisible());
    QVERIFY(p.main().isVisible());
    // The scene is emptied before the picture is drawn.
    QCOMPARE(p.scene().objectCount, 0);
}

void ProgramTest::aboutWindow()
{
    for (QAction* TMainForm::*item : {&TMainForm::HelpAboutItem, &TMainForm::About1}) {
        TestProgram p;
        p.start();
        TAboutBox& about = *p.forms().AboutBox;
        (p.main().*item)->trigger();
        QVERIFY(about.isVisible());

        const QFrame* panel = control<QFrame>(&about, "Panel1");
        QCOMPARE(control<QLabel>(&about, "ProgramIcon")->pixmap().size(), QSize(192, 96));
        QCOMPARE(control<QLabel>(&about, "ProgramIcon")->parentWidget(), panel);
        QCOMPARE(panel->geometry(), QRect(8, 8, 217, 169));
        QCOMPARE(control<QLabel>(&about, "ProductName")->text(), QStringLiteral("Veldor"));
        QCOMPARE(control<QLabel>(&about, "Version")->text(), QStringLiteral("Version 1.00"));
        QVERIFY(control<QLabel>(&about, "Copyright")->text().contains(QStringLiteral("Veldor")));
        // The texts fit the panel without being cut.
        for (const QLabel* label : {control<QLabel>(&about, "ProductName"), control<QLabel>(&about, "Version"),
                                   control<QLabel>(&about, "Copyright")}) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
            QVERIFY(label->geometry().bottom() < panel->height());
        }

        // Enter presses OK, the one control that takes focus.
        about.activateWindow();
        QPushButton* ok = control<QPushButton>(&about, "OKButton");
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }
}

void ProgramTest::helpWindow()
{
    for (QAction* TMainForm::*item : {&TMainForm::HelpContentsItem, &TMainForm::Contents1}) {
        TestProgram p;
        p.start();
        Thelpbox& help = *p.forms().helpbox;
        (p.main().*item)->trigger();
        QVERIFY(help.isVisible());
        QVERIFY(!help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        QCOMPARE(control<QLabel>(&help, "ProgramIcon")->pixmap().size(), QSize(192, 96));
        const QLabel* title = control<QLabel>(&help, "Label1");
        QCOMPARE(title->text(), QStringLiteral("Veldor Help"));
        QVERIFY(title->font().bold());

        QPlainTextEdit& memo = *control<QPlainTextEdit>(&help, "Memo1");
        const QString text = memo.toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Quick Start Tutorial\n-=-=")));
        // The headings and the button list, in toolbar order.
        const QStringList ordered = {
            "Step One:- Choose Sky", "Step Two - Choose Landscape",
            "Step Three - Adding and Editing Objects", "Step Four - Finishing Your Image",
            "Anti-aliasing:-", "Saving As BMP:-", "Button Help", "(Starting from icons left to right).",
            "Landscape - Select a landscape.", "Sky:- Select a sky.", "Object:- Add an object.",
            "Effects:- Apply effects to your image.", "New:- Start a new image.",
            "Print:- Print your image (includes more options).", "Save:- Save your image as a .VDR file.",
            "Load:- Load in a .VDR file.", "Save BMP:- Save image as a .BMP file.",
            "Refresh:- Re-renders your image."};
        qsizetype at = 0;
        for (const QString& line : ordered) {
            const qsizetype found = text.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line));
            at = found + line.size();
        }

        // Read-only, and longer than the box, so it scrolls.
        memo.setFocus();
        QTest::keyClicks(&memo, QStringLiteral("typed"));
        QTest::keyClick(&memo, Qt::Key_Delete);
        QCOMPARE(memo.toPlainText(), text);
        QVERIFY(memo.isReadOnly());
        QVERIFY(memo.verticalScrollBar()->isVisible());
        QVERIFY(memo.verticalScrollBar()->maximum() > 0);
        QCOMPARE(memo.geometry(), QRect(8, 120, 409, 241));
    }
}

// The fixed layouts were made for a narrower face: every label and box
// must still show its whole text inside its window.
void ProgramTest::textsShowWhole()
{
    TestProgram p;
    const Forms& f = p.forms();
    for (QWidget* window : std::initializer_list<QWidget*>{
             f.effects, f.BMPSave, f.PrintForm, f.newbox, f.notvdr, f.helpbox, f.obconfirm, f.obchange,
             f.mover, f.resizer, f.obhind, f.landscape, f.sky, f.Objectx, f.SkyPack, f.LandPack,
             f.ObjectPack, f.AboutBox}) {
        QList<QWidget*> controls;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (!label->text().isEmpty() && !label->wordWrap())
                controls << label;
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            controls << box;
        for (QRadioButton* radio : window->findChildren<QRadioButton*>())
            controls << radio;
        for (QWidget* c : controls) {
            const int needed = c->sizeHint().width();
            QVERIFY2(needed <= c->width(), qPrintable(window->windowTitle() + ": " + c->objectName()));
            QVERIFY2(c->x() + needed <= window->width(), qPrintable(window->windowTitle() + ": " + c->objectName()));
        }
    }
}

void ProgramTest::mainWindowKeepsTheCurrentDirectory()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    const QString appDir = QDir(p.appDir.path()).canonicalPath();
    QTemporaryDir elsewhere;

    // Showing the window again returns to the application folder.
    m.hide();
    QDir::setCurrent(elsewhere.path());
    m.show();
    QCOMPARE(QDir::current().canonicalPath(), appDir);

    // So does painting it.
    QDir::setCurrent(elsewhere.path());
    m.update();
    QCoreApplication::processEvents();
    QCOMPARE(QDir::current().canonicalPath(), appDir);

    // A folder that cannot be made current is reported, not ignored.
    p.scene().appDir = elsewhere.path().toStdString() + "/gone";
    QVERIFY_THROWS_EXCEPTION(Error, m.FormShow());
}

void ProgramTest::theProgramOutlivesAnErrorWhileItsWindowIsHidden()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    fillMixedTable(p.scene());
    // The program's folder is renamed while it runs.
    const QString appDir = p.appDir.path(), moved = appDir + QStringLiteral("-moved");
    QVERIFY(QDir().rename(appDir, moved));

    // Inside the event loop, where a last window closing may end the program.
    bool windowsBack = false;
    QTimer::singleShot(0, [&] {
        dispatchGuarded(&p.services, [&] {
            m.RefreshButtonClick();
            return true;
        });
        windowsBack = m.isVisible() && !p.forms().WaitBox->isVisible();
        // The message box being closed ends nothing, nor does any window
        // closing while the main window is merely hidden.
        QWidget box;
        box.show();
        box.close();
        m.hide();
        box.show();
        box.close();
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    });
    QCOMPARE(QCoreApplication::exec(), 7);
    QCOMPARE(p.services.errors, QStringList{QStringLiteral("File not found")});
    QVERIFY(windowsBack);

    // The scene can still be saved under a new name.
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath(QStringLiteral("rescued.vdr"));
    p.services.saveAnswers = {file};
    dispatchGuarded(&p.services, [&] {
        m.FileSaveAsItemClick();
        return true;
    });
    QCOMPARE(QString::fromStdString(p.scene().currentFile), file);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count("\r\n"), 7 + 7 * p.scene().objectCount);
    QVERIFY(QDir().rename(moved, appDir));
}

void ProgramTest::startsOnlyWhereItCanShowItsWindows_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    // Started in an empty folder: with somewhere to show its windows, the
    // program gets as far as missing its pictures.
    QTest::newRow("no desktop session") << QString() << QStringList() << "veldor: no display found";
    QTest::newRow("platform in the environment") << "offscreen" << QStringList() << "sky0.bmp";
    QTest::newRow("platform as an argument") << QString() << QStringList{"-platform", "offscreen"} << "sky0.bmp";
}

void ProgramTest::startsOnlyWhereItCanShowItsWindows()
{
    QFETCH(QString, platform);
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QTemporaryDir empty;
    QProcess veldor;
    veldor.setProcessEnvironment(env);
    veldor.setWorkingDirectory(empty.path());
    veldor.start(QStringLiteral(VELDOR_TEST_APP_DIR "/veldor"), arguments);
    QVERIFY(veldor.waitForFinished(60000));
    QCOMPARE(veldor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(veldor.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(veldor.readAllStandardError());
    QVERIFY2(err.contains(says), qPrintable(err));
}

// A change is kept in the state folder within seconds; a program that ends
// without saving (killed, crashed) leaves it, and the next start offers it.
void ProgramTest::unsavedWorkOutlivesTheProgram()
{
    QTemporaryDir state;
    const QDir folder(state.path());
    const auto copies = [&] { return folder.entryList({QStringLiteral("unsaved-*.vdr")}, QDir::Files); };
    SceneDocument changed;
    {
        TestProgram p;
        p.services.recoveryPath = state.path();
        p.start();
        p.forms().landscape->land3Click();
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 5000);
        changed = p.scene();
        // Gone without a word, as after kill -9: the copy stays.
    }
    for (RestoreAnswer answer : {RestoreAnswer::Restore, RestoreAnswer::Discard}) {
        TestProgram p;
        p.services.recoveryPath = state.path();
        p.services.restoreAnswers = {answer};
        p.start();
        QTRY_COMPARE(p.services.restoreQuestions.size(), 1);
        if (answer == RestoreAnswer::Restore) {
            QVERIFY(static_cast<SceneDocument&>(p.scene()) == changed);
            QVERIFY(p.session().modified());
            QCOMPARE(copies().size(), 1); // now this program's
            // A save question answered Discard removes it.
            p.main().FileExitItem->trigger();
            QCOMPARE(p.services.saveQuestions, 1);
            QCOMPARE(copies().size(), 0);
            p.forms().landscape->land1Click();
            p.main().writeRecoveryCopy();
            QCOMPARE(copies().size(), 1);
        } else {
            QCOMPARE(copies().size(), 0);
            QVERIFY(!p.session().modified());
        }
    }
}

// SIGTERM while the program waits on a question ends it at once with status
// 0; the work it was asked about is still there for the next start.
void ProgramTest::terminationSignalEndsTheProgramCleanly()
{
    QTemporaryDir state;
    const QString copy = QDir(state.path()).filePath(QStringLiteral("veldor/unsaved-1.vdr"));
    QDir().mkpath(QFileInfo(copy).path());
    QFile file(copy);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Tolvane Veldor File\r\nsky1.bmp\r\nnone.bmp\r\n0\r\n0\r\n10\r\n0\r\n");
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    QProcess veldor;
    veldor.setProcessEnvironment(env);
    veldor.setWorkingDirectory(QStringLiteral(VELDOR_TEST_APP_DIR));
    veldor.start(QStringLiteral(VELDOR_TEST_APP_DIR "/veldor"));
    QVERIFY(veldor.waitForStarted());
    // Asking about the copy, the program holds its lock.
    const QByteArray lock = QFile::encodeName(QDir(state.path()).filePath(QStringLiteral("veldor/unsaved-1.lock")));
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const int fd = ::open(lock.constData(), O_RDWR | O_CLOEXEC);
            const bool held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            if (fd >= 0)
                ::close(fd);
            return held;
        }(),
        30000);
    ::kill(pid_t(veldor.processId()), SIGTERM);
    QVERIFY(veldor.waitForFinished(10000));
    QCOMPARE(veldor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(veldor.exitCode(), 0);
    QVERIFY(QFile::exists(copy));
}

QTEST_MAIN(ProgramTest)
#include "test_program.moc"
