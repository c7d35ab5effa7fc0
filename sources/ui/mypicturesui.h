#pragma once
// The user's own pictures from the windows: "Add My Picture..." of a picker
// and pictures dropped on it take that picker's kind; the main window's
// drop takes objects. The picture joins the user's own pack and is then
// chosen as its pack browser's thumbnail chooses it: a sky or ground is
// shown, an object armed for placing.
#include "sources/pack.h"

#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace veldor {

struct Forms;
struct SceneState;
class UiServices;

// Adds the files to the user's pack in the application's packs folder and
// chooses the first. Does nothing while an object is being edited; throws
// the reasons when any file is refused, nothing added then.
void addMyPictureFiles(SceneState& scene, Forms& forms, const std::vector<std::string>& paths, PackKind kind);

// "Add My Picture..." of `picker`: asks for one picture and adds it; the
// picker is hidden once it is in, as "Load Image Pack" hides it.
void chooseMyPicture(QWidget& picker, SceneState& scene, Forms& forms, UiServices& services, PackKind kind);

// Makes `picker` take dropped pictures as pictures of `kind`.
void acceptPictureDrops(QWidget& picker, SceneState& scene, Forms& forms, PackKind kind);

// The local picture files (PNG, JPEG, SVG, BMP) a drag carries when it
// carries nothing else; empty otherwise.
std::vector<std::string> draggedPictures(const QMimeData* mime);

} // namespace veldor
