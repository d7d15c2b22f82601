// Saves pictures of the windows: the main window at start, after a
// calculation (with the notice of the rates in force) and with a billion-euro
// capital, the window of the rates in force, the Info window, the printer
// window over the disabled main window (with the page it prints, as
// report-page.pdf), the window of the rates in force with a contract's rate
// compounded and with a revaluation (each with the whole screen too, on an X
// server), the printer window without printers, the warning of a
// failed calculation, and the main window and the window of the rates in
// force (alone and compounded) under a dark palette. Usage: tarvel-screenshots <directory>; or
// tarvel-screenshots <directory> <ledger file> <al>: only the window with that
// ledger opened (the open dialog too), and the whole screen.
// Best run on a real X server (xvfb-run), where the printer window is pictured
// as the screen shows it.
#include "print/printer_selection.h"
#include "print/qt_printer.h"
#include "runtime/qt_form_runtime.h"
#include "tests/ui/dark_palette.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/rates_window_steps.h"
#include "ui/application.h"
#include "ui/frm_printer.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"
#include "ui/rate_tables_in_use.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A few printers to list, while installed; none of them is printed on.
class NamedPrinters final : public tarvel::PrinterPlatform {
public:
    std::vector<std::shared_ptr<tarvel::Printer>> Printers() override
    {
        if (!installed)
            return {};
        return {tarvel::QtPrinter::ForDevice("Ufficio"), tarvel::QtPrinter::ForDevice("Ufficio_colori"),
                tarvel::QtPrinter::ForDevice("Magazzino")};
    }
    bool installed = false;
    std::shared_ptr<tarvel::Printer> DefaultPrinter() override { return nullptr; }
};

// The two windows as the screen shows them; where the screen cannot be read,
// each window's own picture in its place.
QPixmap PictureOf(QWidget& below, QWidget& above)
{
    const QRect area = below.frameGeometry().united(above.frameGeometry());
    QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!shot.isNull() && QGuiApplication::platformName() == QStringLiteral("xcb"))
        return shot;
    QPixmap composed(area.size());
    composed.fill(Qt::white);
    QPainter painter(&composed);
    painter.drawPixmap(below.geometry().topLeft() - area.topLeft(), below.grab());
    painter.drawPixmap(above.geometry().topLeft() - area.topLeft(), above.grab());
    return composed;
}

// The worked example of the README, typed in and calculated, or another capital.
void Calculate(tarvel::frmTarvel& window, const char* capital = "10000")
{
    tarvel::testing::Calculate(window, capital, "01012000", "01012015");
    QTest::qWait(100);
}

// The window of the rates in force with a calculation typed into it, then closed.
bool PictureRatesWindow(tarvel::frmTarvel& window, const QString& file, const tarvel::testing::RatesTyped& typed)
{
    tarvel::RatesInForceWindow* rates = tarvel::testing::OpenRatesWindow(window);
    if (!rates)
        return false;
    tarvel::testing::CalculateIn(*rates, typed);
    QTest::qWait(300);
    const bool saved = rates->grab().save(file);
    rates->close();
    return saved;
}

const tarvel::testing::RatesTyped kRatesExample{"25000", "15/06/2018", "08/12/2026"};

// The window of the rates in force with a calculation typed into it and the
// option `option` ticked, its way `way` chosen, its day `day` typed when
// given; then its picture and the whole screen's, as NAME.png and
// NAME-screen.png, and the option unticked.
bool PictureRatesOption(tarvel::frmTarvel& window, const QDir& out, const QString& name,
                        const tarvel::testing::RatesTyped& typed, const char* option, const char* way,
                        const char* dayField = nullptr, const QString& day = {})
{
    using tarvel::testing::Find;
    tarvel::RatesInForceWindow* rates = tarvel::testing::OpenRatesWindow(window);
    if (!rates)
        return false;
    tarvel::testing::TypeIn(*rates, typed);
    QTest::mouseClick(Find(*rates, option), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(Find(*rates, way), Qt::LeftButton, {}, QPoint(4, 4));
    if (dayField) {
        auto* field = Find<tarvel::MaskedEdit>(*rates, dayField);
        field->FocusForTyping();
        QTest::keyClicks(field, day);
    }
    QTest::qWait(300);
    bool saved = rates->grab().save(out.filePath(name + ".png"));
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        saved = QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                             out.filePath(name + "-screen.png")})
                    == 0
                && saved;
    QTest::mouseClick(Find(*rates, option), Qt::LeftButton, {}, QPoint(4, 4));
    rates->close();
    return saved;
}

