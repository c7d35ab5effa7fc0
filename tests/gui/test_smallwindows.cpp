// The small windows as a desktop user meets them: the keyboard, screen
// readers, message boxes over stay-on-top windows, the printer set-up, dense
// screens and the texts of image packs. Run at scale 1 and again at scale 2.
#include "harness.h"
#include "smallwindows.h"

#include "core/ui/about.h"
#include "core/scene.h"
#include "core/ui/accessibility.h"
#include "core/ui/application.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/pictureview.h"
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
#include "core/ui/thumbnail.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

using namespace veldor;
using veldor::test::smallWindows;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

SmallWindow* windowNamed(const Forms& f, const QString& name)
{
    for (const auto& [n, w] : smallWindows(f))
        if (n == name)
            return w;
    return nullptr;
}

// The controls a user reaches with Tab, in the window's focus chain order.
QList<QWidget*> tabChain(QWidget& window)
{
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window) && w->isEnabled())
            chain << w;
    return chain;
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// Runs `inspect` on the modal dialog that `open` brings up, then closes it.
void withModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            seen = true;
            inspect(*modal);
            if (modal->isVisible())
                modal->close();
        }
    });
    open();
    QVERIFY(seen);
}

void writePack(TestProgram& p, const QByteArray& fileName, const QByteArray& name, const QByteArray& caption)
{
    // The sample pack's pictures under another header and first caption.
    QFile sample(p.appDir.path("packs/sample.vpk"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = sample.readAll().split('\n');
    lines[1] = name + '\r';
    lines[3] = "A description far longer than the room the window has beside its thumbnails\r";
    lines[30] = caption + '\r'; // the first object's

    QFile pack(QFile::decodeName(QFile::encodeName(p.appDir.path("packs")) + '/' + fileName));
    QVERIFY(pack.open(QIODevice::WriteOnly));
    pack.write(lines.join('\n'));
}

} // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void returnAndEscape_data();
    void returnAndEscape();
    void tabOrderAndNames();
    void printCopiesFromKeyboard();
    void screenReaderRolesAndActions();
    void sceneDescriptions_data();
    void sceneDescriptions();
    void messageBoxStaysAboveEverything();
    void printSetupChoosesWherePrintGoes();
    void textsFitTheirPlaces();
    void pictureKeepsItsPixels();
    void denseScreensGetSharpPictures();
    void packTextsAndFileNames_data();
    void packTextsAndFileNames();
};

void SmallWindowsTest::returnAndEscape_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus"); // a button given the focus first, or none
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed"); // the button pressed, "closed" or "nothing"
    struct Row {
        const char* window;
        const char* focus;
        Qt::Key key;
        const char* pressed;
    };
    const Row rows[] = {
        {"newbox", "", Qt::Key_Return, "Button1"},      {"newbox", "", Qt::Key_Escape, "Button2"},
        {"newbox", "Button2", Qt::Key_Return, "Button2"}, {"AboutBox", "", Qt::Key_Enter, "OKButton"},
        {"AboutBox", "", Qt::Key_Escape, "OKButton"},   {"helpbox", "", Qt::Key_Escape, "closed"},
        {"notvdr", "", Qt::Key_Return, "Button1"},      {"notvdr", "", Qt::Key_Escape, "Button1"},
        {"obconfirm", "", Qt::Key_Return, "keep"},      {"obconfirm", "", Qt::Key_Escape, "del"},
        {"obconfirm", "replot", Qt::Key_Return, "replot"}, {"obchange", "", Qt::Key_Return, "Button5"},
        {"obchange", "", Qt::Key_Escape, "Button5"},    {"mover", "", Qt::Key_Return, "Button1"},
        {"mover", "", Qt::Key_Escape, "Button3"},       {"resizer", "", Qt::Key_Return, "Button1"},
        {"resizer", "", Qt::Key_Escape, "Button3"},     {"obhind", "", Qt::Key_Return, "Button3"},
        {"obhind", "Button2", Qt::Key_Escape, "Button3"}, {"effects", "", Qt::Key_Return, "Button2"},
        {"effects", "", Qt::Key_Escape, "Button1"},     {"PrintForm", "", Qt::Key_Return, "Button2"},
        {"PrintForm", "Button3", Qt::Key_Escape, "Button2"}, {"BMPSave", "", Qt::Key_Return, "closed"},
        {"BMPSave", "", Qt::Key_Escape, "closed"},      {"landscape", "", Qt::Key_Escape, "closed"},
        {"sky", "newpack", Qt::Key_Escape, "closed"},   {"Objectx", "cancel", Qt::Key_Return, "cancel"},
        {"LandPack", "", Qt::Key_Escape, "closed"},     {"WaitBox", "", Qt::Key_Escape, "nothing"},
    };
    for (const Row& r : rows)
        QTest::addRow("%s %s %s", r.window, r.focus, QKeySequence(r.key).toString().toLatin1().constData())
            << QString::fromLatin1(r.window) << QString::fromLatin1(r.focus) << int(r.key)
            << QString::fromLatin1(r.pressed);
}

