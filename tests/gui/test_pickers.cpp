// The ground, sky and object pickers, their launchers, and the pack
// browsers with the sample pack and with broken packs.
#include "harness.h"

#include "core/ui/application.h"
#include "core/ui/pictureview.h"
#include "platform/error.h"
#include "sources/builtins.h"
#include "sources/ui/land.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyform.h"
#include "sources/ui/skyp.h"
#include "core/ui/thumbnail.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

// The sample pack generated with the program's pictures.
const char* const kSampleGrounds[] = {"Snowy Hills", "Sand Dunes", "Frozen Lake", "Red Canyon", "Winter Village"};
const char* const kSampleObjects[] = {"Pine Tree", "Cottage", "Cactus", "Sailing Boat", "Snowman"};
const SkyLight kSampleLights[] = {{-70, -60, -20}, {25, 15, -15}, {-60, -30, -30}, {20, -10, 0}, {20, 25, 35}};

void writeFile(TestProgram& p, const QString& name, const QByteArray& bytes)
{
    QFile f(p.appDir.path(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void writePack(TestProgram& p, const QString& name, const QStringList& lines)
{
    writeFile(p, "packs/" + name, (lines.join("\r\n") + "\r\n").toLatin1());
}

// Runs a handler as the application does, recording what it reports.
void guarded(TestProgram& p, const std::function<void()>& handler)
{
    dispatchGuarded(&p.services, [&] {
        handler();
        return true;
    });
}

QStringList listed(const PackBrowser& browser)
{
    QStringList names;
    for (int i = 0; i < browser.FileListBox1->count(); ++i)
        names << browser.FileListBox1->item(i)->text();
    return names;
}

void select(PackBrowser& browser, const QString& name)
{
    const auto items = browser.FileListBox1->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    browser.FileListBox1->setCurrentItem(items.front());
}

// Everything a load may change, to check that a failed one changed nothing.
struct BrowserState {
    int packLoaded;
    std::array<std::string, 5> slotFile;
    QStringList texts;
    std::vector<QImage> pictures;
    bool operator==(const BrowserState&) const = default;
};

BrowserState stateOf(const PackBrowser& b)
{
    BrowserState s{b.packLoaded, b.slotFile, {b.packname->text(), b.created->text(), b.description->text()}, {}};
    for (const QLabel* name : b.names())
        s.texts << name->text();
    for (const Thumbnail* picture : b.pictures())
        s.pictures.push_back(picture->picture());
    return s;
}

Surface loaded(TestProgram& p, const std::string& name)
{
    Surface s;
    s.load(p.appDir.path(QString::fromStdString(name).replace('\\', '/')).toStdString());
    return s;
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void groundChoicesRenderAndReopen();
    void skyChoicesSetTheirLight();
    void objectChoicesArmThePlacement();
    void launchersShowOnePicker();
    void launchersWaitForEditsAndPlacements();
    void samplePackInEveryBrowser();
    void onePackInTwoBrowsers();
    void wrongPacksKeepThePreviousPack();
    void failedLoadsKeepThePreviousPack();
    void emptyPrefixAndUnusualTints();
    void packsOfOneKind();
    void packListFollowsTheFolder();
    void missingPackFolderIsReported();
};

void PickersTest::groundChoicesRenderAndReopen()
{
    TestProgram p;
    p.start();
    Tlandscape& picker = *p.forms().landscape;
    SceneState& s = p.scene();
    p.main().SpeedButton1->click();
    QVERIFY(picker.isVisible());
    QCOMPARE(picker.land1label->text(), QStringLiteral("Small Mountain Range"));

    // Captions do not react.
    QTest::mouseClick(picker.land3label, Qt::LeftButton);
    QVERIFY(s.groundFile.empty());

    const std::array<Thumbnail*, 5> pictures = {picker.land0, picker.land1, picker.land2, picker.land3, picker.land4};
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!pictures[i]->picture().isNull());
        QCOMPARE(pictures[i]->geometry(), QRect(8 + 112 * i, 8, 100, 100));
        QTest::mouseClick(pictures[i], Qt::LeftButton);
        QCOMPARE(s.groundFile, std::string(kBuiltinGrounds[i].file));
        QCOMPARE(s.skyFile, std::string("sky3.bmp")); // rendered
        QVERIFY(picker.isVisible());
        QVERIFY(p.main().isVisible());
        QCOMPARE(s.reopenPicker, PickerToShow::None);
    }

    // No Landscape: the sky alone.
    picker.Button1->click();
    QCOMPARE(s.groundFile, std::string("none.bmp"));
    QVERIFY(picker.isVisible());
    QVERIFY(p.main().surfaces.mainImage.data() == loaded(p, "sky3.bmp").data());

    // A later rendering without a picker asked for shows none.
    picker.cancel->click();
    QVERIFY(!picker.isVisible());
    p.main().Refresh();
    QVERIFY(!picker.isVisible());
}

void PickersTest::skyChoicesSetTheirLight()
{
    TestProgram p;
    p.start();
    Tsky& picker = *p.forms().sky;
    SceneState& s = p.scene();
    p.main().Sky1->trigger();
    QVERIFY(picker.isVisible());
    const std::array<Thumbnail*, 5> pictures = {picker.sky0, picker.sky1, picker.sky2, picker.sky3, picker.sky4};
    const std::array<QLabel*, 5> captions = {picker.sky0label, picker.sky1label, picker.sky2label,
                                             picker.sky3label, picker.sky4label};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(captions[i]->text(), QString::fromLatin1(kBuiltinSkies[i].caption));
        QTest::mouseClick(pictures[i], Qt::LeftButton);
        QCOMPARE(s.skyFile, std::string(kBuiltinSkies[i].file));
        QCOMPARE((SkyLight{s.tintRed, s.tintGreen, s.tintBlue}), kBuiltinSkies[i].light);
        QCOMPARE(s.groundFile, std::string("none.bmp")); // rendered
        QVERIFY(picker.isVisible());
        QCOMPARE(s.reopenPicker, PickerToShow::None);
    }
    QCOMPARE((SkyLight{s.tintRed, s.tintGreen, s.tintBlue}), (SkyLight{0, 0, 0})); // Cloudy Day
    QVERIFY(p.main().surfaces.mainImage.data() == loaded(p, "sky4.bmp").data());
}

