// Printing from the main window through a private print server with the
// queues P1, P2 and P3 (P2 its default), P4 with wide margins and P5 that
// refuses jobs. The server needs root; elsewhere the test is skipped.
#include "print/qt_printer_platform.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/print_server.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/printer_window_steps.h"

#include <QApplication>
#include <QComboBox>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace tarvel;
using namespace tarvel::testing;
namespace fs = std::filesystem;

namespace {

PrintServer* server = nullptr;

// The printers of the desktop, the server's queues; a base, so that they are
// made before the program that prints on them and outlive it.
struct OnTheServer {
    QtPrinterPlatform platform;
};

// The main window after a calculation, printing on the server's queues; when
// the case ends, passed or failed, the window goes and no printer is left set.
struct Calculated : OnTheServer, Program {
    Calculated() : Program(&platform) { Calculate(*w, "10000", "01012000", "01012015"); }
};

} // namespace

class PrinterWindowCupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!PrintServer::MayStart())
            QSKIP("the private print server needs root");
        QVERIFY2(server->Running(), "the private print server did not start");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QStringLiteral("P2"));
    }

    void printsOnTheQueuePicked()
    {
        Calculated c;
        auto& w = c.w;

        frmPrinter* printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        QVERIFY(IsBlocked(*w));
        QStringList listed;
        for (int i = 0; i < Combo1(*printer)->count(); ++i)
            listed << Combo1(*printer)->itemText(i);
        QCOMPARE(listed, QStringList({"P1", "P2", "P3", "P4", "P5", QStringLiteral("File PDF…")}));
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P1"));
        QCOMPARE(c.printers.Current().DeviceName(), "P1");

        PickFromList(Combo1(*printer), 1);
        QCOMPARE(c.printers.Current().DeviceName(), "P2");
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(IsGivenBack(*w));
        QVERIFY(server->WaitForJobs());
        const auto pages = ReadPdfWords(server->Output("P2").string());
        QCOMPARE(pages.size(), std::size_t(1));
        QVERIFY(std::abs(pages[0].widthMm - 210) < 0.5 && std::abs(pages[0].heightMm - 297) < 0.5);
        const auto mismatches =
            LayoutMismatches(pages[0], ReportLayout(ExpectedTexts("10000", "01012000", "01012015")), 0.5);
        QVERIFY2(mismatches.empty(), mismatches.empty() ? "" : mismatches[0].c_str());
        QVERIFY(!fs::exists(server->Output("P1")));
        QVERIFY(!fs::exists(server->Output("P3")));
        QVERIFY(c.runtime.messages.empty());

        // Opened again, the first queue is current; the close box prints nothing.
        const auto printedSize = fs::file_size(server->Output("P2"));
        printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P1"));
        QCOMPARE(c.printers.Current().DeviceName(), "P1");
        printer->close();
        Settle();
        QVERIFY(IsGivenBack(*w));
        QVERIFY(server->WaitForJobs());
        QVERIFY(!fs::exists(server->Output("P1")));
        QVERIFY(!fs::exists(server->Output("P3")));
        QCOMPARE(fs::file_size(server->Output("P2")), printedSize);
    }

    // One engine for the run of the program: the report on a queue with
    // other margins stands where it does on the first.
    void followsThePageOfEachQueue()
    {
        Calculated c;
        auto& w = c.w;
        const auto layout = ReportLayout(ExpectedTexts("10000", "01012000", "01012015"));
        for (int row : {0, 3}) {
            frmPrinter* printer = OpenPrinterWindow(*w);
            QVERIFY(printer);
            PickFromList(Combo1(*printer), row);
            QTest::mouseClick(Command1(*printer), Qt::LeftButton);
            Settle();
            QVERIFY(IsGivenBack(*w));
        }
        QVERIFY(server->WaitForJobs());
        std::vector<PdfPage> printed;
        for (const char* queue : {"P1", "P4"}) {
            const auto pages = ReadPdfWords(server->Output(queue).string());
            QCOMPARE(pages.size(), std::size_t(1));
            const auto mismatches = LayoutMismatches(pages[0], layout, 0.5);
            QVERIFY2(mismatches.empty(), (queue + (": " + (mismatches.empty() ? "" : mismatches[0]))).c_str());
            printed.push_back(pages[0]);
        }
        // Word by word, the second page is the first.
        QCOMPARE(printed[1].words.size(), printed[0].words.size());
        double farthest = 0;
        for (std::size_t i = 0; i < printed[0].words.size(); ++i) {
            const PdfWord &a = printed[0].words[i], &b = printed[1].words[i];
            QCOMPARE(b.text, a.text);
            farthest = std::max({farthest, std::abs(b.xMin - a.xMin), std::abs(b.yMin - a.yMin)});
        }
        QVERIFY(farthest < 0.5);
        qInfo("%zu words, farthest apart %.3f mm; \"%s\" at (%.2f, %.2f) mm", printed[0].words.size(), farthest,
              printed[1].words[0].text.c_str(), printed[1].words[0].xMin, printed[1].words[0].yMin);
        QVERIFY(c.runtime.messages.empty());
    }

    // A queue that takes no job: said in the window's box, the window stays
    // with that queue chosen, and nothing is printed anywhere.
    void aPrintThatFailsIsSaid_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("afterListing"); // "remove" the queue, "stop" the server
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("refuses jobs") << 4 << "P5" << "" << "La stampante non accetta lavori";
        // Last: the queue stays removed, the server stopped.
        QTest::newRow("removed after listing") << 2 << "P3" << "remove" << "La stampante non esiste";
        QTest::newRow("server stopped") << 0 << "P1" << "stop" << "Il server di stampa non risponde";
        // clang-format on
    }

    void aPrintThatFailsIsSaid()
    {
        QFETCH(int, row);
        QFETCH(QString, queue);
        QFETCH(QString, afterListing);
        QFETCH(QString, reason);
        Calculated c;
        auto& w = c.w;
        frmPrinter* printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        PickFromList(Combo1(*printer), row);
        QCOMPARE(Combo1(*printer)->currentText(), queue);
        // Earlier tests may have printed there: nothing more comes.
        const fs::path output = server->Output(queue.toStdString());
        const auto printedBefore = fs::exists(output) ? std::intmax_t(fs::file_size(output)) : -1;
        if (afterListing == "remove")
            QVERIFY(server->Remove(queue.toStdString()));
        if (afterListing == "stop")
            QVERIFY(server->Stop());
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();

        const QString said = QStringLiteral("Impossibile stampare su \"%1\": %2").arg(queue, reason);
        QCOMPARE(Shown(c.runtime), QStringList{PrinterWindowWarning(said)});
        QCOMPARE(w->PrinterWindow(), printer);
        QVERIFY(IsBlocked(*w));
        QCOMPARE(Combo1(*printer)->currentText(), queue);
        printer->close();
        Settle();
        QVERIFY(IsGivenBack(*w));
        if (afterListing != "stop")
            QVERIFY(server->WaitForJobs());
        QCOMPARE(fs::exists(output) ? std::intmax_t(fs::file_size(output)) : -1, printedBefore);
    }
};

int main(int argc, char** argv)
{
    // Started before the application: the printing system reads CUPS_SERVER once.
    PrintServer printServer({"P1", "P2", "P3", "P4:wide", "P5:reject"});
    if (printServer.Running())
        printServer.MakeDefault("P2");
    server = &printServer;
    QApplication application(argc, argv);
    PrinterWindowCupsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "printer_window_cups_test.moc"
