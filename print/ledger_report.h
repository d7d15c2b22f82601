#pragma once

#include "calc/date.h"
#include "calc/ledger.h"
#include "print/easy_print.h"
#include "print/statement_page.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tarvel {

// The texts of the printed ledger, top to bottom.
struct LedgerReportTexts {
    std::string title;                // "Conto del debito: interessi legali"
    std::string regime;               // as the rates report's
    std::string end;                  // "31/12/2025"
    std::string imputation;           // "prima agli interessi, poi al capitale (art. 1194 c.c.)"
    std::vector<StatementLine> lines; // the movements and the spans between them, a row each
    // ("Capitale residuo", "7.099,18") ... ("Totale dovuto al 31/12/2025", "7.170,37")
    std::vector<std::pair<std::string, std::string>> totals;
    std::vector<std::string> notes;  // why the rows do not add up to the total, when they do not; "Nota: ..."
    std::vector<std::string> tables; // "Tabella: ..."
    std::string madeOn;              // "Calcolo del 09/12/2026"
};

// The page of a ledger calculated on `madeOn`.
LedgerReportTexts MakeLedgerReportTexts(const Ledger& ledger, Date madeOn);

// Which rows each page of `sheet` holds, a line each, given the lines of the
// totals and notes that end the table and the tables at the foot: the index
// of each page's first row, the first 0. The rows fill the pages in order; the
// totals and notes go under the last row, on a page of their own when they do
// not fit under it.
std::vector<std::size_t> LayOutLedgerPages(std::size_t rows, std::size_t totals, std::size_t noteLines,
                                           std::size_t tables, const statement_page::Sheet& sheet);

// The ledger as one document on the current printer, over as many pages as it
// takes, a line for each movement and each span: upright when every column
// stands whole across the sheet, else lying; a movement's description cut
// when it must be. On every page the heading, the column heads and "pagina 2
// di 3" at the foot; under the last row the totals and the notes, and at the
// last page's foot the tables used and the day of the calculation.
void PrintLedgerReport(EasyPrint& objPrint, const LedgerReportTexts& texts);

} // namespace tarvel
