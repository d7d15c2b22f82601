#include "calc_report_output.h"

#include "easy_print.h"
#include "form_runtime.h"
#include "print_error.h"
#include "qt_printer.h"
#include "qt_printer_platform.h"

#include <QGuiApplication>

#include <cstdio>

namespace tarvel {
namespace {

// The engine shows its output errors in a message box; here they go to
// standard error, once, and make the run fail.
class ErrorStreamRuntime final : public FormRuntime {
public:
    explicit ErrorStreamRuntime(std::ostream& errors) : errors_(errors) { SetRuntime(this); }
    ~ErrorStreamRuntime() override { SetRuntime(nullptr); }
    void MsgBox(const std::string& text, const std::string& title, MsgBoxIcon) override
    {
        if (!failed) {
            std::string oneLine = text;
            for (std::size_t at = oneLine.find("\r\n"); at != std::string::npos; at = oneLine.find("\r\n", at))
                oneLine.replace(at, 2, "; ");
            errors_ << title << ": " << oneLine << '\n';
        }
        failed = true;
    }
    ScreenSize Screen() const override { return {}; }
    void ShellOpen(const std::string&) override {}
    std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    bool failed = false;

private:
    std::ostream& errors_;
};

// The calculator has no windows: it prints the same on a desktop and on a
// machine without a display.
// Qt's own notes (a missing runtime directory and the like) would only clutter
// the calculator's standard error; real failures are reported by the report.
void DropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

bool ChooseWindowlessPlatform()
{
    qInstallMessageHandler(DropQtNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

} // namespace

struct ReportOutput::Qt {
    bool windowless = ChooseWindowlessPlatform(); // before the application
    int argc = 1;
    char name[12] = "tarvel-calc";
    char* argv[2] = {name, nullptr};
    QGuiApplication application{argc, argv};
    QtPrinterPlatform platform;
};

ReportOutput::ReportOutput() : qt_(std::make_unique<Qt>()) { SetPrinterPlatform(&qt_->platform); }

ReportOutput::~ReportOutput()
{
    SetCurrentPrinter(nullptr);
    SetPrinterPlatform(nullptr);
}

std::unique_ptr<ReportOutput> ReportOutput::ToPdf(const std::string& file)
{
    std::unique_ptr<ReportOutput> output(new ReportOutput());
    SetCurrentPrinter(QtPrinter::ForPdf(file));
    return output;
}

std::unique_ptr<ReportOutput> ReportOutput::ToPrinter(const std::string& name, std::ostream& errors)
{
    std::unique_ptr<ReportOutput> output(new ReportOutput());
    for (const auto& printer : Printers()) {
        if (printer->DeviceName() == name) {
            SetCurrentPrinter(printer);
            return output;
        }
    }
    errors << "La stampante \"" << name << "\" non è installata.\n";
    return nullptr;
}

bool ReportOutput::Print(const ReportTexts& texts, std::ostream& errors)
{
    ErrorStreamRuntime runtime(errors);
    try {
        EasyPrint objPrint;
        Default_Value(objPrint);
        PrintReport(objPrint, texts);
    } catch (const std::exception& error) {
        // One line naming the queue or the file and the reason.
        errors << PrintFailureMessage(error) << '\n';
        return false;
    }
    return !runtime.failed;
}

} // namespace tarvel
