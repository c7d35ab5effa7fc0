// Placing and editing objects with the real mouse on the real windows.
#include "harness.h"

#include "core/ui/application.h"
#include "core/scene.h"
#include "core/ui/pictureview.h"
#include "core/ui/wait.h"
#include "editing/ui/choicewindow.h"

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

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