void PickersTest::objectChoicesArmThePlacement()
{
    TestProgram p;
    p.start();
    TObjectx& picker = *p.forms().Objectx;
    SceneState& s = p.scene();
    QCOMPARE(picker.object2->text(), QStringLiteral("Hot Air Baloon"));
    const std::array<Thumbnail*, 5> pictures = {picker.sky0, picker.sky1, picker.sky2, picker.sky3, picker.sky4};
    for (int i = 0; i < 5; ++i) {
        s.placing = false;
        p.main().SpeedButton11->click();
        QVERIFY(picker.isVisible());
        QTest::mouseClick(pictures[i], Qt::LeftButton);
        QVERIFY(s.placing);
        QCOMPARE(s.pendingImageFile, std::string(kBuiltinObjects[i].file));
        QCOMPARE(s.pendingTitle, std::string(kBuiltinObjects[i].title));
        QVERIFY(!picker.isVisible());
    }
    QCOMPARE(s.pendingTitle, std::string("Yellow Flower"));
    QVERIFY(s.skyFile.empty()); // nothing rendered
    s.placing = false;
    picker.show();
    QTest::mouseClick(picker.sky2, Qt::LeftButton);
    QCOMPARE(s.pendingTitle, std::string("Hot Air Balloon"));
}

void PickersTest::launchersShowOnePicker()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    TMainForm& m = p.main();
    f.LandPack->show();
    struct Launch {
        std::function<void()> run;
        QWidget* shown;
    };
    const Launch launches[] = {
        {[&] { m.Landscape1->trigger(); }, f.landscape}, {[&] { m.Ground1->trigger(); }, f.landscape},
        {[&] { m.SpeedButton1->click(); }, f.landscape}, {[&] { m.Sky1->trigger(); }, f.sky},
        {[&] { m.Sky2->trigger(); }, f.sky},             {[&] { m.SpeedButton2->click(); }, f.sky},
        {[&] { m.Objects1->trigger(); }, f.Objectx},     {[&] { m.Objects2->trigger(); }, f.Objectx},
        {[&] { m.SpeedButton11->click(); }, f.Objectx},
    };
    for (const Launch& l : launches) {
        f.landscape->show();
        f.sky->show();
        f.Objectx->show();
        l.run();
        QVERIFY(l.shown->isVisible());
        for (QWidget* w : {(QWidget*)f.landscape, (QWidget*)f.sky, (QWidget*)f.Objectx})
            QCOMPARE(w->isVisible(), w == l.shown);
        QVERIFY(f.LandPack->isVisible()); // the browsers are left alone
    }
}

