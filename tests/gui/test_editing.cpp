// Placing and editing objects with the real mouse on the real windows.
#include "harness.h"

#include "core/ui/application.h"
#include "core/scene.h"
#include "core/ui/pictureview.h"
#include "core/ui/wait.h"
#include "core/renderer.h"
#include "core/session.h"
#include "core/ui/newform.h"
#include "core/ui/thumbnail.h"
#include "editing/ui/choicewindow.h"
#include "effects/ui/error.h"
#include "sources/ui/land.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/skyform.h"

#include <QAction>
#include <QFile>
#include <QStatusBar>
#include <QToolButton>

#include <QWindow>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

void addRow(SceneState& s, std::int32_t status, const char* title, int left, int top, int width, int height)
{
    const std::size_t row = std::size_t(s.objectCount);
    s.objects.growToHold(row);
    s.objects.status[row] = status;
    s.objects.imageFile[row] = "object3.bmp";
    s.objects.title[row] = title;
    s.objects.left[row] = left;
    s.objects.top[row] = top;
    s.objects.width[row] = width;
    s.objects.height[row] = height;
    ++s.objectCount;
}

void arm(SceneState& s, const char* file = "object2.bmp")
{
    s.placing = true;
    s.pendingImageFile = file;
    s.pendingTitle = "Hot Air Balloon";
}

// "text@left,top,width" of a control.
QString placed(const QWidget* w)
{
    QString text;
    if (auto* b = qobject_cast<const QPushButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    return QStringLiteral("%1@%2,%3,%4").arg(text).arg(w->x()).arg(w->y()).arg(w->width());
}

// Mouse events through the window system, as the platform delivers them:
// the button held keeps the mouse with the widget it was pressed on, and a
// right-button press also asks for the context menu. `at` is in `w`'s
// coordinates.
QWindow* windowOf(QWidget* w) { return w->window()->windowHandle(); }
QPoint inWindow(QWidget* w, QPoint at) { return w->mapTo(w->window(), at); }
void press(QWidget* w, Qt::MouseButton b, QPoint at) { QTest::mousePress(windowOf(w), b, {}, inWindow(w, at)); }
void moveTo(QWidget* w, QPoint at) { QTest::mouseMove(windowOf(w), inWindow(w, at)); }
void release(QWidget* w, Qt::MouseButton b, QPoint at) { QTest::mouseRelease(windowOf(w), b, {}, inWindow(w, at)); }

// Keys, as a string: L R U D arrows, + before one for Shift, ^ for Ctrl;
// E Enter, T Tab, B Shift+Tab, X Escape, S Space.
void typeKeys(QWidget* w, const char* keys)
{
    for (const char* k = keys; *k; ++k) {
        Qt::KeyboardModifiers modifiers;
        for (; *k == '+' || *k == '^'; ++k)
            modifiers |= *k == '+' ? Qt::ShiftModifier : Qt::ControlModifier;
        static const std::pair<char, Qt::Key> names[] = {
            {'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up},     {'D', Qt::Key_Down},
            {'E', Qt::Key_Return}, {'T', Qt::Key_Tab}, {'B', Qt::Key_Backtab}, {'X', Qt::Key_Escape},
            {'S', Qt::Key_Space}};
        for (const auto& [name, key] : names)
            if (name == *k)
                QTest::keyClick(w, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : modifiers);
    }
}

// The picture has the keyboard, as after Tab from the toolbar.
PictureView* focusPicture(TestProgram& p)
{
    PictureView* picture = p.main().MainImage;
    p.main().activateWindow();
    picture->setFocus(Qt::TabFocusReason);
    (void)QTest::qWaitFor([picture] { return picture->hasFocus(); });
    return picture;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void placementThroughKeepIt();
    void anyButtonPlacesAndTheReleaseArrivesOutsideThePicture();
    void clickShowsTheWindowOfTheLayer();
    void moveEndToEnd();
    void unloadablePictureRestoresTheWindows();
    void rightClickOpensThePopupOnlyWhenThePressDidNothing();
    void dialogLayouts();
    void keysDoTheTypicalTaskAsTheMouseDoes();
    void commandsThatWaitSayWhy();
};

void EditingTest::placementThroughKeepIt()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    arm(s);
    PictureView* picture = p.main().MainImage;
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 50));
    QCOMPARE(picture->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(picture, QPoint(130, 90));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(130, 90));
    QCOMPARE(s.editMode, EditMode::NewDrawn);
    QVERIFY(p.forms().obconfirm->isVisible());
    QVERIFY(p.main().isVisible());
    QVERIFY(!p.forms().WaitBox->isVisible());

    QTest::mouseClick(control<QPushButton>(p.forms().obconfirm, "keep"), Qt::LeftButton);
    QVERIFY(!p.forms().obconfirm->isVisible());
    QCOMPARE(s.editMode, EditMode::Idle);
    QCOMPARE(s.objectCount, 1);
    QCOMPARE(s.objects.title[0], std::string("Hot Air Balloon"));
    QCOMPARE(s.objects.width[0], 30);
    QCOMPARE(s.objects.height[0], 40);
}