void SmallWindowsTest::returnAndEscape()
{
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    TestProgram p;
    p.start();
    SmallWindow* w = windowNamed(p.forms(), window);
    QVERIFY(w);
    w->show();
    QStringList clicked;
    for (QPushButton* b : w->findChildren<QPushButton*>())
        connect(b, &QPushButton::clicked, w, [&clicked, b] { clicked << b->objectName(); });
    QWidget* target = w;
    if (!focus.isEmpty()) {
        target = w->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();
    }
    QTest::keyClick(target, Qt::Key(key));
    if (pressed == QLatin1String("closed")) {
        QVERIFY(clicked.isEmpty());
        QVERIFY(!w->isVisible());
    } else if (pressed == QLatin1String("nothing")) {
        QVERIFY(clicked.isEmpty());
        QVERIFY(w->isVisible());
    } else {
        QCOMPARE(clicked, QStringList{pressed});
    }
}

void SmallWindowsTest::tabOrderAndNames()
{
    TestProgram p;
    p.start();
    for (const auto& [name, w] : smallWindows(p.forms())) {
        w->show();
        // Tab goes through the controls as they are read: row by row, left to
        // right; "Object Edit" puts "Cancel" before "Send Behind Land".
        QList<QWidget*> expected = tabChain(*w);
        std::stable_sort(expected.begin(), expected.end(), [](QWidget* a, QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        if (w == p.forms().obchange)
            expected.swapItemsAt(expected.indexOf(control(w, "Button5")), expected.indexOf(control(w, "Button6")));
        QVERIFY2(tabChain(*w) == expected, qPrintable(name));
        // Everything a screen reader may land on has a name (a thumbnail's
        // caption is read as the thumbnail's name, and is hidden itself).
        for (QWidget* c : w->findChildren<QWidget*>()) {
            const bool control = (c->focusPolicy() & Qt::TabFocus) || qobject_cast<QLabel*>(c);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            if (control && c->isVisibleTo(w) && !(a && a->state().invisible))
                QVERIFY2(!accessibleName(c).isEmpty(), qPrintable(name + '.' + c->objectName()));
        }
        w->hide();
    }
    for (QToolButton* b : p.main().SpeedBar->findChildren<QToolButton*>())
        QCOMPARE(accessibleName(b), b->toolTip());
}

void SmallWindowsTest::screenReaderRolesAndActions()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    const auto role = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->role(); };
    for (const auto& [name, w] : smallWindows(f))
        QVERIFY2(role(w) == QAccessible::Dialog, qPrintable(name));

    // The picture: an image, named, described by what it shows.
    p.main().Refresh();
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(p.main().MainImage);
    QCOMPARE(picture->role(), QAccessible::Graphic);
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Picture"));
    QCOMPARE(picture->text(QAccessible::Description), QStringLiteral("Sky: Clear Blue. No ground."));

    // A toolbar button is a button, read with its key.
    QAccessibleInterface* refresh = QAccessible::queryAccessibleInterface(p.main().RefreshButton);
    QCOMPARE(refresh->role(), QAccessible::Button);
    QCOMPARE(refresh->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
             QStringList{QStringLiteral("F5")});

    // A thumbnail is a button that chooses, read once.
    p.main().Sky1->trigger();
    QAccessibleInterface* thumbnail = QAccessible::queryAccessibleInterface(f.sky->sky2);
    QCOMPARE(thumbnail->role(), QAccessible::Button);
    QCOMPARE(thumbnail->text(QAccessible::Name), QStringLiteral("Orange Sunset"));
    QVERIFY(accessibleName(f.sky->sky2label).isEmpty());
    thumbnail->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(p.scene().skyFile, std::string("sky2.bmp"));
    QCOMPARE(picture->text(QAccessible::Description), QStringLiteral("Sky: Orange Sunset. No ground."));

    // The number of copies is read beside its name.
    p.main().Print1->trigger();
    QLabel* copies = control<QLabel>(f.PrintForm, "copies");
    control<SpinButton>(f.PrintForm, "SpinButton1")->upButton->click();
    QAccessibleInterface* count = QAccessible::queryAccessibleInterface(copies);
    QCOMPARE(count->text(QAccessible::Name), QStringLiteral("Number of copies"));
    QCOMPARE(count->text(QAccessible::Description), QStringLiteral("2"));
}

