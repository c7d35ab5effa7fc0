#pragma once
// The main window: the picture, the toolbar, the main and popup menus, and
// the handlers every command starts from. Handlers that belong to another
// subsystem live in that subsystem's ui/ folder (Main_files.cpp,
// Main_mouse.cpp, Main_pickers.cpp, Main_effects.cpp, Main_output.cpp).
#include "core/ui/forms.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QMenu;
class QTimer;
class QToolButton;

namespace veldor {

struct SceneState;

class EditMachine;
class EditView;
class Session;
class PictureEditView;
class Surface;
class PictureView;
class RecoveryStore;
class UiServices;
struct MainSurfaces;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);
    ~TMainForm() override;

private:
    // Held here, and reached through `surfaces`, so that this header does not
    // bring the renderer's to every window.
    std::unique_ptr<MainSurfaces> surfaces_;

public:
    // The picture and the scratch surfaces; MainImage shows surfaces.mainImage.
    MainSurfaces& surfaces;
    // What the scene save dialog `vdrsave` proposes: "Work.vdr", then the
    // name last chosen in it.
    QString vdrsaveFileName = QStringLiteral("Work.vdr");

    QWidget* client = nullptr; // the 632x405 client area
    QFrame* SpeedBar = nullptr;
    PictureView* MainImage = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* RefreshButton = nullptr;

    // Main menu.
    QMenu* FileMenu = nullptr;
    QAction* FileNewItem = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* FileSaveItem = nullptr;
    QAction* FileSaveAsItem = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintSetup1 = nullptr;
    QAction* ExportasBMP2 = nullptr;
    QAction* FileExitItem = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    QAction* EditCopyItem = nullptr;
    QMenu* Tools1 = nullptr;
    QAction* DeleteAll1 = nullptr;
    QAction* UnDeleteAll1 = nullptr;
    QAction* BringAllToFront1 = nullptr;
    QAction* SendAllBehindLand1 = nullptr;
    QMenu* Veldor1 = nullptr;
    QAction* Landscape1 = nullptr;
    QAction* Sky1 = nullptr;
    QAction* Objects1 = nullptr;
    QAction* SpecialEffects1 = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* HelpContentsItem = nullptr;
    QAction* HelpAboutItem = nullptr;

    // Popup menu (the window's context menu).
    QMenu* PopupMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Print2 = nullptr;
    QAction* PrintSetup2 = nullptr;
    QAction* ExportasBMP1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Copy1 = nullptr;
    QMenu* Tools2 = nullptr;
    QAction* DeleteAll2 = nullptr;
    QAction* UnDeleteAll2 = nullptr;
    QAction* BringAllToFront2 = nullptr;
    QAction* SendAllBehindLand2 = nullptr;
    QMenu* Veldor2 = nullptr;
    QAction* Ground1 = nullptr;
    QAction* Sky2 = nullptr;
    QAction* Objects2 = nullptr;
    QAction* SpecialEffects2 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;

    // Files (files/ui/Main_files.cpp).
    void FileOpen();
    // Opens the scene file at `path` as Open does once its dialog has
    // answered; also serves the file named at start and a dropped file.
    void openSceneFile(const std::string& path);
    // The scene or image pack named on the command line: opened as soon as
    // the start-up check has passed.
    void openAfterStart(std::string path) { startupScene_ = std::move(path); }
    // Whether `path` names an image pack: extension .vpk in any letter case.
    static bool isPackFile(const std::string& path);
    // Opens a scene file as openSceneFile does, a pack as openPackFile.
    void openFile(const std::string& path);
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    // Output (output/ui/Main_output.cpp).
    void Print1Click();
    void PrintSetup1Click();
    void ExportasBMP2Click();
    void EditCopy();
    // Pickers (sources/ui/Main_pickers.cpp).
    void Landscape1Click();
    void Sky1Click();
    void Ground1Click();
    void Sky2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton11Click();
    // Installs the image pack at `path` into the packs folder and shows it
    // loaded in the sky pack browser (of a pack without skies, the ground or
    // object browser); a refused pack throws the reasons.
    void openPackFile(const std::string& path);
    // Effects (effects/ui/Main_effects.cpp).
    void SpecialEffects1Click();
    // Mouse on the picture (editing/ui/Main_mouse.cpp); picture coordinates.
    void MainImageMouseDown(int x, int y);
    void MainImageMouseMove(int x, int y);
    void MainImageMouseUp(int x, int y);
    // Keys on the picture, the same edits as the mouse's: arrows (Shift:
    // ten pixels; Ctrl: the size), Enter, Escape; Tab and Shift+Tab choose
    // objects. True when the key was taken.
    bool MainImageKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool MainImageTab(bool forward);
    // A command that must wait for the edit in progress says so in the
    // status line; `command` is its name as the toolbar's tips give it.
    void refuse(const char* command);
    // Tells the user, in the status line and to a screen reader.
    void announce(const QString& text);
    // A picker has just armed a placement: says how to go on.
    void placementArmed();
    // Called after Open has replaced the object table: ends any pending
    // edit so that no dialog or outline refers to a row that may be gone.
    void sceneReplaced();
    // Placing and editing objects on the picture; the editing dialogs'
    // buttons forward to it.
    EditMachine& editMachine() { return *editMachine_; }

    // Core.
    void FileNew();
    void FileExit();
    void Exit1Click();
    void DeleteAll1Click();
    void UnDeleteAll1Click();
    void BringAllToFront1Click();
    void SendAllBehindLand1Click();
    void Contents1Click();
    void HelpAbout();
    void RefreshButtonClick();
    // Renders the scene into the picture, with the wait window when it
    // lasts, then shows the picker named by reopenPicker. On an error the
    // wait window is hidden and no picker shown before it propagates.
    void Refresh();
    void FormShow();
    // First activation: captures appDir and runs the start-up file check.
    void FormActivate();
    void FormPaint();

    // Undo and redo: a scene step renders the scene as it was, an effects
    // step puts the picture back. Nothing happens while an edit is on.
    void UndoClick();
    void RedoClick();
    // Effects (`names`, as the effects window calls them) have just turned
    // the picture `before` into what it shows now.
    void recordEffects(Surface before, const QStringList& names = {});
    // New, once confirmed: the empty scene, a fresh history, no file.
    void newScene();
    // What print jobs are called: the scene's file name, "Veldor" for a
    // scene that was neither opened nor saved.
    QString jobTitle() const;
    // The scene matches the one last opened or saved.
    void sceneSaved();
    // When the scene has unsaved changes, asks whether to save them; false
    // when the user cancelled (or a save did not happen), so that the
    // command that asked must leave everything as it is.
    bool maySceneGo();
    Session& session;

    // Unsaved work (files/ui/Main_files.cpp). While there is any, a copy is
    // kept in the user's state folder, a few seconds behind at most.
    void noteUnsavedWork();
    // Writes the copy now; a failure is reported once, on stderr only, since
    // the copy is a safety net and not the user's file.
    void writeRecoveryCopy();
    void removeRecoveryCopy();
    // At start: offers back work that a program left unsaved when it ended.
    void offerRecovery();
    // SIGTERM, SIGHUP or SIGINT: the unsaved work is kept as its copy for the
    // next start, and the program ends without asking.
    void endOnSignal();

    // Whether the first activation has run.
    bool started() const { return started_; }
    // Whether the start-up file check has passed.
    bool filesFound() const { return filesFound_; }
    // What the failed check missed, by bare name, so that start-up can say it.
    const std::vector<std::string>& missingFiles() const { return missingFiles_; }

