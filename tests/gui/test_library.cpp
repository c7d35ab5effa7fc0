// "More Objects": the library of every pack's objects, opened from the
// object picker, chosen from by mouse and keyboard.
#include "harness.h"

#include "core/scene.h"
#include "core/ui/application.h"
#include "objectpacks.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/objectlib.h"
#include "sources/ui/objectp.h"
#include "core/ui/thumbnail.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

struct Armed {
    bool placing;
    std::string file, title;
    bool operator==(const Armed&) const = default;
};

Armed armed(const SceneState& s) { return {s.placing, s.pendingImageFile, s.pendingTitle}; }

// What choosing slot `slot` of the sample pack in the object browser does.
Armed chosenInBrowser(TestProgram& p, int slot)
{
    SceneState& s = p.scene();
    const Armed before = armed(s);
    TObjectPack& browser = *p.forms().ObjectPack;
    browser.loadPack("sample.vpk");
    browser.show();
    emit browser.pictures()[std::size_t(slot)]->clicked();
    const Armed after = armed(s);
    s.placing = before.placing, s.pendingImageFile = before.file, s.pendingTitle = before.title;
    return after;
}

TObjectLibrary& openLibrary(TestProgram& p)
{
    p.main().SpeedButton11->click();
    p.forms().Objectx->more->click();
    TObjectLibrary& library = *p.forms().Objectx->library;
    if (!QTest::qWaitForWindowExposed(&library))
        qFatal("the library did not show");
    return library;
}

void showCategory(TObjectLibrary& library, const QString& name)
{
    const auto items = library.categoryList->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    library.categoryList->setCurrentItem(items.front());
}

QString accessibleName(QAccessibleInterface* a) { return a ? a->text(QAccessible::Name) : QString(); }

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT
private slots:
    void choosingArmsThePlacementAsAPackThumbnailDoes_data();
    void choosingArmsThePlacementAsAPackThumbnailDoes();
    void keyboardAndScreenReaders();
    void opensAfreshFromThePicker();
};

void LibraryTest::choosingArmsThePlacementAsAPackThumbnailDoes_data()
{
    QTest::addColumn<QString>("typed"); // into the find box; none: the sample's category is shown
    QTest::addColumn<QString>("how");   // click, Return in the grid, Return in the find box
    QTest::addColumn<int>("slot");
    QTest::newRow("typed, Return in the box") << "snowm" << "box" << 4;
    QTest::newRow("typed, Return in the grid") << "SAIL" << "grid" << 3;
    QTest::newRow("category, click") << "" << "click" << 2;
    QTest::newRow("category, Return in the grid") << "" << "grid" << 0;
}

void LibraryTest::choosingArmsThePlacementAsAPackThumbnailDoes()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(int, slot);
    TestProgram p;
    p.start();
    const Armed expected = chosenInBrowser(p, slot);
    QVERIFY(expected.placing);

    TObjectLibrary& library = openLibrary(p);
    QVERIFY(!p.forms().Objectx->isVisible());
    QListView& grid = *library.objectGrid;
    int row = slot;
    if (typed.isEmpty()) {
        showCategory(library, "Winter and Desert");
    } else {
        QTest::keyClicks(library.findBox, typed);
        row = 0; // the best match
        QCOMPARE(grid.model()->rowCount(), 1);
    }
    const QModelIndex index = grid.model()->index(row, 0);
    if (how == "click") {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
    } else if (how == "grid") {
        grid.setFocus();
        grid.setCurrentIndex(index);
        QTest::keyClick(&grid, Qt::Key_Return);
    } else {
        QTest::keyClick(library.findBox, Qt::Key_Return);
    }
    QCOMPARE(armed(p.scene()), expected);
    QVERIFY(!library.isVisible());
    QVERIFY(p.scene().skyFile.empty()); // nothing rendered

    // While "New Object" waits, a choice would replace the object just drawn.
    p.scene().placing = false;
    p.scene().editMode = EditMode::NewDrawn;
    library.show();
    emit grid.clicked(grid.model()->index(row == 0 ? 1 : 0, 0));
    QVERIFY(!p.scene().placing);
    QVERIFY(library.isVisible());
}

