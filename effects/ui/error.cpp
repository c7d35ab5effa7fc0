#include "effects/ui/error.h"

#include "core/renderer.h"
#include "core/ui/Main.h"
#include "core/ui/busyscope.h"
#include "core/ui/controls.h"
#include "core/ui/services.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace veldor {

namespace {

Color toColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

} // namespace

Teffects::Teffects(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Special Effects"), {396, 234}, TitleButtons::SystemMenu, true}, parent)
{
    QLabel* intro[] = {
        addLabel(*this, "Label2", tr("Applying effects may take some time."), {8, 8}),
        addLabel(*this, "Label3", tr("Please be aware that the effects will go away when you re-render your image."),
                 {8, 24}),
        addLabel(*this, "Label4",
                 tr("Special Effects are to be used after you have created your landscape so that you"), {8, 40}),
        addLabel(*this, "Label5", tr("can save or print your image while the effects are on screen."), {8, 56}),
    };
    QLabel* heading = addLabel(*this, "Label1", tr("Special Effects To Apply:"), {8, 88});
    QPalette black = heading->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    heading->setPalette(black);

    anti = addControl<QCheckBox>(*this, "anti", tr("Anti-alias"), {152, 88, 65, 17});
    xorbox = addControl<QCheckBox>(*this, "xorbox", tr("XOR Colours"), {152, 112, 81, 17});
    QPushButton* xorOptions =
        addButton(*this, "Button4", tr("XOR Colour Options"), {240, 112, 113, 17}, &Teffects::Button4Click);
    tint = addControl<QCheckBox>(*this, "tint", tr("Tint Colours"), {152, 136, 81, 17});
    QPushButton* tintOptions =
        addButton(*this, "Button3", tr("Tint Options..."), {240, 136, 113, 17}, &Teffects::Button3Click);
    ld = addControl<QCheckBox>(*this, "ld", tr("Brightness"), {152, 160, 89, 17});
    dark = addControl<QRadioButton>(*this, "dark", tr("Darken"), {232, 160, 57, 17});
    light = addControl<QRadioButton>(*this, "light", tr("Lighten"), {296, 160, 113, 17});
    QPushButton* apply = addButton(*this, "Button2", tr("Apply Effects"), {232, 200, 75, 25}, &Teffects::Button2Click);
    QPushButton* closer = addButton(*this, "Button1", tr("Close"), {312, 200, 75, 25}, &Teffects::Button1Click);

    // Each as wide as the window or its right-hand neighbour allows.
    constexpr int kClientWidth = 396;
    for (QLabel* label : intro)
        fitText(*label, kClientWidth - label->x());
    fitText(*anti, kClientWidth - anti->x());
    fitText(*xorbox, xorOptions->x() - xorbox->x());
    fitText(*tint, tintOptions->x() - tint->x());
    fitText(*dark, light->x() - dark->x());

    anti->setChecked(true);
    dark->setChecked(true);
    dark->hide();
    light->hide();

    connect(ld, &QCheckBox::toggled, this, &Teffects::ldClick);
    setKeyButtons(apply, closer);
}

void Teffects::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    SmallWindow::showEvent(event);
}

void Teffects::FormShow()
{
    tintColour_ = QColor(150, 150, 160);
    xorbox->setChecked(false);
    tint->setChecked(false);
    dark->setChecked(true);
    ld->setChecked(false);
    ldClick();
}

void Teffects::ldClick()
{
    dark->setVisible(ld->isChecked());
    light->setVisible(ld->isChecked());
}

EffectOptions Teffects::options() const
{
    EffectOptions o;
    o.tint = tint->isChecked();
    o.tintColor = toColor(tintColour_);
    o.brightness = ld->isChecked() && (dark->isChecked() || light->isChecked());
    o.darken = dark->isChecked();
    o.xorColours = xorbox->isChecked();
    o.xorColor = toColor(xorColour_);
    o.antiAlias = anti->isChecked();
    return o;
}

void Teffects::Button1Click() { close(); }

void Teffects::Button2Click()
{
    TMainForm& main = *forms.MainForm;
    const EffectOptions chosen = options();
    hide();
    BusyScope busy(scene, forms, tr("Applying Effects..."));
    busy.hideWindows();
    Surface before = main.surfaces.mainImage;
    // Worked on copies aside, so that the windows keep answering meanwhile.
    Surface picture = before;
    Surface scratch = main.surfaces.tempimage2;
    busy.runAside([&](const std::function<void()>& progress) { applyEffects(chosen, picture, scratch, progress); });
    main.surfaces.mainImage = std::move(picture);
    main.surfaces.tempimage2 = std::move(scratch);
    QStringList names;
    for (const char* name : effectNames(chosen))
        names << tr(name);
    main.recordEffects(std::move(before), names);
    busy.finish();
    close();
}

void Teffects::Button3Click()
{
    if (const std::optional<QColor> c = services.chooseColor(tintColour_))
        tintColour_ = *c;
}

void Teffects::Button4Click()
{
    if (const std::optional<QColor> c = services.chooseColor(xorColour_))
        xorColour_ = *c;
}

} // namespace veldor
