#include "print/printer.h"
#include "print/qt_printer_platform.h"
#include "runtime/qt_form_runtime.h"
#include "ui/application.h"
#include "ui/frm_tarvel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvel::SetUpApplication(app);

    tarvel::QtFormRuntime runtime;
    tarvel::SetRuntime(&runtime);
    tarvel::QtPrinterPlatform printers;
    tarvel::SetPrinterPlatform(&printers);

    tarvel::frmTarvel window;
    window.Form_Load();
    window.show();
    const int status = QApplication::exec();
    // The current printer is a Qt object: it goes before the application does.
    tarvel::SetCurrentPrinter(nullptr);
    tarvel::SetPrinterPlatform(nullptr);
    tarvel::SetRuntime(nullptr);
    return status;
}
