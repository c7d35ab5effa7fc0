#pragma once

#include <QMargins>

#include <functional>
#include <optional>

class QWidget;

namespace veldor {

// What an X11 window manager tells of the frames it puts around windows, so
// that a window can be placed where it stays instead of being moved once it
// is framed. Elsewhere (Wayland, no window manager) nothing is told.

// Whether the window manager announces each window's frame.
bool framesAreAnnounced();
// The frame `window`, not yet shown, is going to get: asked of the window
// manager where it answers such a question, otherwise the frame it last
// announced for one of our windows.
std::optional<QMargins> frameToCome(QWidget& window);
// Calls `then` once, with the frame the window manager announces for
// `window` when it frames it.
void whenFrameAnnounced(QWidget& window, std::function<void(QMargins)> then);

} // namespace veldor
