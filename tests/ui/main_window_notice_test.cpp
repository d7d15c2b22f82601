// The notice under the main window: shown after a calculation that reaches
// past 2014, with the interest at the rates in force, gone otherwise, the
// window of its designed size again; the window of the rates in force that
// it, Ctrl+T and --tassi-vigenti open.
#include "calc/rates_in_force.h"
#include "tests/ui/rates_window_steps.h"
#include "ui/application.h"
#include "ui/window_layouts.h"

#include <QApplication>

#include <optional>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

const QSize kDesigned = kMainWindowClient.Pixels().size();
const QSize kWithNotice = kDesigned + QSize(0, kMainWindowNotice.Pixels().height());

// The notice's two lines, or nothing while it is hidden.
QString NoticeShown(const frmTarvel& w)
{
    if (!Find(w, "Avviso")->isVisible())
        return {};
    return LabelText(w, "AvvisoTesto") + '\n' + LabelText(w, "AvvisoImporti");
}

QString Notice(const char* amounts)
{
    return QStringLiteral("Questa finestra calcola l'1% su ogni giorno dopo il 2014.\nAi tassi legali in vigore: ")
           + QString::fromUtf8(amounts);
}

} // namespace

class MainWindowNoticeTest : public QObject {
    Q_OBJECT

    std::optional<Program> program;

    // The first example of the notice, calculated in the main window.
    void CalculateTheFirstExample() { Calculate(*program->w, "25000", "15062018", "08122026"); }

private slots:
    void init() { program.emplace(); }
    void cleanup() { program.reset(); }

    void followsTheCalculation_data()
    {
        QTest::addColumn<QStringList>("typed"); // the capital and the dates
        QTest::addColumn<QString>("notice");
        QTest::newRow("25000 from 2018 to 2026")
            << QStringList{"25000", "15062018", "08122026"} << Notice("interessi 3.319,93, somma 28.319,93.");
        QTest::newRow("10000 to 31/12/2014") << QStringList{"10000", "01012000", "31122014"} << QString();
    }

    // The notice comes with a span that ends after 31/12/2014, the window
    // growing by its height; nothing designed moves or changes.
    void followsTheCalculation()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, notice);
        frmTarvel& w = *program->w;
        Calculate(w, qPrintable(typed[0]), qPrintable(typed[1]), qPrintable(typed[2]));
        QVERIFY(program->runtime.messages.empty());
        QCOMPARE(NoticeShown(w), notice);
        QCOMPARE(w.size(), notice.isEmpty() ? kDesigned : kWithNotice);
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(LayoutFault(w, kMainWindowLayout), QString());
        if (!notice.isEmpty()) {
            QCOMPARE(Find(w, "Avviso")->geometry().top(), kDesigned.height());
            QCOMPARE(LayoutFault(*Find(w, "Avviso"), kMainWindowNoticeLayout), QString());
            QCOMPARE(TextNotShownWhole(w), QString());
        }
    }

    void goesWith_data()
    {
        QTest::addColumn<QStringList>("typed"); // calculated after the first example; none: "Cancella"
        QTest::newRow("Cancella") << QStringList();
        QTest::newRow("a failed calculation") << QStringList{"abc", "15062018", "08122026"};
    }

    void goesWith()
    {
        QFETCH(QStringList, typed);
        frmTarvel& w = *program->w;
        CalculateTheFirstExample();
        QVERIFY(!NoticeShown(w).isEmpty());
        if (typed.isEmpty())
            QTest::mouseClick(Find(w, "Pulisci"), Qt::LeftButton);
        else
            Calculate(w, qPrintable(typed[0]), qPrintable(typed[1]), qPrintable(typed[2]));
        QCOMPARE(NoticeShown(w), QString());
        QCOMPARE(w.size(), kDesigned);
    }

    void opensTheRatesWindow_data()
    {
        QTest::addColumn<QString>("how");      // the notice's button, or Ctrl+T
        QTest::addColumn<bool>("cancelled");   // "Cancella" after the calculation
        QTest::addColumn<QString>("interest"); // what the window shows; empty: no statement
        QTest::newRow("the notice's button") << "AvvisoApri" << false << "3.319,93";
        QTest::newRow("Ctrl+T after a calculation") << "Ctrl+T" << false << "3.319,93";
        QTest::newRow("Ctrl+T after Cancella") << "Ctrl+T" << true << "";
    }

    // Filled with the last "Calcola" that succeeded, its statement at once;
    // one window, however often it is opened.
    void opensTheRatesWindow()
    {
        QFETCH(QString, how);
        QFETCH(bool, cancelled);
        QFETCH(QString, interest);
        frmTarvel& w = *program->w;
        CalculateTheFirstExample();
        if (cancelled)
            QTest::mouseClick(Find(w, "Pulisci"), Qt::LeftButton);
        if (how == "Ctrl+T")
            QTest::keyClick(Find(w, "importo"), Qt::Key_T, Qt::ControlModifier);
        else
            QTest::mouseClick(Find(w, how.toStdString()), Qt::LeftButton);
        RatesInForceWindow* rates = w.RatesWindow();
        QVERIFY(rates && QTest::qWaitForWindowExposed(rates));
        QCOMPARE(LabelText(*rates, "totale1"), interest);
        if (!interest.isEmpty())
            QCOMPARE(Find<MaskedEdit>(*rates, "dal")->Text(), QStringLiteral("15 / 06 / 2018"));
        QTest::keyClick(Find(w, "importo"), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.RatesWindow(), rates);
    }

    // A table file in the window changes the notice at once.
    void followsTheTableInUse()
    {
        PrivateFolder folder;
        program->runtime.openAnswer =
            folder.Write("tassi.csv", TableFileWith(RatesInForce(), "01/01/2027;3;D.M. 11/12/2026\n"));
        Calculate(*program->w, "25000", "15062018", "08122027");
        QCOMPARE(LabelText(*program->w, "AvvisoImporti"),
                 QStringLiteral("Ai tassi legali in vigore: interessi 3.719,93, somma 28.719,93."));
        RatesInForceWindow* rates = OpenRatesWindow(*program->w);
        QVERIFY(rates);
        QTest::mouseClick(Find(*rates, "caricaTassiLegali"), Qt::LeftButton);
        QCOMPARE(LabelText(*program->w, "AvvisoImporti"),
                 QStringLiteral("Ai tassi del file tassi.csv: interessi 4.047,88, somma 29.047,88."));
    }

    void theProgramsOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("opens");
        QTest::newRow("none") << QStringList{"tarvel"} << false;
        QTest::newRow("--tassi-vigenti") << QStringList{"tarvel", "--tassi-vigenti"} << true;
        QTest::newRow("among others") << QStringList{"tarvel", "--altro", "--tassi-vigenti"} << true;
        QTest::newRow("another option") << QStringList{"tarvel", "--tassi-vigenti-no"} << false;
        QTest::newRow("the program's own name") << QStringList{"--tassi-vigenti"} << false;
    }

    // --tassi-vigenti opens the window over the main window at start.
    void theProgramsOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, opens);
        program->w->Started(AsksForRatesInForce(arguments));
        QCOMPARE(program->w->RatesWindow() && program->w->RatesWindow()->isVisible(), opens);
        QVERIFY(program->runtime.messages.empty());
    }

    // Closing the main window closes the window of the rates in force.
    void closesWithTheMainWindow()
    {
        RatesInForceWindow* rates = OpenRatesWindow(*program->w);
        QVERIFY(rates);
        program->w->close();
        QVERIFY(!rates->isVisible());
    }
};

QTEST_MAIN(MainWindowNoticeTest)
#include "main_window_notice_test.moc"
