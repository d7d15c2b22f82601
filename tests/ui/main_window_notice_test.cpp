// The notice under the main window: shown after a calculation that reaches
// past 2014, with the interest at the rates in force, gone otherwise, the
// window of its designed size again; the window of the rates in force that
// it, Ctrl+T and --tassi-vigenti open.
#include "calc/rates_in_force.h"
#include "tests/ui/rates_window_steps.h"
#include "ui/application.h"
#include "ui/window_layouts.h"

#include <QApplication>
#include <QPushButton>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

const QSize kDesigned = kMainWindowClient.Pixels().size();
const QSize kWithNotice = kDesigned + QSize(0, kMainWindowNotice.Pixels().height());

// Types a calculation into the main window as a user does and presses "Calcola".
void CalculateInMain(frmTarvel& w, const char* capital, const char* start, const char* end)
{
    auto* importo = Find<QLineEdit>(w, "importo");
    importo->clear();
    QTest::keyClicks(importo, QString::fromLatin1(capital));
    TypeDateAsWritten(Find<MaskedEdit>(w, "mdataini"), QString::fromLatin1(start));
    TypeDateAsWritten(Find<MaskedEdit>(w, "mdatafin"), QString::fromLatin1(end));
    QTest::mouseClick(Find(w, "Command1"), Qt::LeftButton);
}

// The notice's two lines, or nothing while it is hidden.
QString NoticeShown(const frmTarvel& w)
{
    if (!Find(w, "Avviso")->isVisible())
        return {};
    return Find<QLabel>(w, "AvvisoTesto")->text() + '\n' + Find<QLabel>(w, "AvvisoImporti")->text();
}

QString Notice(const char* amounts)
{
    return QStringLiteral("Questa finestra calcola l'1% su ogni giorno dopo il 2014.\nAi tassi legali in vigore: ")
           + QString::fromUtf8(amounts);
}

} // namespace

class MainWindowNoticeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    frmTarvel* w = nullptr;

