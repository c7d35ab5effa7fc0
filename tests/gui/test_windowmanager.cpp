// The windows under a real window manager on an X screen (run by
// with-openbox.sh under Xvfb): where they open, the main window through a
// rendering, and the error box over stay-on-top windows. Skipped elsewhere.
#include "harness.h"

#include "core/ui/about.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/wait.h"
#include "editing/ui/choicewindow.h"
#include "effects/ui/error.h"
#include "files/ui/notvdrf.h"
#include "output/ui/bmpsaver.h"
#include "output/ui/printx.h"
#include "sources/ui/land.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyform.h"
#include "sources/ui/skyp.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

// Shown, framed by the window manager, and settled where it put it, which
// is where it was put when shown: it never jumps once on screen.
void showAndSettle(QWidget& w)
{
    const bool shownBefore = w.isVisible();
    w.show();
    const QPoint asked = w.geometry().topLeft();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(150);
    if (!shownBefore)
        QTRY_COMPARE(w.geometry().topLeft(), asked);
}

QPoint screenCentre(const QWidget& w) { return w.screen()->availableGeometry().center(); }

bool near(QPoint a, QPoint b) { return (a - b).manhattanLength() <= 2; }

} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowsOpenCentred();
    void renderingKeepsTheMainWindowInPlaceAndFocused();
    void errorBoxShowsAboveStayOnTopWindows();
};

void WindowManagerTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X screen with a window manager (with-openbox.sh)");
}

void WindowManagerTest::windowsOpenCentred()
{
    TestProgram p;
    p.start();
    showAndSettle(p.main());
    QTRY_VERIFY2(near(p.main().frameGeometry().center(), screenCentre(p.main())),
                 qPrintable(QStringLiteral("main window: frame %1,%2 %3x%4")
                                .arg(p.main().frameGeometry().x())
                                .arg(p.main().frameGeometry().y())
                                .arg(p.main().frameGeometry().width())
                                .arg(p.main().frameGeometry().height())));
    const Forms& f = p.forms();
    QWidget* const windows[] = {f.landscape, f.sky, f.WaitBox, f.Objectx, f.obconfirm, f.obchange, f.mover,
                                f.resizer, f.notvdr, f.obhind, f.PrintForm, f.SkyPack, f.LandPack,
                                f.ObjectPack, f.BMPSave, f.effects, f.newbox, f.helpbox, f.AboutBox};
    for (QWidget* w : windows) {
        showAndSettle(*w);
        QTRY_VERIFY2(near(w->frameGeometry().center(), screenCentre(*w)),
                 qPrintable(w->windowTitle() + ": " + QString::number(w->frameGeometry().center().x()) + ","
                            + QString::number(w->frameGeometry().center().y())));
        w->hide();
    }
}

void WindowManagerTest::renderingKeepsTheMainWindowInPlaceAndFocused()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    showAndSettle(m);
    m.move(m.pos() + QPoint(-60, 40));
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QTest::qWait(150);
    const QPoint before = m.pos();
    for (int i = 0; i < 3; ++i) {
        m.RefreshButtonClick();
        QTest::qWait(300);
        QCOMPARE(m.pos(), before);
        QVERIFY(QTest::qWaitForWindowActive(&m));
    }
}

void WindowManagerTest::errorBoxShowsAboveStayOnTopWindows()
{
    TestProgram p;
    p.start();
    showAndSettle(p.main());
    TBMPSave& exportWindow = *p.forms().BMPSave;
    showAndSettle(exportWindow);
    // As after the export's file dialog: the error comes while another
    // window of the program is the active one.
    p.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.main()));
    QtUiServices services;
    bool whole = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QTest::qWait(300);
        // What the screen shows where the box is, is the box.
        const QRect area(box->mapToGlobal(QPoint(0, 0)), box->size());
        const QImage onScreen = box->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                                    .toImage().convertToFormat(QImage::Format_RGB32);
        const QImage itself = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        whole = onScreen == itself;
        box->accept();
    });
    services.showError(QStringLiteral("Cannot create file /x.bmp"));
    QVERIFY(whole);
}

QTEST_MAIN(WindowManagerTest)
#include "test_windowmanager.moc"
