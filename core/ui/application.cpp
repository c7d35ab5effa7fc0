#include "core/ui/application.h"

#include "core/ui/services.h"
#include "platform/error.h"

#include <QDebug>

#include <exception>

namespace veldor {

namespace {

void report(UiServices* services, const char* text)
{
    const QString message = QString::fromUtf8(text);
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

bool VeldorApplication::notify(QObject* receiver, QEvent* event)
{
    return dispatchGuarded(services_, [&] { return QApplication::notify(receiver, event); });
}

} // namespace veldor
