#include "core/ui/about.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace veldor {

namespace {

// The labels are centred across the panel's inner width rather than placed
// at fixed lefts, so that they stay centred whatever the font's widths.
QLabel* centredLabel(QWidget* panel, const char* name, const QString& text, int top, int height)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(11, top, 196, height);
    return label;
}

} // namespace

TAboutBox::TAboutBox(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"About", {234, 219}, TitleButtons::SystemMenu, true}, parent)
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(8, 8, 217, 169);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(12, 8, 193, 97);
    ProgramIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProgramIcon->setPixmap(screenPixmap(QStringLiteral(":/ui/logo.bmp"), *this));
    ProgramIcon->setAccessibleName(tr("Veldor logo"));

    ProductName = centredLabel(Panel1, "ProductName", QStringLiteral("Veldor"), 112, 16);
    Version = centredLabel(Panel1, "Version", tr("Version 1.00"), 128, 16);
    Copyright = centredLabel(Panel1, "Copyright",
                             tr("(c) 2026 the Veldor developers.\nFree to use and share."), 144, 24);
    QFont small = Copyright->font();
    small.setPixelSize(10);
    Copyright->setFont(small);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(79, 188, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    setKeyButtons(OKButton, OKButton);
}

void TAboutBox::OKButtonClick() { close(); }

} // namespace veldor
