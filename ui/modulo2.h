#pragma once

#include "runtime/form_runtime.h"

#include <string>

class QWidget;

namespace Modulo2 {

// Hands the target ("http://..." or "mailto:...") to the desktop's default
// handler for its scheme, without waiting and without looking at the result.
void ApriLink(QWidget& window, tarvel::FormRuntime& runtime, std::string target);

} // namespace Modulo2
