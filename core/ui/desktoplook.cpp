#include "core/ui/desktoplook.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QLibraryInfo>
#include <QStyle>

namespace veldor {

namespace {

constexpr const char* kPortal = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kSettings = "org.freedesktop.portal.Settings";
constexpr const char* kAppearance = "org.freedesktop.appearance";
constexpr const char* kColourScheme = "color-scheme";

// The portal wraps the value once more in Read than in the signal.
ColourScheme schemeOf(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint v = value.toUInt(&ok);
    return ok && v <= 2 ? static_cast<ColourScheme>(v) : ColourScheme::NoPreference;
}

void apply(QApplication& app, ColourScheme scheme)
{
    app.setPalette(paletteFor(scheme));
}

// Hears the portal's change signal, which QtDBus delivers to a slot only.
class SchemeWatcher : public QObject {
    Q_OBJECT
public:
    explicit SchemeWatcher(QApplication& app) : QObject(&app), app_(app) {}

public slots:
    // (group, key, value), taken whole from the message.
    void settingChanged(const QDBusMessage& message)
    {
        const QList<QVariant> args = message.arguments();
        if (args.size() == 3 && args[0].toString() == QLatin1String(kAppearance)
            && args[1].toString() == QLatin1String(kColourScheme))
            apply(app_, schemeOf(args[2]));
    }

private:
    QApplication& app_;
};

} // namespace

void preferDesktopDialogs()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME") || qEnvironmentVariableIsEmpty("XDG_CURRENT_DESKTOP"))
        return;
    const QDir themes(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platformthemes"));
    if (themes.exists(QStringLiteral("libqxdgdesktopportal.so")))
        qputenv("QT_QPA_PLATFORMTHEME", "xdgdesktopportal");
}

void followDesktopColourScheme(QApplication& app, QDBusConnection bus)
{
    if (!bus.isConnected())
        return;
    bus.connect(QString::fromLatin1(kPortal), QString::fromLatin1(kPortalPath), QString::fromLatin1(kSettings),
                QStringLiteral("SettingChanged"), new SchemeWatcher(app),
                SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read = QDBusMessage::createMethodCall(QString::fromLatin1(kPortal), QString::fromLatin1(kPortalPath),
                                                       QString::fromLatin1(kSettings), QStringLiteral("Read"));
    read << QString::fromLatin1(kAppearance) << QString::fromLatin1(kColourScheme);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), &app);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &app, [&app](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QVariant> reply = *w;
        if (!reply.isError())
            apply(app, schemeOf(reply.value()));
        w->deleteLater();
    });
}

QPalette paletteFor(ColourScheme scheme)
{
    QPalette light = QApplication::style()->standardPalette();
    if (scheme != ColourScheme::Dark)
        return light;
    // The roles Fusion draws with, dark; disabled text stays readable.
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    const QColor highlight(0x2a, 0x82, 0xda), disabled(0x80, 0x80, 0x80);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(125));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Link, highlight.lighter(130));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

} // namespace veldor

#include "desktoplook.moc"
