#pragma once

#include "cli/report_printer.h"

#include <functional>
#include <memory>

namespace tarvel {

class EasyPrint;

// The report of tarvel-calc on Qt's printing: a PDF file or an installed
// printer. Open brings up what printing needs (a window-less Qt) and makes that
// printer current; nothing is written before Print.
class QtReportPrinter final : public ReportPrinter {
public:
    QtReportPrinter();
    ~QtReportPrinter() override;

    bool Open(const CalcOptions& options, std::ostream& errors) override;
    bool TakesStandardOutput() const override { return takesStandardOutput_; }
    bool Print(const ControlTexts& window, const std::string& startField, const std::string& endField,
               std::ostream& errors) override;
    bool PrintStatement(const Statement& statement, std::ostream& errors) override;
    bool PrintLedger(const Ledger& ledger, std::ostream& errors) override;

private:
    // Lays out one document with `print` on a fresh engine and reports it.
    bool PrintDocument(const std::function<void(EasyPrint&)>& print, std::ostream& errors);

    struct Qt;
    std::unique_ptr<Qt> qt_;
    bool takesStandardOutput_ = false;
};

} // namespace tarvel
