#include "core/ui/Main.h"

#include "core/bulk.h"
#include "core/history.h"
#include "core/session.h"
#include "core/renderer.h"
#include "core/ui/about.h"
#include "core/ui/accessibility.h"
#include "core/ui/busyscope.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/pictureview.h"
#include "core/ui/services.h"
#include "core/ui/smallwindow.h"
#include "core/ui/wait.h"
#include "editing/editmachine.h"
#include "platform/error.h"
#include "platform/paths.h"
#include "sources/pack.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSessionManager>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <exception>
#include <optional>
#include <utility>

namespace veldor {

namespace {

// One row of a menu table: an item, or a separator where `caption` is null.
struct MenuItem {
    QAction* TMainForm::*field;
    const char* name;
    const char* caption;
    const char* hint;
    void (TMainForm::*handler)();
};

struct MenuTable {
    QMenu* TMainForm::*field;
    const char* name;
    const char* caption;
    std::initializer_list<MenuItem> items;
};

} // namespace

TMainForm::TMainForm(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : QMainWindow(parent),
      surfaces_(std::make_unique<MainSurfaces>()),
      surfaces(*surfaces_),
      session(session),
      scene(session.scene()),
      forms(forms),
      services(services),
      editMachine_(std::make_unique<EditMachine>(session, surfaces, makeEditView()))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Veldor"));
    setWindowIcon(QIcon(QStringLiteral(":/ui/icon.bmp")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    client = new QWidget(this);
    client->setFixedSize(632, 405);
    setCentralWidget(client);
    // The window is exactly the menu bar plus the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    SpeedBar = new QFrame(client);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setFrameShape(QFrame::Panel);
    SpeedBar->setFrameShadow(QFrame::Raised);
    SpeedBar->setGeometry(0, 0, 632, 57);

    MainImage = new PictureView(surfaces.mainImage, client);
    MainImage->setObjectName(QStringLiteral("MainImage"));
    MainImage->setGeometry(1, 64, kPictureWidth, kPictureHeight);
    MainImage->setAccessibleName(tr("Picture"));
    MainImage->setStatusTip(tr("Tab: choose an object. Arrows and Enter: place, move, re-size. Escape: give up."));
    MainImage->onMouseDown = [this](int x, int y) { MainImageMouseDown(x, y); };
    MainImage->onMouseMove = [this](int x, int y) { MainImageMouseMove(x, y); };
    MainImage->onMouseUp = [this](int x, int y) { MainImageMouseUp(x, y); };
    MainImage->onKey = [this](int key, Qt::KeyboardModifiers modifiers) { return MainImageKeyDown(key, modifiers); };
    MainImage->onTab = [this](bool forward) { return MainImageTab(forward); };
    // Below the client area: the menus' hints, and what the edits say.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);

    session.setOnChange([this] { sessionChanged(); });
    buildToolbar();
    // Tab reaches the picture after the toolbar, whose first button has the
    // keyboard at start.
    setTabOrder(RefreshButton, MainImage);
    buildMainMenu();
    buildPopupMenu();
    assignShortcuts();
    updateUndoItems();
    setAcceptDrops(true);
    // The desktop session ending asks about unsaved work as closing does.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!this->session.modified() || !manager.allowsInteraction())
            return;
        bool mayGo = false;
        try {
            mayGo = maySceneGo();
        } catch (const std::exception&) {
        }
        manager.release();
        if (!mayGo)
            manager.cancel();
    });
}

TMainForm::~TMainForm() = default;

void TMainForm::buildToolbar()
{
    struct Button {
        QToolButton*& field;
        const char* name;
        int left;
        int width;
        const char* glyph;
        const char* tip;
        void (TMainForm::*handler)();
    };
    const Button buttons[] = {
        {SpeedButton1, "SpeedButton1", 8, 41, "ground", QT_TR_NOOP("Landscape"), &TMainForm::SpeedButton1Click},
        {SpeedButton2, "SpeedButton2", 56, 41, "sky", QT_TR_NOOP("Sky"), &TMainForm::SpeedButton2Click},
        {SpeedButton11, "SpeedButton11", 104, 41, "object", QT_TR_NOOP("Object"), &TMainForm::SpeedButton11Click},
        {SpeedButton6, "SpeedButton6", 151, 41, "effects", QT_TR_NOOP("Special Effects"), &TMainForm::SpecialEffects1Click},
        {SpeedButton5, "SpeedButton5", 272, 41, "new", QT_TR_NOOP("New"), &TMainForm::FileNew},
        {SpeedButton8, "SpeedButton8", 320, 41, "print", QT_TR_NOOP("Print"), &TMainForm::Print1Click},
        {SpeedButton3, "SpeedButton3", 368, 41, "save", QT_TR_NOOP("Save"), &TMainForm::FileSaveItemClick},
        {SpeedButton4, "SpeedButton4", 416, 41, "open", QT_TR_NOOP("Open"), &TMainForm::FileOpen},
        {SpeedButton7, "SpeedButton7", 464, 40, "export", QT_TR_NOOP("Export as BMP"), &TMainForm::ExportasBMP2Click},
        {RefreshButton, "RefreshButton", 584, 41, "refresh", QT_TR_NOOP("Refresh"), &TMainForm::RefreshButtonClick},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(SpeedBar);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, 8, b.width, 41);
        button->setIconSize(QSize(32, 32));
        button->setIcon(QIcon(QStringLiteral(":/ui/glyph_%1.bmp").arg(QLatin1String(b.glyph))));
        button->setToolTip(tr(b.tip));
        button->setAccessibleName(button->toolTip());
        connect(button, &QToolButton::clicked, this, b.handler);
        b.field = button;
    }
}