// Answers the next open dialog with `path` once it shows, after a picture of
// it in the file's folder.
void AnswerOpenDialog(const QString& path, const QString& picture)
{
    QTimer::singleShot(800, [path, picture] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible()) {
                dialog->setDirectory(QFileInfo(path).absolutePath());
                QTimer::singleShot(800, dialog, [dialog, path, picture] {
                    if (!picture.isEmpty())
                        dialog->grab().save(picture);
                    // The dialog's own field of the name, as a user types it.
                    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        name->setText(QFileInfo(path).fileName());
                    QMetaObject::invokeMethod(dialog, "accept");
                });
            }
    });
}

// The window with the ledger of `file` opened through the open dialog, the
// list shown; with `screen`, the dialog and the whole screen pictured too.
bool PictureRatesLedger(tarvel::frmTarvel& window, const QDir& out, const QString& name, const QString& file,
                        const QString& end, bool screen = false)
{
    tarvel::RatesInForceWindow* rates = tarvel::testing::OpenRatesWindow(window);
    if (!rates)
        return false;
    tarvel::testing::CalculateIn(*rates, {"10000", "01/01/2025", end});
    AnswerOpenDialog(file, screen ? out.filePath(name + "-open-dialog.png") : QString());
    QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
    QTest::qWait(500);
    bool saved = rates->grab().save(out.filePath(name + ".png"));
    if (screen && QGuiApplication::platformName() == QStringLiteral("xcb"))
        saved = QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                                             out.filePath(name + "-screen.png")})
                    == 0
                && saved;
    rates->hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvel::SetUpApplication(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    // "OUT LEDGER_FILE AL": only the window with that ledger, and the screen.
    const QStringList ledger =
        argc > 3 ? QStringList{QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])} : QStringList();
    tarvel::QtFormRuntime runtime;
    NamedPrinters platform;
    tarvel::PrinterSelection printers(&platform);

    tarvel::RateTablesInUse tables;
    tarvel::frmTarvel window(runtime, printers, tables);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(200);
    if (!ledger.isEmpty())
        return PictureRatesLedger(window, out, QStringLiteral("ledger"), ledger[0], ledger[1], true) ? 0 : 1;
    bool saved = window.grab().save(out.filePath(QStringLiteral("main-window-start.png")));

    Calculate(window);
    saved = window.grab().save(out.filePath(QStringLiteral("main-window.png"))) && saved;
    // A billion euro, every amount shown whole.
    Calculate(window, "1234567890");
    saved = window.grab().save(out.filePath(QStringLiteral("main-window-billion.png"))) && saved;
    Calculate(window);

    // The window of the rates in force, on the first example of its own, and
    // with late-payment interest from a claim.
    saved = PictureRatesWindow(window, out.filePath(QStringLiteral("rates-window.png")), kRatesExample) && saved;
    saved = PictureRatesWindow(window, out.filePath(QStringLiteral("rates-window-claim.png")),
                               {"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "15/05/2024"})
            && saved;
    // The ledger of the first example: 10.000,00 from 01/01/2025 and a
    // payment of 3.000,00 on 01/07/2025, to 31/12/2025.
    QTemporaryDir ledgers;
    const QString example = ledgers.filePath(QStringLiteral("movimenti.csv"));
    QFile exampleFile(example);
    saved = exampleFile.open(QIODevice::WriteOnly)
            && exampleFile.write("data;tipo;importo;descrizione\n01/01/2025;credito;10.000,00;fattura 1\n"
                                 "01/07/2025;pagamento;3.000,00;bonifico\n")
                   > 0
            && saved;
    exampleFile.close();
    saved = PictureRatesLedger(window, out, QStringLiteral("rates-window-ledger"), example, "31/12/2025") && saved;
    // A contract's rate compounded every quarter from a claim; a sum revalued
    // year by year with legal interest.
    tarvel::testing::RatesTyped contract{"10000", "31/03/2023", "31/12/2025", "regimeConvenzionale"};
    contract.rate = QStringLiteral("4,75");
    saved = PictureRatesOption(window, out, QStringLiteral("rates-window-compounded"), contract, "capitalizzazione",
                               "capitalizzazioneTrimestrale", "capitalizzazioneDal", QStringLiteral("15052024"))
            && saved;
    saved = PictureRatesOption(window, out, QStringLiteral("rates-window-revaluation"), kRatesExample, "rivalutazione",
                               "interessiAnnuale")
            && saved;

    tarvel::testing::Press(window, "Command2");
    tarvel::frmVelmora* info = window.InfoWindow();
    if (!QTest::qWaitForWindowExposed(info))
        return 1;
    QTest::qWait(200);
    saved = info->grab().save(out.filePath(QStringLiteral("info-window.png"))) && saved;
    info->close();

    platform.installed = true;
    tarvel::testing::Press(window, "Command3");
    tarvel::frmPrinter* printer = window.PrinterWindow();
    if (!printer || !QTest::qWaitForWindowExposed(printer))
        return 1;
    QTest::qWait(300);
    saved = PictureOf(window, *printer).save(out.filePath(QStringLiteral("printer-window.png"))) && saved;
    // The page that its "Stampa" prints, on a PDF file instead of the printer.
    printers.MakeCurrent(tarvel::QtPrinter::ForPdf(out.filePath(QStringLiteral("report-page.pdf")).toStdString()));
    QTest::mouseClick(printer->findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::qWait(100);
    printers.MakeCurrent(nullptr);
    platform.installed = false;

    // And as it opens on a machine without printers.
    tarvel::testing::Press(window, "Command3");
    printer = window.PrinterWindow();
    if (!printer || !QTest::qWaitForWindowExposed(printer))
        return 1;
    QTest::qWait(300);
    saved = printer->grab().save(out.filePath(QStringLiteral("printer-window-none.png"))) && saved;
    printer->close();
    QTest::qWait(100);

    // The warning of a failed calculation, closed as soon as it is pictured.
    tarvel::testing::Find<QLineEdit>(window, "importo")->clear();
    QTimer::singleShot(300, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            saved = box->grab().save(out.filePath(QStringLiteral("calculation-warning.png"))) && saved;
            box->close();
        }
    });
    tarvel::testing::Press(window, "Command1");

    // The example again on a desktop with a dark colour scheme.
    QApplication::setPalette(tarvel::testing::DarkPalette());
    tarvel::frmTarvel dark(runtime, printers, tables);
    dark.show();
    if (!QTest::qWaitForWindowExposed(&dark))
        return 1;
    Calculate(dark);
    saved = dark.grab().save(out.filePath(QStringLiteral("main-window-dark.png"))) && saved;
    saved = PictureRatesWindow(dark, out.filePath(QStringLiteral("rates-window-dark.png")), kRatesExample) && saved;
    saved = PictureRatesOption(dark, out, QStringLiteral("rates-window-compounded-dark"), contract, "capitalizzazione",
                               "capitalizzazioneTrimestrale", "capitalizzazioneDal", QStringLiteral("15052024"))
            && saved;
    return saved ? 0 : 1;
}
