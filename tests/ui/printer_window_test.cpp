// Printing from the main window on recording printers, and without any
// printer installed (the report saved as a PDF file).
#include "tests/print/fake_printer.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/full_file_system.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/printer_window_steps.h"
#include "tests/ui/rates_window_steps.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

// A text of the report where the recording printer drew it, in page millimetres.
struct Drawn {
    std::string text;
    double left;
    double top;
};

std::vector<Drawn> DrawnTexts(const FakePrinter& printer)
{
    const double offsetX = printer.marginXPixels * 25.4 / printer.resolutionX;
    const double offsetY = printer.marginYPixels * 25.4 / printer.resolutionY;
    std::vector<Drawn> drawn;
    for (const FakeCall& call : printer.CallsOf("Print"))
        drawn.push_back({call.text, call.x + offsetX, call.y + offsetY});
    return drawn;
}

std::vector<std::string> Texts(const std::vector<Drawn>& drawn)
{
    std::vector<std::string> texts;
    for (const Drawn& d : drawn)
        texts.push_back(d.text);
    return texts;
}

// The texts of the report in the order it prints them.
std::vector<std::string> ReportOrder(const ReportTexts& t)
{
    std::vector<std::string> texts;
    for (const ExpectedText& expected : ExpectedReport(t))
        texts.push_back(expected.text);
    return texts;
}

int Count(const FakePrinter& printer, const char* op) { return int(printer.CallsOf(op).size()); }

// What is wrong with the PDF file `path` as the report of 10000 from
// 01/01/2000 to 01/01/2015 (one A4 page, laid out as the report); empty when
// nothing is.
QString ReportPdfFault(const std::string& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    pdfinfo.waitForFinished();
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    if (!info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))) || !info.contains(QStringLiteral("(A4)")))
        return "not one A4 page: " + info;
    return PageFault(path, ReportLayout(ExpectedTexts("10000", "01012000", "01012015")));
}

} // namespace

class PrinterWindowTest : public QObject {
    Q_OBJECT

    // Every case starts with three recording printers and the main window
    // as the program opens it.
    FakePlatform platform;
    std::shared_ptr<FakePrinter> P1, P2, P3;
    std::optional<Program> program;
    frmTarvel* w = nullptr;

    // A new first printer, with a clean log and no failures armed.
    void ReplaceP1()
    {
        P1 = std::make_shared<FakePrinter>("P1");
        platform.printers[0] = P1;
    }

private slots:
    void init()
    {
        P1 = std::make_shared<FakePrinter>("P1");
        P2 = std::make_shared<FakePrinter>("P2");
        P3 = std::make_shared<FakePrinter>("P3");
        platform.printers = {P1, P2, P3};
        program.emplace(&platform); // on the 1024 x 768 screen
        w = program->w.get();
    }

    void cleanup() { program.reset(); }