void SmallWindowsTest::sceneDescriptions_data()
{
    QTest::addColumn<QString>("ground");
    QTest::addColumn<QStringList>("objects"); // "F title" in front, "B title" behind, "D title" deleted
    QTest::addColumn<QString>("description");
    // A row named "effects ..." has effects on the picture.
    QTest::newRow("built-in ground, objects behind first")
        << "ground2.bmp" << QStringList{"F Apple", "D Gone", "B Golf Ball"}
        << "Sky: Clear Blue. Ground: Hill Forests. Objects: Golf Ball, Apple.";
    QTest::newRow("a pack's ground by its caption")
        << "packs\\autg1.bmp" << QStringList{} << "Sky: Clear Blue. Ground: Pumpkin Field.";
    QTest::newRow("a ground whose pack is gone by its file name")
        << "packs\\hills0.bmp" << QStringList{} << "Sky: Clear Blue. Ground: packs\\hills0.bmp.";
    QTest::newRow("effects last")
        << "none.bmp" << QStringList{"F Apple"} << "Sky: Clear Blue. No ground. Objects: Apple. Effects: Darken, Anti-alias.";
    QStringList many;
    for (int i = 0; i < 23; ++i)
        many << QStringLiteral("F o%1").arg(i);
    QString read = "Sky: Clear Blue. No ground. Objects: ";
    for (int i = 0; i < 20; ++i)
        read += QStringLiteral("o%1, ").arg(i);
    QTest::newRow("thousands are not read out") << "none.bmp" << many << read + "and 3 more.";
}

void SmallWindowsTest::sceneDescriptions()
{
    QFETCH(QString, ground);
    QFETCH(QStringList, objects);
    QFETCH(QString, description);
    SceneDocument scene;
    scene.skyFile = "sky3.bmp";
    scene.groundFile = ground.toStdString();
    scene.objects.recreate(std::size_t(std::max<qsizetype>(objects.size(), 1)));
    scene.objectCount = std::int32_t(objects.size());
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const char kind = objects[i].at(0).toLatin1();
        scene.objects.status[std::size_t(i)] = kind == 'F' ? ObjectStatus::Front
            : kind == 'B'                                  ? ObjectStatus::Behind
                                                           : ObjectStatus::Deleted;
        scene.objects.title[std::size_t(i)] = objects[i].mid(2).toStdString();
    }
    const QStringList effects = QString::fromLatin1(QTest::currentDataTag()).startsWith(QLatin1String("effects"))
                                    ? QStringList{"Darken", "Anti-alias"}
                                    : QStringList{};
    QCOMPARE(describeScene(scene, VELDOR_TEST_APP_DIR "/packs", effects), description);
}

