#pragma once

#include <QStringList>

class QApplication;

namespace tarvel {

// The program's identity on the desktop (name, menu entry, icon) and Qt's own
// dialog texts in Italian. The titles of the windows are theirs alone: no
// program name is added to them.
void SetUpApplication(QApplication& app);

// The program's own option, which opens the window of the rates in force
// over the main window at start; the desktop's menu entry has an action for it.
inline constexpr char kRatesInForceOption[] = "--tassi-vigenti";

// Whether the program's arguments (its name first, Qt's own options taken
// out) ask for the window of the rates in force. Any other argument is left
// alone, as the program always has.
bool AsksForRatesInForce(const QStringList& arguments);

} // namespace tarvel
