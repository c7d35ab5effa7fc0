#include "core/ui/busyscope.h"
#include "core/scene.h"

#include "core/ui/Main.h"
#include "core/ui/pictureview.h"
#include "core/ui/wait.h"
#include "core/ui/smallwindow.h"
#include "platform/paths.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <atomic>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

namespace veldor {

namespace {

// Below this a user sees no pause, and a window flashing by is worse; above
// it the wait window would not be on screen within about 0.3 s.
int waitDelay = 150;

std::function<void()> workPace;

// What the work lets through while the wait window comes up: no input of
// the user's, and no timers (a screen reader's press of a button is one);
// calls queued for later go through later().
constexpr QEventLoop::ProcessEventsFlags kWhileWorking = QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers;

// While work runs aside, this thread lets everything through except the
// user's input, which the platform keeps queued until the work is done.
constexpr QEventLoop::ProcessEventsFlags kWhileWorkingAside = QEventLoop::ExcludeUserInputEvents;

// A screen reader's press of a button comes due on the button's timer,
// which fires again and again until it is let through: held here until the
// work is done, like the user's own clicks.
class ButtonPressesHeld : public QObject {
public:
    ButtonPressesHeld() { QCoreApplication::instance()->installEventFilter(this); }
    ~ButtonPressesHeld() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::Timer && qobject_cast<QAbstractButton*>(watched);
    }
};

// The scopes open now, and what waits for the last of them to end.
int openScopes = 0;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waitingWork;

QWidget* pickerWindow(const Forms& forms, PickerToShow picker)
{
    switch (picker) {
    case PickerToShow::None: return nullptr;
    case PickerToShow::Sky: return forms.skyWidget;
    case PickerToShow::Landscape: return forms.landscapeWidget;
    case PickerToShow::SkyPack: return forms.skyPackWidget;
    case PickerToShow::LandPack: return forms.landPackWidget;
    }
    return nullptr;
}

// A window hidden before the window manager has mapped it may stay on the
// screen for good (mutter loses that race), so wait for it to be shown, a
// second at most: a window that never gets there is hidden anyway.
void hideOnceMapped(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(kWhileWorking);
        QThread::msleep(5);
    }
    window.hide();
}

} // namespace

void BusyScope::setWaitDelay(int milliseconds) { waitDelay = milliseconds; }

void BusyScope::setWorkPace(std::function<void()> pace) { workPace = std::move(pace); }

void BusyScope::later(QObject* context, std::function<void()> work)
{
    QTimer::singleShot(0, context, [context = QPointer<QObject>(context), work = std::move(work)]() mutable {
        if (openScopes > 0)
            waitingWork.emplace_back(context, std::move(work));
        else
            work();
    });
}

bool BusyScope::working() { return openScopes > 0; }

void BusyScope::runWaiting()
{
    for (auto& [context, work] : std::exchange(waitingWork, {}))
        if (context)
            later(context, std::move(work));
}

BusyScope::BusyScope(SceneState& scene, Forms& forms, QString waitCaption) : scene_(scene), forms_(forms)
{
    ++openScopes;
    clock_.start();
    if (!waitCaption.isEmpty())
        forms_.WaitBox->setWindowTitle(waitCaption);
    forms_.MainForm->MainImage->holdPicture();
}

BusyScope::~BusyScope()
{
    if (--openScopes == 0)
        runWaiting();
    if (finished_)
        return;
    try {
        if (kept_)
            kept_->hide();
        putBack();
    } catch (...) {
    }
}

void BusyScope::hideWindows(Picker picker)
{
    if (!scene_.appDir.empty())
        setCurrentDirectory(scene_.appDir);
    const PickerToShow asked = std::exchange(scene_.reopenPicker, PickerToShow::None);
    kept_ = picker == Picker::ShowAgain ? pickerWindow(forms_, asked) : nullptr;
    for (QWidget* window : {forms_.skyWidget, forms_.landscapeWidget, forms_.objectsWidget})
        if (window != kept_)
            window->hide();
}

void BusyScope::poll()
{
    if (waitShown_ || clock_.elapsed() < waitDelay)
        return;
    showWait();
    QCoreApplication::processEvents(kWhileWorking);
}

void BusyScope::showWait()
{
    if (waitShown_)
        return;
    waitShown_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    forms_.WaitBox->show();
    forms_.WaitBox->raise();
}

void BusyScope::runAside(const std::function<void(const std::function<void()>& progress)>& work)
{
    const std::function<void()> pace = workPace;
    const std::function<void()> progress = [&pace] {
        if (pace)
            pace();
    };
    ButtonPressesHeld held;
    QObject wakeUp;
    QTimer waitTimer;
    waitTimer.setSingleShot(true);
    QObject::connect(&waitTimer, &QTimer::timeout, &wakeUp, [this] { showWait(); });
    if (clock_.elapsed() >= waitDelay)
        showWait();
    else
        waitTimer.start(int(waitDelay - clock_.elapsed()));

    std::atomic<bool> done = false;
    std::exception_ptr failed;
    std::thread worker([&] {
        try {
            work(progress);
        } catch (...) {
            failed = std::current_exception();
        }
        done = true;
        QMetaObject::invokeMethod(&wakeUp, [] {}, Qt::QueuedConnection);
    });
    // Nothing leaves here before the thread has ended: it works on data of
    // our caller's. An error from an event handled meanwhile comes first.
    std::exception_ptr meanwhile;
    while (!done) {
        try {
            QCoreApplication::processEvents(kWhileWorkingAside | QEventLoop::WaitForMoreEvents);
        } catch (...) {
            if (!meanwhile)
                meanwhile = std::current_exception();
        }
    }
    worker.join();
    if (meanwhile)
        std::rethrow_exception(meanwhile);
    if (failed)
        std::rethrow_exception(failed);
}

void BusyScope::finish()
{
    putBack();
    finished_ = true;
    if (!kept_)
        return;
    // A window that stayed up through the work brings what it shows up to
    // date (a pack browser lists its folder afresh, as when it is shown).
    if (auto* window = qobject_cast<SmallWindow*>(kept_); window && window->isVisible())
        window->refreshShown();
    kept_->show();
    kept_->raise();
}

void BusyScope::putBack()
{
    if (putBack_)
        std::exchange(putBack_, {})();
    if (waitShown_) {
        waitShown_ = false;
        hideOnceMapped(*forms_.WaitBox);
        QApplication::restoreOverrideCursor();
    }
    forms_.WaitBox->setWindowTitle(TWaitBox::tr(TWaitBox::kCaption));
    TMainForm& main = *forms_.MainForm;
    main.MainImage->releasePicture();
    // Shown again only where something had hidden it; showing makes the
    // application folder current, and so does a window that stayed up.
    if (main.isVisible())
        main.FormShow();
    else
        main.show();
}

} // namespace veldor