void SmallWindowsTest::printCopiesFromKeyboard()
{
    TestProgram p;
    p.start();
    TPrintForm& print = *p.forms().PrintForm;
    print.show();
    print.activateWindow();
    // Not qWaitForWindowActive: a dialog counts as active while its main
    // window is.
    QTRY_VERIFY(print.isActiveWindow());
    const SpinButton* spin = control<SpinButton>(&print, "SpinButton1");
    const QLabel* copies = control<QLabel>(&print, "copies");
    QPushButton* printButton = control<QPushButton>(&print, "Button1");
    QCOMPARE(tabChain(print).mid(0, 2), (QList<QWidget*>{spin->upButton, spin->downButton}));
    printButton->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(printButton, Qt::Key_Up);
    QCOMPARE(copies->text(), QStringLiteral("4"));
    spin->downButton->setFocus();
    QTest::keyClick(spin->downButton, Qt::Key_Space);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(spin->downButton, Qt::Key_Down);
    QCOMPARE(copies->text(), QStringLiteral("1"));
}

void SmallWindowsTest::messageBoxStaysAboveEverything()
{
    TestProgram p;
    p.start();
    QtUiServices services;
    p.forms().BMPSave->show();
    p.forms().BMPSave->activateWindow();
    withModal([&] { services.showError(QStringLiteral("Cannot create file /x.bmp")); },
              [](QWidget& box) {
                  QVERIFY(qobject_cast<QMessageBox*>(&box));
                  QCOMPARE(qobject_cast<QMessageBox*>(&box)->text(), QStringLiteral("Cannot create file /x.bmp"));
                  QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
              });
}

void SmallWindowsTest::printSetupChoosesWherePrintGoes()
{
    TestProgram p;
    p.start();
    QtUiServices services;
    const QString pdf = p.appDir.path("chosen.pdf");
    bool accepted = false;
    withModal([&] { accepted = services.printerSetup(services.printer()); },
              [&](QWidget& dialog) {
                  QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Setup"));
                  QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                  QCOMPARE(ok->text(), QStringLiteral("OK"));
                  auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
                  QVERIFY(printers);
                  printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
                  dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
                  ok->click();
              });
    QVERIFY(accepted);
    QCOMPARE(services.printer().outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(services.printer().outputFileName(), pdf);
}

void SmallWindowsTest::textsFitTheirPlaces()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    // Every label's text shows whole and clear of its neighbours (a label
    // drawn over a picture on purpose aside).
    const QWidget* helpLogo = control(f.helpbox, "ProgramIcon");
    for (const auto& [name, w] : smallWindows(f)) {
        const QList<QWidget*> controls = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QLabel* label : w->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!label->isVisibleTo(w) || label->text().isEmpty())
                continue;
            const QString where = name + '.' + label->objectName();
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(where));
            QRect text = label->geometry();
            text.setWidth(label->sizeHint().width());
            QVERIFY2(text.right() < w->width(), qPrintable(where));
            for (QWidget* other : controls)
                if (other != label && other->isVisibleTo(w) && other != helpLogo)
                    QVERIFY2(!text.intersects(other->geometry()), qPrintable(where + " over " + other->objectName()));
        }
    }
    // "...with object: Apple", with a gap.
    Tobhind& hind = *f.obhind;
    const QLabel* question = control<QLabel>(&hind, "Label2");
    QLabel* title = control<QLabel>(&hind, "oblabel");
    QVERIFY(question->x() + question->sizeHint().width() + hind.fontMetrics().horizontalAdvance(QLatin1Char(' '))
            <= title->x());
    // A long title stays inside the window.
    hind.setObjectTitle(QString(80, QLatin1Char('W')));
    QVERIFY(title->geometry().right() < hind.width());
}

