#pragma once

// The report as its layout puts it, shared by every test that reads a report
// back: from the recording printer, from a PDF file, from a printer window.

#include "calc/calculate_interest.h"
#include "calc/number_texts.h"
#include "calc/statement.h"
#include "calc/version.h"
#include "print/rates_report.h"
#include "print/report.h"
#include "tests/support/statement_requests.h"

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

// The title and the summary, at the top of every report.
inline std::vector<ExpectedText> ExpectedSummary(const ReportSummary& texts)
{
    return {
        {" Tarvel ver. " TARVEL_VERSION "        - Calcolo interesse legale -", 50, 22, false, 12, true},
        {"Capitale  " + texts.capital, 30, 40, false, 10, false},
        {"Totale Interessi      " + texts.totalInterest, 100, 40, false, 10, false},
        {"dal  " + texts.startDate, 30, 50, false, 8, false},
        {texts.yearsText, 100, 50, false, 8, false},
        {"al    " + texts.endDate, 30, 55, false, 8, false},
        {texts.daysText, 99, 55, false, 8, false},
        {"Capitale + Interessi  " + texts.capitalPlusInterest, 30, 60, false, 8, false},
    };
}

inline std::vector<ExpectedText> ExpectedReport(const ReportTexts& texts)
{
    std::vector<ExpectedText> report = ExpectedSummary(texts);
    for (std::size_t i = 0; i < texts.captions.size(); ++i)
        report.push_back({texts.captions[i], 80, 75.0 + 5 * double(i), true, 10, false});
    for (std::size_t i = 0; i < texts.amounts.size(); ++i)
        report.push_back({FormatAmount(texts.amounts[i]), 120, 75.0 + 5 * double(i), true, 10, false});
    return report;
}

// The report with a table of rates, for up to 39 rows: what the regime
// charges under the title, the column heads in italics, a row every 5 mm, the
// tables used 3 mm below the last and 4 mm apart.
inline std::vector<ExpectedText> ExpectedRatesReport(const RatesReportTexts& texts)
{
    std::vector<ExpectedText> report = ExpectedSummary(texts);
    if (!texts.regime.empty())
        report.push_back({texts.regime, 30, 30, false, 10, true});
    report.insert(report.end(), {{"dal", 30, 70, false, 10, true},
                                 {"al", 55, 70, false, 10, true},
                                 {"giorni", 100, 70, true, 10, true},
                                 {"tasso", 120, 70, true, 10, true},
                                 {"interessi", 155, 70, true, 10, true}});
    double y = 76;
    for (const RatesReportRow& row : texts.rows) {
        report.insert(report.end(), {{row.firstDay, 30, y, false, 10, false},
                                     {row.lastDay, 55, y, false, 10, false},
                                     {row.days, 100, y, true, 10, false},
                                     {row.rate, 120, y, true, 10, false},
                                     {row.interest, 155, y, true, 10, false}});
        y += 5;
    }
    for (std::size_t i = 0; i < texts.tables.size(); ++i)
        report.push_back({texts.tables[i], 30, y + 3 + 4 * double(i), false, 8, false});
    return report;
}

// The report of the statement of this request, which must succeed.
inline RatesReportTexts RatesReportOf(const StatementRequest& request)
{
    const StatementOutcome outcome = MakeStatement(request);
    return outcome.statement ? MakeRatesReportTexts(*outcome.statement) : RatesReportTexts{};
}

// The report with the rates in force after a calculation of these texts.
inline RatesReportTexts RatesInForceReportAfter(const std::string& capital, const std::string& start,
                                                const std::string& end)
{
    return RatesReportOf(LegalRequest(capital, start, end));
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
