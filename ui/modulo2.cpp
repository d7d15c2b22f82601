#include "ui/modulo2.h"

#include "runtime/form_runtime.h"

namespace Modulo2 {

void ApriLink(QWidget& window, std::string target)
{
    // The desktop's open operation takes no owner window; the window is kept in
    // the signature so every link names the window it serves.
    static_cast<void>(window);
    tarvel::Runtime().ShellOpen(target);
}

} // namespace Modulo2
