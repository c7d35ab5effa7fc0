// Open, Save and Save As through the main window's commands.
#include "harness.h"

#include "core/ui/application.h"
#include "core/scene.h"
#include "core/session.h"
#include "files/ui/notvdrf.h"
#include "sources/ui/land.h"

#include <QPushButton>
#include <QWindow>

#include <functional>
#include <QToolButton>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A scene unlike the start-up one: every row kind, a negative tint, a
// title with spaces.
void makeScene(SceneState& s)
{
    s.skyFile = "sky0.bmp";
    s.groundFile = "ground2.bmp";
    s.tintRed = -70;
    s.tintGreen = 58;
    s.tintBlue = 60;
    s.objectCount = 3;
    s.objects.recreate(3);
    const std::int32_t status[] = {ObjectStatus::Deleted, ObjectStatus::Front, ObjectStatus::Retired};
    for (std::size_t i = 0; i < 3; ++i) {
        s.objects.status[i] = status[i];
        s.objects.imageFile[i] = "object" + std::to_string(i + 1) + ".bmp";
        s.objects.title[i] = i == 1 ? "Hot Air Balloon" : "Golf Ball";
        s.objects.left[i] = 100 + int(i);
        s.objects.top[i] = 50;
        s.objects.width[i] = 80;
        s.objects.height[i] = 60;
    }
}

bool inAppDir(TestProgram& p)
{
    return QDir::current().canonicalPath() == QDir(p.appDir.path()).canonicalPath();
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenRoundTrip();
    void savingTheStartupSceneStoresTheDefaultNames();
    void everyBindingReachesItsCommand();
    void openOfAnotherKindOfFileChangesNothing();
    void failingOpenKeepsSceneAndPicture_data();
    void failingOpenKeepsSceneAndPicture();
    void openedSceneThatCannotBeRenderedKeepsNoOldSteps();
    void cancelledDialogsChangeNothing();
    void failedSaveAsKeepsThePreviousName();
};

void FilesTest::saveThenOpenRoundTrip()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    makeScene(s);
    const SceneDocument saved = s;
    const QString file = p.appDir.path(QStringLiteral("scene.vdr"));

    // The file dialogs may leave the directory anywhere; the commands put it back.
    QDir::setCurrent(QDir::tempPath());
    p.services.saveAnswers = {file};
    m.FileSaveItem->trigger(); // no name yet: asks for one
    QVERIFY(inAppDir(p));
    QCOMPARE(p.services.saveRequests.size(), std::size_t(1));
    const FileDialogRequest& request = p.services.saveRequests[0];
    QCOMPARE(request.initialName, QStringLiteral("Work.vdr"));
    QCOMPARE(request.filter, QStringLiteral("Veldor File (*.vdr)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("vdr"));
    QVERIFY(request.confirmOverwrite);
    QCOMPARE(QString::fromStdString(s.currentFile), file);
    QVERIFY(readAll(file).startsWith("Tolvane Veldor File\r\nsky0.bmp\r\nground2.bmp\r\n-70\r\n58\r\n60\r\n3\r\n0\r\n"));

    // A second Save overwrites without asking.
    s.tintGreen = 12;
    m.Save1->trigger();
    QCOMPARE(p.services.saveRequests.size(), std::size_t(1));
    QVERIFY(readAll(file).contains("\r\n-70\r\n12\r\n60\r\n"));
    s.tintGreen = 58;
    m.Save1->trigger();

    // Open replaces the persistent part and renders it.
    s.resetForNew();
    s.currentFile = "elsewhere.vdr";
    QDir::setCurrent(QDir::tempPath());
    p.services.openAnswers = {file};
    m.FileOpenItem->trigger();
    QVERIFY(inAppDir(p));
    QCOMPARE(p.services.openRequests.back().filter, QStringLiteral("Veldor Files [*.vdr] (*.vdr)"));
    QVERIFY(static_cast<SceneDocument&>(s) == saved);
    QVERIFY(s.currentFile.empty());
    SceneState expected;
    static_cast<SceneDocument&>(expected) = saved;
    expected.appDir = s.appDir;
    MainSurfaces surfaces;
    renderScene(expected, surfaces);
    QVERIFY(m.surfaces.mainImage == surfaces.mainImage);
    QVERIFY(m.isVisible());

    // Save after Open asks again, proposing the name chosen last.
    m.FileSaveItemClick();
    QCOMPARE(p.services.saveRequests.size(), std::size_t(2));
    QCOMPARE(p.services.saveRequests[1].initialName, file);
    QVERIFY(s.currentFile.empty()); // cancelled
}

void FilesTest::savingTheStartupSceneStoresTheDefaultNames()
{
    TestProgram p;
    p.start();
    const QString file = p.appDir.path(QStringLiteral("empty.vdr"));
    p.services.saveAnswers = {file};
    p.main().FileSaveAsItem->trigger();
    QCOMPARE(readAll(file), QByteArray("Tolvane Veldor File\r\nsky3.bmp\r\nnone.bmp\r\n0\r\n0\r\n10\r\n0\r\n"));
    QCOMPARE(p.scene().skyFile, std::string("sky3.bmp"));
    QCOMPARE(p.scene().groundFile, std::string("none.bmp"));
}

void FilesTest::everyBindingReachesItsCommand()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    m.SpeedButton4->click();
    m.FileOpenItem->trigger();
    m.Open1->trigger();
    QCOMPARE(p.services.openRequests.size(), std::size_t(3));
    // Without a current file Save asks for a name like Save As.
    m.SpeedButton3->click();
    m.FileSaveItem->trigger();
    m.Save1->trigger();
    m.FileSaveAsItem->trigger();
    m.SaveAs1->trigger();
    QCOMPARE(p.services.saveRequests.size(), std::size_t(5));
}

