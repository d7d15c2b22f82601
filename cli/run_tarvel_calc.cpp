#include "cli/run_tarvel_calc.h"

#include "calc/calculate_interest.h"
#include "cli/batch/batch.h"
#include "cli/control_lines.h"
#include "cli/date_field_text.h"
#include "cli/failure_reason.h"
#include "cli/options.h"
#include "cli/print_program.h"
#include "cli/report_printer.h"
#include "runtime/descriptor_io.h"
#include "runtime/system_error_text.h"

#include <iostream>
#include <sstream>
#include <unistd.h>

namespace tarvel {
namespace {

// The text of a date field whose mask the user never filled in: the window
// rejects it as it rejects any date it cannot read.
constexpr const char* kUnfilledDateField = "__ / __ / ____";

int calculate(const CalcOptions& options, ReportPrinter* printer)
{
    const auto startField = DateFieldText(options.startDate);
    const auto endField = DateFieldText(options.endDate);
    const CalculationInput input{options.capital, startField.value_or(kUnfilledDateField),
                                 endField.value_or(kUnfilledDateField)};
    const CalculationResult result = CalculateInterest(input);
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
        if (const int error = WriteFully(STDOUT_FILENO, lines.str())) {
            std::cerr << "tarvel-calc: impossibile scrivere sullo standard output: " << SystemErrorText(error) << '\n';
            return 2;
        }
    }
    if (!result.ok)
        return 1;
    if (printer && !printer->Print(window, input.startText, input.endText, std::cerr))
        return 3;
    return 0;
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
    case CalcOptions::Mode::Help:
        std::cout << kCalcUsage;
        return 0;
    case CalcOptions::Mode::Version:
        std::cout << kCalcVersion << '\n';
        return 0;
    case CalcOptions::Mode::Batch:
        return RunBatch(options.csvFile);
    case CalcOptions::Mode::Calculate:
        break;
    }
    if (!options.wantsReport())
        return calculate(options, nullptr);
    if (!printer)
        return ExecPrintProgram(argv);
    if (!printer->Open(options, std::cerr))
        return 2;
    return calculate(options, printer);
}

} // namespace tarvel
