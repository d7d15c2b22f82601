#pragma once

#include "print/printer.h"

#include <memory>
#include <vector>

namespace tarvel {

// The printers a program prints on: the installed ones, from its platform,
// and the current one. One selection serves the whole program: the printer
// window makes a printer current, and every later report, the engine's,
// goes to it. The program makes one at start and hands it to whoever prints.
class PrinterSelection {
public:
    // Without a platform there are no printers; a platform is not owned and
    // must outlive the selection.
    explicit PrinterSelection(PrinterPlatform* platform = nullptr) : platform_(platform) {}

    PrinterSelection(const PrinterSelection&) = delete;
    PrinterSelection& operator=(const PrinterSelection&) = delete;

    // Every installed printer once, in the platform's order.
    std::vector<std::shared_ptr<Printer>> Printers() const;

    // The printer made current last, else the platform's default; raises
    // kErrNoPrinter when there is none.
    Printer& Current();
    // The same, or null when there is none.
    Printer* CurrentOrNone();
    void MakeCurrent(std::shared_ptr<Printer> printer) { current_ = std::move(printer); }

private:
    PrinterPlatform* platform_;
    std::shared_ptr<Printer> current_;
};

} // namespace tarvel
