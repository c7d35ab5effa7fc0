// The special effects window: its resets, its choices and Apply Effects on
// the main window's picture.
#include "harness.h"

#include "core/ui/application.h"
#include "core/ui/wait.h"
#include "effects/ui/error.h"
#include "sources/ui/skyform.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace veldor;
using veldor::test::TestProgram;

namespace {

void fill(Surface& s, Color c)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, c);
}

bool brightnessChoicesShown(const Teffects& e) { return !e.dark->isHidden() && !e.light->isHidden(); }
bool brightnessChoicesHidden(const Teffects& e) { return e.dark->isHidden() && e.light->isHidden(); }

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
    // Anti-aliasing is on from the start.
    QVERIFY(e.anti->isChecked());
    p.main().SpecialEffects1Click();
    QVERIFY(e.isVisible());

    p.services.colorAnswers = {QColor(200, 10, 10), QColor(255, 255, 255), std::nullopt, std::nullopt};
    e.Button3->click();
    e.Button4->click();
    QCOMPARE(e.tintColour(), QColor(200, 10, 10));
    QCOMPARE(e.xorColour(), QColor(255, 255, 255));
    // A cancelled dialog keeps the colour; each dialog starts from its own.
    e.Button3->click();
    e.Button4->click();
    QCOMPARE(e.tintColour(), QColor(200, 10, 10));
    QCOMPARE(e.xorColour(), QColor(255, 255, 255));
    QCOMPARE(p.services.colorRequests,
             (std::vector<QColor>{QColor(150, 150, 160), QColor(Qt::black), QColor(200, 10, 10), QColor(Qt::white)}));

    e.tint->setChecked(true);
    e.xorbox->setChecked(true);
    e.ld->setChecked(true);
    e.light->setChecked(true);
    e.anti->setChecked(false);
    e.Button1->click();
    QVERIFY(!e.isVisible());

    p.main().SpecialEffects2->trigger();
    QVERIFY(e.isVisible());
    QVERIFY(!e.tint->isChecked());
    QVERIFY(!e.xorbox->isChecked());
    QVERIFY(!e.ld->isChecked());
    QVERIFY(e.dark->isChecked());
    QVERIFY(!e.light->isChecked());
    QVERIFY(brightnessChoicesHidden(e));
    QCOMPARE(e.tintColour(), QColor(150, 150, 160));
    QVERIFY(!e.anti->isChecked());
    QCOMPARE(e.xorColour(), QColor(255, 255, 255));
}

void EffectsWindowTest::brightnessChoicesFollowTheBox()
{
    TestProgram p;
    p.start();
    Teffects& e = *p.forms().effects;
    p.main().SpeedButton6->click();
    QVERIFY(brightnessChoicesHidden(e));
    e.ld->click();
    QVERIFY(brightnessChoicesShown(e));
    QVERIFY(e.dark->isVisible());
    e.ld->click();
    QVERIFY(brightnessChoicesHidden(e));
    // Closed with Brightness ticked, shown again: unticked and hidden.
    e.ld->click();
    e.close();
    e.show();
    QVERIFY(!e.ld->isChecked());
    QVERIFY(brightnessChoicesHidden(e));
    e.ld->click();
    QVERIFY(brightnessChoicesShown(e));
}

void EffectsWindowTest::applyRunsTheEffectsInOrder()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Teffects& e = *p.forms().effects;
    Surface& picture = m.surfaces.mainImage;
    fill(picture, rgb(100, 100, 100));
    p.forms().sky->show();
    p.scene().reopenPicker = PickerToShow::Sky;

    m.SpecialEffects1Click();
    p.services.colorAnswers = {QColor(250, 150, 160)};
    e.Button3->click();
    e.tint->setChecked(true);
    e.ld->setChecked(true);
    e.light->setChecked(true);
    e.xorbox->setChecked(true);
    e.Button2->click();

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
    e.Button3->click();
    e.tint->setChecked(true);
    e.ld->setChecked(true);
    e.anti->setChecked(false);
    e.Button2->click();
    QCOMPARE(picture.pixel(10, 10), rgb(50, 0, 0));
}

void EffectsWindowTest::applyWithNothingTickedChangesNothing()
{
    TestProgram p;
    p.start();
    TMainForm& m = p.main();
    Teffects& e = *p.forms().effects;
    m.Refresh();
    const Surface before = m.surfaces.mainImage;
    m.SpecialEffects1Click();
    e.anti->setChecked(false);
    e.Button2->click();
    QVERIFY(m.surfaces.mainImage == before);
    // Tint with the colour as the window resets it changes nothing either.
    m.SpecialEffects1Click();
    e.tint->setChecked(true);
    e.Button2->click();
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
