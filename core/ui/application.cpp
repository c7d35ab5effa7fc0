#include "core/ui/application.h"

#include "core/ui/messages.h"
#include "core/ui/services.h"
#include "platform/error.h"

#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <exception>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace veldor {

namespace {

// The handler may only make async-signal-safe calls: it tells the event
// loop through a socket and lets the loop do the work.
int signalSocket[2] = {-1, -1};

void noteSignal(int number)
{
    const unsigned char byte = static_cast<unsigned char>(number);
    // A full socket means a signal is already waiting to be handled.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
}

void report(UiServices* services, const char* text)
{
    const QString message = translatedMessage(QString::fromUtf8(text));
    if (services)
        services->showError(message);
    else
        qWarning().noquote() << message;
}

} // namespace

bool dispatchGuarded(UiServices* services, const std::function<bool()>& dispatch)
{
    try {
        return dispatch();
    } catch (const Error& error) {
        report(services, error.what());
    } catch (const std::exception& error) {
        report(services, error.what());
    }
    return true;
}

VeldorApplication::VeldorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The name only: a display name would be appended to every window's
    // caption by the X11 and Wayland window decorations.
    setApplicationName(QStringLiteral("Veldor"));
}

void VeldorApplication::onTerminationSignals(std::function<void()> handler)
{
    onSignal_ = std::move(handler);
    if (signalSocket[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSocket) != 0) {
        qWarning("cannot watch for termination signals");
        return;
    }
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(signalSocket[1], &byte, 1) == 1) {
        }
        // From here on a signal ends the program at once: if keeping the
        // work hangs, the sender's next signal is still obeyed.
        for (int number : {SIGTERM, SIGHUP, SIGINT})
            std::signal(number, SIG_DFL);
        if (onSignal_)
            dispatchGuarded(services_, [this] {
                onSignal_();
                return true;
            });
    });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(number, &action, nullptr);
}

bool VeldorApplication::notify(QObject* receiver, QEvent* event)
{
    return dispatchGuarded(services_, [&] { return QApplication::notify(receiver, event); });
}

} // namespace veldor
