#include "core/ui/services.h"

#include "platform/paths.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace veldor {

namespace {

// The window a dialog belongs to, so that the desktop keeps it above that
// window: the active one, or else the main window (on Wayland the program
// may have no active window when a dialog opens).
QWidget* dialogParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("MainForm"))
            return window;
    return nullptr;
}

// Qt's own dialog takes a name typed into a folder that does not exist and
// the write fails later; the desktops' dialogs refuse it, and so does this.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        // A desktop's own dialog has none of Qt's widgets and has already
        // checked the folder; refusing here would leave it waiting unseen.
        const bool qtWidgets = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) != nullptr;
        const QStringList files = selectedFiles();
        if (qtWidgets && acceptMode() == AcceptSave && !files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (!chosen.absoluteDir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     QCoreApplication::translate("veldor::FileDialog",
                                                                 "%1\nThe folder does not exist.")
                                         .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

// The folder last used if it is still there, else the user's pictures,
// else home: the program's folder is no place for the user's files.
QString startFolder(const QString& lastFolder)
{
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        return lastFolder;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return pictures;
    return QDir::homePath();
}

// "Name (*.ext ...)" gives "ext"; nothing for "All Files (*)".
QString suffixOfFilter(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The platform's own dialog where it has one (Qt picks it; nothing here
// forces Qt's widget dialog).
std::optional<QString> runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                                     QString& lastFolder)
{
    FileDialog dialog(dialogParent(), request.caption);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(startFolder(lastFolder));
    // The name only: the folder is the one chosen above.
    if (!request.initialName.isEmpty())
        dialog.selectFile(QFileInfo(request.initialName).fileName());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // A name typed without an extension takes the one of the chosen filter.
    if (!request.defaultSuffix.isEmpty())
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
            const QString suffix = suffixOfFilter(filter);
            dialog.setDefaultSuffix(suffix.isEmpty() ? request.defaultSuffix : suffix);
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace

std::string localPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

QtUiServices::QtUiServices() = default;
QtUiServices::~QtUiServices() = default;

void QtUiServices::beep() { QApplication::beep(); }

void QtUiServices::showError(const QString& text)
{
    // Most of the program's windows stay on top; a message box that did not
    // would open under the one that caused it.
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    dialogParent());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

std::optional<QString> QtUiServices::openFileName(const FileDialogRequest& request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen, lastFolder_);
}

std::optional<QString> QtUiServices::saveFileName(const FileDialogRequest& request)
{
    return runFileDialog(request, QFileDialog::AcceptSave, lastFolder_);
}

std::optional<QColor> QtUiServices::chooseColor(QColor initial)
{
    QColor c = QColorDialog::getColor(initial, dialogParent());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

SaveAnswer QtUiServices::askToSave()
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    QApplication::translate("QtUiServices", "The scene has been changed.\n"
                                                            "Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, dialogParent());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveAnswer::Save;
    case QMessageBox::Discard: return SaveAnswer::Discard;
    default: return SaveAnswer::Cancel;
    }
}

RestoreAnswer QtUiServices::askToRestore(const QString& fileName)
{
    const QString scene = fileName.isEmpty()
                              ? QApplication::translate("QtUiServices", "a scene that was never saved")
                              : QFileInfo(fileName).fileName();
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QApplication::translate("QtUiServices", "Veldor ended before the changes to %1 were saved.\n"
                                                            "Do you want to restore them?")
                        .arg(scene),
                    QMessageBox::NoButton, dialogParent());
    QPushButton* restore =
        box.addButton(QApplication::translate("QtUiServices", "Restore"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QApplication::translate("QtUiServices", "Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(restore);
    if (!fileName.isEmpty())
        box.setDetailedText(fileName);
    box.exec();
    // Only a clear Discard throws the work away.
    return box.clickedButton() == discard ? RestoreAnswer::Discard : RestoreAnswer::Restore;
}

std::string QtUiServices::recoveryFolder() { return userStateFolder(); }

bool QtUiServices::printerSetup(QPrinter& printer)
{
    // "Print to File" proposes a file in the folder that is current as the
    // dialog is made, which is the program's own: the user's documents
    // folder instead.
    const QString programFolder = QDir::currentPath();
    if (!QDir::setCurrent(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)))
        QDir::setCurrent(QDir::homePath());
    // The platform's print dialog, as a set-up: it chooses the printer and
    // its options (a PDF file included) for the next Print, printing nothing.
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    // One page; the copies are chosen in the print window, one job each.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QObject::tr("OK"));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    QDir::setCurrent(programFolder);
    return accepted;
}

QPrinter& QtUiServices::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

} // namespace veldor
