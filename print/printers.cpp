#include "print/printer.h"

#include "print/print_error.h"

namespace tarvel {
namespace {

PrinterPlatform* platform = nullptr;
std::shared_ptr<Printer> current;

} // namespace

void SetPrinterPlatform(PrinterPlatform* newPlatform) { platform = newPlatform; }

std::vector<std::shared_ptr<Printer>> Printers()
{
    return platform ? platform->Printers() : std::vector<std::shared_ptr<Printer>>{};
}

Printer& CurrentPrinter()
{
    if (!current && platform)
        current = platform->DefaultPrinter();
    if (!current)
        throw PrintError(kErrNoPrinter);
    return *current;
}

void SetCurrentPrinter(std::shared_ptr<Printer> printer) { current = std::move(printer); }

} // namespace tarvel
