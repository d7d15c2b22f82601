// Saves pictures of the windows: the main window at start, after a
// calculation (with the notice of the rates in force) and with a billion-euro
// capital, the window of the rates in force, the Info window, the printer
// window over the disabled main window (with the page it prints, as
// report-page.pdf), the printer window without printers, the warning of a
// failed calculation, and the main window and the window of the rates in
// force under a dark palette. Usage: tarvel-screenshots <directory>
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
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTableWidget>
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

// The window with the ledger of the first example: 10.000,00 from 01/01/2025
// and a payment of 3.000,00 on 01/07/2025, to 31/12/2025.
bool PictureRatesLedger(tarvel::frmTarvel& window, const QString& file)
{
    tarvel::RatesInForceWindow* rates = tarvel::testing::OpenRatesWindow(window);
    if (!rates)
        return false;
    tarvel::testing::CalculateIn(*rates, {"10000", "01/01/2025", "31/12/2025"});
    auto* table = tarvel::testing::Find<QTableWidget>(*rates, "movimenti");
    QTest::mouseClick(tarvel::testing::Find(*rates, "aggiungi"), Qt::LeftButton);
    const std::pair<int, const char*> cells[] = {{0, "01/07/2025"}, {2, "3000"}, {3, "bonifico"}};
    for (const auto& [column, text] : cells) {
        table->setCurrentCell(0, column);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    table->setCurrentCell(0, 1);
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(300);
    const bool saved = rates->grab().save(file);
    // The movement removed, closing asks nothing.
    QTest::keyClick(table, Qt::Key_Delete);
    rates->close();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvel::SetUpApplication(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
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
    saved = PictureRatesLedger(window, out.filePath(QStringLiteral("rates-window-ledger.png"))) && saved;

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
    return saved ? 0 : 1;
}
