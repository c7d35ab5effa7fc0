// The special effects window: its resets, its choices and Apply Effects on
// the main window's picture.
#include "harness.h"

#include "core/ui/application.h"
#include "core/scene.h"
#include "core/ui/wait.h"
#include "effects/ui/error.h"
#include "sources/ui/skyform.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

void fill(Surface& s, Color c)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, c);
}

// The window's controls, found by their names.
struct EffectsControls {
    explicit EffectsControls(const Teffects& e)
        : anti(control<QCheckBox>(&e, "anti")), xorbox(control<QCheckBox>(&e, "xorbox")),
          tint(control<QCheckBox>(&e, "tint")), ld(control<QCheckBox>(&e, "ld")),
          dark(control<QRadioButton>(&e, "dark")), light(control<QRadioButton>(&e, "light")),
          close(control<QPushButton>(&e, "Button1")), apply(control<QPushButton>(&e, "Button2")),
          tintOptions(control<QPushButton>(&e, "Button3")), xorOptions(control<QPushButton>(&e, "Button4"))
    {
    }
    QCheckBox *anti, *xorbox, *tint, *ld;
    QRadioButton *dark, *light;
    QPushButton *close, *apply, *tintOptions, *xorOptions;
};

bool brightnessChoicesShown(const EffectsControls& c) { return !c.dark->isHidden() && !c.light->isHidden(); }
bool brightnessChoicesHidden(const EffectsControls& c) { return c.dark->isHidden() && c.light->isHidden(); }

} // namespace

class EffectsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showingResetsAllButAntiAliasAndXorColour();
    void brightnessChoicesFollowTheBox();
    void applyRunsTheEffectsInOrder();
    void applyWithNothingTickedChangesNothing();
    void failedApplyRestoresTheWindows();
    void opensOnlyWhileNothingIsEdited();
};

void EffectsWindowTest::showingResetsAllButAntiAliasAndXorColour()
{
    TestProgram p;
    p.start();
    Teffects& e = *p.forms().effects;
    const EffectsControls c(e);
    // Anti-aliasing is on from the start.
    QVERIFY(c.anti->isChecked());
    p.main().SpecialEffects1Click();
    QVERIFY(e.isVisible());

    p.services.colorAnswers = {QColor(200, 10, 10), QColor(255, 255, 255), std::nullopt, std::nullopt};
    c.tintOptions->click();
    c.xorOptions->click();
    QCOMPARE(e.tintColour(), QColor(200, 10, 10));
    QCOMPARE(e.xorColour(), QColor(255, 255, 255));
    // A cancelled dialog keeps the colour; each dialog starts from its own.
    c.tintOptions->click();
    c.xorOptions->click();
    QCOMPARE(e.tintColour(), QColor(200, 10, 10));
    QCOMPARE(e.xorColour(), QColor(255, 255, 255));
    QCOMPARE(p.services.colorRequests,
             (std::vector<QColor>{QColor(150, 150, 160), QColor(Qt::black), QColor(200, 10, 10), QColor(Qt::white)}));

    c.tint->setChecked(true);
    c.xorbox->setChecked(true);
    c.ld->setChecked(true);
    c.light->setChecked(true);
    c.anti->setChecked(false);
    c.close->click();
    QVERIFY(!e.isVisible());

    p.main().SpecialEffects2->trigger();
    QVERIFY(e.isVisible());
    QVERIFY(!c.tint->isChecked());
    QVERIFY(!c.xorbox->isChecked());
    QVERIFY(!c.ld->isChecked());
    QVERIFY(c.dark->isChecked());
    QVERIFY(!c.light->isChecked());
    QVERIFY(brightnessChoicesHidden(c));
    QCOMPARE(e.tintColour(), QColor(150, 150, 160));
    QVERIFY(!c.anti->isChecked());
    QCOMPARE(e.xorColour(), QColor(255, 255, 255));
}

void EffectsWindowTest::brightnessChoicesFollowTheBox()
{
    TestProgram p;
    p.start();
    Teffects& e = *p.forms().effects;
    const EffectsControls c(e);
    p.main().SpeedButton6->click();
    QVERIFY(brightnessChoicesHidden(c));
    c.ld->click();
    QVERIFY(brightnessChoicesShown(c));
    QVERIFY(c.dark->isVisible());
    c.ld->click();
    QVERIFY(brightnessChoicesHidden(c));
    // Closed with Brightness ticked, shown again: unticked and hidden.
    c.ld->click();
    e.close();
    e.show();
    QVERIFY(!c.ld->isChecked());
    QVERIFY(brightnessChoicesHidden(c));
    c.ld->click();
    QVERIFY(brightnessChoicesShown(c));
}

