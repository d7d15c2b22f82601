#pragma once

// The report as its layout puts it, shared by every test that reads a report
// back: from the recording printer, from a PDF file, from a printer window.

#include "calc/calculate_interest.h"
#include "calc/number_texts.h"
#include "calc/version.h"
#include "print/report.h"

#include <string>
#include <vector>

namespace tarvel::testing {

// One text of the report, in the order it is printed: its left edge (its
// right edge when right-aligned) and its top, in millimetres from the corner
// of the sheet, and its Arial font.
struct ExpectedText {
    std::string text;
    double x;
    double y;
    bool rightAligned;
    double points;
    bool italic;
};

inline std::vector<ExpectedText> ExpectedReport(const ReportTexts& texts)
{
    std::vector<ExpectedText> report{
        {" Tarvel ver. " TARVEL_VERSION "        - Calcolo interesse legale -", 50, 22, false, 12, true},
        {"Capitale  " + texts.capital, 30, 40, false, 10, false},
        {"Totale Interessi      " + texts.totalInterest, 100, 40, false, 10, false},
        {"dal  " + texts.startDate, 30, 50, false, 8, false},
        {texts.yearsText, 100, 50, false, 8, false},
        {"al    " + texts.endDate, 30, 55, false, 8, false},
        {texts.daysText, 99, 55, false, 8, false},
        {"Capitale + Interessi  " + texts.capitalPlusInterest, 30, 60, false, 8, false},
    };
    for (std::size_t i = 0; i < texts.captions.size(); ++i)
        report.push_back({texts.captions[i], 80, 75.0 + 5 * double(i), true, 10, false});
    for (std::size_t i = 0; i < texts.amounts.size(); ++i)
        report.push_back({FormatAmount(texts.amounts[i]), 120, 75.0 + 5 * double(i), true, 10, false});
    return report;
}

// The report's texts after "Calcola" with these texts in the capital and the
// two date fields.
inline ReportTexts ReportTextsAfter(const std::string& capital, const std::string& start, const std::string& end)
{
    const CalculationInput input{capital, start, end};
    return MakeReportTexts(WindowTextsAfter(input, CalculateInterest(input)), start, end);
}

// The report's texts before any calculation, with the capital as typed.
inline ReportTexts ReportTextsOfFreshWindow(const std::string& capital = "")
{
    return MakeReportTexts(FreshWindowTexts(capital), "__ / __ / ____", "__ / __ / ____");
}

} // namespace tarvel::testing
