#include "cli/qt_report_printer.h"

#include "calc/printable.h"
#include "cli/options.h"
#include "print/easy_print.h"
#include "print/ledger_report.h"
#include "print/printer_selection.h"
#include "print/qt_printer.h"
#include "print/qt_printer_platform.h"
#include "print/rates_report.h"
#include "print/report.h"
#include "print/whole_file.h"
#include "runtime/console_runtime.h"

#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

namespace tarvel {
namespace {

// Qt's own notes (a missing runtime directory and the like) would only clutter
// the calculator's standard error; real failures are reported by the report.
void DropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

// The calculator has no windows: it prints the same on a desktop and on a
// machine without a display.
bool ChooseWindowlessPlatform()
{
    qInstallMessageHandler(DropQtNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

} // namespace

struct QtReportPrinter::Qt {
    bool windowless = ChooseWindowlessPlatform(); // before the application
    int argc = 1;
    char name[sizeof "tarvel-calc"] = "tarvel-calc";
    char* argv[2] = {name, nullptr};
    QGuiApplication application{argc, argv};
    QtPrinterPlatform platform;
    // The printers are Qt objects: the selection goes before the application does.
    PrinterSelection printers{&platform};
};

QtReportPrinter::QtReportPrinter() = default;

QtReportPrinter::~QtReportPrinter() = default;

bool QtReportPrinter::Open(const CalcOptions& options, std::ostream& errors)
{
    qt_ = std::make_unique<Qt>();
    if (options.pdfFile) {
        takesStandardOutput_ = DescriptorNamedBy(*options.pdfFile) == STDOUT_FILENO;
        qt_->printers.MakeCurrent(QtPrinter::ForPdf(*options.pdfFile));
        return true;
    }
    for (const auto& printer : qt_->printers.Printers()) {
        if (printer->DeviceName() == *options.printerName) {
            qt_->printers.MakeCurrent(printer);
            return true;
        }
    }
    errors << "La stampante " << Quoted(*options.printerName) << " non è installata.\n";
    return false;
}

bool QtReportPrinter::Print(const ControlTexts& window, const std::string& startField, const std::string& endField,
                            std::ostream& errors)
{
    return PrintDocument(
        [&](EasyPrint& objPrint) { PrintReport(objPrint, MakeReportTexts(window, startField, endField)); }, errors);
}

bool QtReportPrinter::PrintStatement(const Statement& statement, std::ostream& errors)
{
    return PrintDocument(
        [&](EasyPrint& objPrint) { PrintRatesReport(objPrint, MakeRatesReportTexts(statement, LocalToday())); },
        errors);
}

bool QtReportPrinter::PrintLedger(const Ledger& ledger, std::ostream& errors)
{
    return PrintDocument(
        [&](EasyPrint& objPrint) { PrintLedgerReport(objPrint, MakeLedgerReportTexts(ledger, LocalToday())); }, errors);
}

bool QtReportPrinter::PrintDocument(const std::function<void(EasyPrint&)>& print, std::ostream& errors)
{
    // The engine shows its output errors in a message box; here the first goes
    // to standard error and makes the run fail.
    ConsoleRuntime runtime(errors);
    try {
        EasyPrint objPrint(qt_->printers, runtime);
        Default_Value(objPrint);
        print(objPrint);
    } catch (const std::exception& error) {
        // One line naming the queue or the file and the reason.
        errors << Printable(PrintFailureMessage(qt_->printers.CurrentOrNone(), error)) << '\n';
        return false;
    }
    return !runtime.Failed();
}

} // namespace tarvel
