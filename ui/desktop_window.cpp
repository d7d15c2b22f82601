#include "ui/desktop_window.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb) && __has_include(<xcb/xcb.h>)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#define TARVEL_X11 1
#endif

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace tarvel {

void SetOwnerForWindowManager(QWidget& window, QWidget& owner)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || !owner.windowHandle())
        return;
    window.setWindowModality(Qt::WindowModal);
    window.winId();
    window.windowHandle()->setTransientParent(owner.windowHandle());
}

void MoveFrameTo(QWidget& window, QPoint topLeft, QMargins frame)
{
    if (frame.isNull())
        window.move(topLeft); // Qt's own frame position
    else
        window.setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window.size()));
}

#ifdef TARVEL_X11
namespace {

// An estimate arrives within a few milliseconds; a window manager that has not
// answered by then is not waited for any longer.
constexpr int kFrameEstimateTimeoutMs = 500;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_connection_t* Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a property, empty when it is not set.
std::vector<std::uint32_t> Cardinals(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property)
{
    std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, XCB_ATOM_ANY, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t Root(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

bool WindowManagerSupports(xcb_connection_t* c, xcb_atom_t hint)
{
    for (std::uint32_t supported : Cardinals(c, Root(c), Atom(c, "_NET_SUPPORTED")))
        if (supported == hint)
            return true;
    return false;
}

void AskWindowManager(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type, std::uint32_t first,
                      std::uint32_t second)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    message.data.data32[0] = first;
    message.data.data32[1] = second;
    xcb_send_event(c, 0, Root(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

QMargins EstimatedFrame(QWidget& window)
{
    xcb_connection_t* c = Connection();
    if (!c)
        return {};
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!WindowManagerSupports(c, request))
        return {};
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    AskWindowManager(c, id, request, 0, 0);
    // The answer is a property on the window; Qt owns the event queue, so the
    // property is read until it appears.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kFrameEstimateTimeoutMs) {
        const auto values = Cardinals(c, id, extents);
        if (values.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            return QMargins(int(values[0] / ratio), int(values[2] / ratio), int(values[1] / ratio),
                            int(values[3] / ratio));
        }
        QThread::msleep(2);
    }
    return {};
}

} // namespace

void ShowExactTitle(QWidget& window)
{
    xcb_connection_t* c = Connection();
    if (!c)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const QByteArray title = window.windowTitle().toUtf8();
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
    for (xcb_atom_t name : {Atom(c, "_NET_WM_NAME"), xcb_atom_t(XCB_ATOM_WM_NAME)})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, name, utf8, 8, std::uint32_t(title.size()),
                            title.constData());
    xcb_flush(c);
}

void BringToCurrentDesktop(QWidget& window)
{
    xcb_connection_t* c = Connection();
    if (!c || !window.isVisible())
        return;
    const auto current = Cardinals(c, Root(c), Atom(c, "_NET_CURRENT_DESKTOP"));
    const xcb_atom_t desktop = Atom(c, "_NET_WM_DESKTOP");
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto on = Cardinals(c, id, desktop);
    constexpr std::uint32_t kAllDesktops = 0xffffffff;
    if (current.empty() || on.empty() || on[0] == current[0] || on[0] == kAllDesktops)
        return;
    AskWindowManager(c, id, desktop, current[0], 1 /* from an application */);
}

QMargins FrameMargins(QWidget& window)
{
    if (window.isVisible() && window.windowHandle())
        return window.windowHandle()->frameMargins();
    return EstimatedFrame(window);
}

#else

void BringToCurrentDesktop(QWidget&) {}

void ShowExactTitle(QWidget&) {}

QMargins FrameMargins(QWidget& window)
{
    return window.isVisible() && window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
}

#endif

} // namespace tarvel
