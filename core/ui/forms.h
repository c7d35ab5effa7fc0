#pragma once
// The twenty windows, reachable from every window by the names the program
// gives them. The pointers do not own: VeldorProgram does, for the whole run.
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
};

} // namespace veldor
