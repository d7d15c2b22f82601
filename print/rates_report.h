#pragma once

#include "calc/calculate_interest.h"
#include "calc/control_texts.h"
#include "calc/rate_table.h"
#include "print/easy_print.h"
#include "print/report.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

// One row of the report with a table of rates: a period the span touches.
struct RatesReportRow {
    std::string firstDay; // "01/01/2023": the span's first day in the period; empty when it has no day there
    std::string lastDay;  // and its last
    std::string days;     // "364"
    std::string rate;     // "5%"
    std::string interest; // currency text, unformatted
};

// The texts of the report with a table: the summary of every report, the
// periods the span touches and the table at the foot.
struct RatesReportTexts : ReportSummary {
    std::vector<RatesReportRow> rows;
    std::string tableNote; // "Tassi legali in vigore, ultimo atto: D.M. 10/12/2025"
};

// The texts of a successful calculation of `input` with `table`, from the
// window's texts it leaves and its period lines.
RatesReportTexts MakeRatesReportTexts(const ControlTexts& window, const CalculationInput& input,
                                      const CalculationResult& result, const RateTable& table);

// Where the period rows stand: 5 mm apart in 10 pt while they fit between the
// column heads and the foot, closer and smaller when they would not, so that
// every table stays on one page.
struct RatesRowLayout {
    float firstY; // top of the first row, mm from the top of the sheet
    float pitch;  // mm from one row to the next
    std::int16_t points;
};
RatesRowLayout LayOutRatesRows(std::size_t rows);

// Lays out the one page: the summary, the column heads, a row per period (the
// interest through FormatAmount), the table at the foot.
void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts);

// The report as one document on the current printer, as PrintReport.
void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts);

} // namespace tarvel
