#include "print/printer_selection.h"
#include "print/qt_printer_platform.h"
#include "runtime/qt_form_runtime.h"
#include "ui/application.h"
#include "ui/frm_tarvel.h"
#include "ui/rate_tables_in_use.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[])
{
    // Qt takes its own options (-platform, -style...) out of the arguments;
    // the program has one of its own and leaves the others alone.
    QApplication app(argc, argv);
    tarvel::SetUpApplication(app);
    const bool openRatesInForce = tarvel::AsksForRatesInForce(QApplication::arguments());

    // The desktop and the printers, made once for the whole program; they go
    // in the reverse order, the printers (Qt objects) before the application.
    tarvel::QtFormRuntime runtime;
    tarvel::QtPrinterPlatform platform;
    tarvel::PrinterSelection printers(&platform);
    // The tables of the rates in force, as the last run left them, in the
    // desktop's place for settings (~/.config/tarvel/tarvel.conf).
    QSettings settings(QStringLiteral("tarvel"), QStringLiteral("tarvel"));
    tarvel::RateTablesInUse tables(settings);

    tarvel::frmTarvel window(runtime, printers, tables);
    window.show();
    window.Started(openRatesInForce);
    return QApplication::exec();
}
