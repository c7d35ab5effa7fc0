#include "core/ui/newform.h"

#include "core/ui/Main.h"

#include <QLabel>
#include <QPushButton>

namespace veldor {

// An ordinary sizeable border: the only small window the user may resize.
Tnewbox::Tnewbox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Confirm New", {176, 65}, TitleButtons::SystemMenu, true, false}, parent)
{
    Label1 = new QLabel(tr("Confirm New Image?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(39, 8);
    Label1->adjustSize();

    Button1 = new QPushButton(tr("Yes"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 32, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &Tnewbox::Button1Click);

    Button2 = new QPushButton(tr("No"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(88, 32, 75, 25);
    connect(Button2, &QPushButton::clicked, this, &Tnewbox::Button2Click);
    setKeyButtons(Button1, Button2);
}

void Tnewbox::Button1Click()
{
    // The window is modeless: an edit may have begun since New showed it.
    const bool idle = scene.editMode == EditMode::Idle;
    // Closed before rendering, so that a rendering that fails does not leave
    // the question up.
    close();
    if (!idle)
        return;
    scene.resetForNew();
    forms.MainForm->Refresh();
}

void Tnewbox::Button2Click() { close(); }

} // namespace veldor
