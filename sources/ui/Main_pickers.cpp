// The main window's commands that open the pickers. Each shows its picker
// and hides the other two; none acts while an object is being edited or
// waits to be placed. The pack browsers are left as they are. And an image
// pack opened from outside, shown in its browser.
#include "core/scene.h"
#include "core/ui/Main.h"

#include "core/ui/busyscope.h"
#include "platform/error.h"
#include "sources/pack.h"
#include "sources/packinstall.h"
#include "sources/ui/land.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/skyform.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyp.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace veldor {

void TMainForm::Ground1Click()
{
    if (!scene.idle())
        return refuse("Landscape");
    showInFront(*forms.landscape);
    forms.sky->hide();
    forms.Objectx->hide();
}

void TMainForm::Sky2Click()
{
    if (!scene.idle())
        return refuse("Sky");
    forms.Objectx->hide();
    showInFront(*forms.sky);
    forms.landscape->hide();
}

void TMainForm::SpeedButton11Click()
{
    if (!scene.idle())
        return refuse("Object");
    showInFront(*forms.Objectx);
    forms.landscape->hide();
    forms.sky->hide();
}

void TMainForm::Landscape1Click() { Ground1Click(); }
void TMainForm::SpeedButton1Click() { Ground1Click(); }
void TMainForm::Sky1Click() { Sky2Click(); }
void TMainForm::SpeedButton2Click() { Sky2Click(); }

void TMainForm::openPackFile(const std::string& path)
{
    // Copying and flushing 26 files may take a while on a slow disk: the
    // copy calls back between its chunks, so the wait window comes up as for
    // a rendering and the windows keep painting (the user's input waits).
    BusyScope busy(scene, forms, tr("Installing Image Pack..."));
    QElapsedTimer sincePaint;
    sincePaint.start();
    const auto progress = [&] {
        busy.poll();
        if (sincePaint.elapsed() >= 50) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
            sincePaint.restart();
        }
    };
    // The program's own packs folder is the user's: it runs inside the
    // per-user application folder.
    const PackInstall done = installPack(path, packFolder(scene.appDir), progress);
    busy.finish();
    if (done.outcome == PackInstallOutcome::Refused)
        throw Error("The image pack " + quotedInMessage(done.packFile) + " cannot be installed:\n"
                    + refusalText(done));
    // The sky is what a new pack changes most; a pack of objects alone or
    // of grounds alone shows in that browser.
    const std::string packs = packFolder(scene.appDir);
    for (PackBrowser* browser : {(PackBrowser*)forms.SkyPack, (PackBrowser*)forms.LandPack, (PackBrowser*)forms.ObjectPack})
        if (packCarries(packs, done.packFile, browser->kind())) {
            browser->showPack(done.packFile);
            return;
        }
}

} // namespace veldor
