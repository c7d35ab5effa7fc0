#include "program/program.h"

#include "core/session.h"
#include "core/ui/Main.h"
#include "core/ui/about.h"
#include "core/ui/controls.h"
#include "core/ui/accessibility.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/wait.h"
#include "editing/ui/choicewindow.h"
#include "effects/ui/error.h"
#include "files/ui/notvdrf.h"
#include "output/ui/bmpsaver.h"
#include "output/ui/printx.h"
#include "sources/packinstall.h"
#include "sources/ui/land.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyform.h"
#include "sources/ui/skyp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFont>

namespace veldor {

// Declared in creation order; destroyed in reverse, the main window last.
struct VeldorProgram::Windows {
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<Tlandscape> landscape;
    std::unique_ptr<Tsky> sky;
    std::unique_ptr<TWaitBox> WaitBox;
    std::unique_ptr<TObjectx> Objectx;
    std::unique_ptr<Tobconfirm> obconfirm;
    std::unique_ptr<Tobchange> obchange;
    std::unique_ptr<Tmover> mover;
    std::unique_ptr<Tresizer> resizer;
    std::unique_ptr<Tnotvdr> notvdr;
    std::unique_ptr<Tobhind> obhind;
    std::unique_ptr<TPrintForm> PrintForm;
    std::unique_ptr<TSkyPack> SkyPack;
    std::unique_ptr<TLandPack> LandPack;
    std::unique_ptr<TObjectPack> ObjectPack;
    std::unique_ptr<TBMPSave> BMPSave;
    std::unique_ptr<Teffects> effects;
    std::unique_ptr<Tnewbox> newbox;
    std::unique_ptr<Thelpbox> helpbox;
    std::unique_ptr<TAboutBox> AboutBox;
};

namespace {

// Creates a window and publishes it in `slot` of Forms at once, so that a
// later window's constructor may already reach the earlier ones.
template <class Window>
void create(std::unique_ptr<Window>& owner, Window*& slot, Session& session, Forms& forms, UiServices& services)
{
    owner = std::make_unique<Window>(session, forms, services);
    slot = owner.get();
}

// The windows' fixed layouts were made for a small 8-point sans-serif face
// (11 pixels high); a desktop's larger default would cut their texts off.
QFont layoutFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

} // namespace

SceneState& VeldorProgram::scene() { return session_->scene(); }

VeldorProgram::VeldorProgram(UiServices& services)
    : session_(std::make_unique<Session>()), services_(services),
      windows_(std::make_unique<Windows>())
{
    QApplication::setFont(layoutFont());
    installAccessibility();
    // The program ends when the main window closes (Exit, or the window's
    // own close), never because the main window is merely hidden behind the
    // wait window or a dialog when some other window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    Windows& w = *windows_;
    Forms& f = forms_;
    Session& s = *session_;
    create(w.MainForm, f.MainForm, s, f, services);
    create(w.landscape, f.landscape, s, f, services);
    create(w.sky, f.sky, s, f, services);
    create(w.WaitBox, f.WaitBox, s, f, services);
    create(w.Objectx, f.Objectx, s, f, services);
    create(w.obconfirm, f.obconfirm, s, f, services);
    create(w.obchange, f.obchange, s, f, services);
    create(w.mover, f.mover, s, f, services);
    create(w.resizer, f.resizer, s, f, services);
    create(w.notvdr, f.notvdr, s, f, services);
    create(w.obhind, f.obhind, s, f, services);
    create(w.PrintForm, f.PrintForm, s, f, services);
    create(w.SkyPack, f.SkyPack, s, f, services);
    create(w.LandPack, f.LandPack, s, f, services);
    create(w.ObjectPack, f.ObjectPack, s, f, services);
    create(w.BMPSave, f.BMPSave, s, f, services);
    create(w.effects, f.effects, s, f, services);
    create(w.newbox, f.newbox, s, f, services);
    create(w.helpbox, f.helpbox, s, f, services);
    create(w.AboutBox, f.AboutBox, s, f, services);
    // Made at the places a left-to-right reader expects, widened where a
    // language's texts are longer, then turned round for a right-to-left
    // reader.
    const QList<SmallWindow*> smallWindows = f.MainForm->findChildren<SmallWindow*>(Qt::FindDirectChildrenOnly);
    for (SmallWindow* window : smallWindows)
        growToFit(*window);
    if (QGuiApplication::isRightToLeft()) {
        mirrorPlaces(*f.MainForm->centralWidget());
        for (SmallWindow* window : smallWindows)
            mirrorPlaces(*window);
    }
    f.skyWidget = f.sky;
    f.landscapeWidget = f.landscape;
    f.objectsWidget = f.Objectx;
    f.skyPackWidget = f.SkyPack;
    f.landPackWidget = f.LandPack;
    // Started in the application folder: an install a crash cut short is
    // finished before any pack browser lists the folder.
    finishInterruptedPackInstalls(packFolder("."));
}

VeldorProgram::~VeldorProgram()
{
    // Windows go before the scene and Forms they refer to.
    windows_.reset();
}

} // namespace veldor
