#pragma once

#include "print/printer.h"

namespace tarvel {

// The printers of the system's printing service, as Qt lists them.
class QtPrinterPlatform final : public PrinterPlatform {
public:
    std::vector<std::shared_ptr<Printer>> Printers() override;
    std::shared_ptr<Printer> DefaultPrinter() override;
};

} // namespace tarvel
