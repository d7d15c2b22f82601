#pragma once

#include "cli/report_printer.h"

#include <memory>

namespace tarvel {

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

private:
    struct Qt;
    std::unique_ptr<Qt> qt_;
    bool takesStandardOutput_ = false;
};

} // namespace tarvel