namespace {

QMenu* buildMenu(TMainForm& form, QWidget* owner, const MenuTable& table)
{
    auto* menu = new QMenu(TMainForm::tr(table.caption), owner);
    menu->setObjectName(QString::fromLatin1(table.name));
    form.*table.field = menu;
    for (const MenuItem& item : table.items) {
        if (!item.caption) {
            menu->addSeparator()->setObjectName(QString::fromLatin1(item.name));
            continue;
        }
        QAction* action = menu->addAction(TMainForm::tr(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.hint)
            action->setStatusTip(TMainForm::tr(item.hint));
        // A screen reader may trigger an item while work on the picture lets
        // events through: the command then waits for the work to end.
        QObject::connect(action, &QAction::triggered, &form, [&form, handler = item.handler] {
            if (BusyScope::working())
                BusyScope::later(&form, [&form, handler] { (form.*handler)(); });
            else
                (form.*handler)();
        });
        form.*item.field = action;
    }
    return menu;
}

} // namespace

void TMainForm::buildMainMenu()
{
    using T = TMainForm;
    const MenuTable menus[] = {
        {&T::FileMenu, "FileMenu", QT_TR_NOOP("&File"), {
            {&T::FileNewItem, "FileNewItem", QT_TR_NOOP("&New"), QT_TR_NOOP("Create a new file"), &T::FileNew},
            {&T::FileOpenItem, "FileOpenItem", QT_TR_NOOP("&Open..."), QT_TR_NOOP("Open an existing file"),
             &T::FileOpen},
            {&T::FileSaveItem, "FileSaveItem", QT_TR_NOOP("&Save"), QT_TR_NOOP("Save current file"),
             &T::FileSaveItemClick},
            {&T::FileSaveAsItem, "FileSaveAsItem", QT_TR_NOOP("Save &As..."),
             QT_TR_NOOP("Save current file under a new name"), &T::FileSaveAsItemClick},
            {&T::Print1, "Print1", QT_TR_NOOP("&Print..."), nullptr, &T::Print1Click},
            {&T::PrintSetup1, "PrintSetup1", QT_TR_NOOP("P&rint Setup"), nullptr, &T::PrintSetup1Click},
            {&T::ExportasBMP2, "ExportasBMP2", QT_TR_NOOP("Export &BMP..."), nullptr, &T::ExportasBMP2Click},
            {nullptr, "N1", nullptr, nullptr, nullptr},
            {&T::FileExitItem, "FileExitItem", QT_TR_NOOP("E&xit"), QT_TR_NOOP("Exit this application"),
             &T::FileExit},
        }},
        {&T::EditMenu, "EditMenu", QT_TR_NOOP("&Edit"), {
            {&T::UndoItem, "UndoItem", QT_TR_NOOP("&Undo"), QT_TR_NOOP("Undo the last change"), &T::UndoClick},
            {&T::RedoItem, "RedoItem", QT_TR_NOOP("&Redo"), QT_TR_NOOP("Redo the change last undone"),
             &T::RedoClick},
            {nullptr, "N4", nullptr, nullptr, nullptr},
            {&T::EditCopyItem, "EditCopyItem", QT_TR_NOOP("&Copy"), QT_TR_NOOP("Copy selected item to clipboard"),
             &T::EditCopy},
        }},
        {&T::Tools1, "Tools1", QT_TR_NOOP("Too&ls"), {
            {&T::DeleteAll1, "DeleteAll1", QT_TR_NOOP("&Delete All"), nullptr, &T::DeleteAll1Click},
            {&T::UnDeleteAll1, "UnDeleteAll1", QT_TR_NOOP("&Un-Delete All"), nullptr, &T::UnDeleteAll1Click},
            {&T::BringAllToFront1, "BringAllToFront1", QT_TR_NOOP("Bring All To &Front"), nullptr,
             &T::BringAllToFront1Click},
            {&T::SendAllBehindLand1, "SendAllBehindLand1", QT_TR_NOOP("Send All &Behind Land"), nullptr,
             &T::SendAllBehindLand1Click},
        }},
        {&T::Veldor1, "Veldor1", QT_TR_NOOP("&Veldor"), {
            {&T::Landscape1, "Landscape1", QT_TR_NOOP("&Landscape"), nullptr, &T::Landscape1Click},
            {&T::Sky1, "Sky1", QT_TR_NOOP("&Sky"), nullptr, &T::Sky1Click},
            {&T::Objects1, "Objects1", QT_TR_NOOP("&Objects"),
             QT_TR_NOOP("Pick an object, then drag its rectangle on the picture, or use the arrow keys and Enter"),
             &T::SpeedButton11Click},
            {&T::SpecialEffects1, "SpecialEffects1", QT_TR_NOOP("Special &Effects"), nullptr,
             &T::SpecialEffects1Click},
        }},
        {&T::HelpMenu, "HelpMenu", QT_TR_NOOP("&Help"), {
            {&T::HelpContentsItem, "HelpContentsItem", QT_TR_NOOP("&Help"),
             QT_TR_NOOP("Display the help contents screen"), &T::Contents1Click},
            {nullptr, "N2", nullptr, nullptr, nullptr},
            {&T::HelpAboutItem, "HelpAboutItem", QT_TR_NOOP("&About..."), QT_TR_NOOP("Show program information"),
             &T::HelpAbout},
        }},
    };
    for (const MenuTable& table : menus)
        menuBar()->addMenu(buildMenu(*this, this, table));
}

void TMainForm::buildPopupMenu()
{
    using T = TMainForm;
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const MenuTable menus[] = {
        {&T::File1, "File1", QT_TR_NOOP("&File"), {
            {&T::New1, "New1", QT_TR_NOOP("&New"), nullptr, &T::FileNew},
            {&T::Open1, "Open1", QT_TR_NOOP("&Open..."), nullptr, &T::FileOpen},
            {&T::Save1, "Save1", QT_TR_NOOP("&Save"), nullptr, &T::FileSaveItemClick},
            {&T::SaveAs1, "SaveAs1", QT_TR_NOOP("Save &As..."), nullptr, &T::FileSaveAsItemClick},
            {&T::Print2, "Print2", QT_TR_NOOP("&Print..."), nullptr, &T::Print1Click},
            {&T::PrintSetup2, "PrintSetup2", QT_TR_NOOP("P&rint Setup..."), nullptr, &T::PrintSetup1Click},
            {&T::ExportasBMP1, "ExportasBMP1", QT_TR_NOOP("Export &BMP..."), nullptr, &T::ExportasBMP2Click},
            {nullptr, "N9", nullptr, nullptr, nullptr},
            {&T::Exit1, "Exit1", QT_TR_NOOP("E&xit"), nullptr, &T::Exit1Click},
        }},
        {&T::Edit1, "Edit1", QT_TR_NOOP("&Edit"), {
            {&T::Undo1, "Undo1", QT_TR_NOOP("&Undo"), nullptr, &T::UndoClick},
            {&T::Redo1, "Redo1", QT_TR_NOOP("&Redo"), nullptr, &T::RedoClick},
            {nullptr, "N5", nullptr, nullptr, nullptr},
            {&T::Copy1, "Copy1", QT_TR_NOOP("&Copy"), nullptr, &T::EditCopy},
        }},
        {&T::Tools2, "Tools2", QT_TR_NOOP("Too&ls"), {
            {&T::DeleteAll2, "DeleteAll2", QT_TR_NOOP("&Delete All"), nullptr, &T::DeleteAll1Click},
            {&T::UnDeleteAll2, "UnDeleteAll2", QT_TR_NOOP("&Un-Delete All"), nullptr, &T::UnDeleteAll1Click},
            {&T::BringAllToFront2, "BringAllToFront2", QT_TR_NOOP("Bring All To &Front"), nullptr,
             &T::BringAllToFront1Click},
            {&T::SendAllBehindLand2, "SendAllBehindLand2", QT_TR_NOOP("Send All &Behind Land"), nullptr,
             &T::SendAllBehindLand1Click},
        }},
        {&T::Veldor2, "Veldor2", QT_TR_NOOP("&Veldor"), {
            {&T::Ground1, "Ground1", QT_TR_NOOP("&Ground"), nullptr, &T::Ground1Click},
            {&T::Sky2, "Sky2", QT_TR_NOOP("&Sky"), nullptr, &T::Sky2Click},
            {&T::Objects2, "Objects2", QT_TR_NOOP("&Objects"), nullptr, &T::SpeedButton11Click},
            {&T::SpecialEffects2, "SpecialEffects2", QT_TR_NOOP("Special &Effects"), nullptr,
             &T::SpecialEffects1Click},
        }},
        {&T::Help1, "Help1", QT_TR_NOOP("&Help"), {
            {&T::Contents1, "Contents1", QT_TR_NOOP("&Help"), nullptr, &T::Contents1Click},
            {nullptr, "N3", nullptr, nullptr, nullptr},
            {&T::About1, "About1", QT_TR_NOOP("&About..."), nullptr, &T::HelpAbout},
        }},
    };
    for (const MenuTable& table : menus)
        PopupMenu1->addMenu(buildMenu(*this, PopupMenu1, table));

    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // The popup is not open most of the time; the shortcut works anyway.
    Copy1->setShortcutContext(Qt::WindowShortcut);
    addAction(Copy1);
}

void TMainForm::assignShortcuts()
{
    // Each pair is one command in the main menu and in the popup; the popup
    // shows the keys too, but only the main menu's items take them (the
    // popup's items are live only while it is open).
    using T = TMainForm;
    struct Keys {
        QAction* T::*main;
        QAction* T::*popup;
        const char* keys;
    };
    const Keys table[] = {
        {&T::FileNewItem, &T::New1, "Ctrl+N"},       {&T::FileOpenItem, &T::Open1, "Ctrl+O"},
        {&T::FileSaveItem, &T::Save1, "Ctrl+S"},     {&T::FileSaveAsItem, &T::SaveAs1, "Ctrl+Shift+S"},
        {&T::Print1, &T::Print2, "Ctrl+P"},          {&T::FileExitItem, &T::Exit1, "Ctrl+Q"},
        {&T::UndoItem, &T::Undo1, "Ctrl+Z"},         {&T::RedoItem, &T::Redo1, "Ctrl+Shift+Z; Ctrl+Y"},
        {&T::HelpContentsItem, &T::Contents1, "F1"},
    };
    for (const Keys& k : table) {
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(k.keys));
        (this->*k.main)->setShortcuts(keys);
        (this->*k.popup)->setShortcuts(keys);
    }
    RefreshButton->setShortcut(QKeySequence(Qt::Key_F5));
}

