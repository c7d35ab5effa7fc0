// Opening a scene or an image pack from outside the program (the command
// line, a drop) and where the real file dialogs start.
#include "harness.h"

#include "core/scene.h"
#include "core/ui/application.h"
#include "core/ui/desktoplook.h"
#include "core/ui/pictureview.h"
#include "editing/ui/choicewindow.h"
#include "files/ui/notvdrf.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyp.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <functional>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Drags `path` onto the main window and drops it; whether the window took it.
bool dropFile(TMainForm& window, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at(300, 200);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

// Drags `paths` onto the main window together; whether the window took them.
bool dropFiles(TMainForm& window, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPoint at(300, 200);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

// Runs `answer` on the next modal widget of type W once it is up.
template <class W>
void whenModal(std::function<void(W&)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*w);
        }
    });
    timer->start();
}

// The desktop's settings portal, as GNOME and KDE run it, with one setting.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 0;

public slots:
    // As the portal answers: the value wrapped once more than in the signal.
    QDBusVariant Read(const QString& group, const QString& key)
    {
        if (group != QLatin1String("org.freedesktop.appearance") || key != QLatin1String("color-scheme"))
            return QDBusVariant(QVariant::fromValue(QDBusVariant(QString())));
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void sceneFromCommandLineOrDrop_data();
    void sceneFromCommandLineOrDrop();
    void packFromCommandLineOrDrop_data();
    void packFromCommandLineOrDrop();
    void severalPacksDroppedAtOnce();
    void droppedPictureBecomesAnObject();
    void fileDialogsStartInPicturesThenTheLastFolder();
    void followsTheDesktopsColourScheme();
};

void DesktopTest::sceneFromCommandLineOrDrop_data()
{
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<bool>("isScene");
    QTest::addColumn<int>("editMode");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("rejected"); // "This is not a Veldor File"
    QTest::addColumn<bool>("broken");   // a scene cut short: an error box
    QTest::newRow("named at start") << false << true << int(EditMode::Idle) << true << false << false;
    QTest::newRow("named at start, not a scene") << false << false << int(EditMode::Idle) << false << true << false;
    QTest::newRow("dropped") << true << true << int(EditMode::Idle) << true << false << false;
    QTest::newRow("dropped, not a scene") << true << false << int(EditMode::Idle) << false << true << false;
    QTest::newRow("dropped during an edit") << true << true << int(EditMode::Clicked) << false << false << false;
    QTest::newRow("dropped, broken") << true << true << int(EditMode::Idle) << false << false << true;
}

void DesktopTest::sceneFromCommandLineOrDrop()
{
    QFETCH(bool, dropped);
    QFETCH(bool, isScene);
    QFETCH(int, editMode);
    QFETCH(bool, opens);
    QFETCH(bool, rejected);
    QFETCH(bool, broken);
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath(QStringLiteral("my scenes/a scene.vdr"));
    const QByteArray scene = broken ? QByteArray("Tolvane Veldor File\r\nsky0.bmp\r\n")
                                    : QByteArray("Tolvane Veldor File\r\nsky0.bmp\r\nground2.bmp\r\n1\r\n2\r\n3\r\n0\r\n");
    writeFile(file, isScene ? scene : QByteArray("Tolvane Veldor Image Pack\r\n"));

    TestProgram p;
    if (!dropped)
        p.main().openAfterStart(QFile::encodeName(file).toStdString());
    p.start();
    p.scene().currentFile = "current.vdr";
    p.scene().editMode = EditMode(editMode);
    if (dropped) {
        QCOMPARE(dropFile(p.main(), file), EditMode(editMode) == EditMode::Idle);
        // The drop has ended before anything is opened or reported.
        QVERIFY(p.services.errors.isEmpty());
    }
    // As the program's event dispatch reports an error.
    for (int i = 0; i < 2; ++i)
        dispatchGuarded(&p.services, [] {
            QCoreApplication::processEvents();
            return true;
        });
    QCOMPARE(p.services.errors.size(), broken ? 1 : 0);

    QCOMPARE(p.scene().skyFile == "sky0.bmp", opens);
    QCOMPARE(p.forms().notvdr->isVisible(), rejected);
    if (opens) {
        QCOMPARE(p.scene().tintBlue, 3);
        QVERIFY(p.scene().currentFile.empty()); // as after Open: Save asks for a name
        QVERIFY(p.main().isVisible());
    }
    QCOMPARE(QDir::current().canonicalPath(), QDir(p.appDir.path()).canonicalPath());
}

