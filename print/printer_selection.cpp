#include "print/printer_selection.h"

#include "print/print_error.h"

namespace tarvel {

std::vector<std::shared_ptr<Printer>> PrinterSelection::Printers() const
{
    return platform_ ? platform_->Printers() : std::vector<std::shared_ptr<Printer>>{};
}

Printer* PrinterSelection::CurrentOrNone()
{
    if (!current_ && platform_)
        current_ = platform_->DefaultPrinter();
    return current_.get();
}

Printer& PrinterSelection::Current()
{
    Printer* printer = CurrentOrNone();
    if (!printer)
        throw PrintError(kErrNoPrinter);
    return *printer;
}

} // namespace tarvel
