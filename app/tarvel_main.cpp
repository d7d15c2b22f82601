#include "frm_tarvel.h"
#include "pictures.h"
#include "printer.h"
#include "qt_form_runtime.h"
#include "qt_printer_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvel"));
    QApplication::setDesktopFileName(QStringLiteral(TARVEL_APP_ID));
    QApplication::setWindowIcon(tarvel::ProgramIcon());

    // Qt's own dialogs (the save dialog, the message boxes' buttons) in Italian.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

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