void FilesTest::openOfAnotherKindOfFileChangesNothing()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    makeScene(s);
    s.currentFile = "kept.vdr";
    const SceneDocument before = s;
    const Surface picture = m.surfaces.mainImage;
    const QByteArray notScenes[] = {
        "tolvane veldor file\r\nsky0.bmp\r\n",  // case differs
        "Tolvane Veldor File \r\nsky0.bmp\r\n", // trailing space
        "Tolvane Veldor File\nsky0.bmp\n0\n",   // LF alone ends no line
        "",
    };
    // However the report goes, the main window comes back with it.
    const std::function<void(Tnotvdr&)> closings[] = {
        [](Tnotvdr& w) { control<QPushButton>(&w, "Button1")->click(); },
        [](Tnotvdr& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](Tnotvdr& w) { w.windowHandle()->close(); },
        [](Tnotvdr& w) { w.close(); },
    };
    int closing = 0;
    for (const QByteArray& bytes : notScenes) {
        const QString file = p.appDir.path(QStringLiteral("other.vdr"));
        writeAll(file, bytes);
        p.services.openAnswers = {file};
        m.Open1->trigger();
        Tnotvdr& notvdr = *p.forms().notvdr;
        QVERIFY(notvdr.isVisible());
        QVERIFY(!m.isVisible());
        QVERIFY(static_cast<SceneDocument&>(s) == before);
        QCOMPARE(s.currentFile, std::string("kept.vdr"));
        QVERIFY(m.surfaces.mainImage == picture);
        QPushButton* continueButton = control<QPushButton>(&notvdr, "Button1");
        QCOMPARE(continueButton->text(), QStringLiteral("Continue"));
        QCOMPARE(continueButton->geometry(), QRect(8, 8, 169, 25));
        closings[closing++](notvdr);
        QVERIFY(m.isVisible());
        QVERIFY(!notvdr.isVisible());
    }
    QVERIFY(p.services.errors.isEmpty());
}

void FilesTest::failingOpenKeepsSceneAndPicture_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("bad tint") << QByteArray("Tolvane Veldor File\r\nsky0.bmp\r\nground1.bmp\r\n12x\r\n")
                              << QStringLiteral("'12x' is not a valid integer value");
    // Two rows announced, one present: the row's missing integer reads empty.
    QTest::newRow("short") << QByteArray("Tolvane Veldor File\r\nsky1.bmp\r\nground1.bmp\r\n1\r\n2\r\n3\r\n2\r\n"
                                         "1\r\nobject1.bmp\r\nTree\r\n1\r\n2\r\n3\r\n4\r\n")
                           << QStringLiteral("'' is not a valid integer value");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("File not found");
}