// Escape ends the edit in progress wherever the keyboard is in this window
// (not a shortcut: that would take Escape from the small windows too).
void TMainForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && MainImageKeyDown(Qt::Key_Escape, event->modifiers()))
        return;
    QMainWindow::keyPressEvent(event);
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

namespace {

// What a drag carries that the window takes: one scene file (*.vdr), or
// any number of image packs (*.vpk), all local files; empty otherwise.
std::vector<std::string> draggedFiles(const QMimeData* mime)
{
    if (!mime->hasUrls() || mime->urls().isEmpty())
        return {};
    std::vector<std::string> files;
    bool scene = false;
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        scene = scene || path.endsWith(QLatin1String(".vdr"), Qt::CaseInsensitive);
        if (path.isEmpty()
            || (!path.endsWith(QLatin1String(".vdr"), Qt::CaseInsensitive)
                && !path.endsWith(QLatin1String(".vpk"), Qt::CaseInsensitive)))
            return {};
        files.push_back(localPath(path));
    }
    // Two scenes cannot both be opened, and a scene among packs is a slip.
    if (scene && files.size() > 1)
        return {};
    return files;
}

} // namespace

bool TMainForm::isPackFile(const std::string& path)
{
    return path.size() >= 4
           && QString::fromStdString(path.substr(path.size() - 4)).compare(QLatin1String(".vpk"), Qt::CaseInsensitive)
                  == 0;
}

