#pragma once

// The windows of a program as the X server holds them, read back by the tests
// that run under a real window manager (tests/ui/on-desktop).

#include "ui/desktop_window.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <vector>

namespace tarvel::testing {

// The title the window manager shows: its visible name, else the window's.
inline QByteArray ShownTitle(x11::WindowId window)
{
    const QByteArray visible = x11::Property(window, "_NET_WM_VISIBLE_NAME");
    return visible.isNull() ? x11::Property(window, "_NET_WM_NAME") : visible;
}

// The windows the window manager shows for the process `pid`, bottom to top.
inline std::vector<x11::WindowId> WindowsOf(qint64 pid)
{
    std::vector<x11::WindowId> windows;
    for (x11::WindowId window : x11::Cardinals(x11::Root(), "_NET_CLIENT_LIST_STACKING"))
        if (x11::Cardinals(window, "_NET_WM_PID") == std::vector<std::uint32_t>{std::uint32_t(pid)})
            windows.push_back(window);
    return windows;
}

} // namespace tarvel::testing
