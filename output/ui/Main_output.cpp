// The main window's print, export and clipboard commands.
#include "core/renderer.h"
#include "core/scene.h"
#include "core/ui/Main.h"

#include "core/ui/pictureview.h"
#include "core/ui/services.h"
#include "output/ui/bmpsaver.h"
#include "output/ui/printx.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace veldor {

void TMainForm::Print1Click()
{
    forms.PrintForm->startAtOneCopy();
    showInFront(*forms.PrintForm);
}

void TMainForm::PrintSetup1Click() { forms.PrintForm->printerSetup(); }

QString TMainForm::jobTitle() const
{
    const std::string& file = !scene.currentFile.empty() ? scene.currentFile : openedFile_;
    if (file.empty())
        return QStringLiteral("Veldor");
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).completeBaseName();
}

void TMainForm::ExportasBMP2Click()
{
    showInFront(*forms.BMPSave);
}

void TMainForm::EditCopy()
{
    // As an image, so that other programs can paste it as PNG or BMP.
    QGuiApplication::clipboard()->setImage(toQImage(surfaces.mainImage));
}

} // namespace veldor
