#pragma once

#include "calc/control_texts.h"
#include "calc/ledger.h"
#include "calc/statement.h"

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
    // Whether the report goes to standard output, which then carries nothing else.
    virtual bool TakesStandardOutput() const = 0;
    // The report of the window's texts and the two date fields as one
    // document, delivered whole or not at all; false when it did not print,
    // with one line on `errors` naming the printer or the file and the reason.
    virtual bool Print(const ControlTexts& window, const std::string& startField, const std::string& endField,
                       std::ostream& errors) = 0;
    // The report of a calculation with the tables chosen with --tassi,
    // --domanda or --mora: the same summary, one row per period the span
    // touches and the tables at the foot. Delivered and reported as Print.
    virtual bool PrintStatement(const Statement& statement, std::ostream& errors) = 0;
    // The statement of a ledger, its lines on as many pages as they take.
    // Delivered and reported as Print.
    virtual bool PrintLedger(const Ledger& ledger, std::ostream& errors) = 0;
};

} // namespace tarvel
