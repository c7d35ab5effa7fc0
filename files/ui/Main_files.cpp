// The main window's scene file commands.
#include "core/ui/Main.h"

#include "core/session.h"
#include "core/ui/services.h"
#include "files/recovery.h"
#include "files/scenefile.h"
#include "files/ui/notvdrf.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace veldor {

namespace {

// Picture files are named relative to the application folder, so every file
// command puts the current directory back there.
void restoreAppDir(const SceneState& scene)
{
    if (!scene.appDir.empty())
        setCurrentDirectory(scene.appDir);
}

void writeScene(Session& session, const std::string& file)
{
    session.writeDocument([&](const SceneDocument& document) { writeSceneFile(document, file); });
}

// How long the recovery copy may lag behind the first change after it was
// last written: short enough that a kill a second after a change loses
// nothing, long enough that a burst of changes is written once.
constexpr int kRecoveryDelayMs = 500;

} // namespace

void TMainForm::FileOpen()
{
    if (!maySceneGo())
        return;
    FileDialogRequest OpenDialog;
    OpenDialog.filter = tr("Veldor Files [*.vdr] (*.vdr)");
    const std::optional<QString> chosen = services.openFileName(OpenDialog);
    restoreAppDir(scene);
    if (chosen)
        openSceneFile(localPath(*chosen));
}

void TMainForm::openSceneFile(const std::string& path)
{
    // Read whole into a document of its own: a file that fails half-way
    // throws before anything of the scene or the picture has changed.
    std::optional<SceneDocument> document = readSceneFile(path);
    if (!document) {
        forms.notvdr->showOver(*this);
        return;
    }
    // The new scene and its fresh history replace the old ones together, so
    // that a rendering that fails leaves the new scene whole, never a mix.
    sceneReplaced();
    session.replaceDocument(std::move(*document));
    // The next Save asks for a name rather than overwrite the opened file.
    scene.currentFile.clear();
    openedFile_ = path;
    Refresh();
}

void TMainForm::FileSaveItemClick()
{
    if (scene.currentFile.empty()) {
        restoreAppDir(scene);
        FileSaveAsItemClick();
        return;
    }
    writeScene(session, scene.currentFile);
    sceneSaved();
    restoreAppDir(scene);
}

void TMainForm::FileSaveAsItemClick()
{
    FileDialogRequest vdrsave;
    vdrsave.filter = tr("Veldor File (*.vdr)");
    vdrsave.defaultSuffix = QStringLiteral("vdr");
    vdrsave.initialName = vdrsaveFileName;
    vdrsave.confirmOverwrite = true;
    const std::optional<QString> chosen = services.saveFileName(vdrsave);
    if (chosen) {
        vdrsaveFileName = *chosen;
        const std::string file = localPath(*chosen);
        writeScene(session, file);
        sceneSaved();
        // Only a name the scene was written to becomes the one Save uses:
        // a failed Save As leaves the previous name, so Save still works.
        scene.currentFile = file;
    }
    restoreAppDir(scene);
}

void TMainForm::noteUnsavedWork()
{
    if (!session.modified()) {
        removeRecoveryCopy();
        return;
    }
    if (!recoveryTimer_) {
        recoveryTimer_ = new QTimer(this);
        recoveryTimer_->setSingleShot(true);
        recoveryTimer_->setInterval(kRecoveryDelayMs);
        connect(recoveryTimer_, &QTimer::timeout, this, [this] { writeRecoveryCopy(); });
    }
    // Not restarted by each change: a long burst must not keep it waiting.
    if (!recoveryTimer_->isActive())
        recoveryTimer_->start();
}

void TMainForm::writeRecoveryCopy()
{
    if (!session.modified())
        return;
    if (!recovery_) {
        const std::string folder = services.recoveryFolder();
        if (folder.empty())
            return;
        recovery_ = std::make_shared<RecoveryStore>(folder);
    }
    const std::string name = scene.currentFile.empty() ? openedFile_ : scene.currentFile;
    try {
        session.writeDocument([&](const SceneDocument& document) { recovery_->save(document, name); });
        recoveryFailed_ = false;
    } catch (const std::exception& error) {
        if (!recoveryFailed_)
            std::fprintf(stderr, "veldor: cannot keep a copy of the unsaved work: %s\n", error.what());
        recoveryFailed_ = true;
    }
}

void TMainForm::removeRecoveryCopy()
{
    if (recoveryTimer_)
        recoveryTimer_->stop();
    if (recovery_)
        recovery_->remove();
}

void TMainForm::offerRecovery()
{
    const std::string folder = services.recoveryFolder();
    if (folder.empty())
        return;
    if (!recovery_)
        recovery_ = std::make_shared<RecoveryStore>(folder);
    const std::optional<RecoveryStore::LeftBehind> copy = recovery_->findLeftBehind();
    if (!copy)
        return;
    const RestoreAnswer answer = services.askToRestore(QString::fromStdString(copy->fileName));
    // A signal that ended the program while it asked leaves the copy as it
    // was, for the next start.
    if (endingOnSignal_)
        return;
    if (answer == RestoreAnswer::Discard) {
        recovery_->discard(*copy);
        return;
    }
    std::optional<SceneDocument> document = recovery_->take(*copy);
    if (!document) { // not a scene any more: nothing to bring back
        recovery_->discard(*copy);
        return;
    }
    sceneReplaced();
    session.restoreUnsaved(std::move(*document));
    scene.currentFile.clear();
    openedFile_ = copy->fileName;
    if (!copy->fileName.empty())
        vdrsaveFileName = QString::fromStdString(copy->fileName);
    // Ours before the old one goes, so that the work is on disk throughout.
    writeRecoveryCopy();
    if (recovery_->saved())
        recovery_->discard(*copy);
    Refresh();
}

void TMainForm::endOnSignal()
{
    endingOnSignal_ = true;
    writeRecoveryCopy();
    // What the copy holds is offered at the next start; nothing is asked now,
    // since whoever sent the signal cannot answer. Not quit(): that closes
    // the windows first, and closing the main window asks about the work.
    QCoreApplication::exit(0);
}

} // namespace veldor