void DesktopTest::packFromCommandLineOrDrop_data()
{
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<bool>("broken"); // a bitmap missing: refused with the reason
    QTest::newRow("named at start") << false << false;
    QTest::newRow("dropped") << true << false;
    QTest::newRow("named at start, broken") << false << true;
    QTest::newRow("dropped, broken") << true << true;
}

// An image pack opened from outside is installed into the program's packs
// folder and shown loaded in the sky pack browser; the scene stays.
void DesktopTest::packFromCommandLineOrDrop()
{
    QFETCH(bool, dropped);
    QFETCH(bool, broken);
    TestProgram p;
    // The shipped sample pack under a prefix of its own, sent as "a pack.vpk".
    QTemporaryDir elsewhere;
    const QDir sent(elsewhere.filePath(QStringLiteral("my packs")));
    const QDir shipped(p.appDir.path(QStringLiteral("packs")));
    QFile sample(shipped.filePath(QStringLiteral("sample.vpk")));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QByteArray pack = sample.readAll();
    const QList<QByteArray> lines = pack.split('\r');
    QCOMPARE(lines.at(4), QByteArray("\nsmp"));
    pack.replace("\r\nsmp\r\n", "\r\nnew\r\n");
    const QString file = sent.filePath(QStringLiteral("a pack.vpk"));
    writeFile(file, pack);
    for (const QString& name : shipped.entryList({QStringLiteral("smp*.bmp")})) {
        if (broken && name == QLatin1String("smpgT2.bmp"))
            continue;
        QVERIFY(QFile::copy(shipped.filePath(name), sent.filePath(QStringLiteral("new") + name.mid(3))));
    }

    // The instructions show the home folder as "~".
    const QDir app(QDir(p.appDir.path()).canonicalPath());
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(QFileInfo(app.path()).path()));
    if (!dropped)
        p.main().openAfterStart(QFile::encodeName(file).toStdString());
    p.start();
    p.scene().currentFile = "current.vdr";
    if (dropped) {
        QVERIFY(dropFile(p.main(), file));
        QVERIFY(p.services.errors.isEmpty());
    }
    for (int i = 0; i < 2; ++i)
        dispatchGuarded(&p.services, [] {
            QCoreApplication::processEvents();
            return true;
        });

    PackBrowser& browser = *p.forms().SkyPack;
    const QString installed = shipped.filePath(QStringLiteral("a pack.vpk"));
    QCOMPARE(p.scene().currentFile, std::string("current.vdr"));
    if (broken) {
        QCOMPARE(p.services.errors.size(), 1);
        QVERIFY2(p.services.errors[0].contains(QLatin1String("newgT2.bmp: missing")), qPrintable(p.services.errors[0]));
        QVERIFY(!QFile::exists(installed));
        QVERIFY(!browser.isVisible());
        return;
    }
    QVERIFY2(p.services.errors.isEmpty(), qPrintable(p.services.errors.join(u'\n')));
    QVERIFY(QFile::exists(installed));
    QVERIFY(browser.isVisible());
    QCOMPARE(browser.packLoaded, 1);
    QCOMPARE(browser.FileListBox1->currentItem()->text(), QStringLiteral("a pack.vpk"));
    QVERIFY(browser.FileListBox1->currentItem()->isSelected());
    QCOMPARE(browser.packname->text(), QString::fromUtf8(lines.at(1).mid(1)));
    QCOMPARE(browser.slotFile[0], std::string("packs\\newS0.bmp"));
    const QLabel* where = veldor::test::control<QLabel>(&browser, "Label3");
    qputenv("HOME", oldHome);
    QCOMPARE(where->toolTip().isEmpty() ? where->text() : where->toolTip(),
             QStringLiteral("2. Open the pack, or extract it into ~/%1/packs").arg(app.dirName()));
}