void TMainForm::openFile(const std::string& path)
{
    if (isPackFile(path))
        openPackFile(path);
    else
        openSceneFile(path);
}

// A scene dropped on the window opens as Open opens it, and a pack is
// installed, unless an edit is in progress (Open by menu has no such guard,
// but a stray drop mid-edit is easy to make and hard to notice).
// Pictures of the user's own are the object picker's to take (as objects):
// the drag goes on to what takes them there. Handed over directly: sent as
// an event it would come back here, where an ignored drop goes on to.
namespace {

void passToObjectPicker(const Forms& forms, QEvent* event)
{
    if (!forms.objectsWidget)
        return;
    if (QObject* drops = forms.objectsWidget->findChild<QObject*>(QStringLiteral("pictureDrops"),
                                                                   Qt::FindDirectChildrenOnly))
        drops->event(event);
}

} // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (scene.editMode == EditMode::Idle && !draggedFiles(event->mimeData()).empty())
        event->acceptProposedAction();
    else
        passToObjectPicker(forms, event);
}

void TMainForm::dropEvent(QDropEvent* event)
{
    std::vector<std::string> files = draggedFiles(event->mimeData());
    if (files.empty()) {
        passToObjectPicker(forms, event);
        return;
    }
    if (scene.editMode != EditMode::Idle || files.empty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has ended: a question or an error box shown
    // from inside the drop would hold the file manager's drag until closed.
    BusyScope::later(this, [this, files = std::move(files)] {
        if (scene.editMode != EditMode::Idle)
            return;
        // A pack leaves the scene as it is.
        if (!isPackFile(files.front())) {
            if (maySceneGo())
                openSceneFile(files.front());
            return;
        }
        // Each pack goes in on its own; one refused does not stop the others,
        // and every refusal is told at the end, in one box.
        std::string refusals;
        for (const std::string& pack : files) {
            try {
                openPackFile(pack);
            } catch (const Error& error) {
                refusals += (refusals.empty() ? "" : "\n\n") + std::string(error.what());
            }
        }
        if (!refusals.empty())
            throw Error(refusals);
    });
}

void TMainForm::showEvent(QShowEvent* event)
{
    if (!centred_ && !event->spontaneous()) {
        centred_ = true;
        centreOnScreen(*this);
    }
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
    // Where the platform never activates the window (no window manager),
    // start-up still runs, once, right after the first show.
    if (!started_)
        QTimer::singleShot(0, this, [this] {
            if (!started_)
                FormActivate();
        });
}

void TMainForm::paintEvent(QPaintEvent* event)
{
    FormPaint();
    QMainWindow::paintEvent(event);
}

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The window manager's close button during work on the picture counts
    // as a click given meanwhile: carried out once the work is done.
    if (BusyScope::working()) {
        event->ignore();
        BusyScope::later(this, [this] { close(); });
        return;
    }
    // A failed start-up closes the window with nothing to lose.
    if (filesFound_) {
        bool mayGo = false;
        try {
            mayGo = maySceneGo();
        } catch (...) {
            event->ignore();
            throw;
        }
        if (!mayGo) {
            event->ignore();
            return;
        }
    }
    // Closing the main window ends the program, whatever else is open.
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

void TMainForm::FormShow()
{
    // Windows put back while an error is on its way to the user must not
    // report the same vanished folder a second time.
    if (!scene.appDir.empty() && std::uncaught_exceptions() == 0)
        setCurrentDirectory(scene.appDir);
}

void TMainForm::FormPaint()
{
    // A folder that vanished is reported by the next rendering or file
    // command; reporting it from every paint would stack message boxes,
    // each of which causes another paint.
    if (scene.appDir.empty())
        return;
    try {
        setCurrentDirectory(scene.appDir);
    } catch (const Error&) {
    }
}

void TMainForm::FormActivate()
{
    // A failed check closes the window and ends the program, so the check
    // runs on the first activation only; activations that arrive while the
    // program winds down must not beep again.
    if (started_)
        return;
    scene.appDir = currentDirectory();
    started_ = true;
    scene.objects.recreate(1);
    scene.objectCount = 0;
    for (const char* name : kStartupFiles)
        if (!fileExists(name))
            missingFiles_.push_back(name);
    if (!missingFiles_.empty()) {
        services.beep();
        close();
        return;
    }
    filesFound_ = true;
    scene.tintRed = 0;
    scene.tintGreen = 0;
    scene.tintBlue = 10;
    surfaces.mainImage.load(kDefaultSky);
    MainImage->update();
    // Later, from the event loop: both may render, which hides and shows
    // this window while it is still being activated. Work left unsaved comes
    // first, so that a file named at start asks before it replaces it.
    QTimer::singleShot(0, this, [this, path = std::exchange(startupScene_, {})] {
        offerRecovery();
        if (!path.empty())
            openFile(path);
    });
}

void TMainForm::FileExit() { close(); }

void TMainForm::Exit1Click() { close(); }

void TMainForm::RefreshButtonClick()
{
    if (!scene.idle())
        return refuse("Refresh");
    scene.reopenPicker = PickerToShow::None;
    Refresh();
}

void TMainForm::Refresh()
{
    emit renderingStarted();
    BusyScope busy(scene, forms);
    busy.hideWindows(BusyScope::Picker::ShowAgain);
    // Drawn on copies aside; what was drawn comes back also when a picture
    // stops it, since the layers drawn so far stay in the picture.
    scene.fillDefaultNames();
    SceneState drawing = scene;
    MainSurfaces drawn = surfaces;
    try {
        busy.runAside([&](const std::function<void()>& progress) {
            renderScene(drawing, drawn, UnreadablePictures::Fail, progress);
        });
    } catch (...) {
        surfaces = std::move(drawn);
        throw;
    }
    surfaces = std::move(drawn);
    noteRendered();
    busy.finish();
}


void TMainForm::FileNew()
{
    if (scene.editMode != EditMode::Idle)
        return refuse("New");
    if (!maySceneGo())
        return;
    showInFront(*forms.newbox);
}

void TMainForm::noteRendered()
{
    session.pictureRendered();
    effectSteps_.clear();
    undoneEffectSteps_.clear();
    // The object chosen with Tab may have moved or gone; Tab shows it again.
    MainImage->setMark({});
    // The renderer has filled in the default names the description reads.
    describePicture();
}

void TMainForm::describePicture()
{
    QStringList effects;
    for (const QStringList& step : effectSteps_)
        effects += step;
    MainImage->setAccessibleDescription(
        describeScene(scene, scene.appDir.empty() ? std::string() : packFolder(scene.appDir), effects));
}

void TMainForm::sessionChanged()
{
    describePicture();
    updateUndoItems();
    noteUnsavedWork();
}

// The names the scene's layers give their steps, for the Undo and Redo
// items; the layers below the windows know no translations.
[[maybe_unused]] constexpr const char* kStepNames[] = {
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Keep It"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Bring It To Front"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Move"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Re-Size"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Sky"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Landscape"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Delete It"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Send Behind Land"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Send To Front Of Landscape"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Delete Object"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Effects"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Delete All"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Un-Delete All"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Bring All To Front"),
    QT_TRANSLATE_NOOP("veldor::TMainForm", "Send All Behind Land"),
};

