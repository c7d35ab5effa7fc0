#include "files/ui/notvdrf.h"

#include "core/ui/Main.h"

#include <QPushButton>

namespace veldor {

Tnotvdr::Tnotvdr(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"This is not a Veldor File", {186, 41}, TitleButtons::None, true}, parent)
{
    Button1 = new QPushButton(tr("Continue"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 8, 169, 25);
    connect(Button1, &QPushButton::clicked, this, &Tnotvdr::Button1Click);
    // No Escape: "Continue" is the only way back to the main window.
    setKeyButtons(Button1, nullptr);
}

void Tnotvdr::Button1Click()
{
    forms.MainForm->show();
    close();
}

} // namespace veldor
