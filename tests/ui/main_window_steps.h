#pragma once

// What a user does in the main window, for the window tests and the printing
// tests alike.

#include "ui/frm_tarvel.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace tarvel::testing {

// The main window loaded, shown and active, as the program starts it.
inline std::unique_ptr<frmTarvel> OpenMainWindow()
{
    auto window = std::make_unique<frmTarvel>();
    window->Form_Load();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("main window not active");
    return window;
}

// Types digits into a date field from its first place.
inline void TypeDate(MaskedEdit* field, const char* digits)
{
    field->setCursorPosition(0);
    QTest::keyClicks(field, QString::fromLatin1(digits));
}

// Types the capital and the two dates (digits only).
inline void Enter(frmTarvel& w, const char* capital, const char* start, const char* end)
{
    w.importo->clear();
    QTest::keyClicks(w.importo, QString::fromLatin1(capital));
    TypeDate(w.mdataini, start);
    TypeDate(w.mdatafin, end);
}

} // namespace tarvel::testing
