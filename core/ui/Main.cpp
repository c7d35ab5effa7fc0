#include "core/ui/Main.h"

#include "core/bulk.h"
#include "core/ui/newform.h"
#include "core/ui/about.h"
#include "core/ui/help.h"
#include "core/ui/pictureview.h"
#include "core/ui/services.h"
#include "core/ui/smallwindow.h"
#include "core/ui/wait.h"
#include "sources/ui/land.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/skyform.h"
#include "sources/ui/skyp.h"
#include "platform/error.h"
#include "platform/paths.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <exception>
#include <optional>
#include <utility>

namespace veldor {

namespace {

QAction* addItem(QMenu* menu, const char* objectName, const QString& caption,
                 const QString& hint = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!hint.isEmpty())
        action->setStatusTip(hint);
    return action;
}

QMenu* addMenu(QWidget* owner, const char* objectName, const QString& caption)
{
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

} // namespace

TMainForm::TMainForm(SceneState& scene, Forms& forms, UiServices& services, QWidget* parent)
    : QMainWindow(parent), scene(scene), forms(forms), services(services)
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
    MainImage->onMouseDown = [this](int x, int y) { MainImageMouseDown(x, y); };
    MainImage->onMouseMove = [this](int x, int y) { MainImageMouseMove(x, y); };
    MainImage->onMouseUp = [this](int x, int y) { MainImageMouseUp(x, y); };

    buildToolbar();
    buildMainMenu();
    buildPopupMenu();
    setAcceptDrops(true);
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
        {SpeedButton1, "SpeedButton1", 8, 41, "ground", "Landscape", &TMainForm::SpeedButton1Click},
        {SpeedButton2, "SpeedButton2", 56, 41, "sky", "Sky", &TMainForm::SpeedButton2Click},
        {SpeedButton11, "SpeedButton11", 104, 41, "object", "Object", &TMainForm::SpeedButton11Click},
        {SpeedButton6, "SpeedButton6", 151, 41, "effects", "Special Effects", &TMainForm::SpecialEffects1Click},
        {SpeedButton5, "SpeedButton5", 272, 41, "new", "New", &TMainForm::FileNew},
        {SpeedButton8, "SpeedButton8", 320, 41, "print", "Print", &TMainForm::Print1Click},
        {SpeedButton3, "SpeedButton3", 368, 41, "save", "Save", &TMainForm::FileSaveItemClick},
        {SpeedButton4, "SpeedButton4", 416, 41, "open", "Open", &TMainForm::FileOpen},
        {SpeedButton7, "SpeedButton7", 464, 40, "export", "Export as BMP", &TMainForm::ExportasBMP2Click},
        {RefreshButton, "RefreshButton", 584, 41, "refresh", "Refresh", &TMainForm::RefreshButtonClick},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(SpeedBar);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, 8, b.width, 41);
        button->setIconSize(QSize(32, 32));
        button->setIcon(QIcon(QStringLiteral(":/ui/glyph_%1.bmp").arg(QLatin1String(b.glyph))));
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setAccessibleName(button->toolTip());
        connect(button, &QToolButton::clicked, this, b.handler);
        b.field = button;
    }
}

