// The main window's scene file commands.
#include "core/ui/Main.h"

#include "core/ui/services.h"
#include "files/scenefile.h"
#include "files/ui/notvdrf.h"
#include "platform/paths.h"

namespace veldor {

namespace {

// Picture files are named relative to the application folder, so every file
// command puts the current directory back there.
void restoreAppDir(const SceneState& scene)
{
    if (!scene.appDir.empty())
        setCurrentDirectory(scene.appDir);
}

// The defaults are what the picture shows, so they are what is stored.
void writeScene(SceneState& scene, const std::string& file)
{
    scene.fillDefaultNames();
    writeSceneFile(scene, file);
}

} // namespace

void TMainForm::FileOpen()
{
    if (!maySceneGo())
        return;
    FileDialogRequest OpenDialog;
    OpenDialog.filter = QStringLiteral("Veldor Files [*.vdr] (*.vdr)");
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
        hide();
        forms.notvdr->show();
        forms.notvdr->raise();
        return;
    }
    static_cast<SceneDocument&>(scene) = std::move(*document);
    // The next Save asks for a name rather than overwrite the opened file.
    scene.currentFile.clear();
    sceneReplaced();
    startFreshHistory();
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
    writeScene(scene, scene.currentFile);
    sceneSaved();
    restoreAppDir(scene);
}

void TMainForm::FileSaveAsItemClick()
{
    FileDialogRequest vdrsave;
    vdrsave.filter = QStringLiteral("Veldor File (*.vdr)");
    vdrsave.defaultSuffix = QStringLiteral("vdr");
    vdrsave.initialName = vdrsaveFileName;
    vdrsave.confirmOverwrite = true;
    const std::optional<QString> chosen = services.saveFileName(vdrsave);
    if (chosen) {
        vdrsaveFileName = *chosen;
        const std::string file = localPath(*chosen);
        writeScene(scene, file);
        sceneSaved();
        // Only a name the scene was written to becomes the one Save uses:
        // a failed Save As leaves the previous name, so Save still works.
        scene.currentFile = file;
    }
    restoreAppDir(scene);
}

} // namespace veldor

