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
    // A text of a table's column: the column's head, at headY, has its edge.
    std::string head = {};
    double headY = 0;
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

// The statement with a table of rates, its rows `pitch` mm apart (5 mm while
// they fit above the totals, the notes and the foot, closer when not): the
// title, the regime, the capital, span and duration, the column heads, a row
// every `pitch` mm with each
// text at its head's edge, the totals 3 mm below, their amounts at the
// interest's edge; at the foot the tables 5 mm apart, and the day of the
// calculation last. The notes, broken into lines where the printer's font
// says, are not here.
inline std::vector<ExpectedText> ExpectedRatesReport(const RatesReportTexts& texts, double pitch = 5)
{
    constexpr double kHeadsY = 57;
    std::vector<ExpectedText> report{{texts.title, 20, 20, false, 12, false}};
    if (!texts.regime.empty())
        report.push_back({texts.regime, 20, 28, false, 10, false});
    report.insert(report.end(), {{"Capitale", 20, 37, false, 10, false},
                                 {texts.capital, 45, 37, false, 10, false},
                                 {"Periodo", 20, 42, false, 10, false},
                                 {texts.span, 45, 42, false, 10, false},
                                 {"Durata", 20, 47, false, 10, false},
                                 {texts.duration, 45, 47, false, 10, false}});
    const auto inColumn = [&](const std::string& text, StatementColumn column, double y) {
        report.push_back(
            {text, 0, y, StatementColumnIsNumber(column), 10, false, StatementColumnHead(column), kHeadsY});
    };
    const std::vector<StatementColumn> columns = StatementColumns(texts.lines);
    for (StatementColumn column : columns)
        inColumn(StatementColumnHead(column), column, kHeadsY);
    double y = 63;
    for (const StatementLine& line : texts.lines) {
        for (StatementColumn column : columns)
            inColumn(StatementCell(line, column), column, y);
        y += pitch;
    }
    for (const auto& [caption, amount] : texts.totals) {
        report.push_back({caption, 20, y + 3, false, 10, false});
        inColumn(amount, StatementColumn::Interest, y + 3);
        y += 5;
    }
    for (std::size_t i = 0; i < texts.tables.size(); ++i)
        report.push_back({texts.tables[i], 20, 280 - 5 * double(texts.tables.size() - i), false, 10, false});
    report.push_back({texts.madeOn, 20, 280, false, 10, false});
    return report;
}

// The report of the statement of this request, which must succeed, printed today.
inline RatesReportTexts RatesReportOf(const StatementRequest& request)
{
    const StatementOutcome outcome = MakeStatement(request);
    return outcome.statement ? MakeRatesReportTexts(*outcome.statement, LocalToday()) : RatesReportTexts{};
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