void LibraryTest::keyboardAndScreenReaders()
{
    TestProgram p;
    p.start();
    TObjectLibrary& library = openLibrary(p);
    QListView& grid = *library.objectGrid;
    QCOMPARE(QApplication::focusWidget(), library.findBox);

    // Tab goes find box, categories, objects, Close.
    const QList<QWidget*> order = {library.categoryList, &grid, library.cancel, library.findBox};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Arrows choose the category; Return goes on to its objects.
    library.categoryList->setFocus();
    showCategory(library, "Moonlight");
    QTest::keyClick(library.categoryList, Qt::Key_Down);
    QCOMPARE(library.categoryList->currentItem()->text(), QStringLiteral("Seaside"));
    QTest::keyClick(library.categoryList, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), &grid);
    QVERIFY(library.isVisible());
    QCOMPARE(grid.currentIndex().row(), 0);

    // Every object is named by its caption.
    QAccessibleInterface* objects = QAccessible::queryAccessibleInterface(&grid);
    QStringList names;
    for (int i = 0; i < objects->childCount(); ++i)
        names << accessibleName(objects->child(i));
    names.removeAll(QString()); // the table's own header cells, if any
    QCOMPARE(names, (QStringList{"Lighthouse", "Beach Ball", "Seagull", "Starfish", "Beach Umbrella"}));
    QCOMPARE(accessibleName(QAccessible::queryAccessibleInterface(library.findBox)),
             QStringLiteral("Find an object by its name"));

    // Down from the find box reaches what it found; Return in an empty box
    // or on nothing found chooses nothing.
    library.findBox->setFocus();
    QTest::keyClicks(library.findBox, "moon");
    QTest::keyClick(library.findBox, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), &grid);
    QCOMPARE(grid.model()->data(grid.currentIndex()).toString(), QStringLiteral("Crescent Moon"));
    for (const char* text : {"", "zebra"}) {
        library.findBox->setText(text);
        QTest::keyClick(library.findBox, Qt::Key_Return);
        QVERIFY(library.isVisible());
        QVERIFY(!p.scene().placing);
    }
    QCOMPARE(library.status->text(), QString::fromUtf8("No object is called \u201czebra\u201d."));
    // A click on the category finding started from, or emptying the box,
    // gives that category back.
    QListWidget& categories = *library.categoryList;
    QTest::mouseClick(categories.viewport(), Qt::LeftButton, {},
                      categories.visualItemRect(categories.currentItem()).center());
    QVERIFY(library.findBox->text().isEmpty());
    QCOMPARE(grid.model()->rowCount(), 5);
    library.findBox->setText("moon");
    library.findBox->clear();
    QCOMPARE(grid.model()->rowCount(), 5);
    QCOMPARE(categories.currentItem()->text(), QStringLiteral("Seaside"));

    QTest::keyClick(&grid, Qt::Key_Escape);
    QVERIFY(!library.isVisible());
}

void LibraryTest::opensAfreshFromThePicker()
{
    TestProgram p;
    p.start();
    TObjectLibrary& library = openLibrary(p);
    QCOMPARE(library.categoryList->count(), 4); // the packs that come with the program
    library.close();

    // A pack added meanwhile is there the next time; one of skies alone is not.
    const std::filesystem::path packs = p.appDir.path("packs").toStdString();
    test::writeObjectPack(packs, "farm2.vpk", "Farm Animals 2", "fa2", {"Goat"});
    test::writeObjectPack(packs, "farm1.vpk", "Farm Animals 1", "fa1", {"Cow", "Black Cat"});
    test::writeObjectPack(packs, "skies.vpk", "Skies", "sk", {});
    openLibrary(p);
    QCOMPARE(library.categoryList->count(), 5);
    showCategory(library, "Farm Animals");
    QCOMPARE(library.objectGrid->model()->rowCount(), 3);
    QCOMPARE(library.objectGrid->model()->data(library.objectGrid->model()->index(2, 0)).toString(),
             QStringLiteral("Goat"));
    QCOMPARE(library.status->text(), QStringLiteral("3 objects"));
    library.close();

    // Not while an object is edited.
    p.scene().editMode = EditMode::Clicked;
    p.forms().Objectx->show();
    p.forms().Objectx->more->click();
    QVERIFY(!library.isVisible());
    p.scene().editMode = EditMode::Idle;

    // Without a pack folder the picker stays, and says why.
    QVERIFY(QDir(p.appDir.path("packs")).removeRecursively());
    dispatchGuarded(&p.services, [&] {
        p.forms().Objectx->moreClick();
        return true;
    });
    QCOMPARE(p.services.errors, QStringList{"File not found"});
    QVERIFY(p.forms().Objectx->isVisible());
    QVERIFY(!library.isVisible());
}

QTEST_MAIN(LibraryTest)
#include "test_library.moc"