void FilesTest::failingOpenKeepsSceneAndPicture()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    makeScene(s);
    s.currentFile = "kept.vdr";
    const SceneDocument before = s;
    const Surface picture = m.surfaces.mainImage;
    const QString file = p.appDir.path(QStringLiteral("broken.vdr"));
    if (!bytes.isEmpty())
        writeAll(file, bytes);
    p.services.openAnswers = {file};
    QVERIFY(dispatchGuarded(&p.services, [&] {
        m.FileOpen();
        return true;
    }));
    QCOMPARE(p.services.errors, QStringList{error});
    QVERIFY(static_cast<SceneDocument&>(s) == before);
    QCOMPARE(s.currentFile, std::string("kept.vdr"));
    QVERIFY(m.surfaces.mainImage == picture);
    QVERIFY(m.isVisible());
    QVERIFY(!p.forms().notvdr->isVisible());
    QVERIFY(inAppDir(p));
}

// The opened scene and its fresh history come together: when its sky is
// missing, Undo cannot give the old sky and ground with the new objects.
void FilesTest::openedSceneThatCannotBeRenderedKeepsNoOldSteps()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    p.forms().landscape->land1Click();
    QVERIFY(m.UndoItem->isEnabled());
    const QString file = p.appDir.path(QStringLiteral("lost-pack.vdr"));
    writeAll(file, "Tolvane Veldor File\r\npacks\\goneS0.bmp\r\nground2.bmp\r\n0\r\n0\r\n0\r\n1\r\n"
                   "1\r\nobject1.bmp\r\nTree\r\n1\r\n2\r\n30\r\n40\r\n");
    p.services.saveQuestionAnswers = {SaveAnswer::Discard};
    p.services.openAnswers = {file};
    QVERIFY(dispatchGuarded(&p.services, [&] {
        m.FileOpen();
        return true;
    }));
    QCOMPARE(p.services.errors.size(), 1);
    QCOMPARE(p.scene().groundFile, std::string("ground2.bmp"));
    QCOMPARE(p.scene().objectCount, 1);
    QVERIFY(!m.UndoItem->isEnabled());
    QVERIFY(!p.session().modified());
}

void FilesTest::cancelledDialogsChangeNothing()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    makeScene(s);
    const SceneDocument before = s;
    const QStringList files = QDir(p.appDir.path()).entryList(QDir::Files);
    QDir::setCurrent(QDir::tempPath());
    m.FileOpen();
    QVERIFY(inAppDir(p));
    QDir::setCurrent(QDir::tempPath());
    m.FileSaveAsItemClick();
    QVERIFY(inAppDir(p));
    m.FileSaveItemClick();
    QVERIFY(static_cast<SceneDocument&>(s) == before);
    QVERIFY(s.currentFile.empty());
    QCOMPARE(QDir(p.appDir.path()).entryList(QDir::Files), files);
    // A cancelled Save As still proposes the first name next time.
    QCOMPARE(p.services.saveRequests.back().initialName, QStringLiteral("Work.vdr"));
    QVERIFY(m.isVisible());
}

void FilesTest::failedSaveAsKeepsThePreviousName()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    makeScene(s);
    const QString missing = p.appDir.path(QStringLiteral("no/such/folder/x.vdr"));
    for (const QString& previous : {QString(), p.appDir.path(QStringLiteral("kept.vdr"))}) {
        s.currentFile = previous.toStdString();
        p.services.errors.clear();
        p.services.saveAnswers = {missing};
        QVERIFY(dispatchGuarded(&p.services, [&] {
            m.FileSaveAsItemClick();
            return true;
        }));
        QCOMPARE(p.services.errors, QStringList{QStringLiteral("File not found")});
        QCOMPARE(QString::fromStdString(s.currentFile), previous);
        // The next Save writes to the previous name, or asks for one.
        const QString next = previous.isEmpty() ? p.appDir.path(QStringLiteral("asked.vdr")) : previous;
        p.services.saveAnswers = {next};
        m.FileSaveItemClick();
        QVERIFY(readAll(next).startsWith("Tolvane Veldor File\r\nsky0.bmp\r\n"));
        QCOMPARE(p.services.errors.size(), 1);
    }
}

QTEST_MAIN(FilesTest)
#include "test_files.moc"
