#include "ui/modulo1.h"

#include "ui/desktop_window.h"
#include "ui/twips.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Modulo1 {
namespace {

// Both offsets are held in 32 bits: a 16-bit left offset would leave a window
// uncentred on a desktop wider than 32,767 twips.
std::optional<std::int32_t> HalfDifference(double screen, double window)
{
    const double difference = std::nearbyint(screen - window); // halves to even
    if (!std::isfinite(difference) || difference < std::numeric_limits<std::int32_t>::min()
        || difference > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(difference) / 2;
}

WindowState StateOf(const QWidget& window)
{
    const Qt::WindowStates states = window.windowState();
    if (states & Qt::WindowMinimized)
        return WindowState::Minimised;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return WindowState::Maximised;
    return WindowState::Normal;
}

bool Known(const tarvel::ScreenArea& area) { return area.width > 0 && area.height > 0; }

// No larger, frame included, than the area.
void ShrinkInto(QWidget& window, QMargins frame, const tarvel::ScreenArea& area)
{
    const QSize room = QSize(area.width, area.height).shrunkBy(frame);
    const QSize fitted = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (fitted != window.size())
        window.resize(fitted);
}

// The frame's corner moved so that the whole frame lies in the area, its
// top-left corner first where it cannot.
QPoint KeptInside(QPoint corner, QSize outer, const tarvel::ScreenArea& area)
{
    const int x = std::max(area.left, std::min(corner.x(), area.left + area.width - outer.width()));
    const int y = std::max(area.top, std::min(corner.y(), area.top + area.height - outer.height()));
    return {x, y};
}

} // namespace

std::optional<Placement> CentredPlacement(WindowState state, tarvel::ScreenSize screen, double windowWidth,
                                          double windowHeight)
{
    if (state != WindowState::Normal)
        return std::nullopt;
    if (!(screen.widthTwips > 0) || !(screen.heightTwips > 0))
        return std::nullopt;
    const std::int32_t top = HalfDifference(screen.heightTwips, windowHeight).value_or(0);
    const std::int32_t left = HalfDifference(screen.widthTwips, windowWidth).value_or(0);
    if (left == 0 || top == 0)
        return std::nullopt;
    return Placement{left, top};
}

void CentraForm(QWidget& window, const tarvel::FormRuntime& runtime)
{
    // The whole window is centred, frame included: before the window is shown
    // the window manager is asked how wide its frame will be.
    const QMargins frame = tarvel::FrameMargins(window);
    const tarvel::ScreenSize screen = runtime.Screen();
    const tarvel::ScreenArea area = runtime.AvailableArea();
    const bool keepInside = Known(area) && StateOf(window) == WindowState::Normal;
    if (keepInside)
        ShrinkInto(window, frame, area);
    const QSize outer = window.size().grownBy(frame);
    const auto placement = CentredPlacement(StateOf(window), screen, double(outer.width()) * tarvel::kTwipsPerPixel,
                                            double(outer.height()) * tarvel::kTwipsPerPixel);
    if (!placement)
        return;
    QPoint corner(tarvel::TwipsToPixels(placement->left), tarvel::TwipsToPixels(placement->top));
    if (keepInside)
        corner = KeptInside(corner, outer, area);
    tarvel::MoveFrameTo(window, corner, frame);
}

void KeepInside(QWidget& window, const tarvel::FormRuntime& runtime)
{
    const tarvel::ScreenArea area = runtime.AvailableArea();
    if (!Known(area) || StateOf(window) != WindowState::Normal)
        return;
    const QMargins frame = tarvel::FrameMargins(window);
    ShrinkInto(window, frame, area);
    const QPoint corner = window.frameGeometry().topLeft();
    const QPoint inside = KeptInside(corner, window.size().grownBy(frame), area);
    if (inside != corner)
        tarvel::MoveFrameTo(window, inside, frame);
}

} // namespace Modulo1