void EditingTest::anyButtonPlacesAndTheReleaseArrivesOutsideThePicture()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    PictureView* picture = p.main().MainImage;
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        arm(s);
        press(picture, button, QPoint(600, 300));
        moveTo(picture, QPoint(640, 390));
        release(picture, button, QPoint(700, 420)); // beyond the window's edge too
        QCOMPARE(s.editMode, EditMode::NewDrawn);
        QCOMPARE(s.newRight, 630);
        QCOMPARE(s.newBottom, 340);
        QVERIFY(!p.main().PopupMenu1->isVisible());
        QTest::mouseClick(control<QPushButton>(p.forms().obconfirm, "del"), Qt::LeftButton);
        QCOMPARE(s.editMode, EditMode::Idle);
    }
}

void EditingTest::clickShowsTheWindowOfTheLayer()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    addRow(s, ObjectStatus::Front, "Golf Ball", 10, 10, 50, 50);
    addRow(s, ObjectStatus::Behind, "Roche \xe0 trou", 100, 10, 50, 50);
    PictureView* picture = p.main().MainImage;

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(s.editMode, EditMode::Clicked);
    QVERIFY(p.forms().obchange->isVisible());
    QCOMPARE(control<QLabel>(p.forms().obchange, "oblabel")->text(), QStringLiteral("Golf Ball"));
    QTest::mouseClick(control<QPushButton>(p.forms().obchange, "Button5"), Qt::LeftButton);
    QVERIFY(!p.forms().obchange->isVisible());
    QCOMPARE(s.editMode, EditMode::Idle);

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(120, 20));
    QVERIFY(p.forms().obhind->isVisible());
    // Read as the pack browser shows the caption it came from.
    QCOMPARE(control<QLabel>(p.forms().obhind, "oblabel")->text(), QString::fromLatin1("Roche \xe0 trou"));
    QTest::mouseClick(control<QPushButton>(p.forms().obhind, "Button1"), Qt::LeftButton);
    QVERIFY(!p.forms().obhind->isVisible());
    QCOMPARE(s.objects.status[1], int(ObjectStatus::Front));
}

void EditingTest::moveEndToEnd()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    addRow(s, ObjectStatus::Front, "Apple", 10, 10, 50, 50);
    PictureView* picture = p.main().MainImage;
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(control<QPushButton>(p.forms().obchange, "Button2"), Qt::LeftButton);
    QCOMPARE(s.editMode, EditMode::Moving);
    QTest::mouseMove(picture, QPoint(200, 150));
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(p.forms().mover->isVisible());
    QTest::mouseClick(control<QPushButton>(p.forms().mover, "Button1"), Qt::LeftButton);
    QVERIFY(!p.forms().mover->isVisible());
    QCOMPARE(s.objects.left[0], 200);
    QCOMPARE(s.objects.top[0], 150);
    QCOMPARE(s.editMode, EditMode::Idle);
}

void EditingTest::unloadablePictureRestoresTheWindows()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    arm(s, "missing.bmp");
    TMainForm& m = p.main();
    m.MainImageMouseDown(10, 10);
    m.MainImageMouseMove(50, 50);
    QVERIFY(dispatchGuarded(&p.services, [&] {
        m.MainImageMouseUp(50, 50);
        return true;
    }));
    QVERIFY(m.isVisible());
    QVERIFY(!p.forms().WaitBox->isVisible());
    QVERIFY(!p.forms().obconfirm->isVisible());
    QCOMPARE(s.editMode, EditMode::Idle);
    QVERIFY(!s.placing);
}

void EditingTest::rightClickOpensThePopupOnlyWhenThePressDidNothing()
{
    TestProgram p;
    p.start();
    SceneState& s = p.scene();
    addRow(s, ObjectStatus::Front, "Apple", 10, 10, 50, 50);
    PictureView* picture = p.main().MainImage;
    QMenu* popup = p.main().PopupMenu1;

    // On an object the press selects it; the menu would steal the mouse.
    press(picture, Qt::RightButton, QPoint(20, 20));
    QCOMPARE(s.editMode, EditMode::Clicked);
    QVERIFY(!popup->isVisible());
    release(picture, Qt::RightButton, QPoint(20, 20));
    QTest::mouseClick(control<QPushButton>(p.forms().obchange, "Button5"), Qt::LeftButton);

    // On bare picture nothing happens there, so the menu opens.
    press(picture, Qt::RightButton, QPoint(300, 300));
    QVERIFY(popup->isVisible());
    popup->hide();
    release(picture, Qt::RightButton, QPoint(300, 300)); // no button left held for the next test
    QCOMPARE(s.editMode, EditMode::Idle);
}

