#pragma once

#include "report.h"

#include <memory>
#include <ostream>
#include <string>

namespace tarvel {

// Where tarvel-calc sends the report: a PDF file or an installed printer. It
// brings up what printing needs (a window-less Qt) and makes that printer
// current; nothing is written before Print.
class ReportOutput {
public:
    // Nothing, with an Italian message on `errors`, when the named printer is
    // not installed.
    static std::unique_ptr<ReportOutput> ToPdf(const std::string& file);
    static std::unique_ptr<ReportOutput> ToPrinter(const std::string& name, std::ostream& errors);
    ~ReportOutput();

    // Sets the page defaults and prints the report as one document, delivered
    // whole or not at all. False when anything went wrong; by then `errors`
    // has one line naming the printer or the file and the reason.
    bool Print(const ReportTexts& texts, std::ostream& errors);

private:
    ReportOutput();
    struct Qt;
    std::unique_ptr<Qt> qt_;
};

} // namespace tarvel