// Several packs dropped at once are each installed; one refused does not
// keep the others out, and its reason is told. Two scenes, or a scene among
// packs, are not taken.
void DesktopTest::severalPacksDroppedAtOnce()
{
    TestProgram p;
    p.start();
    QTemporaryDir elsewhere;
    const QDir sent(elsewhere.path());
    const QDir shipped(p.appDir.path(QStringLiteral("packs")));
    QFile sample(shipped.filePath(QStringLiteral("sample.vpk")));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray pack = sample.readAll();
    QStringList packs;
    for (const char* prefix : {"one", "two", "bad"}) {
        const QString name = QString::fromLatin1(prefix);
        writeFile(sent.filePath(name + QStringLiteral(".vpk")),
                  QByteArray(pack).replace("\r\nsmp\r\n", "\r\n" + QByteArray(prefix) + "\r\n"));
        packs << sent.filePath(name + QStringLiteral(".vpk"));
        if (name == QLatin1String("bad"))
            continue; // its bitmaps missing
        for (const QString& bitmap : shipped.entryList({QStringLiteral("smp*.bmp")}))
            QVERIFY(QFile::copy(shipped.filePath(bitmap), sent.filePath(name + bitmap.mid(3))));
    }
    const QString scene = p.appDir.path(QStringLiteral("demo.vdr"));
    QVERIFY(!dropFiles(p.main(), {scene, scene}));
    QVERIFY(!dropFiles(p.main(), {packs[0], scene}));
    QVERIFY(dropFiles(p.main(), packs));
    for (int i = 0; i < 2; ++i)
        dispatchGuarded(&p.services, [] {
            QCoreApplication::processEvents();
            return true;
        });
    QVERIFY(QFile::exists(shipped.filePath(QStringLiteral("one.vpk"))));
    QVERIFY(QFile::exists(shipped.filePath(QStringLiteral("two.vpk"))));
    QVERIFY(!QFile::exists(shipped.filePath(QStringLiteral("bad.vpk"))));
    QCOMPARE(p.services.errors.size(), 1);
    QVERIFY2(p.services.errors[0].contains(QLatin1String("bad.vpk")), qPrintable(p.services.errors[0]));
}

void DesktopTest::fileDialogsStartInPicturesThenTheLastFolder()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    QtUiServices services;
    FileDialogRequest request;
    request.filter = QStringLiteral("Veldor Files [*.vdr] (*.vdr)");
    request.defaultSuffix = QStringLiteral("vdr");
    QStringList openedIn;
    const auto cancelNoting = [&openedIn](QFileDialog& d) {
        openedIn << d.directory().absolutePath();
        d.reject();
    };

    // No pictures folder: home.
    whenModal<QFileDialog>(cancelNoting);
    QVERIFY(!services.openFileName(request));
    // With one: there.
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Pictures")));
    whenModal<QFileDialog>(cancelNoting);
    QVERIFY(!services.openFileName(request));
    // A choice elsewhere: the next dialog, of any kind, opens there.
    const QString chosen = home.filePath(QStringLiteral("my scenes/a.vdr"));
    writeFile(chosen, "Tolvane Veldor File\r\n");
    whenModal<QFileDialog>([&chosen](QFileDialog& d) {
        // Typed, as a user would: selectFile() waits for the folder listing.
        d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen);
        QMetaObject::invokeMethod(&d, "accept"); // as the Open button does
        if (d.isVisible())
            d.reject(); // a refused name must fail the test, not hang it
    });
    QCOMPARE(services.openFileName(request).value_or(QString()), chosen);
    // The save dialog refuses a name typed into a folder that does not exist.
    bool warned = false;
    bool stayedOpen = false;
    whenModal<QFileDialog>([&](QFileDialog& d) {
        openedIn << d.directory().absolutePath();
        d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("missing/b.vdr"));
        whenModal<QMessageBox>([&warned](QMessageBox& box) {
            warned = true;
            box.accept();
        });
        QMetaObject::invokeMethod(&d, "accept"); // as the Save button does
        stayedOpen = d.isVisible();
        d.reject();
    });
    QVERIFY(!services.saveFileName(request));
    QVERIFY(warned);
    QVERIFY(stayedOpen);

    const QStringList expected = {QDir(home.path()).absolutePath(), home.filePath(QStringLiteral("Pictures")),
                                  home.filePath(QStringLiteral("my scenes"))};
    QCOMPARE(openedIn, expected);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