    void opensOverTheDisabledMainWindow()
    {
        Calculate(*w, "1000", "01012011", "01012015");
        frmPrinter* printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        QCOMPARE(printer->windowTitle(), QStringLiteral("Seleziona stampante"));
        QCOMPARE(printer->size(), QSize(312, 73));
        QCOMPARE(printer->minimumSize(), printer->maximumSize());
        QCOMPARE(printer->windowFlags() & Qt::WindowType_Mask, Qt::Tool); // no task-bar entry
        QVERIFY(!(printer->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(printer->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(printer->parentWidget(), w);       // window-modal over it
        QCOMPARE(printer->pos(), QPoint(356, 347)); // centred on the 1024 x 768 screen
        QCOMPARE(Command1(*printer)->text(), QStringLiteral("Stampa"));
        QVERIFY(!Command1(*printer)->icon().isNull());
        QCOMPARE(printer->nextInFocusChain(), Command1(*printer));
        QCOMPARE(QApplication::focusWidget(), Command1(*printer));

        // The list in the platform's order, then the PDF file; the first
        // current although the second is the default.
        QCOMPARE(Combo1(*printer)->count(), 4);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(Combo1(*printer)->itemText(i), QStringLiteral("P%1").arg(i + 1));
        QCOMPARE(Combo1(*printer)->itemText(3), QStringLiteral("File PDF…"));
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P1"));
        QCOMPARE(&program->printers.Current(), P1.get());

        QVERIFY(IsBlocked(*w));

        // One window at a time.
        Find<QAbstractButton>(*w, "Command3")->click();
        QCOMPARE(w->PrinterWindow(), printer);

        printer->close();
        Settle();
        QVERIFY(IsGivenBack(*w));
        QCOMPARE(Count(*P1, "Print"), 0);
        QCOMPARE(Count(*P1, "EndDoc"), 0);

        // The printer window does not outlive the window it serves.
        QPointer<frmPrinter> left = OpenPrinterWindow(*w);
        QVERIFY(left);
        program->w.reset();
        QVERIFY(!left);
    }

    void printsOnThePrinterPicked()
    {
        Calculate(*w, "1000", "01012011", "01012015");
        frmPrinter* printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        PickFromList(Combo1(*printer), 1);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P2"));
        QCOMPARE(&program->printers.Current(), P2.get());
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(IsGivenBack(*w));

        QCOMPARE(Texts(DrawnTexts(*P2)), ReportOrder(ExpectedTexts("1000", "01012011", "01012015")));
        QCOMPARE(Count(*P2, "EndDoc"), 1);
        QCOMPARE(Count(*P1, "Print") + Count(*P3, "Print"), 0);

        // Opened again, the first printer is current again; a name typed into
        // the edit field is the printer "Stampa" prints on.
        printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P1"));
        QCOMPARE(&program->printers.Current(), P1.get());
        Combo1(*printer)->lineEdit()->selectAll();
        QTest::keyClicks(Combo1(*printer)->lineEdit(), QStringLiteral("P3"));
        QTest::keyClick(Combo1(*printer)->lineEdit(), Qt::Key_Return);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P3"));
        QVERIFY(w->PrinterWindow());
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(IsGivenBack(*w));
        QCOMPARE(&program->printers.Current(), P3.get());
        QCOMPARE(Count(*P3, "EndDoc"), 1);
        QCOMPARE(Count(*P1, "Print"), 0);
    }

    void printsTheWindowAsItOpens()
    {
        frmPrinter* printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        // The focus is on "Stampa": Enter prints on the first printer.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Settle();
        QVERIFY(IsGivenBack(*w));
        QCOMPARE(Texts(DrawnTexts(*P1)), ReportOrder(ExpectedTexts("")));
        QCOMPARE(Count(*P1, "EndDoc"), 1);
        QVERIFY(program->runtime.messages.empty());
    }

    void aSecondPrintKeepsTheEngineAndFollowsThePrinter()
    {
        // The second printer has other margins (at another resolution).
        P2->marginXPixels = 450;
        P2->marginYPixels = 900;
        P2->resolutionX = P2->resolutionY = 1200;
        Calculate(*w, "1000", "01012011", "01012015");
        QVERIFY(!w->PrintEngine());
        QTest::mouseClick(Command1(*OpenPrinterWindow(*w)), Qt::LeftButton);
        Settle();
        const EasyPrint* engine = w->PrintEngine();
        QVERIFY(engine);

        frmPrinter* printer = OpenPrinterWindow(*w);
        PickFromList(Combo1(*printer), 1);
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QCOMPARE(w->PrintEngine(), engine);
        // Not made again, but measured on the second printer ...
        QCOMPARE(Count(*P1, "SetScaleMode"), 1);
        QCOMPARE(Count(*P2, "SetScaleMode"), 1);
        QCOMPARE(Count(*P2, "GetDeviceCaps"), 4);
        QCOMPARE(Count(*P2, "EndDoc"), 1);
        // ... so that every text lands where it did on the first.
        const auto first = DrawnTexts(*P1), second = DrawnTexts(*P2);
        QCOMPARE(Texts(second), Texts(first));
        for (std::size_t i = 0; i < first.size(); ++i) {
            QVERIFY2(std::abs(second[i].left - first[i].left) < 1e-3, first[i].text.c_str());
            QVERIFY2(std::abs(second[i].top - first[i].top) < 1e-3, first[i].text.c_str());
        }

        // Back on the first printer: measured again, and nothing more.
        ReplaceP1();
        QTest::mouseClick(Command1(*OpenPrinterWindow(*w)), Qt::LeftButton);
        Settle();
        QCOMPARE(Count(*P1, "GetDeviceCaps"), 4);
        QCOMPARE(Count(*P2, "GetDeviceCaps"), 4);
        QCOMPARE(DrawnTexts(*P1)[0].left, first[0].left);
    }

    // A print that stops, before the report starts or half-way, is said once
    // in the window's own box; the window stays with the printer chosen.
    void aFailedPrintIsSaidAndTheWindowStays_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<int>("printed");
        QTest::addColumn<QString>("reason");
        // The third font size (8 pt) comes after three lines.
        QTest::newRow("font size refused half-way") << "SetFontSize" << 3 << 3 << "Errore della stampante";
        QTest::newRow("printer gone") << "GetDeviceCaps" << 1 << 0 << "Errore della stampante";
        QTest::newRow("delivery refused") << "EndDoc" << 1 << 32 << "Errore della stampante";
    }

    void aFailedPrintIsSaidAndTheWindowStays()
    {
        QFETCH(QString, op);
        QFETCH(int, occurrence);
        QFETCH(int, printed);
        QFETCH(QString, reason);
        Calculate(*w, "10000", "01012000", "01012015");
        frmPrinter* printer = OpenPrinterWindow(*w);
        PickFromList(Combo1(*printer), 1);
        P2->FailOn(op.toStdString(), occurrence);
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();

        QCOMPARE(Shown(program->runtime),
                 QStringList{PrinterWindowWarning("Impossibile stampare su \"P2\": " + reason)});
        QCOMPARE(w->PrinterWindow(), printer);
        QVERIFY(IsBlocked(*w));
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("P2"));
        QCOMPARE(&program->printers.Current(), P2.get());
        QCOMPARE(Count(*P2, "Print"), printed);
        QCOMPARE(Count(*P1, "Print") + Count(*P3, "Print"), 0);

        // Another printer picked: printed there, and the window goes.
        PickFromList(Combo1(*printer), 2);
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(IsGivenBack(*w));
        QCOMPARE(Count(*P3, "EndDoc"), 1);
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
    }

    void withoutPrintersTheReportIsSavedAsPdf()
    {
        platform.printers.clear();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("rapporto.pdf"));
        Calculate(*w, "10000", "01012000", "01012015");

        // Cancelled: nothing saved, the window stays for another try or the close box.
        frmPrinter* printer = OpenPrinterWindow(*w);
        QVERIFY(printer);
        QCOMPARE(Combo1(*printer)->count(), 2);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("Nessuna stampante installata"));
        QCOMPARE(Combo1(*printer)->itemText(1), QStringLiteral("File PDF…"));
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        QCOMPARE(program->runtime.saveDialogs.size(), std::size_t(1));
        QCOMPARE(program->runtime.saveDialogs[0].title, "Salva il prospetto come PDF");
        QCOMPARE(QString::fromStdString(program->runtime.saveDialogs[0].suggestedPath),
                 QDir::home().filePath(QStringLiteral("Tarvel.pdf")));
        QCOMPARE(w->PrinterWindow(), printer);
        QVERIFY(IsBlocked(*w));
        QVERIFY(QDir(dir.path()).isEmpty());
        printer->close();
        Settle();
        QVERIFY(IsGivenBack(*w));
        QVERIFY(!w->PrintEngine());

