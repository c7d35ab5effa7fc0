#pragma once
// The desktop's own look where Qt 6.4 leaves it out: the user's light or
// dark preference, and the desktop's file dialogs.

#include <QDBusConnection>
#include <QPalette>

class QApplication;

namespace veldor {

// What the desktop publishes under org.freedesktop.appearance color-scheme.
enum class ColourScheme { NoPreference = 0, Dark = 1, Light = 2 };

// Before the application object exists: the desktop's file dialogs, through
// its portal, when Qt has the plugin for them and the user chose no theme.
void preferDesktopDialogs();

// Follows the desktop's preference from now on, as GNOME and KDE publish it
// through the settings portal on `bus`. Asks without waiting: a desktop
// without the portal must not delay the start.
void followDesktopColourScheme(QApplication& app, QDBusConnection bus = QDBusConnection::sessionBus());

// The palette every window takes for `scheme`: Fusion's own for a light or
// no preference, a dark one of the same roles for dark.
QPalette paletteFor(ColourScheme scheme);

} // namespace veldor