signals:
    // Each rendering, as it starts.
    void renderingStarted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolbar();
    void buildMainMenu();
    void buildPopupMenu();
    void assignShortcuts();
    // A rendering has dropped the effects, and with them their steps.
    void noteRendered();
    // The scene, its history or its saved state changed.
    void sessionChanged();
    void updateUndoItems();
    // The picture's description for screen readers: the scene, and the
    // effects on it.
    void describePicture();
    void stepHistory(bool forward);
    EditView& makeEditView();

    SceneState& scene;
    Forms& forms;
    UiServices& services;
    bool started_ = false;
    bool filesFound_ = false;
    bool centred_ = false;
    std::string startupScene_;
    // The file the scene was opened from; Save asks for a name all the same.
    std::string openedFile_;
    std::vector<std::string> missingFiles_;
    // Shared only so that this header and the destructor need not know it.
    std::shared_ptr<RecoveryStore> recovery_;
    QTimer* recoveryTimer_ = nullptr;
    bool recoveryFailed_ = false;
    bool endingOnSignal_ = false;
    // The names of each effects step on the picture now, and of those undone
    // that Redo may bring back; a rendering drops both, as it drops the steps.
    std::vector<QStringList> effectSteps_, undoneEffectSteps_;
    // Last, so that they are built after the references they use.
    // Made where the editing windows are (editing/ui/Main_mouse.cpp), and
    // shared only so that this folder need not know it.
    std::shared_ptr<PictureEditView> editView_;
    std::unique_ptr<EditMachine> editMachine_;
};

// The files that must be in the application folder at start, by bare name.
inline constexpr const char* kStartupFiles[] = {
    "veldor",      "sky0.bmp",    "sky1.bmp",    "sky2.bmp",    "sky3.bmp",    "sky4.bmp",
    "ground0.bmp", "ground1.bmp", "ground2.bmp", "ground3.bmp", "ground4.bmp",
};

} // namespace veldor
