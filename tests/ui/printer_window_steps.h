#pragma once

// What a user does around printing: the printer window opened with
// "Stampa", a printer picked from its list, and the page read back.

#include "print/rates_report.h"
#include "print/report.h"
#include "tests/print/expected_report.h"
#include "tests/print/fake_printer.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/main_window_steps.h"
#include "ui/frm_printer.h"
#include "ui/frm_tarvel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>
#include <vector>

namespace tarvel::testing {

// Recording printers installed as a test wants them; of two or more, the
// second is the system's default, so that the first of the list is not.
class FakePlatform final : public PrinterPlatform {
public:
    std::vector<std::shared_ptr<Printer>> Printers() override { return {printers.begin(), printers.end()}; }
    std::shared_ptr<Printer> DefaultPrinter() override { return printers.size() > 1 ? printers[1] : nullptr; }
    std::vector<std::shared_ptr<FakePrinter>> printers;
};

// The printer window's list and its "Stampa".
inline QComboBox* Combo1(const frmPrinter& printer) { return Find<QComboBox>(printer, "Combo1"); }
inline QToolButton* Command1(const frmPrinter& printer) { return Find<QToolButton>(printer, "Command1"); }

// Clicks "Stampa", by its name in `window` (the main window's, or that of
// the window of the rates in force); the printer window that opens, active.
template <class Window>
frmPrinter* OpenPrinterWindow(Window& window, const char* stampa = "Command3")
{
    QTest::mouseClick(Find(window, stampa), Qt::LeftButton);
    frmPrinter* printer = window.PrinterWindow();
    // (A dialog counts as active while its owner is: wait for the focus.)
    if (printer && !QTest::qWaitFor([&] { return QApplication::activeWindow() == printer; }))
        qWarning("printer window not active");
    return printer;
}

// Opens the list and clicks its entry `row`, as a user picks a printer.
inline void PickFromList(QComboBox* combo, int row)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        qWarning("list not shown");
    QTest::qWait(QApplication::doubleClickInterval() + 50); // not taken for the click that opened it
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

// Lets a closed window go (it deletes itself) and the main window take the focus.
inline void Settle() { QTest::qWait(50); }

// The printer window has gone and the main window takes input again, with the
// focus in the start date.
inline bool IsGivenBack(const frmTarvel& w)
{
    return w.isEnabled() && !IsBlocked(w) && !w.PrinterWindow() && QApplication::focusWidget() == Find(w, "mdataini");
}

// The message boxes shown, each as "title (icon): text", to compare whole.
inline QStringList Shown(const RecordingRuntime& runtime)
{
    QStringList shown;
    for (const RecordingRuntime::Message& m : runtime.messages)
        shown << QString::fromStdString(m.title + (m.icon == MsgBoxIcon::Warning ? " (warning): " : " (critical): ")
                                        + m.text);
    return shown;
}

// The printer window's own warning box, as Shown gives it.
inline QString PrinterWindowWarning(const QString& text) { return "Seleziona stampante (warning): " + text; }

// What the report must show for a calculation typed as in Calculate, or for
// the window as it opens when `start` is null.
inline ReportTexts ExpectedTexts(const char* capital, const char* start = nullptr, const char* end = nullptr)
{
    if (!start)
        return ReportTextsOfFreshWindow(capital);
    auto field = [](std::string d) { return d.substr(0, 2) + " / " + d.substr(2, 2) + " / " + d.substr(4); };
    return ReportTextsAfter(capital, field(start), field(end));
}

// What is wrong with the PDF file `path` as one page laid out as `layout`,
// to half a millimetre; empty when nothing is.
inline QString PageFault(const std::string& path, const std::vector<LaidOutText>& layout)
{
    const auto pages = ReadPdfWords(path);
    if (pages.size() != 1)
        return QStringLiteral("%1 pages read").arg(pages.size());
    const auto mismatches = LayoutMismatches(pages[0], layout, 0.5);
    return mismatches.empty() ? QString() : QString::fromStdString(mismatches[0]);
}

} // namespace tarvel::testing
