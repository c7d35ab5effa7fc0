#pragma once
// The special effects window: chooses the effects and applies them to the
// picture as it stands. Only Anti-alias and the XOR colour carry over from
// one showing to the next; everything else starts afresh at each show.
#include "core/ui/smallwindow.h"
#include "effects/effects.h"

#include <QColor>

class QCheckBox;
class QRadioButton;

namespace veldor {

class Teffects : public SmallWindow {
    Q_OBJECT
public:
    Teffects(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    // The colours of the two colour dialogs.
    QColor tintColour() const { return tintColour_; }
    QColor xorColour() const { return xorColour_; }

    void FormShow();
    // Shows the brightness choices exactly while Brightness is ticked.
    void ldClick();
    void Button1Click(); // "Close"
    void Button2Click(); // "Apply Effects"
    void Button3Click(); // "Tint Options...": chooses the tint colour
    void Button4Click(); // "XOR Colour Options": chooses the XOR colour

    // What the ticked boxes ask for.
    EffectOptions options() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* anti = nullptr;
    QCheckBox* xorbox = nullptr;
    QCheckBox* tint = nullptr;
    QCheckBox* ld = nullptr; // "Brightness"
    QRadioButton* dark = nullptr;
    QRadioButton* light = nullptr;
    QColor tintColour_{150, 150, 160};
    QColor xorColour_{Qt::black};
};

} // namespace veldor
