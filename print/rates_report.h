#pragma once

#include "calc/date.h"
#include "calc/statement.h"
#include "print/easy_print.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// One row of the statement's table: a period the span touches.
struct RatesReportRow {
    std::string firstDay; // "01/01/2023": the span's first day in the period; empty when it has no day there
    std::string lastDay;  // and its last
    std::string days;     // "364"
    std::string rate;     // "5%"; a late-payment row's "12,5% (4,5% + 8)"
    std::string interest; // "498,63", "0,29"
    std::string act;      // "D.M. 29/11/2023", "G.U. n. 12 del 16/01/2024"
};

// The texts of the printed statement, top to bottom.
struct RatesReportTexts {
    std::string title;    // "Interessi legali e di mora dalla domanda giudiziale del 15/05/2024"
    std::string regime;   // what the regime charges, "Interessi di mora, ..., maggiorazione 8 punti"; empty when legal
    std::string capital;  // "25.000,00"
    std::string span;     // "dal 15/06/2018 al 08/12/2026"
    std::string duration; // "8 anni e 178 giorni"
    std::vector<RatesReportRow> rows;
    std::string interestCaption;     // "Interessi legali e di mora"
    std::string interest;            // "3.319,93"
    std::string sum;                 // "28.319,93"
    std::vector<std::string> notes;  // "Nota: i giorni dopo il 31/12/2026 sono calcolati ..."
    std::vector<std::string> tables; // "Tabella: Tassi legali in vigore, ultimo atto: D.M. 10/12/2025"
    std::string madeOn;              // "Calcolo del 09/12/2026"
};

// The title of a statement under `regime`, "Interessi di mora, D.Lgs. 231/2002";
// after a claim it names the claim's day.
std::string RegimeTitle(Regime regime, std::optional<Date> claim);

// The lines that end a statement's page, the ledger's too: "Nota: ..." a
// note, "Tabella: ..." a table used, and "Calcolo del 09/12/2026".
std::vector<std::string> NoteLines(const std::vector<LaterDaysNote>& notes);
std::vector<std::string> TableLines(const std::vector<std::string>& tables);
std::string MadeOnLine(Date madeOn);

// The page of a statement calculated on `madeOn`: the same page whether a
// window or tarvel-calc prints it.
RatesReportTexts MakeRatesReportTexts(const Statement& statement, Date madeOn);

// The day of the system clock where the program runs: a page printed now is
// dated so.
Date LocalToday();

// Where the period rows stand: 5 mm apart in 10 pt while they fit between the
// column heads and what follows them (the totals, `noteLines` lines of notes
// and the foot with `tables` tables), closer and smaller when they would not,
// so that every table stays on one page.
struct RatesRowLayout {
    float firstY; // top of the first row, mm from the top of the sheet
    float pitch;  // mm from one row to the next
    std::int16_t points;
};
RatesRowLayout LayOutRatesRows(std::size_t rows, std::size_t noteLines, std::size_t tables);

// Lays out the one page: the title and the regime, the capital, span and
// duration, the table of periods, the totals, the notes, and at the foot the
// tables used and the day of the calculation.
void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts);

// The report as one document on the current printer, as PrintReport.
void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts);

} // namespace tarvel