void TMainForm::updateUndoItems()
{
    // "&Undo Keep It": the step's own name, from the commands' captions.
    const History& h = session.history();
    for (QAction* undo : {UndoItem, Undo1}) {
        undo->setEnabled(h.canUndo());
        undo->setText(h.canUndo() ? tr("&Undo %1").arg(tr(h.undoLabel())) : tr("&Undo"));
    }
    for (QAction* redo : {RedoItem, Redo1}) {
        redo->setEnabled(h.canRedo());
        redo->setText(h.canRedo() ? tr("&Redo %1").arg(tr(h.redoLabel())) : tr("&Redo"));
    }
}

void TMainForm::UndoClick() { stepHistory(false); }

void TMainForm::RedoClick() { stepHistory(true); }

void TMainForm::stepHistory(bool forward)
{
    if (!(forward ? session.canRedo() : session.canUndo()))
        return;
    if (!scene.idle())
        return refuse(forward ? "Redo" : "Undo");
    const bool picture = forward ? session.redo(surfaces.mainImage) : session.undo(surfaces.mainImage);
    if (picture) {
        auto& from = forward ? undoneEffectSteps_ : effectSteps_;
        auto& to = forward ? effectSteps_ : undoneEffectSteps_;
        if (!from.empty()) {
            to.push_back(std::move(from.back()));
            from.pop_back();
        }
        describePicture();
        MainImage->update();
        return;
    }
    RefreshButtonClick();
}

