#include "output/ui/bmpsaver.h"
#include "core/scene.h"

#include "core/renderer.h"
#include "core/ui/Main.h"
#include "core/ui/controls.h"
#include "core/ui/services.h"
#include "output/exportbmp.h"
#include "platform/paths.h"

namespace veldor {

TBMPSave::TBMPSave(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("Export as BMP"), {266, 66}, TitleButtons::SystemMenu, true}, parent)
{
    QLabel* question = addLabel(*this, "Label1", tr("What resolution would you like to export the BMP as?"), {8, 8});
    fitText(*question, 266 - question->x());
    addButton(*this, "Button1", tr("630 x 340 (Standard)"), {8, 32, 121, 25}, &TBMPSave::Button1Click);
    addButton(*this, "Button2", tr("640 x 480 (Stretched)"), {136, 32, 121, 25}, &TBMPSave::Button2Click);
}

std::string TBMPSave::chooseFile(const QString& caption)
{
    FileDialogRequest BMPSaveDialog;
    BMPSaveDialog.caption = caption;
    BMPSaveDialog.filter = tr("Bitmap Files (*.bmp);;PNG image (*.png);;All Files (*)");
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