void PickersTest::launchersWaitForEditsAndPlacements()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    TMainForm& m = p.main();
    SceneState& s = p.scene();
    f.sky->show();
    for (int state = 0; state < 2; ++state) {
        s.editMode = state == 0 ? EditMode::Clicked : EditMode::Idle;
        s.placing = state == 0 ? 0 : 1;
        m.Landscape1->trigger();
        m.Ground1->trigger();
        m.SpeedButton1->click();
        m.Objects1->trigger();
        QVERIFY(!f.landscape->isVisible());
        QVERIFY(!f.Objectx->isVisible());
        QVERIFY(f.sky->isVisible());
        // The open picker still works.
        QTest::mouseClick(f.sky->sky1, Qt::LeftButton);
        QCOMPARE(s.skyFile, std::string("sky1.bmp"));
        QVERIFY(f.sky->isVisible());
        s.skyFile.clear();
    }

    // While an object is edited, object choices and "Load Image Pack" do nothing.
    s.editMode = EditMode::Moving;
    s.placing = false;
    f.Objectx->show();
    QTest::mouseClick(f.Objectx->sky0, Qt::LeftButton);
    QVERIFY(!s.placing);
    QVERIFY(f.Objectx->isVisible());
    f.Objectx->newpack->click();
    f.sky->newpack->click();
    QVERIFY(f.Objectx->isVisible());
    QVERIFY(f.sky->isVisible());
    QVERIFY(!f.ObjectPack->isVisible());
    QVERIFY(!f.SkyPack->isVisible());
    // Ground choices are not guarded.
    f.landscape->show();
    f.landscape->Button1->click();
    QCOMPARE(s.groundFile, std::string("none.bmp"));
}

void PickersTest::samplePackInEveryBrowser()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    SceneState& s = p.scene();
    struct Case {
        QWidget* picker;
        QPushButton* newpack;
        PackBrowser* browser;
    };
    const Case cases[] = {{f.landscape, f.landscape->newpack, f.LandPack},
                          {f.sky, f.sky->newpack, f.SkyPack},
                          {f.Objectx, f.Objectx->newpack, f.ObjectPack}};
    for (const Case& c : cases) {
        PackBrowser& b = *c.browser;
        QCOMPARE(b.name0->text(), QStringLiteral("No Pack Selected"));
        // Before a load the pictures do nothing.
        b.show();
        QTest::mouseClick(b.pic0, Qt::LeftButton);
        QVERIFY(b.isVisible());
        QVERIFY(s.skyFile.empty() && !s.placing);
        b.hide();

        c.picker->show();
        c.newpack->click();
        QVERIFY(b.isVisible());
        QVERIFY(!c.picker->isVisible());
        QVERIFY(listed(b).contains("sample.vpk"));
        b.FileListBox1DblClick(); // nothing selected: nothing loaded
        QCOMPARE(b.packLoaded, 0);
        select(b, "sample.vpk");
        b.FileListBox1DblClick();
        QCOMPARE(b.packLoaded, 1);
        QCOMPARE(b.packname->text(), QStringLiteral("Winter and Desert"));
        QCOMPARE(b.created->text(), QStringLiteral("The Veldor Team"));
        for (const Thumbnail* picture : b.pictures())
            QCOMPARE(picture->picture().size(), QSize(100, 100));
    }

    // Grounds: shown from their thumbnail's top-left corner, rendered from the full image.
    TLandPack& land = *f.LandPack;
    QCOMPARE(land.pic2->picture(), toQImage(loaded(p, "packs\\smpgT2.bmp"), QRect(0, 0, 100, 100)));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(land.names()[i]->text(), QString::fromLatin1(kSampleGrounds[i]));
        QTest::mouseClick(land.pictures()[i], Qt::LeftButton);
        QCOMPARE(s.groundFile, "packs\\smpg" + std::to_string(i) + ".bmp");
        QVERIFY(land.isVisible());
        QCOMPARE(land.packname->text(), QStringLiteral("Winter and Desert"));
    }

    // Skies: each with the pack's light; the sky itself is drawn untinted.
    TSkyPack& sky = *f.SkyPack;
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(sky.pictures()[i], Qt::LeftButton);
        const std::string file = "packs\\smpS" + std::to_string(i) + ".bmp";
        QCOMPARE(s.skyFile, file);
        QCOMPARE((SkyLight{s.tintRed, s.tintGreen, s.tintBlue}), kSampleLights[i]);
        QVERIFY(sky.isVisible());
        QCOMPARE(p.main().surfaces.mainImage.pixel(0, 0), loaded(p, file).pixel(0, 0));
    }
    QVERIFY(p.services.errors.isEmpty());

    // Objects: shown stretched, placed with the caption as title.
    TObjectPack& objects = *f.ObjectPack;
    for (int i = 0; i < 5; ++i) {
        s.placing = false;
        objects.show();
        QCOMPARE(objects.names()[i]->text(), QString::fromLatin1(kSampleObjects[i]));
        QTest::mouseClick(objects.pictures()[i], Qt::LeftButton);
        QVERIFY(s.placing);
        QCOMPARE(s.pendingImageFile, "packs\\smpo" + std::to_string(i) + ".bmp");
        QCOMPARE(s.pendingTitle, std::string(kSampleObjects[i]));
        QVERIFY(!objects.isVisible());
    }
    // The title is the caption's bytes from the file, not the label's text.
    objects.show();
    objects.name3->setText(QStringLiteral("Boat\u2026"));
    objects.pic3Click();
    QCOMPARE(s.pendingTitle, std::string(kSampleObjects[3]));
    QCOMPARE(s.editMode, EditMode::Idle);
    // While "New Object" waits for "Keep It", a choice does nothing: it
    // would replace the object just drawn.
    s.placing = false;
    s.editMode = EditMode::NewDrawn;
    objects.show();
    objects.pic1Click();
    QVERIFY(!s.placing);
    QCOMPARE(s.pendingTitle, std::string(kSampleObjects[3]));
    QVERIFY(objects.isVisible());
}