void TMainForm::recordEffects(Surface before, const QStringList& names)
{
    effectSteps_.push_back(names);
    undoneEffectSteps_.clear();
    session.recordEffects(std::move(before));
}

void TMainForm::newScene()
{
    session.newScene();
    openedFile_.clear();
    Refresh();
}

void TMainForm::sceneSaved()
{
    session.markSaved();
    removeRecoveryCopy();
}

bool TMainForm::maySceneGo()
{
    if (!session.modified())
        return true;
    switch (services.askToSave()) {
    case SaveAnswer::Discard: removeRecoveryCopy(); return true;
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::Save: break;
    }
    FileSaveItemClick();
    return !session.modified();
}

void TMainForm::HelpAbout() { showInFront(*forms.AboutBox); }

void TMainForm::Contents1Click() { showInFront(*forms.helpbox); }

// The bulk commands act in every state, also during an edit, and render
// even when no row changed.
void TMainForm::DeleteAll1Click()
{
    session.applyToAll(deleteAll, "Delete All");
    Refresh();
}

void TMainForm::UnDeleteAll1Click()
{
    session.applyToAll(unDeleteAll, "Un-Delete All");
    Refresh();
}

void TMainForm::BringAllToFront1Click()
{
    session.applyToAll(bringAllToFront, "Bring All To Front");
    Refresh();
}

void TMainForm::SendAllBehindLand1Click()
{
    session.applyToAll(sendAllBehindLand, "Send All Behind Land");
    Refresh();
}

} // namespace veldor
