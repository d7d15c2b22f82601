#pragma once

#include "runtime/form_runtime.h"

#include <cstdint>
#include <optional>

class QWidget;

namespace Modulo1 {

enum class WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

// A window's top-left corner in twips.
struct Placement {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Where CentraForm puts a window of the given outer size (twips) on the given
// screen: each offset is the rounded difference halved toward zero. Nothing
// when the window stays where it is: not in its normal state, an offset that
// is 0 or cannot be computed, or a screen whose size is unknown.
std::optional<Placement> CentredPlacement(WindowState state, tarvel::ScreenSize screen, double windowWidth,
                                          double windowHeight);

// Centres the window on the runtime's screen; never reports a failure. Where
// the runtime knows the screen's available area, the window, frame included,
// is kept inside it: shrunk to it first (not below its minimum size).
void CentraForm(QWidget& window, const tarvel::FormRuntime& runtime);

// Keeps a window that has grown inside the screen's available area, as
// CentraForm does, without centring it: shrunk to the area, then moved in.
void KeepInside(QWidget& window, const tarvel::FormRuntime& runtime);

} // namespace Modulo1
