#include "calc_options.h"
#include "calc_report_lines.h"
#include "calc_report_output.h"
#include "calculate_interest.h"
#include "date_field_text.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace tarvel;
    const auto options = ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::cerr << kCalcUsage;
        return 2;
    }
    if (options->help) {
        std::cout << kCalcUsage;
        return 0;
    }

    // The printer is looked up first, so that a wrong name prints nothing at all.
    std::unique_ptr<ReportOutput> report;
    if (options->pdfFile)
        report = ReportOutput::ToPdf(*options->pdfFile);
    if (options->printerName && !(report = ReportOutput::ToPrinter(*options->printerName, std::cerr)))
        return 2;

    const CalculationInput input{options->capital, DateFieldText(options->startDate), DateFieldText(options->endDate)};
    const CalculationResult result = CalculateInterest(input);

    ControlTexts window = FreshWindowTexts(options->capital);
    Overlay(window, result.written);
    if (!result.ok) {
        std::cerr << kCalculationErrorMessage << '\n';
        ApplyErrorPath(window);
    }
    WriteControlLines(std::cout, window);
    if (!result.ok)
        return 1;
    if (report && !report->Print(MakeReportTexts(window, input.startText, input.endText), std::cerr))
        return 3;
    return 0;
}