void EditingTest::dialogLayouts()
{
    TestProgram p;
    Forms& f = p.forms();
    // "text@left,top,width", or "text@left,top" where the width is the font's.
    const struct {
        const QWidget* window;
        const char* name;
        const char* placed;
    } rows[] = {
        {f.obconfirm, "Label1", "You have selected a new object. What would you like to do with it?@8,8,318"},
        {f.obconfirm, "keep", "Keep It@8,32,97"},
        {f.obconfirm, "replot", "Re-Size It@112,32,105"},
        {f.obconfirm, "del", "Do Not Keep It@224,32,99"},
        {f.obchange, "Button4", "Bring It To Front@248,48,89"},
        {f.obchange, "Button6", "Send Behind Land@344,48,105"},
        {f.obchange, "Button5", "Cancel@464,48,75"},
        {f.obchange, "oblabel", "???????@136,8"},
        {f.mover, "Button3", "Cancel Move@208,32,83"},
        {f.resizer, "Label1", "You have justed re-sized an object. What would you like to do?@8,8"},
        {f.resizer, "Button2", "Redo Re-Size@112,32,99"},
        {f.obhind, "Button1", "Send Object To Front Of Landscape@8,48,185"},
        {f.obhind, "oblabel", "oblabel@192,24"},
        {f.obhind, "Label1", "You have selected an object which is behind the landscape.@8,8"},
    };
    for (const auto& r : rows) {
        const QString expected = QString::fromLatin1(r.placed);
        QString got = placed(control(r.window, r.name));
        if (expected.count(QLatin1Char(',')) < got.count(QLatin1Char(',')))
            got.truncate(got.lastIndexOf(QLatin1Char(',')));
        QCOMPARE(got, expected);
    }
    for (const QWidget* w : {control(f.obchange, "Button2"), control(f.mover, "Label1")})
        QCOMPARE(w->height(), qobject_cast<const QPushButton*>(w) ? 25 : 13);
    // "Cancel" is reached before "Send Behind Land".
    QWidget* cancel = control(f.obchange, "Button5");
    QCOMPARE(control(f.obchange, "Button4")->nextInFocusChain(), cancel);
    QCOMPARE(cancel->nextInFocusChain(), control(f.obchange, "Button6"));
}

// Sky, ground, two objects placed, one moved, one re-sized, one sent behind,
// one deleted, the deletion undone, the scene saved: from the keyboard
// alone, then with the mouse alone, to the same picture and the same file.
void EditingTest::keysDoTheTypicalTaskAsTheMouseDoes()
{
    struct Run {
        QByteArray file;
        Surface picture;
    } runs[2];
    for (const bool keys : {true, false}) {
        TestProgram p;
        p.start();
        TMainForm& m = p.main();
        Forms& f = p.forms();
        const auto press = [&](QWidget* button) {
            keys ? typeKeys(button, "S") : QTest::mouseClick(button, Qt::LeftButton);
        };
        const auto pick = [&](QAction* item, QWidget* thumbnail) {
            item->trigger();
            press(thumbnail);
        };
        const auto drag = [&](QPoint from, QPoint to) {
            PictureView* picture = m.MainImage;
            QTest::mousePress(picture, Qt::LeftButton, {}, from);
            QTest::mouseMove(picture, to);
            QTest::mouseRelease(picture, Qt::LeftButton, {}, to);
        };
        const auto onPicture = [&](const char* typed, QPoint click) {
            keys ? typeKeys(focusPicture(p), typed) : QTest::mouseClick(m.MainImage, Qt::LeftButton, {}, click);
        };
        pick(m.Sky1, f.sky->sky2);
        pick(m.Landscape1, f.landscape->land1);

        pick(m.Objects1, f.Objectx->sky2);
        QVERIFY(m.statusBar()->currentMessage().endsWith(QStringLiteral(": drag it on the picture, or press an arrow key there.")));
        keys ? typeKeys(focusPicture(p), "E+L+LE") : drag({245, 120}, {345, 220});
        press(control(f.obconfirm, "keep"));
        pick(m.Objects1, f.Objectx->sky4);
        keys ? typeKeys(focusPicture(p), "E^+R+DE") : drag({265, 130}, {375, 230});
        press(control(f.obconfirm, "keep"));
        QCOMPARE(p.scene().objectCount, 2);

        onPicture("TE", {250, 125});
        // A screen reader hears the object chosen by its title.
        if (keys)
            QVERIFY(m.MainImage->accessibleName().contains(QString::fromStdString(p.scene().objects.title[0].str())));
        press(control(f.obchange, "Button2")); // Move It
        keys ? typeKeys(focusPicture(p), "+R+R+DUE") : (QTest::mouseMove(m.MainImage, {265, 129}),
                                                        QTest::mouseClick(m.MainImage, Qt::LeftButton, {}, {5, 5}));
        press(control(f.mover, "Button1"));

        onPicture("TE", {300, 200});
        press(control(f.obchange, "Button3")); // Re-Size It
        keys ? typeKeys(focusPicture(p), "E^+L^+L^+UE") : drag({265, 130}, {355, 220});
        press(control(f.resizer, "Button1"));

        onPicture("BE", {360, 200});
        press(control(f.obchange, "Button6")); // Send Behind Land
        onPicture("TE", {300, 200});
        press(control(f.obchange, "button1")); // Delete It
        m.UndoItem->trigger();

        QCOMPARE(p.scene().editMode, EditMode::Idle);
        const QString file = p.appDir.path(QStringLiteral("task.vdr"));
        p.services.saveAnswers = {file};
        m.FileSaveItemClick();
        runs[keys].file = fileBytes(file);
        runs[keys].picture = m.surfaces.mainImage;
        const SceneState& s = p.scene();
        QCOMPARE(s.objects.status[0], int(ObjectStatus::Behind));
        QCOMPARE(s.objects.status[1], int(ObjectStatus::Front));
        QCOMPARE(s.objects.left[0], 265);
        QCOMPARE(s.objects.width[1], 90);
        // What shows is the scene itself, rendered afresh.
        MainSurfaces fresh;
        renderScene(p.scene(), fresh);
        QVERIFY(fresh.mainImage == m.surfaces.mainImage);
    }
    QVERIFY(!runs[0].file.isEmpty());
    QCOMPARE(runs[1].file, runs[0].file);
    QVERIFY(runs[1].picture == runs[0].picture);
}

