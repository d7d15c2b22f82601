#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace tarvel {

// What the window manager is told and tells about a window, where Qt alone
// falls short. On desktops other than X11 these do what Qt does.

// Gives the window manager the window's title exactly as the window has it.
// Qt names a window without a title after the program; a window that is meant
// to have an empty title bar gets an empty one.
void ShowExactTitle(QWidget& window);

// Makes the window a modal dialog of `owner` for the window manager, which
// then keeps it above its owner, minimises it only together with its owner and
// gives it the focus when the owner is clicked. (Without a window manager, as
// in the offscreen tests, nothing changes: there Qt would no longer activate a
// window whose owner is disabled.)
void SetOwnerForWindowManager(QWidget& window, QWidget& owner);

// Brings the window from another virtual desktop to the one in view; a window
// manager does not hand the focus to a window on another desktop.
void BringToCurrentDesktop(QWidget& window);

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

} // namespace tarvel
