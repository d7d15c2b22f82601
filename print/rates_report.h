#pragma once

#include "calc/statement.h"
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
    std::string rate;     // "5%"; a late-payment row's "4,5% + 8"
    std::string interest; // "498,63", "0,29"
};

// The texts of the report with a table: the summary of every report, what the
// regime charges under the title, the periods the span touches and the tables
// at the foot.
struct RatesReportTexts : ReportSummary {
    std::string regime; // "interessi di mora, D.Lgs. 231/2002, maggiorazione 8 punti"; empty for legal interest
    std::vector<RatesReportRow> rows;
    std::vector<std::string> tables; // "Tassi legali in vigore, ultimo atto: D.M. 10/12/2025"
};

// The page of a statement: the same page whether a window or tarvel-calc prints it.
RatesReportTexts MakeRatesReportTexts(const Statement& statement);

// Where the period rows stand: 5 mm apart in 10 pt while they fit between the
// column heads and the foot's `footLines`, closer and smaller when they would
// not, so that every table stays on one page.
struct RatesRowLayout {
    float firstY; // top of the first row, mm from the top of the sheet
    float pitch;  // mm from one row to the next
    std::int16_t points;
};
RatesRowLayout LayOutRatesRows(std::size_t rows, std::size_t footLines = 1);

// Lays out the one page: the summary, the regime, the column heads, a row per
// period, the tables at the foot.
void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts);

// The report as one document on the current printer, as PrintReport.
void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts);

} // namespace tarvel
