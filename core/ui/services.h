#pragma once
// The seam through which the windows reach the platform's blocking things
// (message boxes, standard dialogs, the beep, the printer), so that tests can
// answer them without a user.
#include <QColor>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QPrinter;

namespace veldor {

// One file dialog's settings. `filter` uses Qt's syntax
// ("Veldor Files [*.vdr] (*.vdr);;All Files (*)").
struct FileDialogRequest {
    QString caption;
    QString filter;
    QString defaultSuffix;    // added when the typed name has none
    QString initialName;      // proposed file name
    bool confirmOverwrite = false;
};

// A file name from a dialog or a drop as a path for the platform's file
// functions: the bytes Qt itself would open it by.
std::string localPath(const QString& name);

// The answers to "save the changes first?".
enum class SaveAnswer { Save, Discard, Cancel };
// The answers to "restore the work a program left unsaved?".
enum class RestoreAnswer { Restore, Discard };

class UiServices {
public:
    virtual ~UiServices() = default;

    virtual void beep() = 0;
    // A blocking error message box with `text`.
    virtual void showError(const QString& text) = 0;
    // The chosen file's path, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(QColor initial) = 0;
    // Whether to save the scene's unsaved changes before they are lost.
    virtual SaveAnswer askToSave() = 0;
    // Whether to bring back unsaved work on the scene named `fileName`
    // (empty when it had no file) that a program left when it ended.
    virtual RestoreAnswer askToRestore(const QString& fileName) = 0;
    // Where the copy of unsaved work is kept; empty for nowhere.
    virtual std::string recoveryFolder() = 0;
    // The printer set-up dialog on `printer`, which it changes as the user
    // goes through it, also when the answer is Cancel (false).
    virtual bool printerSetup(QPrinter& printer) = 0;
    // The one printer the program prints on, kept for the whole run so that
    // set-up choices last.
    virtual QPrinter& printer() = 0;
};

// The real dialogs of the platform. File dialogs open in the folder of the
// last file chosen in any of them, at first in the user's pictures folder
// (home when there is none); a save dialog refuses a missing folder.
class QtUiServices : public UiServices {
public:
    QtUiServices();
    ~QtUiServices() override;

    void beep() override;
    void showError(const QString& text) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(QColor initial) override;
    SaveAnswer askToSave() override;
    RestoreAnswer askToRestore(const QString& fileName) override;
    std::string recoveryFolder() override;
    bool printerSetup(QPrinter& printer) override;
    QPrinter& printer() override;

private:
    std::unique_ptr<QPrinter> printer_;
    // Where the last file dialog's choice was; the next one opens there.
    QString lastFolder_;
};

} // namespace veldor
