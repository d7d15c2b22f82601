#include "ui/modulo2.h"

namespace Modulo2 {

void ApriLink(QWidget& window, tarvel::FormRuntime& runtime, std::string target)
{
    // The desktop's open operation takes no owner window; the window is kept in
    // the signature so every link names the window it serves.
    static_cast<void>(window);
    runtime.ShellOpen(target);
}

} // namespace Modulo2