void SmallWindowsTest::pictureKeepsItsPixels()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    // A one-pixel checkerboard: any smoothing would turn it grey.
    Surface& picture = m.surfaces.mainImage;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, (x + y) % 2 ? kWhite : 0x00102030);
    const QImage shown = m.MainImage->grab(QRect(0, 0, 40, 40)).toImage();
    const int k = qRound(shown.devicePixelRatio());
    QCOMPARE(shown.width(), 40 * k);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QCOMPARE(shown.pixel(x, y) & 0xFFFFFF, (x / k + y / k) % 2 ? 0xFFFFFFu : 0x302010u);
}

void SmallWindowsTest::denseScreensGetSharpPictures()
{
    TestProgram p;
    const qreal dpr = p.main().devicePixelRatioF();
    // Drawn for the screen: at twice the density, twice the pixels.
    const QPixmap glyph = p.main().SpeedButton1->icon().pixmap(QSize(32, 32), dpr);
    QCOMPARE(glyph.size(), QSize(32, 32) * dpr);
    QCOMPARE(control<QLabel>(p.forms().AboutBox, "ProgramIcon")->pixmap().size(), QSize(192, 96) * dpr);
    QCOMPARE(p.forms().sky->sky0->picture().size(), QSize(100, 100) * dpr);
    QCOMPARE(p.forms().sky->sky0->picture().deviceIndependentSize(), QSizeF(100, 100));
    if (dpr == 2) {
        // Not the small picture blown up: some 2 x 2 block has two colours.
        const QImage big = p.forms().sky->sky0->picture();
        bool detail = false;
        for (int y = 0; y < big.height() && !detail; y += 2)
            for (int x = 0; x < big.width() && !detail; x += 2)
                detail = big.pixel(x, y) != big.pixel(x + 1, y + 1);
        QVERIFY(detail);
    }
}

void SmallWindowsTest::packTextsAndFileNames_data()
{
    QTest::addColumn<QByteArray>("fileName");
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTF-8 file name, UTF-8 text") << QByteArray("f\xc3\xb6hn.vpk") << QByteArray("F\xc3\xb6hn")
                                                 << QString::fromUtf8("F\xc3\xb6hn");
    QTest::newRow("Latin-1 file name, Latin-1 text") << QByteArray("\xe9t\xe9.vpk") << QByteArray("\xc9t\xe9")
                                                     << QString::fromLatin1("\xc9t\xe9");
    QTest::newRow("ASCII") << QByteArray("plain.vpk") << QByteArray("Tree") << QStringLiteral("Tree");
}

void SmallWindowsTest::packTextsAndFileNames()
{
    QFETCH(QByteArray, fileName);
    QFETCH(QByteArray, caption);
    QFETCH(QString, shown);
    TestProgram p;
    p.start();
    writePack(p, fileName, caption + " Pack", caption);
    TObjectPack& browser = *p.forms().ObjectPack;
    browser.show();
    browser.activateWindow();
    QTRY_VERIFY(browser.isActiveWindow());
    const auto items = browser.FileListBox1->findItems(QFile::decodeName(fileName), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    browser.FileListBox1->setCurrentItem(items.front());
    browser.FileListBox1->setFocus();
    QVERIFY(dispatchGuarded(&p.services, [&] {
        QTest::keyClick(browser.FileListBox1, Qt::Key_Return);
        return true;
    }));
    QCOMPARE(p.services.errors, QStringList());
    QCOMPARE(browser.packname->text(), shown + " Pack");
    QCOMPARE(browser.name0->text(), shown);
    // Long texts are cut short of the thumbnails, which all show whole.
    QVERIFY(browser.description->text().endsWith(QChar(0x2026)));
    for (QLabel* l : {browser.packname, browser.created, browser.description})
        for (Thumbnail* t : browser.pictures())
            QVERIFY(!l->geometry().intersects(t->geometry()));
    // The pack's bytes go into the scene unchanged.
    browser.pic0Click();
    QCOMPARE(QByteArray::fromStdString(p.scene().pendingTitle), caption);
}

QTEST_MAIN(SmallWindowsTest)
#include "test_smallwindows.moc"
