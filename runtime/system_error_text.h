#pragma once

#include <string>

namespace tarvel {

// The system's reason for an errno value, in Italian for the usual ones (the
// machine may have no Italian locale), else the system's own text.
std::string SystemErrorText(int errnum);

} // namespace tarvel