void PickersTest::onePackInTwoBrowsers()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    for (PackBrowser* b : {(PackBrowser*)f.LandPack, (PackBrowser*)f.SkyPack}) {
        b->openPackFolder();
        select(*b, "sample.vpk");
        b->FileListBox1DblClick();
    }
    QCOMPARE(f.SkyPack->packname->text(), f.LandPack->packname->text());
    QCOMPARE(f.SkyPack->description->text(), f.LandPack->description->text());
    QCOMPARE(f.LandPack->name0->text(), QStringLiteral("Snowy Hills"));
    QCOMPARE(f.SkyPack->name0->text(), QStringLiteral("Starry Night"));
    QVERIFY(f.LandPack->pic0->picture() != f.SkyPack->pic0->picture());
    // The third browser has not been loaded.
    QCOMPARE(f.ObjectPack->packLoaded, 0);
    QCOMPARE(f.ObjectPack->packname->text(), QStringLiteral("No Pack Selected"));
}

void PickersTest::wrongPacksKeepThePreviousPack()
{
    TestProgram p;
    p.start();
    TSkyPack& b = *p.forms().SkyPack;
    const QStringList rest = {"Other", "Someone", "Something", "smp"};
    writePack(p, "case.vpk", QStringList{"Tolvane veldor Image Pack"} + rest);
    writePack(p, "space.vpk", QStringList{"Tolvane Veldor Image Pack "} + rest);
    writeFile(p, "packs/lf.vpk", "Tolvane Veldor Image Pack\nOther\nSomeone\nSomething\nsmp\n");

    // Rejected silently, also before any pack.
    b.loadPack("case.vpk");
    QCOMPARE(b.packLoaded, 0);
    b.loadPack("sample.vpk");
    const BrowserState before = stateOf(b);
    const auto lights = b.slotTint;
    for (const char* name : {"case.vpk", "space.vpk", "lf.vpk"}) {
        b.loadPack(name);
        QVERIFY2(stateOf(b) == before, name);
        QCOMPARE(b.slotTint, lights);
    }
    QVERIFY(p.services.errors.isEmpty());
    b.show();
    b.pic4Click();
    QCOMPARE(p.scene().skyFile, std::string("packs\\smpS4.bmp"));
}

