#pragma once
// The special effects window: chooses the effects and applies them to the
// picture as it stands. Only Anti-alias and the XOR colour carry over from
// one showing to the next; everything else starts afresh at each show.
#include "core/ui/smallwindow.h"
#include "effects/effects.h"

#include <QColor>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace veldor {

class Teffects : public SmallWindow {
    Q_OBJECT
public:
    Teffects(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* anti = nullptr;
    QCheckBox* xorbox = nullptr;
    QCheckBox* tint = nullptr;
    QCheckBox* ld = nullptr;
    QRadioButton* dark = nullptr;
    QRadioButton* light = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

    // The colours of the two colour dialogs.
    QColor tintColour() const { return tintColour_; }
    QColor xorColour() const { return xorColour_; }

    void FormShow();
    // Shows the brightness choices exactly while Brightness is ticked.
    void ldClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    // What the ticked boxes ask for.
    EffectOptions options() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QColor tintColour_{150, 150, 160};
    QColor xorColour_{Qt::black};
};

} // namespace veldor
