#pragma once

#include <string>

class QWidget;

namespace Modulo2 {

// Hands the target ("http://..." or "mailto:...") to the desktop's default
// handler for its scheme, without waiting and without looking at the result.
void ApriLink(QWidget& window, std::string target);

} // namespace Modulo2
