#pragma once
// A command that works on the picture hides the main window behind the wait
// window and puts everything back when it is done, also when it stops on an
// error: a hidden main window would leave the user nothing to save the
// scene from. The hide list, the picker reset and the step of the event loop
// that lets the wait window appear are here and nowhere else.
#include "core/scene.h"
#include "core/ui/forms.h"

#include <QString>

#include <functional>

namespace veldor {

class BusyScope {
public:
    // `waitCaption`: the wait window's caption while this command works; an
    // empty one keeps the usual "Please Wait, Rendering...".
    BusyScope(SceneState& scene, Forms& forms, QString waitCaption = {});
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    // On an error: everything back, and anything that fails while putting it
    // back is dropped, since the error already on its way is the one to show.
    ~BusyScope();

    // What else the end puts back, run before the windows are shown again.
    void onPutBack(std::function<void()> putBack) { putBack_ = std::move(putBack); }
    // Shows the wait window, hides the main window and the pickers, makes the
    // application folder current and lets the wait window appear before the
    // event loop is blocked. Returns the picker that was to be shown again
    // and forgets it, so that a command that fails leaves none pending.
    PickerToShow hideWindows();
    // The normal end: the wait window down with its usual caption, the main
    // window shown and its picture repainted. Showing the main window makes
    // the application folder current, so this may throw; the windows are then
    // put back once more as on any other error.
    void finish();

private:
    void putBack();

    SceneState& scene_;
    Forms& forms_;
    std::function<void()> putBack_;
    bool finished_ = false;
};

} // namespace veldor
