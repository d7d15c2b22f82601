#pragma once

#include "calc/date.h"
#include "calc/ledger.h"
#include "print/easy_print.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tarvel {

// One row of the ledger's table: a movement, or a span between movement days.
struct LedgerReportRow {
    std::string day;     // a movement's day; a span's first day charged
    std::string lastDay; // a span's last day
    // "pagamento 3.000,00\nbonifico\na interessi 99,18\na capitale 2.900,82": a
    // line for each part (the description its own), wrapped to the column when too long
    std::string movement;
    std::string days;     // a span's "181"
    std::string rate;     // "2%"; a late-payment span's "4,5% + 8"
    std::string interest; // "99,18"
    std::string capital;  // after a movement; the one a span runs on
};

// The texts of the printed ledger, top to bottom.
struct LedgerReportTexts {
    std::string title;      // "Conto del debito: interessi legali"
    std::string regime;     // as the rates report's
    std::string end;        // "31/12/2025"
    std::string imputation; // "prima agli interessi, poi al capitale (art. 1194 c.c.)"
    std::vector<LedgerReportRow> rows;
    // ("Capitale residuo", "7.099,18") ... ("Totale dovuto al 31/12/2025", "7.170,37")
    std::vector<std::pair<std::string, std::string>> totals;
    std::vector<std::string> notes;  // "Nota: ..."
    std::vector<std::string> tables; // "Tabella: ..."
    std::string madeOn;              // "Calcolo del 09/12/2026"
};

// The page of a ledger calculated on `madeOn`.
LedgerReportTexts MakeLedgerReportTexts(const Ledger& ledger, Date madeOn);

// Which rows each page holds, given how many lines each row takes, the lines
// of the totals and notes that end the table and the tables at the foot: the
// index of each page's first row, the first 0. The rows fill the pages in
// order; the totals and notes go under the last row, on a page of their own
// when they do not fit under it.
std::vector<std::size_t> LayOutLedgerPages(const std::vector<std::size_t>& rowLines, std::size_t totals,
                                           std::size_t noteLines, std::size_t tables);

// The ledger as one document on the current printer, over as many pages as it
// takes: on every page the heading, the column heads and "pagina 2 di 3" at the
// foot; under the last row the totals and the notes, and at the last page's
// foot the tables used and the day of the calculation.
void PrintLedgerReport(EasyPrint& objPrint, const LedgerReportTexts& texts);

} // namespace tarvel
