#pragma once

#include "calc/ledger.h"
#include "print/easy_print.h"

namespace tarvel {

// The ledger's statement as a plain A4 document, its lines as tarvel-calc
// writes them, as many pages as they take, each headed by the title: what
// tarvel-calc --movimenti prints with --pdf or --printer.
void PrintLedgerPages(EasyPrint& objPrint, const Ledger& ledger);

} // namespace tarvel