        // A file chosen: the one-page report is written there.
        program->runtime.saveAnswer = pdf.toStdString();
        QTest::mouseClick(Command1(*OpenPrinterWindow(*w)), Qt::LeftButton);
        Settle();
        QVERIFY(IsGivenBack(*w));
        QVERIFY(program->runtime.messages.empty());
        const QString fault = ReportPdfFault(pdf.toStdString());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        // The next save opens in the folder last used.
        program->runtime.saveAnswer.reset();
        QTest::mouseClick(Command1(*OpenPrinterWindow(*w)), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(program->runtime.saveDialogs.back().suggestedPath),
                 dir.filePath(QStringLiteral("Tarvel.pdf")));
    }

    // "File PDF…", after the printers: the same save dialog, and the report
    // written whole or not at all.
    void aPdfFileFromTheList_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason"); // empty when the file is written
        QTest::addColumn<bool>("needsFullFileSystem");
        // clang-format off
        QTest::newRow("written") << "rapporto.pdf" << "" << false;
        QTest::newRow("over an existing file") << "esistente.pdf" << "" << false;
        QTest::newRow("missing folder") << "manca/rapporto.pdf" << "File o directory non esistente" << false;
        QTest::newRow("a device that is full") << "/dev/full" << "Spazio esaurito sul device" << false;
        QTest::newRow("full file system, existing file") << "" << "Spazio esaurito sul device" << true;
        // clang-format on
    }

    void aPdfFileFromTheList()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QFETCH(bool, needsFullFileSystem);
        FullFileSystem full;
        if (needsFullFileSystem && !full.Mounted())
            QSKIP("mounting a full file system needs root");
        QTemporaryDir dir;
        QFile existing(dir.filePath(QStringLiteral("esistente.pdf")));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("vecchio") == 7);
        existing.close();
        const std::string path = needsFullFileSystem      ? full.Existing().string()
                                 : target.startsWith('/') ? target.toStdString()
                                                          : dir.filePath(target).toStdString();
        const bool regular = std::filesystem::is_regular_file(path);
        const std::string before = regular ? FileBytes(path) : std::string();
        program->runtime.saveAnswer = path;

        Calculate(*w, "10000", "01012000", "01012015");
        frmPrinter* printer = OpenPrinterWindow(*w);
        PickFromList(Combo1(*printer), 3);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("File PDF…"));
        QCOMPARE(&program->printers.Current(), P1.get());
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QCOMPARE(program->runtime.saveDialogs.size(), std::size_t(1));
        QCOMPARE(program->runtime.saveDialogs[0].title, "Salva il prospetto come PDF");
        QCOMPARE(Count(*P1, "Print") + Count(*P2, "Print") + Count(*P3, "Print"), 0);

        if (!reason.isEmpty()) {
            QCOMPARE(Shown(program->runtime),
                     QStringList{PrinterWindowWarning(
                         QString::fromStdString("Impossibile scrivere il file \"" + path + "\": ") + reason)});
            QCOMPARE(w->PrinterWindow(), printer);
            QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("File PDF…"));
            // Nothing half-written: what was there keeps its bytes, nothing new appears.
            if (regular) {
                QCOMPARE(FileBytes(path), before);
                const auto folder = QString::fromStdString(std::filesystem::path(path).parent_path().string());
                QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"prospetto.pdf"});
            }
            printer->close();
            Settle();
            return;
        }
        QVERIFY(IsGivenBack(*w));
        QVERIFY(program->runtime.messages.empty());
        const QString fault = ReportPdfFault(path);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), target == "rapporto.pdf" ? 2 : 1);
    }

    // With movements listed, its "Stampa" prints the ledger's pages.
    void theRatesWindowPrintsItsLedger()
    {
        QTemporaryDir dir;
        const QString ledger = dir.filePath(QStringLiteral("movimenti.csv"));
        QFile file(ledger);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("data;tipo;importo;descrizione\n01/01/2025;credito;10000;\n01/07/2025;pagamento;3000;\n");
        file.close();
        RatesInForceWindow* rates = OpenRatesWindow(*w);
        QVERIFY(rates);
        CalculateIn(*rates, {"10000", "01/01/2025", "31/12/2025"});
        program->runtime.openAnswer = ledger.toStdString();
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
        program->runtime.saveAnswer = dir.filePath(QStringLiteral("conto.pdf")).toStdString();
        frmPrinter* printer = OpenPrinterWindow(*rates, "stampa");
        QVERIFY(printer);
        PickFromList(Combo1(*printer), 3);
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        const auto pages = ReadPdfWords(*program->runtime.saveAnswer);
        QCOMPARE(pages.size(), std::size_t(1));
        const auto lines = PageLines(pages[0]);
        const auto has = [&](const std::string& text) {
            return std::any_of(lines.begin(), lines.end(),
                               [&](const std::string& line) { return line.find(text) != std::string::npos; });
        };
        QVERIFY(has("Conto del debito: interessi legali"));
        QVERIFY(has("Totale dovuto al 31/12/2025 7.170,37"));
        QVERIFY(has("pagina 1 di 1"));
    }

    // The window of the rates in force prints the statement it showed when
    // its "Stampa" was pressed, its printer window over it: here to "File
    // PDF…". The main window, not blocked, may fill it meanwhile, even with
    // data that fail.
    void theRatesWindowPrintsItsStatement()
    {
        QTemporaryDir dir;
        program->runtime.saveAnswer = dir.filePath(QStringLiteral("prospetto.pdf")).toStdString();
        RatesInForceWindow* rates = OpenRatesWindow(*w);
        QVERIFY(rates);
        CalculateIn(*rates, {"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "15/05/2024"});
        const auto page = RatesReportLayout(MakeRatesReportTexts(*rates->ShownStatement(), LocalToday()));
        frmPrinter* printer = OpenPrinterWindow(*rates, "stampa");
        QVERIFY(printer && printer->parentWidget() == rates && printer->windowModality() == Qt::WindowModal);
        rates->Fill({"abc", "01 / 01 / 2015", "01 / 01 / 2025"});
        QVERIFY(!rates->ShownStatement());
        PickFromList(Combo1(*printer), 3);
        QCOMPARE(Combo1(*printer)->currentText(), QStringLiteral("File PDF…"));
        QTest::mouseClick(Command1(*printer), Qt::LeftButton);
        Settle();
        QVERIFY(!rates->PrinterWindow());
        QCOMPARE(program->runtime.saveDialogs.size(), std::size_t(1));
        QVERIFY(program->runtime.messages.empty());
        QCOMPARE(PageFault(*program->runtime.saveAnswer, page), QString());
    }
};

QTEST_MAIN(PrinterWindowTest)
#include "printer_window_test.moc"
