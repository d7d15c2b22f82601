#pragma once

#include "calc/date.h"
#include "calc/statement.h"
#include "print/easy_print.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvel {

// The texts of the printed statement, top to bottom.
struct RatesReportTexts {
    // "Interessi legali e di mora dalla domanda giudiziale del 15/05/2024",
    // "Interessi convenzionali al 4,75%", "Rivalutazione ISTAT"
    std::string title;
    // What the regime charges, "Interessi di mora, ..., maggiorazione 8 punti";
    // empty when legal and when the title says it all (a contract's rate)
    std::string regime;
    std::string capitalCaption = "Capitale"; // "Importo" for a revaluation without interest
    std::string capital;                     // "25.000,00"
    std::string span;                        // "dal 15/06/2018 al 08/12/2026"
    std::string duration;                    // "8 anni e 178 giorni"; empty, and not printed, without interest
    // The lines of the option asked, before the table: a revaluation's, "Dal:
    // marzo 2015, indice 107,0 (base 2010=100)", ..., "Coefficiente: 1,015";
    // the capitalisation's, "Capitalizzazione trimestrale dal 15/05/2024";
    // none without one.
    std::vector<std::string> optionLines;
    // A line for each period the span touches; compounded, each stretch's and each capitalisation.
    std::vector<StatementLine> lines;
    // "Interessi legali e di mora" "3.319,93", "Somma" "28.319,93"; a
    // revaluation's own ("Capitale rivalutato", ..., "Totale dovuto al
    // 15/03/2025"); compounded, "Interessi" and "Totale dovuto al 15/03/2025".
    std::vector<std::pair<std::string, std::string>> totals;
    // Why the rows do not add up to the total, when they do not; "Nota: i giorni
    // dopo il 31/12/2026 sono calcolati ..."; compounded, the law's line last.
    std::vector<std::string> notes;
    std::vector<std::string> tables; // "Tabella: Tassi legali in vigore, ultimo atto: D.M. 10/12/2025"
    std::string madeOn;              // "Calcolo del 09/12/2026"
};

// The title of a statement under `regime`, "Interessi di mora, D.Lgs. 231/2002";
// after a claim it names the claim's day, at a contract's rate it is what
// the regime charges (`regimeText`), "Interessi convenzionali al 4,75%".
std::string RegimeTitle(Regime regime, std::optional<Date> claim, const std::string& regimeText);

// The lines that end a statement's page, the ledger's too: the note that says
// why the rows do not add up to the total (none when they do) and "Nota: ..."
// a note on later days; "Tabella: ..." a table used, its description naming a
// file as the user gave it shown as the messages show a text; and "Calcolo
// del 09/12/2026".
std::vector<std::string> NoteLines(const std::string& roundingNote, const std::vector<LaterDaysNote>& notes);
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

// Lays out the one page, upright: the title and the regime, the capital, span
// and duration, the table of periods (its columns as wide as their texts, an
// act cut when it must be), the totals, the notes, and at the foot the tables
// used and the day of the calculation. A statement with an option (revalued
// or compounded) has its option's lines between the duration and the table,
// and every line in 10 pt as the rest: it goes on to more pages when it needs
// them, each under the title and numbered at its foot, the column heads again
// over the rows that go on, the totals and the notes together on the last one
// with the foot.
void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts);

// The report as one document on the current printer, as PrintReport, on an upright sheet.
void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts);

} // namespace tarvel
