#include "print/qt_printer_platform.h"

#include "print/qt_printer.h"

#include <QPrinterInfo>

namespace tarvel {

std::vector<std::shared_ptr<Printer>> QtPrinterPlatform::Printers()
{
    std::vector<std::shared_ptr<Printer>> printers;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        printers.push_back(QtPrinter::ForDevice(name.toStdString()));
    return printers;
}

std::shared_ptr<Printer> QtPrinterPlatform::DefaultPrinter()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return QtPrinter::ForDevice(name.toStdString());
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? nullptr : QtPrinter::ForDevice(names.first().toStdString());
}

} // namespace tarvel
