#include "print/printer_selection.h"
#include "print/qt_printer_platform.h"
#include "runtime/qt_form_runtime.h"
#include "ui/application.h"
#include "ui/frm_tarvel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvel::SetUpApplication(app);

    // The desktop and the printers, made once for the whole program; they go
    // in the reverse order, the printers (Qt objects) before the application.
    tarvel::QtFormRuntime runtime;
    tarvel::QtPrinterPlatform platform;
    tarvel::PrinterSelection printers(&platform);

    tarvel::frmTarvel window(runtime, printers);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
