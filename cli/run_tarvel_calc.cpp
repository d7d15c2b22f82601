#include "cli/run_tarvel_calc.h"

#include "calc/calculate_interest.h"
#include "calc/date_field_text.h"
#include "calc/failure_reason.h"
#include "calc/statement.h"
#include "cli/batch/batch.h"
#include "cli/chosen_rates.h"
#include "cli/control_lines.h"
#include "cli/options.h"
#include "cli/print_program.h"
#include "cli/report_printer.h"
#include "cli/run_ledger.h"
#include "cli/statement_request.h"
#include "runtime/descriptor_io.h"
#include "runtime/rate_table_file.h"
#include "runtime/system_error_text.h"

#include <iostream>
#include <sstream>
#include <unistd.h>

namespace tarvel {
namespace {

// Whether standard output took the whole text (waiting for it when it is
// non-blocking); a message when it did not.
bool writtenOut(const std::string& text)
{
    const int error = WriteFully(STDOUT_FILENO, text);
    if (error == 0)
        return true;
    std::cerr << "tarvel-calc: impossibile scrivere sullo standard output: " << SystemErrorText(error) << '\n';
    return false;
}

// The run with the program's own table, as the window has it.
int calculateWithOwnTable(const CalcOptions& options, ReportPrinter* printer)
{
    const auto startField = DateFieldText(options.startDate);
    const auto endField = DateFieldText(options.endDate);
    const CalculationInput input{options.capital, startField.value_or(kUnfilledDateField),
                                 endField.value_or(kUnfilledDateField)};
    CalculationResult result = CalculateInterest(input);
    if (result.ok && RunRefused(options.capital, result))
        result = CalculationResult{}; // as after a capital that is not a number
    const ControlTexts window = WindowTextsAfter(input, result);
    if (!result.ok) {
        std::cerr << kCalculationErrorMessage << '\n';
        for (const std::string& reason : FailureReasons(options.capital, options.startDate, options.endDate))
            std::cerr << "tarvel-calc: " << reason << '\n';
    }
    // A report on standard output has it to itself: the lines would corrupt it.
    if (!printer || !printer->TakesStandardOutput()) {
        std::ostringstream lines;
        WriteControlLines(lines, window);
        if (!writtenOut(lines.str()))
            return 2;
    }
    if (!result.ok)
        return 1;
    if (printer && !printer->Print(window, input.startText, input.endText, std::cerr))
        return 3;
    return 0;
}

int calculate(const CalcOptions& options, const ChosenRates& rates, ReportPrinter* printer)
{
    if (!rates.table() && !options.chargesLatePayment() && !options.contractRate)
        return calculateWithOwnTable(options, printer);
    const ChargedCalculation calculation = CalculateCharged(StatementRequestOf(options, rates));
    const ControlTexts window = WindowTextsAfter(calculation.input, calculation.result);
    if (!calculation.faults.empty()) {
        std::cerr << kCalculationErrorMessage << '\n';
        for (const FieldFault& fault : calculation.faults)
            std::cerr << "tarvel-calc: " << fault.line() << '\n';
    }
    if (!printer || !printer->TakesStandardOutput()) {
        std::ostringstream lines;
        WriteTableLines(lines, window, calculation.result, calculation.captions);
        if (!writtenOut(lines.str()))
            return 2;
    }
    if (!calculation.statement)
        return 1;
    for (const LaterDaysNote& note : calculation.statement->notes)
        std::cerr << NoteLine(note) << '\n';
    if (printer)
        return printer->PrintStatement(*calculation.statement, std::cerr) ? 0 : 3;
    return 0;
}

// --rivalutazione and --capitalizzazione: the statement's text on standard
// output, its faults and notes on standard error.
int writeStatement(const CalcOptions& options, const ChosenRates& rates, ReportPrinter* printer)
{
    const StatementOutcome outcome = MakeStatement(StatementRequestOf(options, rates));
    for (const FieldFault& fault : outcome.faults)
        std::cerr << "tarvel-calc: " << fault.line() << '\n';
    if (!outcome.statement)
        return 1;
    if ((!printer || !printer->TakesStandardOutput()) && !writtenOut(StatementText(*outcome.statement)))
        return 2;
    for (const LaterDaysNote& note : outcome.statement->notes)
        std::cerr << NoteLine(note) << '\n';
    if (printer)
        return printer->PrintStatement(*outcome.statement, std::cerr) ? 0 : 3;
    return 0;
}

int listRates(std::span<const RatePeriod> periods)
{
    std::ostringstream file;
    WriteRateTableFile(file, periods);
    return writtenOut(file.str()) ? 0 : 2;
}

} // namespace

int RunTarvelCalc(int argc, char** argv, ReportPrinter* printer)
{
    const CalcOptions options = ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.usageError.empty()) {
        std::cerr << "tarvel-calc: " << options.usageError << '\n' << kCalcUsage;
        return 2;
    }
    switch (options.mode) {
    case CalcOptions::Mode::Help: std::cout << kCalcUsage; return 0;
    case CalcOptions::Mode::Version: std::cout << kCalcVersion << '\n'; return 0;
    default: break;
    }
    // A table that cannot be used stops the run before anything is computed.
    const auto rates = ChosenRates::Choose(options, std::cerr);
    if (!rates)
        return 2;
    if (options.mode == CalcOptions::Mode::ListRates)
        return listRates(rates->periods());
    if (options.mode == CalcOptions::Mode::ListReferenceRates)
        return listRates(rates->Reference().periods());
    if (options.mode == CalcOptions::Mode::ListIndex)
        return writtenOut(PriceIndexFileText(rates->Index())) ? 0 : 2;
    if (options.mode == CalcOptions::Mode::Batch)
        return RunBatch(options, *rates);
    const auto run = options.mode == CalcOptions::Mode::Ledger                               ? RunLedger
                     : options.mode == CalcOptions::Mode::Revaluation || options.compounding ? writeStatement
                                                                                             : calculate;
    if (!options.wantsReport())
        return run(options, *rates, nullptr);
    if (!printer)
        return ExecPrintProgram(argv);
    if (!printer->Open(options, std::cerr))
        return 2;
    return run(options, *rates, printer);
}

} // namespace tarvel