void PickersTest::failedLoadsKeepThePreviousPack()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    const QStringList header = {"Tolvane Veldor Image Pack", "Short", "Me", "Five lines only", "smp"};
    writePack(p, "five.vpk", header);
    writePack(p, "nothumbs.vpk", {"Tolvane Veldor Image Pack", "Gone", "Me", "No pictures", "zz", "Sky"});
    QStringList badTint = header;
    badTint << "Sky" << "1" << "2x" << "3";
    writePack(p, "badtint.vpk", badTint);
    QVERIFY(QDir(p.appDir.path("packs")).mkdir("folder.vpk"));

    // A failure before any pack leaves the browser empty and its pictures inert.
    TSkyPack& sky = *f.SkyPack;
    guarded(p, [&] { sky.loadPack("nothumbs.vpk"); });
    QCOMPARE(sky.packLoaded, 0);
    QCOMPARE(sky.packname->text(), QStringLiteral("No Pack Selected"));

    sky.loadPack("sample.vpk");
    const BrowserState before = stateOf(sky);
    const auto lights = sky.slotTint;
    p.services.errors.clear();
    for (const char* name : {"five.vpk", "badtint.vpk", "nothumbs.vpk", "missing.vpk", "folder.vpk"}) {
        guarded(p, [&] { sky.loadPack(name); });
        QVERIFY2(stateOf(sky) == before, name);
        QCOMPARE(sky.slotTint, lights);
    }
    QCOMPARE(p.services.errors.size(), 5);
    QCOMPARE(p.services.errors[0], QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(p.services.errors[1], QStringLiteral("'2x' is not a valid integer value"));
    QCOMPARE(p.services.errors[2], "Cannot open file " + p.appDir.path("packs/zzST0.bmp"));
    QCOMPARE(p.services.errors[3], QStringLiteral("File not found"));

    // The ground and object browsers read no tints: five lines load, with empty captions.
    for (PackBrowser* b : {(PackBrowser*)f.LandPack, (PackBrowser*)f.ObjectPack}) {
        b->loadPack("five.vpk");
        QCOMPARE(b->packLoaded, 1);
        QCOMPARE(b->packname->text(), QStringLiteral("Short"));
        QCOMPARE(b->name2->text(), QString());
    }
    f.ObjectPack->show();
    f.ObjectPack->pic2Click();
    QCOMPARE(p.scene().pendingImageFile, std::string("packs\\smpo2.bmp"));
    QCOMPARE(p.scene().pendingTitle, std::string());
}

void PickersTest::emptyPrefixAndUnusualTints()
{
    TestProgram p;
    p.start();
    const QDir packs(p.appDir.path("packs"));
    for (int i = 0; i < 5; ++i)
        for (const QString kind : {"gT", "g", "ST", "S"})
            QVERIFY(QFile::copy(packs.filePath(QString("smp%1%2.bmp").arg(kind).arg(i)),
                                packs.filePath(QString("%1%2.bmp").arg(kind).arg(i))));
    QStringList lines = {"Tolvane Veldor Image Pack", "Bare", "Me", "No prefix", ""};
    for (int i = 0; i < 5; ++i)
        lines << QString("Sky %1").arg(i) << "300" << "-45" << "2147483647";
    writePack(p, "bare.vpk", lines);

    TLandPack& land = *p.forms().LandPack;
    land.loadPack("bare.vpk");
    QCOMPARE(land.slotFile[0], std::string("packs\\g0.bmp"));
    land.show();
    land.pic0Click();
    QCOMPARE(p.scene().groundFile, std::string("packs\\g0.bmp"));

    TSkyPack& sky = *p.forms().SkyPack;
    sky.loadPack("bare.vpk");
    sky.show();
    sky.pic1Click();
    QCOMPARE(p.scene().skyFile, std::string("packs\\S1.bmp"));
    QCOMPARE((SkyLight{p.scene().tintRed, p.scene().tintGreen, p.scene().tintBlue}),
             (SkyLight{300, -45, 2147483647}));
    QVERIFY(p.services.errors.isEmpty());
}