// The windows take the desktop's dark or light preference at start and
// whenever it changes; other settings leave them alone.
void DesktopTest::followsTheDesktopsColourScheme()
{
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                 QStringLiteral("--print-address=1")});
    if (!daemon.waitForReadyRead(10000))
        QSKIP("dbus-daemon does not start here");
    const QString address = QString::fromLatin1(daemon.readLine().trimmed());
    QDBusConnection desktop = QDBusConnection::connectToBus(address, QStringLiteral("desktop"));
    QDBusConnection program = QDBusConnection::connectToBus(address, QStringLiteral("program"));
    QVERIFY(desktop.isConnected() && program.isConnected());
    FakePortal portal;
    portal.scheme = 1;
    QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
    QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

    auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
    const QPalette before = app.palette();
    const auto dark = [&app] { return app.palette().color(QPalette::Window).lightness() < 128; };
    followDesktopColourScheme(app, program);
    QTRY_VERIFY(dark());
    QVERIFY(app.palette().color(QPalette::WindowText).lightness() > 128);
    struct Change {
        const char* group;
        uint scheme;
        bool dark;
    };
    for (const Change& c : {Change{"org.freedesktop.appearance", 2, false},
                            Change{"org.gnome.desktop.interface", 1, false},
                            Change{"org.freedesktop.appearance", 1, true},
                            Change{"org.freedesktop.appearance", 0, false}}) {
        emit portal.SettingChanged(QString::fromLatin1(c.group), QStringLiteral("color-scheme"),
                                   QDBusVariant(c.scheme));
        QTRY_COMPARE(dark(), c.dark);
    }
    QCOMPARE(app.palette(), before);
    QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    daemon.kill();
    daemon.waitForFinished();
}

// A PNG with alpha dropped on the program joins the user's own pack, armed
// for placing as a pack browser's thumbnail arms it; placed and saved, it
// is in the scene a new run of the program opens.
void DesktopTest::droppedPictureBecomesAnObject()
{
    veldor::test::FakeServices services;
    veldor::test::TempAppDir appDir;
    QTemporaryDir elsewhere;
    const QString png = QDir(elsewhere.path()).filePath(QStringLiteral("Red Ball.png"));
    QImage ball(120, 120, QImage::Format_ARGB32);
    ball.fill(Qt::transparent);
    QPainter painter(&ball);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(10, 10, 100, 100);
    painter.end();
    QVERIFY(ball.save(png));
    const QString saved = appDir.path(QStringLiteral("ball.vdr"));
    const auto start = [](VeldorProgram& program) {
        TMainForm& m = *program.forms().MainForm;
        m.show();
        QCoreApplication::processEvents();
        if (!m.started())
            m.FormActivate();
        return &m;
    };

    std::vector<Color> placed;
    {
        VeldorProgram program(services);
        TMainForm& m = *start(program);
        SceneState& s = program.scene();
        QVERIFY(dropFile(m, png));
        for (int i = 0; i < 2; ++i)
            dispatchGuarded(&services, [] {
                QCoreApplication::processEvents();
                return true;
            });
        QVERIFY2(services.errors.isEmpty(), qPrintable(services.errors.join(u'\n')));
        QVERIFY(s.placing);
        QCOMPARE(s.pendingImageFile, std::string("packs\\mypico0.bmp"));
        QCOMPARE(s.pendingTitle, std::string("Red Ball"));
        QTest::mousePress(m.MainImage, Qt::LeftButton, {}, QPoint(100, 50));
        QTest::mouseMove(m.MainImage, QPoint(220, 170));
        QTest::mouseRelease(m.MainImage, Qt::LeftButton, {}, QPoint(220, 170));
        QCOMPARE(s.editMode, EditMode::NewDrawn);
        QTest::mouseClick(veldor::test::control<QPushButton>(program.forms().obconfirm, "keep"), Qt::LeftButton);
        QCOMPARE(s.objectCount, 1);
        services.saveAnswers = {saved};
        m.FileSaveAsItem->trigger();
        m.Refresh();
        placed = m.surfaces.mainImage.data();
    }

    VeldorProgram again(services);
    TMainForm& m = *start(again);
    m.openSceneFile(localPath(saved));
    QVERIFY2(services.errors.isEmpty(), qPrintable(services.errors.join(u'\n')));
    QCOMPARE(again.scene().objects.imageFile[0], std::string("packs\\mypico0.bmp"));
    QCOMPARE(again.scene().objects.title[0], std::string("Red Ball"));
    QVERIFY(m.surfaces.mainImage.data() == placed);
    const Color centre = m.surfaces.mainImage.pixel(160, 110);
    QVERIFY(redOf(centre) > 200 && greenOf(centre) < 50);
    QVERIFY(m.surfaces.mainImage.pixel(102, 52) != centre); // the transparent corner shows the sky
    again.forms().ObjectPack->openPackFolder();
    QVERIFY(!again.forms().ObjectPack->FileListBox1->findItems(QStringLiteral("mypictures.vpk"), Qt::MatchExactly)
                 .isEmpty());
}

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