void TMainForm::buildMainMenu()
{
    FileMenu = addMenu(this, "FileMenu", tr("&File"));
    FileNewItem = addItem(FileMenu, "FileNewItem", tr("&New"), tr("Create a new file"));
    FileOpenItem = addItem(FileMenu, "FileOpenItem", tr("&Open..."), tr("Open an existing file"));
    FileSaveItem = addItem(FileMenu, "FileSaveItem", tr("&Save"), tr("Save current file"));
    FileSaveAsItem = addItem(FileMenu, "FileSaveAsItem", tr("Save &As..."),
                             tr("Save current file under a new name"));
    Print1 = addItem(FileMenu, "Print1", tr("&Print..."));
    PrintSetup1 = addItem(FileMenu, "PrintSetup1", tr("P&rint Setup"));
    ExportasBMP2 = addItem(FileMenu, "ExportasBMP2", tr("Export &BMP..."));
    FileMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    FileExitItem = addItem(FileMenu, "FileExitItem", tr("E&xit"), tr("Exit this application"));

    EditMenu = addMenu(this, "EditMenu", tr("&Edit"));
    EditCopyItem = addItem(EditMenu, "EditCopyItem", tr("&Copy"), tr("Copy selected item to clipboard"));

    Tools1 = addMenu(this, "Tools1", tr("Too&ls"));
    DeleteAll1 = addItem(Tools1, "DeleteAll1", tr("&Delete All"));
    UnDeleteAll1 = addItem(Tools1, "UnDeleteAll1", tr("&Un-Delete All"));
    BringAllToFront1 = addItem(Tools1, "BringAllToFront1", tr("Bring All To &Front"));
    SendAllBehindLand1 = addItem(Tools1, "SendAllBehindLand1", tr("Send All &Behind Land"));

    Veldor1 = addMenu(this, "Veldor1", tr("&Veldor"));
    Landscape1 = addItem(Veldor1, "Landscape1", tr("&Landscape"));
    Sky1 = addItem(Veldor1, "Sky1", tr("&Sky"));
    Objects1 = addItem(Veldor1, "Objects1", tr("&Objects"));
    SpecialEffects1 = addItem(Veldor1, "SpecialEffects1", tr("Special &Effects"));

    HelpMenu = addMenu(this, "HelpMenu", tr("&Help"));
    HelpContentsItem = addItem(HelpMenu, "HelpContentsItem", tr("&Help"),
                               tr("Display the help contents screen"));
    HelpMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    HelpAboutItem = addItem(HelpMenu, "HelpAboutItem", tr("&About..."), tr("Show program information"));

    for (QMenu* menu : {FileMenu, EditMenu, Tools1, Veldor1, HelpMenu})
        menuBar()->addMenu(menu);

    connect(FileNewItem, &QAction::triggered, this, &TMainForm::FileNew);
    connect(FileOpenItem, &QAction::triggered, this, &TMainForm::FileOpen);
    connect(FileSaveItem, &QAction::triggered, this, &TMainForm::FileSaveItemClick);
    connect(FileSaveAsItem, &QAction::triggered, this, &TMainForm::FileSaveAsItemClick);
    connect(Print1, &QAction::triggered, this, &TMainForm::Print1Click);
    connect(PrintSetup1, &QAction::triggered, this, &TMainForm::PrintSetup1Click);
    connect(ExportasBMP2, &QAction::triggered, this, &TMainForm::ExportasBMP2Click);
    connect(FileExitItem, &QAction::triggered, this, &TMainForm::FileExit);
    connect(EditCopyItem, &QAction::triggered, this, &TMainForm::EditCopy);
    connect(DeleteAll1, &QAction::triggered, this, &TMainForm::DeleteAll1Click);
    connect(UnDeleteAll1, &QAction::triggered, this, &TMainForm::UnDeleteAll1Click);
    connect(BringAllToFront1, &QAction::triggered, this, &TMainForm::BringAllToFront1Click);
    connect(SendAllBehindLand1, &QAction::triggered, this, &TMainForm::SendAllBehindLand1Click);
    connect(Landscape1, &QAction::triggered, this, &TMainForm::Landscape1Click);
    connect(Sky1, &QAction::triggered, this, &TMainForm::Sky1Click);
    connect(Objects1, &QAction::triggered, this, &TMainForm::SpeedButton11Click);
    connect(SpecialEffects1, &QAction::triggered, this, &TMainForm::SpecialEffects1Click);
    connect(HelpContentsItem, &QAction::triggered, this, &TMainForm::Contents1Click);
    connect(HelpAboutItem, &QAction::triggered, this, &TMainForm::HelpAbout);
}

