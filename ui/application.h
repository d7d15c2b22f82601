#pragma once

class QApplication;

namespace tarvel {

// The program's identity on the desktop (name, menu entry, icon) and Qt's own
// dialog texts in Italian. The titles of the windows are theirs alone: no
// program name is added to them.
void SetUpApplication(QApplication& app);

} // namespace tarvel
