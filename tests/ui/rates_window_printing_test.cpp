// Printing from the window of the rates in force: the report with the rates
// in force, through "Seleziona stampante", on a queue of a private print
// server (which needs root: elsewhere that case is skipped) and as a PDF
// file, read back with poppler.
#include "print/qt_printer_platform.h"
#include "print/rates_report.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/print_server.h"
#include "tests/ui/printer_window_steps.h"
#include "tests/ui/rates_window_steps.h"

#include <QApplication>

#include <algorithm>
#include <filesystem>

using namespace tarvel;
using namespace tarvel::testing;
namespace fs = std::filesystem;

namespace {

PrintServer* server = nullptr;

// Clicks "Stampa" in the window of the rates in force; the printer window that opens.
frmPrinter* OpenPrinterWindowOf(RatesInForceWindow& rates)
{
    QTest::mouseClick(Find(rates, "stampa"), Qt::LeftButton);
    frmPrinter* printer = rates.PrinterWindow();
    if (printer && !QTest::qWaitFor([&] { return QApplication::activeWindow() == printer; }))
        qWarning("printer window not active");
    return printer;
}

bool HasWord(const PdfPage& page, const std::string& text)
{
    return std::any_of(page.words.begin(), page.words.end(), [&](const PdfWord& w) { return w.text == text; });
}

} // namespace

class RatesWindowPrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QtPrinterPlatform> platform;
    std::unique_ptr<Program> program;
    RatesInForceWindow* rates = nullptr;

    // The one page printed in `file`, as the statement shown lays it out.
    void ExpectTheStatementIn(const fs::path& file)
    {
        const auto pages = ReadPdfWords(file.string());
        QCOMPARE(pages.size(), std::size_t(1));
        const auto mismatches =
            LayoutMismatches(pages[0], RatesReportLayout(MakeRatesReportTexts(*rates->ShownStatement())), 0.5);
        QVERIFY2(mismatches.empty(), mismatches.empty() ? "" : mismatches[0].c_str());
        // And as the law gives it, every amount with its digit before the comma.
        for (const auto& word : pages[0].words)
            QVERIFY2(word.text[0] != ',', word.text.c_str());
        QVERIFY(HasWord(pages[0], rates->ShownStatement()->interest));
    }

private slots:
    void init()
    {
        platform = std::make_unique<QtPrinterPlatform>();
        program = std::make_unique<Program>(nullptr, platform.get());
        rates = OpenRatesWindow(*program->w);
        QVERIFY(rates);
    }

    void cleanup()
    {
        program.reset();
        platform.reset();
    }

    void printsOnTheQueuePicked()
    {
        if (!PrintServer::MayStart())
            QSKIP("the private print server needs root");
        QVERIFY2(server->Running(), "the private print server did not start");
        CalculateIn(*rates, {"25000", "15/06/2018", "08/12/2026"});
        frmPrinter* printer = OpenPrinterWindowOf(*rates);
        QVERIFY(printer);
        QVERIFY(rates->PrinterWindow() == printer && printer->windowModality() == Qt::WindowModal);
        PickFromList(Combo1(*printer), 1);
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(!rates->PrinterWindow());
        QVERIFY(server->WaitForJobs());
        ExpectTheStatementIn(server->Output("P2"));
        const auto page = ReadPdfWords(server->Output("P2").string())[0];
        for (const char* word : {"3.319,93", "28.319,93", "0,3%", "40,89", "374,79", "10/12/2025"})
            QVERIFY2(HasWord(page, word), word);
        QVERIFY(!fs::exists(server->Output("P1")));
        QVERIFY(program->runtime.messages.empty());
    }

    void printsToAPdfFile_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<QString>("word"); // one the page must show
        QTest::newRow("under one euro") << RatesTyped{"1000", "01/01/2020", "01/02/2020"} << "0,04";
        QTest::newRow("claim") << RatesTyped{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "15/05/2024"}
                               << "2.312,26";
        QTest::newRow("late payment") << RatesTyped{"10000", "31/05/2024", "28/02/2025", "regimeMora"} << "900,51";
    }

    // "File PDF…": the page saved where the save dialog says.
    void printsToAPdfFile()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(QString, word);
        PrivateFolder folder;
        const std::string file = folder.Path("prospetto.pdf");
        program->runtime.saveAnswer = file;
        CalculateIn(*rates, typed);
        frmPrinter* printer = OpenPrinterWindowOf(*rates);
        QVERIFY(printer);
        PickFromList(Combo1(*printer), Combo1(*printer)->count() - 1);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("File PDF…"));
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(!rates->PrinterWindow());
        QCOMPARE(program->runtime.saveDialogs.size(), std::size_t(1));
        ExpectTheStatementIn(file);
        QVERIFY(HasWord(ReadPdfWords(file)[0], word.toStdString()));
        QVERIFY(program->runtime.messages.empty());
    }
};

int main(int argc, char** argv)
{
    // Started before the application: the printing system reads CUPS_SERVER once.
    std::optional<PrintServer> printServer;
    if (PrintServer::MayStart()) {
        printServer.emplace(std::vector<std::string>{"P1", "P2"});
        server = &*printServer;
    }
    QApplication application(argc, argv);
    RatesWindowPrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "rates_window_printing_test.moc"
