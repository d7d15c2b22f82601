#include "cli/run_tarvel_calc.h"

#include "calc/calculate_interest.h"
#include "calc/date_field_text.h"
#include "calc/failure_reason.h"
#include "cli/batch/batch.h"
#include "cli/chosen_rates.h"
#include "cli/control_lines.h"
#include "cli/options.h"
#include "cli/print_program.h"
#include "cli/report_printer.h"
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

int calculate(const CalcOptions& options, const ChosenRates& rates, ReportPrinter* printer)
{
    const auto startField = DateFieldText(options.startDate);
    const auto endField = DateFieldText(options.endDate);
    const CalculationInput input{options.capital, startField.value_or(kUnfilledDateField),
                                 endField.value_or(kUnfilledDateField)};
    const CalculationResult result = CalculateInterest(input, rates.periods());
    const ControlTexts window = WindowTextsAfter(input, result);
    if (!result.ok) {
        std::cerr << kCalculationErrorMessage << '\n';
        for (const std::string& reason : FailureReasons(options.capital, options.startDate, options.endDate))
            std::cerr << "tarvel-calc: " << reason << '\n';
    }
    // A report on standard output has it to itself: the lines would corrupt it.
    if (!printer || !printer->TakesStandardOutput()) {
        std::ostringstream lines;
        if (rates.table())
            WriteTableLines(lines, window, result, rates.periods());
        else
            WriteControlLines(lines, window);
        if (!writtenOut(lines.str()))
            return 2;
    }
    if (!result.ok)
        return 1;
    if (const auto note = rates.LaterDaysNote(result.end))
        std::cerr << *note << '\n';
    if (printer && rates.table())
        return printer->PrintWithTable(window, input, result, *rates.table(), std::cerr) ? 0 : 3;
    if (printer && !printer->Print(window, input.startText, input.endText, std::cerr))
        return 3;
    return 0;
}

int listRates(const ChosenRates& rates)
{
    std::ostringstream file;
    WriteRateTableFile(file, rates.periods());
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
    const auto rates = ChosenRates::Choose(options.rates, std::cerr);
    if (!rates)
        return 2;
    if (options.mode == CalcOptions::Mode::ListRates)
        return listRates(*rates);
    if (options.mode == CalcOptions::Mode::Batch)
        return RunBatch(options.csvFile, *rates);
    if (!options.wantsReport())
        return calculate(options, *rates, nullptr);
    if (!printer)
        return ExecPrintProgram(argv);
    if (!printer->Open(options, std::cerr))
        return 2;
    return calculate(options, *rates, printer);
}

} // namespace tarvel
