#include "core/ui/about.h"

#include "core/ui/controls.h"

#include <QFrame>

namespace veldor {

TAboutBox::TAboutBox(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("About"), {234, 219}, TitleButtons::SystemMenu, true}, parent)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 217, 169);
    addLogo(*panel, {12, 8});

    // Centred across the panel's inner width rather than placed at fixed
    // lefts, so that they stay centred whatever the font's widths.
    const struct {
        const char* name;
        QString text;
        int top;
        int height;
        int pixelSize; // 0: the window's
    } lines[] = {
        {"ProductName", QStringLiteral("Veldor"), 112, 16, 0},
        {"Version", tr("Version 1.00"), 128, 16, 0},
        {"Copyright", tr("(c) 2026 the Veldor developers.\nFree to use and share."), 144, 24, 10},
    };
    for (const auto& l : lines) {
        QLabel* label = addLabel(*panel, l.name, l.text, {11, l.top}, {196, l.height});
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        if (l.pixelSize > 0) {
            QFont font = label->font();
            font.setPixelSize(l.pixelSize);
            label->setFont(font);
        }
    }

    QPushButton* ok = addButton(*this, "OKButton", tr("OK"), {79, 188, 75, 25}, &TAboutBox::OKButtonClick);
    setKeyButtons(ok, ok);
}

void TAboutBox::OKButtonClick() { close(); }

} // namespace veldor