// A pack of objects alone, one of skies and grounds alone with only three
// skies: each browser lists the packs of its kind, and shows the slots a
// pack leaves empty as empty, doing nothing when they are clicked.
void PickersTest::packsOfOneKind()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    const QDir packs(p.appDir.path("packs"));
    const auto copy = [&](const QString& kind, int count, const QString& prefix) {
        for (int i = 0; i < count; ++i)
            QVERIFY(QFile::copy(packs.filePath(QString("smp%1%2.bmp").arg(kind).arg(i)),
                                packs.filePath(QString("%1%2%3.bmp").arg(prefix, kind).arg(i))));
    };
    QStringList objects = {"Tolvane Veldor Image Pack", "Things", "Me", "Objects only", "th"};
    for (int i = 0; i < 25; ++i)
        objects << "";
    for (int i = 0; i < 5; ++i)
        objects << QString("Thing %1").arg(i);
    writePack(p, "things.vpk", objects);
    copy("o", 5, "th");
    QStringList scenery = {"Tolvane Veldor Image Pack", "Views", "Me", "Skies and grounds", "vw"};
    for (int i = 0; i < 5; ++i)
        scenery << (i < 3 ? QStringList{QString("View %1").arg(i), "5", "6", "7"} : QStringList{"", "", "", ""});
    for (int i = 0; i < 5; ++i)
        scenery << QString("Land %1").arg(i);
    writePack(p, "views.vpk", scenery);
    copy("S", 3, "vw");
    copy("ST", 3, "vw");
    copy("g", 5, "vw");
    copy("gT", 5, "vw");

    const struct {
        PackBrowser* browser;
        const char* shown;
        const char* left;
    } cases[] = {{f.LandPack, "views.vpk", "things.vpk"},
                 {f.SkyPack, "views.vpk", "things.vpk"},
                 {f.ObjectPack, "things.vpk", "views.vpk"}};
    for (const auto& c : cases) {
        c.browser->openPackFolder();
        QVERIFY(listed(*c.browser).contains(c.shown));
        QVERIFY(!listed(*c.browser).contains(c.left));
        QVERIFY(listed(*c.browser).contains("sample.vpk")); // a complete pack, everywhere
        c.browser->loadPack(c.shown);
        QCOMPARE(c.browser->packLoaded, 1);
    }
    QVERIFY(p.services.errors.isEmpty());
    TSkyPack& sky = *f.SkyPack;
    QCOMPARE(sky.name2->text(), QStringLiteral("View 2"));
    QCOMPARE(sky.name3->text(), QString());
    QVERIFY(sky.pic3->picture().isNull());
    sky.show();
    sky.pic3Click();
    QVERIFY(p.scene().skyFile.empty());
    sky.pic2Click();
    QCOMPARE(p.scene().skyFile, std::string("packs\\vwS2.bmp"));
    QCOMPARE((SkyLight{p.scene().tintRed, p.scene().tintGreen, p.scene().tintBlue}), (SkyLight{5, 6, 7}));
    f.ObjectPack->show();
    f.ObjectPack->pic4Click();
    QCOMPARE(p.scene().pendingImageFile, std::string("packs\\tho4.bmp"));
    QCOMPARE(p.scene().pendingTitle, std::string("Thing 4"));
}

void PickersTest::packListFollowsTheFolder()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    f.sky->show();
    f.sky->newpack->click();
    TSkyPack& b = *f.SkyPack;
    const QStringList shipped = listed(b); // the packs that come with the program
    QVERIFY(shipped.contains("sample.vpk"));
    select(b, "sample.vpk");
    b.FileListBox1DblClick();

    writeFile(p, "packs/Another.vpk", "x");
    writeFile(p, "packs/readme.txt", "x");
    QCOMPARE(listed(b), shipped); // not until shown again
    // Shown again by the renderer after a choice.
    b.pic0Click();
    QVERIFY(b.isVisible());
    QStringList more = shipped + QStringList{"Another.vpk"};
    more.sort(Qt::CaseInsensitive);
    QCOMPARE(listed(b), more);
    QCOMPARE(b.FileListBox1->currentItem()->text(), QStringLiteral("sample.vpk")); // selection kept

    QFile::remove(p.appDir.path("packs/Another.vpk"));
    control<QPushButton>(&b, "Button1")->click();
    QVERIFY(!b.isVisible());
    f.sky->show();
    f.sky->newpack->click();
    QCOMPARE(listed(b), shipped);
    QCOMPARE(b.packname->text(), QStringLiteral("Winter and Desert")); // closing kept the pack
}

void PickersTest::missingPackFolderIsReported()
{
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    QVERIFY(QDir(p.appDir.path("packs")).removeRecursively());
    f.landscape->show();
    guarded(p, [&] { f.landscape->newpackClick(); });
    QCOMPARE(p.services.errors, QStringList{"File not found"});
    QVERIFY(f.landscape->isVisible());
    QVERIFY(!f.LandPack->isVisible());
}

QTEST_MAIN(PickersTest)
#include "test_pickers.moc"
