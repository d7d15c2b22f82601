#include "ui/desktop_window.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#endif
#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>

namespace tarvel {
namespace x11 {

xcb_connection_t* Connection()
{
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
#else
    return nullptr;
#endif
}

WindowId Root()
{
    xcb_connection_t* c = Connection();
    return c ? xcb_setup_roots_iterator(xcb_get_setup(c)).data->root : WindowId(XCB_WINDOW_NONE);
}

std::uint32_t Atom(const char* name)
{
    xcb_connection_t* c = Connection();
    const Reply<xcb_intern_atom_reply_t> reply(
        c ? xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr) : nullptr);
    return reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
}

namespace {

// The whole property, however long (an icon is the longest), or null.
Reply<xcb_get_property_reply_t> ReadProperty(WindowId window, const char* name)
{
    xcb_connection_t* c = Connection();
    Reply<xcb_get_property_reply_t> reply(
        c ? xcb_get_property_reply(c, xcb_get_property(c, 0, window, Atom(name), XCB_ATOM_ANY, 0, 1u << 24), nullptr)
          : nullptr);
    return reply && reply->type != XCB_ATOM_NONE ? std::move(reply) : nullptr;
}

} // namespace

QByteArray Property(WindowId window, const char* name)
{
    const auto reply = ReadProperty(window, name);
    return reply ? QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                              xcb_get_property_value_length(reply.get()))
                 : QByteArray();
}

std::vector<std::uint32_t> Cardinals(WindowId window, const char* name)
{
    const auto reply = ReadProperty(window, name);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

void AskWindowManager(WindowId window, const char* type, std::array<std::uint32_t, 5> data)
{
    xcb_connection_t* c = Connection();
    if (!c)
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(type);
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(c, 0, Root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

} // namespace x11

namespace {

// An estimate arrives within a few milliseconds; a window manager that has not
// answered by then is not waited for any longer.
constexpr int kFrameEstimateTimeoutMs = 500;

QMargins EstimatedFrame(QWidget& window)
{
    const auto supported = x11::Cardinals(x11::Root(), "_NET_SUPPORTED");
    if (std::find(supported.begin(), supported.end(), x11::Atom("_NET_REQUEST_FRAME_EXTENTS")) == supported.end())
        return {};
    const auto id = x11::WindowId(window.winId());
    x11::AskWindowManager(id, "_NET_REQUEST_FRAME_EXTENTS", {});
    // The answer is a property on the window; Qt owns the event queue, so the
    // property is read until it appears.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kFrameEstimateTimeoutMs) {
        const auto values = x11::Cardinals(id, "_NET_FRAME_EXTENTS"); // left, right, top, bottom
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
    xcb_connection_t* c = x11::Connection();
    if (!c)
        return;
    const auto id = x11::WindowId(window.winId());
    const QByteArray title = window.windowTitle().toUtf8();
    for (const char* name : {"_NET_WM_NAME", "WM_NAME"})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, x11::Atom(name), x11::Atom("UTF8_STRING"), 8,
                            std::uint32_t(title.size()), title.constData());
    xcb_flush(c);
}

void BringToCurrentDesktop(QWidget& window)
{
    if (!x11::Connection() || !window.isVisible())
        return;
    const auto current = x11::Cardinals(x11::Root(), "_NET_CURRENT_DESKTOP");
    const auto id = x11::WindowId(window.winId());
    const auto on = x11::Cardinals(id, "_NET_WM_DESKTOP");
    constexpr std::uint32_t kAllDesktops = 0xffffffff;
    if (current.empty() || on.empty() || on[0] == current[0] || on[0] == kAllDesktops)
        return;
    x11::AskWindowManager(id, "_NET_WM_DESKTOP", {current[0], 1 /* from an application */});
}

void BringForward(QWidget& window)
{
    // Moved to this desktop while still shown, so that the window manager
    // hands it the focus.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    BringToCurrentDesktop(window);
    window.show();
    window.raise();
    window.activateWindow();
}

QMargins FrameMargins(QWidget& window)
{
    if (window.isVisible() && window.windowHandle())
        return window.windowHandle()->frameMargins();
    return EstimatedFrame(window);
}

void MoveFrameTo(QWidget& window, QPoint topLeft, QMargins frame)
{
    if (frame.isNull())
        window.move(topLeft); // Qt's own frame position
    else
        window.setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace tarvel
