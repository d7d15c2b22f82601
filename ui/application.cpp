#include "ui/application.h"

#include "ui/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace tarvel {

void SetUpApplication(QApplication& app)
{
    // No display name: Qt would append it to every title the window manager
    // shows (" — Tarvel"), and the windows' captions are exact.
    QApplication::setApplicationName(QStringLiteral("tarvel"));
    QApplication::setDesktopFileName(QStringLiteral(TARVEL_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());

    // Qt's own dialogs (the save dialog, the message boxes' buttons) in Italian.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}

bool AsksForRatesInForce(const QStringList& arguments)
{
    return arguments.indexOf(QLatin1String(kRatesInForceOption), 1) > 0;
}

} // namespace tarvel
