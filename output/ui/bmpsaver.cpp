#include "output/ui/bmpsaver.h"

#include "core/renderer.h"
#include "core/ui/Main.h"
#include "core/ui/services.h"
#include "output/exportbmp.h"
#include "platform/paths.h"

#include <QLabel>
#include <QPushButton>

namespace veldor {

TBMPSave::TBMPSave(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(scene, forms, services, {"Export as BMP", {266, 66}, TitleButtons::SystemMenu, true}, parent)
{
    Label1 = new QLabel(tr("What resolution would you like to export the BMP as?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);
    Label1->adjustSize();
    fitText(*Label1, 266 - Label1->x());
    Button1 = new QPushButton(tr("630 x 340 (Standard)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 32, 121, 25);
    Button2 = new QPushButton(tr("640 x 480 (Stretched)"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(136, 32, 121, 25);
    connect(Button1, &QPushButton::clicked, this, &TBMPSave::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TBMPSave::Button2Click);
}

std::string TBMPSave::chooseFile(const QString& caption)
{
    FileDialogRequest BMPSaveDialog;
    BMPSaveDialog.caption = caption;
    BMPSaveDialog.filter = QStringLiteral("Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)");
    BMPSaveDialog.defaultSuffix = QStringLiteral("bmp");
    BMPSaveDialog.confirmOverwrite = true;
    const std::optional<QString> chosen = services.saveFileName(BMPSaveDialog);
    // Picture files are named relative to the application folder.
    if (!scene.appDir.empty())
        setCurrentDirectory(scene.appDir);
    return chosen ? localPath(*chosen) : std::string();
}

void TBMPSave::Button1Click()
{
    const std::string path = chooseFile(tr("Export as BMP (630 x 340)"));
    if (!path.empty())
        exportStandard(forms.MainForm->surfaces.mainImage, path);
    close();
}

void TBMPSave::Button2Click()
{
    const std::string path = chooseFile(tr("Export as BMP (640 x 480)"));
    if (!path.empty()) {
        MainSurfaces& s = forms.MainForm->surfaces;
        exportStretched(s.mainImage, s.tempimage2, path);
    }
    close();
}

} // namespace veldor
