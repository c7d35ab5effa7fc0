#pragma once
// The nineteen small windows by name, for the tests that go through all of
// them and for the tool that draws them side by side.
#include "core/ui/about.h"
#include "core/ui/forms.h"
#include "core/ui/help.h"
#include "core/ui/newform.h"
#include "core/ui/wait.h"
#include "editing/ui/choicewindow.h"
#include "effects/ui/error.h"
#include "files/ui/notvdrf.h"
#include "output/ui/bmpsaver.h"
#include "output/ui/printx.h"
#include "sources/ui/land.h"
#include "sources/ui/landp.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/objectp.h"
#include "sources/ui/skyform.h"
#include "sources/ui/skyp.h"

#include <QString>

#include <utility>
#include <vector>

namespace veldor::test {

inline std::vector<std::pair<QString, SmallWindow*>> smallWindows(const Forms& f)
{
    return {{"landscape", f.landscape}, {"sky", f.sky},         {"WaitBox", f.WaitBox},
            {"Objectx", f.Objectx},     {"obconfirm", f.obconfirm}, {"obchange", f.obchange},
            {"mover", f.mover},         {"resizer", f.resizer},     {"notvdr", f.notvdr},
            {"obhind", f.obhind},       {"PrintForm", f.PrintForm}, {"SkyPack", f.SkyPack},
            {"LandPack", f.LandPack},   {"ObjectPack", f.ObjectPack}, {"BMPSave", f.BMPSave},
            {"effects", f.effects},     {"newbox", f.newbox},       {"helpbox", f.helpbox},
            {"AboutBox", f.AboutBox}};
}

} // namespace veldor::test
