#pragma once

#include "control_texts.h"

#include <ostream>
#include <string>

namespace tarvel {

struct CalcOptions;

// How a calculation's report reaches paper or PDF. tarvel-calc has none: it
// hands a run that asks for a report to the printing program, which has one.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Before anything is calculated, so that a wrong printer prints nothing at
    // all; false, with a message on `errors`, when the printer is not there.
    virtual bool Open(const CalcOptions& options, std::ostream& errors) = 0;
    // The report of the window's texts and the two date fields; false when it
    // did not print, with the reason on `errors`.
    virtual bool Print(const ControlTexts& window, const std::string& startField, const std::string& endField,
                       std::ostream& errors) = 0;
};

// The whole of tarvel-calc, shared by both programs so that they read their
// arguments and dates alike. Returns the exit code.
int RunTarvelCalc(int argc, char** argv, ReportPrinter* printer);

} // namespace tarvel
