#include "core/ui/windowframe.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace veldor {

namespace {

// Replies of xcb are the caller's to free.
template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> own(Reply* reply)
{
    return {reply, &std::free};
}

xcb_connection_t* x11()
{
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* c, const char* name)
{
    auto reply = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Atoms {
    xcb_atom_t extents = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    bool announced = false; // the window manager sets the extents
    bool answers = false;   // ... and answers a request for them
};

const Atoms& atoms(xcb_connection_t* c)
{
    static xcb_connection_t* known = nullptr;
    static Atoms a;
    if (known == c)
        return a;
    known = c;
    a = Atoms{atomNamed(c, "_NET_FRAME_EXTENTS"), atomNamed(c, "_NET_REQUEST_FRAME_EXTENTS")};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto reply = own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atomNamed(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (reply && reply->format == 32) {
        const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const auto* last = first + xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        a.announced = std::find(first, last, a.extents) != last;
        a.answers = a.announced && std::find(first, last, a.request) != last;
    }
    return a;
}

std::optional<QMargins> extentsOf(xcb_connection_t* c, xcb_window_t window, const QWidget& widget)
{
    auto reply = own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms(c).extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 || reply->value_len != 4)
        return std::nullopt;
    // Left, right, top, bottom, in the screen's pixels. A frame wider than
    // a screen is no frame.
    const auto* side = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    if (std::any_of(side, side + 4, [](uint32_t n) { return n > 4096; }))
        return std::nullopt;
    const qreal ratio = widget.devicePixelRatioF();
    const auto px = [ratio](uint32_t n) { return qRound(n / ratio); };
    return QMargins(px(side[0]), px(side[2]), px(side[1]), px(side[3]));
}

// The frame last announced for one of our windows: a window manager that
// does not say beforehand frames our windows alike.
std::optional<QMargins> lastAnnounced;

class Announcements : public QAbstractNativeEventFilter {
public:
    struct Waiting {
        QPointer<QWidget> window;
        std::function<void(QMargins)> then;
    };

    static Announcements& instance()
    {
        static Announcements* one = [] {
            auto* made = new Announcements;
            qGuiApp->installNativeEventFilter(made);
            return made;
        }();
        return *one;
    }

    QHash<xcb_window_t, Waiting> waiting;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (waiting.isEmpty() || type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        xcb_connection_t* c = x11();
        if (!c || change->atom != atoms(c).extents || change->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        const auto found = waiting.find(change->window);
        if (found == waiting.end())
            return false;
        Waiting told = found.value();
        waiting.erase(found);
        if (!told.window)
            return false;
        if (const std::optional<QMargins> frame = extentsOf(c, change->window, *told.window)) {
            lastAnnounced = frame;
            // Not from inside the event reader: moving the window sends
            // events of its own.
            QMetaObject::invokeMethod(
                told.window, [told, frame] { told.then(*frame); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

bool framesAreAnnounced()
{
    xcb_connection_t* c = x11();
    return c && atoms(c).announced;
}

std::optional<QMargins> frameToCome(QWidget& window)
{
    xcb_connection_t* c = x11();
    if (!c || !atoms(c).answers)
        return lastAnnounced;
    const auto id = xcb_window_t(window.winId());
    auto geometry = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!geometry)
        return lastAnnounced;
    // The window manager answers by setting the window's frame extents,
    // usually within a millisecond; a busy one is given a moment more.
    xcb_client_message_event_t ask{};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = id;
    ask.type = atoms(c).request;
    xcb_send_event(c, 0, geometry->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&ask));
    xcb_flush(c);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    do {
        if (std::optional<QMargins> frame = extentsOf(c, id, window)) {
            lastAnnounced = frame;
            return frame;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < deadline);
    return lastAnnounced;
}

void whenFrameAnnounced(QWidget& window, std::function<void(QMargins)> then)
{
    if (!x11())
        return;
    Announcements::instance().waiting.insert(xcb_window_t(window.winId()), {&window, std::move(then)});
}

} // namespace veldor