void TMainForm::buildPopupMenu()
{
    PopupMenu1 = addMenu(this, "PopupMenu1", QString());

    File1 = addMenu(PopupMenu1, "File1", tr("&File"));
    New1 = addItem(File1, "New1", tr("&New"));
    Open1 = addItem(File1, "Open1", tr("&Open..."));
    Save1 = addItem(File1, "Save1", tr("&Save"));
    SaveAs1 = addItem(File1, "SaveAs1", tr("Save &As..."));
    Print2 = addItem(File1, "Print2", tr("&Print..."));
    PrintSetup2 = addItem(File1, "PrintSetup2", tr("P&rint Setup..."));
    ExportasBMP1 = addItem(File1, "ExportasBMP1", tr("Export &BMP..."));
    File1->addSeparator()->setObjectName(QStringLiteral("N9"));
    Exit1 = addItem(File1, "Exit1", tr("E&xit"));

    Edit1 = addMenu(PopupMenu1, "Edit1", tr("&Edit"));
    Copy1 = addItem(Edit1, "Copy1", tr("&Copy"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // The popup is not open most of the time; the shortcut works anyway.
    Copy1->setShortcutContext(Qt::WindowShortcut);
    addAction(Copy1);

    Tools2 = addMenu(PopupMenu1, "Tools2", tr("Too&ls"));
    DeleteAll2 = addItem(Tools2, "DeleteAll2", tr("&Delete All"));
    UnDeleteAll2 = addItem(Tools2, "UnDeleteAll2", tr("&Un-Delete All"));
    BringAllToFront2 = addItem(Tools2, "BringAllToFront2", tr("Bring All To &Front"));
    SendAllBehindLand2 = addItem(Tools2, "SendAllBehindLand2", tr("Send All &Behind Land"));

    Veldor2 = addMenu(PopupMenu1, "Veldor2", tr("&Veldor"));
    Ground1 = addItem(Veldor2, "Ground1", tr("&Ground"));
    Sky2 = addItem(Veldor2, "Sky2", tr("&Sky"));
    Objects2 = addItem(Veldor2, "Objects2", tr("&Objects"));
    SpecialEffects2 = addItem(Veldor2, "SpecialEffects2", tr("Special &Effects"));

    Help1 = addMenu(PopupMenu1, "Help1", tr("&Help"));
    Contents1 = addItem(Help1, "Contents1", tr("&Help"));
    Help1->addSeparator()->setObjectName(QStringLiteral("N3"));
    About1 = addItem(Help1, "About1", tr("&About..."));

    for (QMenu* menu : {File1, Edit1, Tools2, Veldor2, Help1})
        PopupMenu1->addMenu(menu);

    connect(New1, &QAction::triggered, this, &TMainForm::FileNew);
    connect(Open1, &QAction::triggered, this, &TMainForm::FileOpen);
    connect(Save1, &QAction::triggered, this, &TMainForm::FileSaveItemClick);
    connect(SaveAs1, &QAction::triggered, this, &TMainForm::FileSaveAsItemClick);
    connect(Print2, &QAction::triggered, this, &TMainForm::Print1Click);
    connect(PrintSetup2, &QAction::triggered, this, &TMainForm::PrintSetup1Click);
    connect(ExportasBMP1, &QAction::triggered, this, &TMainForm::ExportasBMP2Click);
    connect(Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(Copy1, &QAction::triggered, this, &TMainForm::EditCopy);
    connect(DeleteAll2, &QAction::triggered, this, &TMainForm::DeleteAll1Click);
    connect(UnDeleteAll2, &QAction::triggered, this, &TMainForm::UnDeleteAll1Click);
    connect(BringAllToFront2, &QAction::triggered, this, &TMainForm::BringAllToFront1Click);
    connect(SendAllBehindLand2, &QAction::triggered, this, &TMainForm::SendAllBehindLand1Click);
    connect(Ground1, &QAction::triggered, this, &TMainForm::Ground1Click);
    connect(Sky2, &QAction::triggered, this, &TMainForm::Sky2Click);
    connect(Objects2, &QAction::triggered, this, &TMainForm::SpeedButton11Click);
    connect(SpecialEffects2, &QAction::triggered, this, &TMainForm::SpecialEffects1Click);
    connect(Contents1, &QAction::triggered, this, &TMainForm::Contents1Click);
    connect(About1, &QAction::triggered, this, &TMainForm::HelpAbout);
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

namespace {

// The scene file a drag carries: exactly one local file named *.vdr.
std::optional<std::string> draggedScene(const QMimeData* mime)
{
    if (!mime->hasUrls() || mime->urls().size() != 1)
        return std::nullopt;
    const QString path = mime->urls().constFirst().toLocalFile();
    if (!path.endsWith(QLatin1String(".vdr"), Qt::CaseInsensitive))
        return std::nullopt;
    return localPath(path);
}

} // namespace

// A scene dropped on the window opens as Open opens it, unless an edit is
// in progress (Open by menu has no such guard, but a stray drop mid-edit is
// easy to make and hard to notice).
void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (scene.editMode == Idle && draggedScene(event->mimeData()))
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const std::optional<std::string> path = draggedScene(event->mimeData());
    if (scene.editMode != Idle || !path)
        return;
    event->acceptProposedAction();
    openSceneFile(*path);
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
    // Later, from the event loop: opening renders, which hides and shows
    // this window while it is still being activated.
    if (!startupScene_.empty())
        QTimer::singleShot(0, this, [this, path = std::exchange(startupScene_, {})] { openSceneFile(path); });
}

void TMainForm::FileExit() { close(); }

void TMainForm::Exit1Click() { close(); }

namespace {

// The wait window down and the main window back, the end of every rendering.
void endRendering(TMainForm& main, QWidget& waitBox)
{
    waitBox.hide();
    main.show();
    main.MainImage->update();
}

// Puts the windows back when a command that hides the main window stops on
// an error, whichever step raised it: a hidden main window would leave the
// user nothing to save the scene from. The normal path shows the windows
// itself, in its own order.
class WindowsBackOnError {
public:
    WindowsBackOnError(TMainForm& main, QWidget& waitBox) : main_(main), waitBox_(waitBox) {}
    WindowsBackOnError(const WindowsBackOnError&) = delete;
    WindowsBackOnError& operator=(const WindowsBackOnError&) = delete;
    ~WindowsBackOnError()
    {
        if (std::uncaught_exceptions() <= unwinding_)
            return;
        try {
            endRendering(main_, waitBox_);
        } catch (...) {
            // The error already on its way is the one to report.
        }
    }

private:
    TMainForm& main_;
    QWidget& waitBox_;
    const int unwinding_ = std::uncaught_exceptions();
};

} // namespace

void TMainForm::RefreshButtonClick()
{
    if (!scene.idle())
        return;
    scene.reopenPicker = 0;
    hide();
    forms.WaitBox->show();
    Refresh();
}

void TMainForm::Refresh()
{
    const WindowsBackOnError windowsBack(*this, *forms.WaitBox);
    setCurrentDirectory(scene.appDir);
    forms.WaitBox->show();
    hide();
    forms.sky->hide();
    forms.landscape->hide();
    forms.Objectx->hide();
    // Let the wait window appear before the event loop is blocked.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Taken before rendering, so that a rendering that fails shows no picker
    // now and leaves none pending for the next one.
    const int picker = scene.reopenPicker;
    scene.reopenPicker = 0;
    renderScene(scene, surfaces);
    endRendering(*this, *forms.WaitBox);
    switch (picker) {
    case 1: forms.sky->show(); forms.sky->raise(); break;
    case 2: forms.landscape->show(); forms.landscape->raise(); break;
    case 3: forms.SkyPack->show(); forms.SkyPack->raise(); break;
    case 4: forms.LandPack->show(); forms.LandPack->raise(); break;
    default: break;
    }
}

namespace {

// Shows a window, or brings it to the front when it is already up.
void showInFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void TMainForm::FileNew()
{
    if (scene.editMode != Idle)
        return;
    showInFront(*forms.newbox);
}

void TMainForm::HelpAbout() { showInFront(*forms.AboutBox); }

void TMainForm::Contents1Click() { showInFront(*forms.helpbox); }

// The bulk commands act in every state, also during an edit, and render
// even when no row changed.
void TMainForm::DeleteAll1Click()
{
    deleteAll(scene);
    Refresh();
}

void TMainForm::UnDeleteAll1Click()
{
    unDeleteAll(scene);
    Refresh();
}

void TMainForm::BringAllToFront1Click()
{
    bringAllToFront(scene);
    Refresh();
}

void TMainForm::SendAllBehindLand1Click()
{
    sendAllBehindLand(scene);
    Refresh();
}

} // namespace veldor