private slots:
    void init()
    {
        program = std::make_unique<Program>();
        w = program->w.get();
    }

    void cleanup() { program.reset(); }

    void followsTheCalculation_data()
    {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("interest"); // the main window's own, unchanged
        QTest::addColumn<QString>("notice");   // empty: none
        QTest::newRow("25000 from 2018 to 2026") << "25000"
                                                 << "15/06/2018"
                                                 << "08/12/2026"
                                                 << "2.121,92" << Notice("interessi 3.319,93, somma 28.319,93.");
        QTest::newRow("3500,50 from 2021 to 2025") << "3500,50"
                                                   << "01/03/2021"
                                                   << "30/11/2025"
                                                   << "166,39" << Notice("interessi 370,89, somma 3.871,39.");
        QTest::newRow("10000 to 01/01/2015") << "10000"
                                             << "01/01/2000"
                                             << "01/01/2015"
                                             << "3.652,47" << Notice("interessi 3.652,33, somma 13.652,33.");
        QTest::newRow("10000 to 31/12/2014") << "10000"
                                             << "01/01/2000"
                                             << "31/12/2014"
                                             << "3.652,19"
                                             << "";
        QTest::newRow("under one euro") << "1000"
                                        << "01/01/2020"
                                        << "01/02/2020"
                                        << ",85" << Notice("interessi 0,04, somma 1.000,04.");
    }

    // The notice comes with a span that ends after 31/12/2014, the window
    // growing by its height; nothing designed moves or changes.
    void followsTheCalculation()
    {
        QFETCH(QString, capital);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, interest);
        QFETCH(QString, notice);
        CalculateInMain(*w, capital.toLatin1().constData(), start.toLatin1().constData(), end.toLatin1().constData());
        QVERIFY(program->runtime.messages.empty());
        QCOMPARE(TextIn(*w, ResultControl::SeeInteressi), interest);
        QCOMPARE(NoticeShown(*w), notice);
        QCOMPARE(w->size(), notice.isEmpty() ? kDesigned : kWithNotice);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(LayoutFault(*w, kMainWindowLayout), QString());
        if (!notice.isEmpty()) {
            QCOMPARE(Find(*w, "Avviso")->geometry().top(), kDesigned.height());
            QCOMPARE(LayoutFault(*Find(*w, "Avviso"), kMainWindowNoticeLayout), QString());
            QCOMPARE(TextNotShownWhole(*w), QString());
        }
    }

    void goesWith_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("Cancella") << "Cancella";
        QTest::newRow("a failed calculation") << "abc";
        QTest::newRow("a span that ends by 2014") << "2014";
    }

    void goesWith()
    {
        QFETCH(QString, what);
        CalculateInMain(*w, "25000", "15/06/2018", "08/12/2026");
        QCOMPARE(w->size(), kWithNotice);
        if (what == "Cancella")
            QTest::mouseClick(Find(*w, "Pulisci"), Qt::LeftButton);
        else if (what == "abc")
            CalculateInMain(*w, "abc", "15/06/2018", "08/12/2026");
        else
            CalculateInMain(*w, "25000", "15/06/2010", "31/12/2014");
        QCOMPARE(NoticeShown(*w), QString());
        QCOMPARE(w->size(), kDesigned);
        QVERIFY(!w->NoticeLine());
    }

    void opensTheRatesWindow_data()
    {
        QTest::addColumn<QString>("how");        // the notice's button, or Ctrl+T
        QTest::addColumn<QString>("calculated"); // "", "25000", or "Cancella" after it
        QTest::addColumn<QString>("interest");   // what the window shows; empty: no statement
        QTest::newRow("the notice's button") << "AvvisoApri"
                                             << "25000"
                                             << "3.319,93";
        QTest::newRow("Ctrl+T after a calculation") << "Ctrl+T"
                                                    << "25000"
                                                    << "3.319,93";
        QTest::newRow("Ctrl+T before any") << "Ctrl+T"
                                           << ""
                                           << "";
        QTest::newRow("Ctrl+T after Cancella") << "Ctrl+T"
                                               << "Cancella"
                                               << "";
    }

    // Filled with the last "Calcola" that succeeded, its statement at once.
    void opensTheRatesWindow()
    {
        QFETCH(QString, how);
        QFETCH(QString, calculated);
        QFETCH(QString, interest);
        if (!calculated.isEmpty())
            CalculateInMain(*w, "25000", "15/06/2018", "08/12/2026");
        if (calculated == "Cancella")
            QTest::mouseClick(Find(*w, "Pulisci"), Qt::LeftButton);
        if (how == "Ctrl+T")
            QTest::keyClick(Find(*w, "importo"), Qt::Key_T, Qt::ControlModifier);
        else
            QTest::mouseClick(Find(*w, how.toStdString()), Qt::LeftButton);
        RatesInForceWindow* rates = w->RatesWindow();
        QVERIFY(rates && QTest::qWaitForWindowExposed(rates));
        QCOMPARE(bool(rates->ShownStatement()), !interest.isEmpty());
        QCOMPARE(LabelText(*rates, "interessi"), interest);
        if (!interest.isEmpty()) {
            QCOMPARE(Find<QLineEdit>(*rates, "capitale")->text(), QStringLiteral("25000"));
            QCOMPARE(Find<MaskedEdit>(*rates, "dal")->Text(), QStringLiteral("15 / 06 / 2018"));
        }
        // One window: opened again, the same.
        QTest::keyClick(Find(*w, "importo"), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w->RatesWindow(), rates);
    }

    // A table file in the window changes the notice at once.
    void followsTheTableInUse()
    {
        PrivateFolder folder;
        program->runtime.openAnswer =
            folder.Write("tassi.csv", TableFileWith(RatesInForce(), "01/01/2027;3;D.M. 11/12/2026\n"));
        CalculateInMain(*w, "25000", "15/06/2018", "08/12/2027");
        QCOMPARE(Find<QLabel>(*w, "AvvisoImporti")->text(),
                 QStringLiteral("Ai tassi legali in vigore: interessi 3.719,93, somma 28.719,93."));
        RatesInForceWindow* rates = OpenRatesWindow(*w);
        QVERIFY(rates);
        QTest::mouseClick(Find(*rates, "caricaTassiLegali"), Qt::LeftButton);
        QCOMPARE(Find<QLabel>(*w, "AvvisoImporti")->text(),
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
        QCOMPARE(AsksForRatesInForce(arguments), opens);
        w->Started(AsksForRatesInForce(arguments));
        QCOMPARE(w->RatesWindow() && w->RatesWindow()->isVisible(), opens);
        QVERIFY(program->runtime.messages.empty());
    }

    // Closing the main window closes the window of the rates in force.
    void closesWithTheMainWindow()
    {
        RatesInForceWindow* rates = OpenRatesWindow(*w);
        QVERIFY(rates);
        w->close();
        QVERIFY(!rates->isVisible());
    }
};

QTEST_MAIN(MainWindowNoticeTest)
#include "main_window_notice_test.moc"
