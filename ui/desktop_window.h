#pragma once

#include <QByteArray>
#include <QMargins>
#include <QPoint>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

class QWidget;
struct xcb_connection_t;

namespace tarvel {

// What the window manager is told and tells about a window, where Qt alone
// falls short. On desktops other than X11 these do what Qt does.

// Gives the window manager the window's title exactly as the window has it.
// Qt names a window without a title after the program; a window that is meant
// to have an empty title bar gets an empty one.
void ShowExactTitle(QWidget& window);

// Brings the window from another virtual desktop to the one in view; a window
// manager does not hand the focus to a window on another desktop.
void BringToCurrentDesktop(QWidget& window);

// Opens a window over the one the user works in, or brings it back: shown,
// no longer minimised, on the desktop in view, raised and active.
void BringForward(QWidget& window);

// The widths of the frame the window manager puts round the window, in
// device-independent pixels. For a window not shown yet the window manager is
// asked for its estimate (_NET_REQUEST_FRAME_EXTENTS); without a window
// manager, or one that does not answer in time, the margins are zero.
QMargins FrameMargins(QWidget& window);

// Puts the window's frame, of the given margins, with its top-left corner at
// `topLeft`. With known margins the client area is placed, since how Qt places
// a frame it does not know yet differs between window managers; without, Qt
// places the frame as it can.
void MoveFrameTo(QWidget& window, QPoint topLeft, QMargins frame);

// The X server reached directly over Qt's own connection, by the functions
// above and by the tests that read back what the window manager does. Off X11
// there is no connection: reads come back empty and requests do nothing.
namespace x11 {

using WindowId = std::uint32_t;

// A reply of the X server, freed as the library asks.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class ReplyType>
using Reply = std::unique_ptr<ReplyType, FreeReply>;

xcb_connection_t* Connection();
WindowId Root();
std::uint32_t Atom(const char* name);
// A property's bytes: null when the window does not have it, empty when it
// is set to nothing.
QByteArray Property(WindowId window, const char* name);
// The 32-bit values of a property; empty when it is not set.
std::vector<std::uint32_t> Cardinals(WindowId window, const char* name);
// A request to the window manager about `window`, as pagers and task bars
// send them: a client message of that type with up to five values.
void AskWindowManager(WindowId window, const char* type, std::array<std::uint32_t, 5> data);

} // namespace x11
} // namespace tarvel