void EditingTest::commandsThatWaitSayWhy()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    addRow(s, ObjectStatus::Front, "Apple", 10, 10, 50, 50);
    p.session().moveObject(0, 20, 20); // something to undo
    const struct {
        bool placing;
        EditMode mode;
        QAction* TMainForm::*command;
        const char* said;
    } rows[] = {
        {true, EditMode::Idle, &TMainForm::Sky1,
         "Sky must wait: place the object first (drag, or arrows and Enter), or press Escape."},
        {true, EditMode::Idle, &TMainForm::Ground1, "Landscape must wait: place the object first"},
        {true, EditMode::Idle, &TMainForm::Objects2, "Object must wait: place the object first"},
        {true, EditMode::Idle, &TMainForm::UndoItem, "Undo must wait: place the object first"},
        {false, EditMode::NewDrawn, &TMainForm::SpecialEffects1,
         "Special Effects must wait: answer the New Object window first, or press Escape."},
        {false, EditMode::Clicked, &TMainForm::Sky2, "Sky must wait: answer the Object Edit window first"},
        {false, EditMode::Moving, &TMainForm::FileNewItem,
         "New must wait: drop the object first (click, or Enter), or press Escape."},
        {false, EditMode::MoveDropped, &TMainForm::Undo1, "Undo must wait: answer the Object Move window first"},
        {false, EditMode::Resizing, &TMainForm::Landscape1, "Landscape must wait: draw the new size first"},
        {false, EditMode::ResizeDrawn, &TMainForm::Objects1, "Object must wait: answer the Re-Size Object window"},
    };
    for (const auto& r : rows) {
        m.statusBar()->clearMessage();
        s.placing = r.placing;
        s.editMode = r.mode;
        (m.*r.command)->trigger();
        QVERIFY2(m.statusBar()->currentMessage().startsWith(QString::fromLatin1(r.said)),
                 qPrintable(m.statusBar()->currentMessage()));
        QVERIFY(m.MainImage->accessibleName().endsWith(m.statusBar()->currentMessage()));
        QVERIFY(!p.forms().sky->isVisible() && !p.forms().newbox->isVisible() && !p.forms().effects->isVisible());
        QCOMPARE(s.objects.left[0], 20);
    }
    // Escape gives up wherever the keyboard is in the main window.
    s.editMode = EditMode::Idle;
    s.placing = true;
    typeKeys(m.SpeedButton1, "X");
    QVERIFY(!s.placing);
    m.statusBar()->clearMessage();
    m.RefreshButton->click();
    m.Sky1->trigger();
    QVERIFY(p.forms().sky->isVisible());
    QVERIFY(m.statusBar()->currentMessage().isEmpty());
}

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
