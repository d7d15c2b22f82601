#include "cli/run_ledger.h"

#include "calc/charged_rates.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/ledger.h"
#include "calc/printable.h"
#include "cli/chosen_rates.h"
#include "cli/options.h"
#include "cli/report_printer.h"
#include "runtime/descriptor_io.h"
#include "runtime/ledger_file.h"
#include "runtime/system_error_text.h"

#include <iostream>
#include <unistd.h>

namespace tarvel {
namespace {

int refuse(const std::string& message, int code)
{
    std::cerr << "tarvel-calc: " << message << '\n';
    return code;
}

// The statement on standard output, a block at a time, so that a long one
// is never held whole; the first error, or 0.
int writeOut(const Ledger& ledger)
{
    constexpr std::size_t kBlock = 64 * 1024;
    std::string block;
    int error = 0;
    const auto flush = [&] {
        if (error == 0)
            error = WriteFully(STDOUT_FILENO, block);
        block.clear();
    };
    ForEachLedgerTextLine(ledger, [&](const std::string& line) {
        block.append(line) += '\n';
        if (block.size() >= kBlock)
            flush();
    });
    flush();
    return error;
}

} // namespace

int RunLedger(const CalcOptions& options, const ChosenRates& rates, ReportPrinter* printer)
{
    LedgerRequest request;
    const auto end = DateFieldText(options.endDate);
    if (!end)
        return refuse("AL: data non valida: " + Quoted(options.endDate), 1);
    request.end = *ParseDate(*end);
    if (options.claimDate) {
        auto claim = ReadClaimDate(*options.claimDate);
        if (const auto* fault = std::get_if<FieldFault>(&claim))
            return refuse(fault->line(), 1);
        request.claim = std::get<Date>(claim);
    }
    request.regime = options.latePayment ? Regime::LatePayment : request.claim ? Regime::LegalWithClaim : Regime::Legal;
    request.marginHundredths = options.marginHundredths;
    request.legalRates = &rates.LegalForClaims();
    request.referenceRates = &rates.Reference();
    request.capitalFirst = options.ledger.capitalFirst();
    request.compensation = options.ledger.compensation;

    auto read = ReadLedgerFile(*options.ledger.file);
    if (const auto* fault = std::get_if<LedgerFileFault>(&read))
        return refuse(fault->message(*options.ledger.file), fault->kind == LedgerFileFault::Kind::Line ? 1 : 2);
    request.movements = std::move(std::get<std::vector<Movement>>(read));

    const LedgerOutcome outcome = ComputeLedger(request);
    if (outcome.fault)
        return refuse(LedgerFileFault{LedgerFileFault::Kind::Line, outcome.fault->line, outcome.fault->reason}.message(
                          *options.ledger.file),
                      1);
    if (!printer || !printer->TakesStandardOutput()) {
        if (const int error = writeOut(*outcome.ledger); error != 0)
            return refuse("impossibile scrivere sullo standard output: " + SystemErrorText(error), 2);
    }
    if (printer)
        return printer->PrintLedger(*outcome.ledger, std::cerr) ? 0 : 3;
    return 0;
}

} // namespace tarvel
