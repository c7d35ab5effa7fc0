#pragma once
// The application object: the one place where errors that a handler leaves
// uncaught are shown to the user.
#include <QApplication>

#include <functional>

namespace veldor {

class UiServices;

// Runs `dispatch`; a veldor::Error or other std::exception escaping it is
// shown through services.showError and counts as handled (returns true).
// The handler that raised stops there; the program goes on.
bool dispatchGuarded(UiServices* services, const std::function<bool()>& dispatch);

class VeldorApplication : public QApplication {
    Q_OBJECT
public:
    VeldorApplication(int& argc, char** argv);

    // Where errors are shown; until set they are only logged.
    void setServices(UiServices* services) { services_ = services; }

    bool notify(QObject* receiver, QEvent* event) override;

    // SIGTERM, SIGHUP (the terminal closed) and SIGINT run `handler` from
    // the event loop instead of ending the program at once, so that unsaved
    // work can be kept first. A second signal while the first is handled
    // ends the program as the signal normally would.
    void onTerminationSignals(std::function<void()> handler);

private:
    UiServices* services_ = nullptr;
    std::function<void()> onSignal_;
};

} // namespace veldor
