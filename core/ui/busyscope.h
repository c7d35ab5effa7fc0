#pragma once
// A command that works on the picture (a rendering, the effects, printing)
// keeps every window where it is: hiding and showing them again made the
// whole program blink, and on Wayland a window shown again is placed anew.
// The picture on screen stays as it was until the work is done. Work run
// aside goes on in a thread of its own, so that the windows keep painting
// and answering the desktop (which otherwise marks the program as not
// responding and may never map the wait window); the user's input waits
// meanwhile and is carried out once the work is done. Only work
// that lasts shows the wait window, with a wait cursor; it is hidden again
// only once the window manager has it on screen, since a window hidden
// before it was mapped may be left behind. Everything is put back also when
// the work stops on an error: the pickers the command drops end hidden, and
// the one it shows again ends shown and in front, or hidden on an error.
#include "core/ui/forms.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace veldor {

struct SceneState;

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

    enum class Picker { Drop, ShowAgain };
    // Makes the application folder current and hides the pickers, except,
    // with ShowAgain, the one that asked to be shown again; the request is
    // forgotten either way, so that a command that fails leaves none pending.
    void hideWindows(Picker picker = Picker::Drop);
    // Called by the work now and then: once it has lasted long enough to be
    // noticed, shows the wait window and the wait cursor.
    void poll();
    // Runs `work` in a thread of its own and returns once it is done, while
    // this thread goes on with its events, except the user's input, which is
    // carried out afterwards in the order given, as on a program that
    // blocks. `work` may call the progress it is given from its thread; it
    // must touch only data that nothing else touches until it returns (a
    // copy). What it throws is thrown here.
    void runAside(const std::function<void(const std::function<void()>& progress)>& work);
    // The normal end: the wait window down with its usual caption, the main
    // window shown with its new picture and the kept picker in front.
    // Showing the main window makes the application folder current, so this
    // may throw; the windows are then put back once more as on any error.
    void finish();

    // How long work goes before the wait window appears.
    static void setWaitDelay(int milliseconds);
    // What work run aside also does at each progress it reports: nothing,
    // unless a check makes the work last with it.
    static void setWorkPace(std::function<void()> pace);

    // Runs `work` from the event loop, once no work on the picture is going
    // on: the wait window's coming up lets queued calls through, and one that
    // changed the scene there (a drop's opening, a screen reader's press)
    // would change it under the rendering.
    static void later(QObject* context, std::function<void()> work);
    // Whether work on the picture is going on.
    static bool working();

private:
    void putBack();
    void showWait();
    static void runWaiting();

    SceneState& scene_;
    Forms& forms_;
    std::function<void()> putBack_;
    QElapsedTimer clock_;
    QWidget* kept_ = nullptr;
    bool waitShown_ = false;
    bool finished_ = false;
};

} // namespace veldor
