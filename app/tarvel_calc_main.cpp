#include "calc_options.h"
#include "calc_report_lines.h"
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

    const CalculationInput input{options->capital, DateFieldText(options->startDate), DateFieldText(options->endDate)};
    const CalculationResult result = CalculateInterest(input);

    ControlTexts window = FreshWindowTexts(options->capital);
    Overlay(window, result.written);
    if (!result.ok) {
        std::cerr << kCalculationErrorMessage << '\n';
        ApplyErrorPath(window);
    }
    WriteControlLines(std::cout, window);
    return result.ok ? 0 : 1;
}
