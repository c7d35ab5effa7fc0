#pragma once
// The twenty windows, reachable from every window by the names the program
// gives them. The pointers do not own: VeldorProgram does, for the whole run.
//
// The windows and their handlers keep their historic names; this is where
// each one is:
//
// | class       | caption                      | what it is for                          | file                      |
// |-------------|------------------------------|-----------------------------------------|---------------------------|
// | TMainForm   | Veldor                       | the picture, toolbar and menus          | core/ui/Main.*            |
// | Tlandscape  | Please Select Landscape      | ground picker                           | sources/ui/land.*         |
// | Tsky        | Please Select Sky            | sky picker                              | sources/ui/skyform.*      |
// | TWaitBox    | Please Wait, Rendering...    | shown while the picture is worked on    | core/ui/wait.*            |
// | TObjectx    | Please Select an Object      | object picker                           | sources/ui/objectbox.*    |
// | Tobconfirm  | New Object                   | keep, redraw or drop a new object       | editing/ui/choicewindow.* |
// | Tobchange   | Object Edit                  | a clicked object in front of the ground | editing/ui/choicewindow.* |
// | Tmover      | Object Move                  | confirm, redo or cancel a move          | editing/ui/choicewindow.* |
// | Tresizer    | Re-Size Object               | keep, redo or cancel a re-size          | editing/ui/choicewindow.* |
// | Tnotvdr     | This is not a Veldor File    | Open's report on a foreign file         | files/ui/notvdrf.*        |
// | Tobhind     | Object Edit                  | a clicked object behind the ground      | editing/ui/choicewindow.* |
// | TPrintForm  | Print                        | copies, Printer Setup, Print            | output/ui/printx.*        |
// | TSkyPack    | Sky: Select Image Pack       | a pack's five skies                     | sources/ui/skyp.*         |
// | TLandPack   | Landscape: Select Image Pack | a pack's five grounds                   | sources/ui/landp.*        |
// | TObjectPack | Objects: Select Image Pack   | a pack's five objects                   | sources/ui/objectp.*      |
// | TBMPSave    | Export as BMP                | normal or stretched BMP (or PNG) export | output/ui/bmpsaver.*      |
// | Teffects    | Special Effects              | the effects to apply                    | effects/ui/error.*        |
// | Tnewbox     | Confirm New                  | asks before New empties the scene       | core/ui/newform.*         |
// | Thelpbox    | Veldor Help                  | the help text                           | core/ui/help.*            |
// | TAboutBox   | About                        | the logo and the program's name         | core/ui/about.*           |
//
// Toolbar buttons (TMainForm): SpeedButton1 Landscape, SpeedButton2 Sky,
// SpeedButton11 Object, SpeedButton6 Special Effects, SpeedButton5 New,
// SpeedButton8 Print, SpeedButton3 Save, SpeedButton4 Open, SpeedButton7
// Export as BMP, RefreshButton Refresh.
class QWidget;

namespace veldor {

class TMainForm;
class Tlandscape;
class Tsky;
class TWaitBox;
class TObjectx;
class Tobconfirm;
class Tobchange;
class Tmover;
class Tresizer;
class Tnotvdr;
class Tobhind;
class TPrintForm;
class TSkyPack;
class TLandPack;
class TObjectPack;
class TBMPSave;
class Teffects;
class Tnewbox;
class Thelpbox;
class TAboutBox;

struct Forms {
    TMainForm* MainForm = nullptr;
    Tlandscape* landscape = nullptr;
    Tsky* sky = nullptr;
    TWaitBox* WaitBox = nullptr;
    TObjectx* Objectx = nullptr;
    Tobconfirm* obconfirm = nullptr;
    Tobchange* obchange = nullptr;
    Tmover* mover = nullptr;
    Tresizer* resizer = nullptr;
    Tnotvdr* notvdr = nullptr;
    Tobhind* obhind = nullptr;
    TPrintForm* PrintForm = nullptr;
    TSkyPack* SkyPack = nullptr;
    TLandPack* LandPack = nullptr;
    TObjectPack* ObjectPack = nullptr;
    TBMPSave* BMPSave = nullptr;
    Teffects* effects = nullptr;
    Tnewbox* newbox = nullptr;
    Thelpbox* helpbox = nullptr;
    TAboutBox* AboutBox = nullptr;

    // The pickers and pack browsers as plain widgets, for what only shows
    // and hides them (the rendering's BusyScope, here below the folders
    // that define their classes); set with the windows.
    QWidget* skyWidget = nullptr;
    QWidget* landscapeWidget = nullptr;
    QWidget* objectsWidget = nullptr;
    QWidget* skyPackWidget = nullptr;
    QWidget* landPackWidget = nullptr;
};

} // namespace veldor