void EffectsWindowTest::applyRunsTheEffectsInOrder()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Teffects& e = *p.forms().effects;
    const EffectsControls c(e);
    Surface& picture = m.surfaces.mainImage;
    fill(picture, rgb(100, 100, 100));
    p.forms().sky->show();
    p.scene().reopenPicker = PickerToShow::Sky;

    m.SpecialEffects1Click();
    p.services.colorAnswers = {QColor(250, 150, 160)};
    c.tintOptions->click();
    c.tint->setChecked(true);
    c.ld->setChecked(true);
    c.light->setChecked(true);
    c.xorbox->setChecked(true);
    c.apply->click();

    // Tint (200, 100, 100), lighten (240, 150, 150), XOR with black
    // (15, 105, 105); anti-alias last keeps that inside and pulls the right
    // column and the bottom row toward white.
    QCOMPARE(picture.pixel(1, 1), rgb(15, 105, 105));
    QCOMPARE(picture.pixel(300, 200), rgb(15, 105, 105));
    QCOMPARE(picture.pixel(629, 100), rgb(75, 142, 142));
    QCOMPARE(picture.pixel(100, 339), rgb(75, 142, 142));
    QCOMPARE(picture.pixel(629, 339), rgb(135, 180, 180));
    QCOMPARE(picture.pixel(0, 339), rgb(15, 105, 105));

    QVERIFY(!e.isVisible());
    QVERIFY(m.isVisible());
    QVERIFY(!p.forms().WaitBox->isVisible());
    QCOMPARE(p.forms().WaitBox->windowTitle(), QStringLiteral("Please Wait, Rendering..."));
    QVERIFY(!p.forms().sky->isVisible());
    QCOMPARE(p.scene().reopenPicker, PickerToShow::None);

    // Tint before darken: 100 + 100 = 200, then 200 - 150 = 50 (darkening
    // first would clamp to 0 and give 100).
    fill(picture, rgb(100, 100, 100));
    m.SpecialEffects1Click();
    p.services.colorAnswers = {QColor(250, 150, 160)};
    c.tintOptions->click();
    c.tint->setChecked(true);
    c.ld->setChecked(true);
    c.anti->setChecked(false);
    c.apply->click();
    QCOMPARE(picture.pixel(10, 10), rgb(50, 0, 0));
}

void EffectsWindowTest::applyWithNothingTickedChangesNothing()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Teffects& e = *p.forms().effects;
    const EffectsControls c(e);
    m.Refresh();
    const Surface before = m.surfaces.mainImage;
    m.SpecialEffects1Click();
    c.anti->setChecked(false);
    c.apply->click();
    QVERIFY(m.surfaces.mainImage == before);
    // Tint with the colour as the window resets it changes nothing either.
    m.SpecialEffects1Click();
    c.tint->setChecked(true);
    c.apply->click();
    QVERIFY(m.surfaces.mainImage == before);
    QVERIFY(m.isVisible());
    QVERIFY(!e.isVisible());
}

void EffectsWindowTest::failedApplyRestoresTheWindows()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Teffects& e = *p.forms().effects;
    const Surface before = m.surfaces.mainImage;
    m.SpecialEffects1Click();
    p.scene().appDir = p.appDir.path(QStringLiteral("gone")).toStdString();
    QVERIFY(dispatchGuarded(&p.services, [&] {
        e.Button2Click();
        return true;
    }));
    QCOMPARE(p.services.errors.size(), 1);
    QVERIFY(m.isVisible());
    QVERIFY(!p.forms().WaitBox->isVisible());
    QCOMPARE(p.forms().WaitBox->windowTitle(), QStringLiteral("Please Wait, Rendering..."));
    QVERIFY(m.surfaces.mainImage == before);
}

void EffectsWindowTest::opensOnlyWhileNothingIsEdited()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Teffects& e = *p.forms().effects;
    for (EditMode mode : {EditMode::NewDrawn, EditMode::Clicked, EditMode::Moving, EditMode::MoveDropped,
                          EditMode::Resizing, EditMode::ResizeDrawn}) {
        p.scene().editMode = mode;
        m.SpeedButton6->click();
        m.SpecialEffects1->trigger();
        m.SpecialEffects2->trigger();
        QVERIFY(!e.isVisible());
    }
    p.scene().editMode = EditMode::Idle;
    p.scene().placing = true;
    m.SpecialEffects1->trigger();
    QVERIFY(e.isVisible());
}

QTEST_MAIN(EffectsWindowTest)
#include "test_effects_window.moc"
