// The window of the rates in force: its statement against tarvel-calc's, the
// copied text, the reasons beside the fields, the choice of regime, the table
// files remembered across starts, the keyboard and the drawing at any scale.
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "tests/ui/rates_window_steps.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

// An amount as either shows it, "1.250,00", "1250", ",04", in cents.
qint64 Cents(QString amount)
{
    amount.remove('.').replace(',', '.');
    return qRound64(amount.toDouble() * 100);
}

// The whole numbers in a text: "anni  8" is 8.
QList<int> Numbers(const QString& text)
{
    QList<int> numbers;
    for (const auto& match : QRegularExpression(QStringLiteral("\\d+")).globalMatch(text))
        numbers << match.captured().toInt();
    return numbers;
}

// What tarvel-calc says for its arguments: the interest, the sum, the years
// and days, the amount of each row it charges, and whether it notes days
// past the last act.
struct CalcSays {
    QString interest, sum;
    QList<int> span;
    QList<qint64> rows;
    bool note = false;
};

CalcSays RunCalc(const QString& arguments)
{
    QProcess calc;
    calc.start(QStringLiteral(TARVEL_CALC), QProcess::splitCommand(arguments));
    if (!calc.waitForFinished(20000))
        qFatal("tarvel-calc did not end");
    CalcSays says;
    says.note = calc.readAllStandardError().contains("nota:");
    for (const QString& line : QString::fromUtf8(calc.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QString name = line.section(QStringLiteral(": "), 0, 0), text = line.section(QStringLiteral(": "), 1);
        if (name == "SeeInteressi")
            says.interest = text.startsWith(',') ? '0' + text : text;
        else if (name == "Label6")
            says.sum = text;
        else if (name == "Label8" || name == "Label23")
            says.span += Numbers(text);
        else if (name.contains('%') && !text.isEmpty())
            says.rows << Cents(text);
    }
    return says;
}

const QString kFirstExampleCopied =
    QStringLiteral("Capitale: 25.000,00\n"
                   "dal 15/06/2018 al 08/12/2026: 8 anni e 178 giorni\n"
                   "dal 16/06/2018 al 31/12/2018: 199 giorni, tasso 0,3%, interessi 40,89\n"
                   "dal 01/01/2019 al 31/12/2019: 365 giorni, tasso 0,8%, interessi 200,00\n"
                   "dal 01/01/2020 al 31/12/2020: 366 giorni, tasso 0,05%, interessi 12,53\n"
                   "dal 01/01/2021 al 31/12/2021: 365 giorni, tasso 0,01%, interessi 2,50\n"
                   "dal 01/01/2022 al 31/12/2022: 365 giorni, tasso 1,25%, interessi 312,50\n"
                   "dal 01/01/2023 al 31/12/2023: 365 giorni, tasso 5%, interessi 1.250,00\n"
                   "dal 01/01/2024 al 31/12/2024: 366 giorni, tasso 2,5%, interessi 626,71\n"
                   "dal 01/01/2025 al 31/12/2025: 365 giorni, tasso 2%, interessi 500,00\n"
                   "dal 01/01/2026 al 08/12/2026: 342 giorni, tasso 1,6%, interessi 374,79\n"
                   "Interessi legali: 3.319,93\n"
                   "Somma: 28.319,93\n"
                   "Tabella: Tassi legali in vigore, ultimo atto: D.M. 10/12/2025\n");

const QString kClaimExampleCopied = QStringLiteral(
    "Capitale: 10.000,00\n"
    "dal 31/03/2023 al 31/12/2025: 2 anni e 276 giorni\n"
    "Dalla domanda giudiziale del 15/05/2024 al tasso di mora, art. 1284, 4° comma c.c.\n"
    "dal 01/04/2023 al 31/12/2023: 275 giorni, tasso 5%, interessi 376,71\n"
    "dal 01/01/2024 al 14/05/2024: 135 giorni, tasso 2,5%, interessi 92,47\n"
    "dal 15/05/2024 al 30/06/2024: 47 giorni, tasso di mora 12,5% (4,5% + 8), interessi 160,96\n"
    "dal 01/07/2024 al 31/12/2024: 184 giorni, tasso di mora 12,25% (4,25% + 8), interessi 617,53\n"
    "dal 01/01/2025 al 30/06/2025: 181 giorni, tasso di mora 11,15% (3,15% + 8), interessi 552,92\n"
    "dal 01/07/2025 al 31/12/2025: 184 giorni, tasso di mora 10,15% (2,15% + 8), interessi 511,67\n"
    "Interessi legali e di mora: 2.312,26\n"
    "Somma: 12.312,26\n"
    "Tabella: Tassi legali in vigore, ultimo atto: D.M. 10/12/2025\n"
    "Tabella: Tassi di riferimento in vigore (D.Lgs. 231/2002), ultimo atto: G.U. n. 15 del 20/01/2026\n");

const RatesTyped kFirstExample{"25000", "15/06/2018", "08/12/2026"};

QPushButton* ButtonOf(const QWidget& window, const char* name) { return Find<QPushButton>(window, name); }

} // namespace

class RatesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateFolder> folder;
    std::unique_ptr<Program> program;
    RatesInForceWindow* rates = nullptr;

    // A new start of the program on the same settings, the window open.
    void Restart()
    {
        program.reset();
        program = std::make_unique<Program>(&folder->Settings());
        rates = OpenRatesWindow(*program->w);
        QVERIFY(rates);
    }

private slots:
    void init()
    {
        folder = std::make_unique<PrivateFolder>();
        Restart();
    }

    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    void agreesWithTarvelCalc_data()
    {
        QTest::addColumn<RatesTyped>("typed"); // the dates in every form a user writes them
        QTest::addColumn<QString>("calcArguments");
        QTest::addColumn<QString>("interest"); // as the examples give it; empty when they do not
        const auto claim = [](const char* on) {
            return RatesTyped{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", on};
        };
        const auto late = [](const char* capital, const char* start, const char* end, QString margin = {}) {
            return RatesTyped{capital, start, end, "regimeMora", {}, margin};
        };
        QTest::newRow("25000, 2018 to 2026")
            << RatesTyped{"25000", "15/6/2018", "8.12.2026"} << "--tassi vigenti 25000 15/06/2018 08/12/2026"
            << "3.319,93";
        QTest::newRow("3500.50, 2021 to 2025")
            << RatesTyped{"3500.50", "1-3-2021", "30112025"} << "--tassi vigenti 3500,50 01/03/2021 30/11/2025"
            << "370,89";
        QTest::newRow("to 01/01/2015") << RatesTyped{"10000", "01012000", "01012015"}
                                       << "--tassi vigenti 10000 01/01/2000 01/01/2015"
                                       << "3.652,33";
        QTest::newRow("to 31/12/2014") << RatesTyped{"10000", "1/1/2000", "31/12/2014"}
                                       << "--tassi vigenti 10000 01/01/2000 31/12/2014"
                                       << "3.652,19";
        QTest::newRow("under one euro") << RatesTyped{"1000", "01/01/2020", "01/02/2020"}
                                        << "--tassi vigenti 1000 01/01/2020 01/02/2020"
                                        << "0,04";
        QTest::newRow("past the last act")
            << RatesTyped{"1000", "01/01/2026", "01/01/2028"} << "--tassi vigenti 1000 01/01/2026 01/01/2028"
            << "";
        QTest::newRow("claim") << claim("15/05/2024") << "--domanda 15/05/2024 10000 31/03/2023 31/12/2025"
                               << "2.312,26";
        QTest::newRow("claim after the end") << claim("1/1/2027") << "--domanda 01/01/2027 10000 31/03/2023 31/12/2025"
                                             << "827,40";
        QTest::newRow("claim before the start")
            << claim("01012020") << "--domanda 01/01/2020 10000 31/03/2023 31/12/2025"
            << "3.172,12";
        QTest::newRow("late payment") << late("10000", "31/05/2024", "28/02/2025")
                                      << "--mora 10000 31/05/2024 28/02/2025"
                                      << "900,51";
        QTest::newRow("late payment, 7 points")
            << late("10000", "31/05/2024", "28/02/2025", "7") << "--mora --maggiorazione 7 10000 31/05/2024 28/02/2025"
            << "825,71";
        QTest::newRow("late payment from 2012")
            << late("5000", "31/12/2012", "31/12/2013") << "--mora 5000 31/12/2012 31/12/2013"
            << "431,20";
    }

    // What the window shows is what tarvel-calc computes, row by row.
    void agreesWithTarvelCalc()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(QString, calcArguments);
        QFETCH(QString, interest);
        CalculateIn(*rates, typed);
        const CalcSays calc = RunCalc(calcArguments);
        QCOMPARE(LabelText(*rates, "interessi"), interest.isEmpty() ? calc.interest : interest);
        QCOMPARE(LabelText(*rates, "interessi"), calc.interest);
        QCOMPARE(LabelText(*rates, "somma"), calc.sum);
        QCOMPARE(Numbers(LabelText(*rates, "durata")), calc.span);
        QList<qint64> rows;
        for (const QString& amount : PeriodColumn(*rates, "interessi")) {
            QVERIFY2(!amount.startsWith(','), qPrintable(amount)); // a digit before the comma
            rows << Cents(amount);
        }
        QCOMPARE(rows, calc.rows);
        QCOMPARE(Find(*rates, "note")->isVisible(), calc.note);
    }

    void copiesTheStatement_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<QString>("how"); // "Copia", or Ctrl+C with the focus on that control
        QTest::addColumn<QString>("copied");
        const RatesTyped claim{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "15/05/2024"};
        QTest::newRow("Copia") << kFirstExample << "Copia" << kFirstExampleCopied;
        QTest::newRow("Ctrl+C in the table") << kFirstExample << "periodi" << kFirstExampleCopied;
        QTest::newRow("Ctrl+C on a button") << kFirstExample << "calcola" << kFirstExampleCopied;
        QTest::newRow("Ctrl+C on a selection") << kFirstExample << "capitale"
                                               << "25";
        QTest::newRow("claim") << claim << "Copia" << kClaimExampleCopied;
    }

    void copiesTheStatement()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(QString, how);
        QFETCH(QString, copied);
        CalculateIn(*rates, typed);
        if (how == "Copia") {
            QTest::mouseClick(ButtonOf(*rates, "copia"), Qt::LeftButton);
        } else {
            QWidget* control = Find(*rates, how.toStdString());
            control->setFocus();
            // A selection counts in the field with the focus only.
            Find<QLineEdit>(*rates, "capitale")->setSelection(0, 2);
            QTest::keySequence(control, QKeySequence::Copy);
        }
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    void saysWhatIsWrongBesideTheField_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<QString>("faultLabel");
        QTest::addColumn<QString>("reason");
        QTest::newRow("capital") << RatesTyped{"abc", "01/01/2020", "01/01/2021"} << "erroreCapitale"
                                 << "importo non valido: \"abc\"";
        QTest::newRow("no such day") << RatesTyped{"1000", "31/02/2020", "01/01/2021"} << "erroreDal"
                                     << "data non valida: \"31 / 02 / 2020\"";
        QTest::newRow("unfinished") << RatesTyped{"1000", "01/01/2020", "01/01"} << "erroreAl"
                                    << "data non valida: \"01 / 01 / ____\"";
        QTest::newRow("end before start") << RatesTyped{"1000", "01/01/2021", "01/01/2020"} << "erroreAl"
                                          << "la data \"01 / 01 / 2020\" viene prima di DAL \"01 / 01 / 2021\"";
        QTest::newRow("too long") << RatesTyped{"1000", "01/01/1900", "01/01/2000"} << "erroreAl"
                                  << "da DAL a AL ci sono più di 32767 giorni";
        QTest::newRow("claim before 11/12/2014")
            << RatesTyped{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "10/12/2014"} << "erroreDomanda"
            << "la domanda del 10/12/2014 viene prima dell'11/12/2014: il 4° comma dell'art. 1284 c.c. vale per "
               "le domande proposte da quel giorno";
        QTest::newRow("margin over 20") << RatesTyped{"10000", "31/05/2024", "28/02/2025", "regimeMora", {}, "25"}
                                        << "erroreMaggiorazione"
                                        << "maggiorazione non valida: \"25\" (un numero di punti da 0 a 20, con la "
                                           "virgola e al più due decimali)";
        QTest::newRow("late payment before 2013")
            << RatesTyped{"5000", "30/12/2012", "31/12/2013", "regimeMora"} << "erroreDal"
            << "il primo giorno al tasso di mora, il 31/12/2012, viene prima del 01/01/2013, il primo giorno della "
               "tabella dei tassi di riferimento";
    }

    // The reason beside the field at fault, nothing typed cleared, no box, no
    // statement to copy or print; put right, the reason goes.
    void saysWhatIsWrongBesideTheField()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(QString, faultLabel);
        QFETCH(QString, reason);
        CalculateIn(*rates, kFirstExample);
        CalculateIn(*rates, typed);
        QVERIFY(program->runtime.messages.empty());
        QVERIFY(!rates->ShownStatement() && PeriodColumn(*rates, "interessi").isEmpty());
        QVERIFY(!ButtonOf(*rates, "copia")->isEnabled() && !ButtonOf(*rates, "stampa")->isEnabled());
        for (const char* name : {"erroreCapitale", "erroreDal", "erroreAl", "erroreDomanda", "erroreMaggiorazione"})
            QCOMPARE(Find(*rates, name)->isVisible(), faultLabel == name);
        QCOMPARE(LabelText(*rates, faultLabel.toLatin1().constData()), reason);
        QCOMPARE(Find<QLineEdit>(*rates, "capitale")->text(), typed.capital);
        QCOMPARE(QApplication::focusWidget()->accessibleDescription(), reason);
        CalculateIn(*rates, kFirstExample);
        QVERIFY(!Find(*rates, faultLabel.toStdString())->isVisible() && rates->ShownStatement());
    }

    void regimeShowsItsField_data()
    {
        QTest::addColumn<QString>("regime");
        QTest::addColumn<bool>("claimShown");
        QTest::addColumn<bool>("marginShown");
        QTest::addColumn<QString>("caption");
        QTest::newRow("legal") << "regimeLegale" << false << false << "Interessi legali";
        QTest::newRow("claim") << "regimeDomanda" << true << false << "Interessi legali e di mora";
        QTest::newRow("late payment") << "regimeMora" << false << true << "Interessi di mora";
    }

    void regimeShowsItsField()
    {
        QFETCH(QString, regime);
        QFETCH(bool, claimShown);
        QFETCH(bool, marginShown);
        QFETCH(QString, caption);
        QTest::mouseClick(Find<QRadioButton>(*rates, regime.toStdString()), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(Find(*rates, "domanda")->isVisible(), claimShown);
        QCOMPARE(Find(*rates, "maggiorazione")->isVisible(), marginShown);
        QCOMPARE(LabelText(*rates, "didascaliaInteressi"), caption);
    }

    void tablesAreRemembered_data()
    {
        QTest::addColumn<QString>("which"); // the table's line: "Legali", "Riferimento"
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<QString>("interest"); // with the file's table
        QTest::addColumn<QString>("builtIn");  // with the built-in one
        // A decree of 3 % for 2027: 1000 over 2027 earns 30 instead of 16.
        QTest::newRow("legal rates") << "Legali" << TableFileWith(RatesInForce(), "01/01/2027;3;D.M. 11/12/2026\n")
                                     << RatesTyped{"1000", "31/12/2026", "31/12/2027"} << "30,00"
                                     << "16,00";
        // The second half of 2026 at 2 %: late payment at 10 % instead of 10,15 %.
        QTest::newRow("reference rates, a half-year added")
            << "Riferimento" << TableFileWith(ReferenceRates(), "01/07/2026;2;G.U. n. 170 del 2026\n")
            << RatesTyped{"10000", "30/06/2026", "31/12/2026", "regimeMora"} << "504,11"
            << "511,67";
    }

    // A table file chosen is used, named and remembered for the next start;
    // "Tabella incorporata" goes back, and forgets it.
    void tablesAreRemembered()
    {
        QFETCH(QString, which);
        QFETCH(QByteArray, file);
        QFETCH(RatesTyped, typed);
        QFETCH(QString, interest);
        QFETCH(QString, builtIn);
        const auto click = [&](const char* button) {
            QTest::mouseClick(ButtonOf(*rates, qPrintable(button + QStringLiteral("Tassi") + which)), Qt::LeftButton);
        };
        program->runtime.openAnswer = folder->Write(QStringLiteral("tassi.csv"), file);
        CalculateIn(*rates, typed);
        QCOMPARE(LabelText(*rates, "interessi"), builtIn);
        click("carica");
        QCOMPARE(program->runtime.openDialogs.size(), std::size_t(1));
        // The statement shown follows the table now in use, which it names.
        QCOMPARE(LabelText(*rates, "interessi"), interest);
        const QString path = QString::fromStdString(*program->runtime.openAnswer);
        QVERIFY(LabelText(*rates, qPrintable("tassi" + which)).contains(path));
        QVERIFY(QString::fromStdString(StatementText(*rates->ShownStatement())).contains(path));

        Restart();
        CalculateIn(*rates, typed);
        QCOMPARE(LabelText(*rates, "interessi"), interest);
        QVERIFY(program->runtime.messages.empty());
        click("incorporata");
        QCOMPARE(LabelText(*rates, "interessi"), builtIn);
        Restart();
        CalculateIn(*rates, typed);
        QCOMPARE(LabelText(*rates, "interessi"), builtIn);
    }

    void aBrokenTableIsReported_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file there
        QTest::addColumn<QString>("fault");
        QTest::newRow("gone") << QByteArray() << "impossibile aprire \"%1\": File o directory non esistente";
        QTest::newRow("rows out of order") << TableFileWith(RatesInForce(), "01/01/2020;3;D.M.\n")
                                           << "%1: riga 26: la data 01/01/2020 non viene dopo 01/01/2026";
        QTest::newRow("a line that never ends") << QByteArray(300000, 'x') << "%1: riga 1: riga più lunga di 4096 byte";
    }

    // A remembered file that no longer reads is named at start with its
    // fault, and the built-in table is used; chosen again, it is refused
    // beside the table, with no box.
    void aBrokenTableIsReported()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, fault);
        program->runtime.openAnswer = folder->Write(QStringLiteral("tassi.csv"), TableFileWith(RatesInForce(), ""));
        QTest::mouseClick(ButtonOf(*rates, "caricaTassiLegali"), Qt::LeftButton);
        const QString path = QString::fromStdString(*program->runtime.openAnswer);
        if (file.isNull())
            QFile::remove(path);
        else
            folder->Write(QStringLiteral("tassi.csv"), file);

        Restart();
        program->w->Started(false);
        const QString said = fault.arg(path);
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QCOMPARE(program->runtime.messages[0].title, std::string(RatesInForceWindow::kCaption));
        QVERIFY2(QString::fromStdString(program->runtime.messages[0].text).contains(said), qPrintable(said));
        QVERIFY(Find(*rates, "erroreTassiLegali")->isVisible());
        QVERIFY(LabelText(*rates, "erroreTassiLegali").startsWith(said));
        CalculateIn(*rates, kFirstExample);
        QCOMPARE(LabelText(*rates, "interessi"), QStringLiteral("3.319,93"));

        program->runtime.openAnswer = path.toStdString();
        QTest::mouseClick(ButtonOf(*rates, "caricaTassiLegali"), Qt::LeftButton);
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QVERIFY(LabelText(*rates, "erroreTassiLegali").startsWith(said));
        QVERIFY(program->tables->BuiltIn(RateKind::Legal));
    }

    // Tab walks the window top to bottom, Escape closes it; a screen reader
    // reads each control by its caption.
    void keyboardAndScreenReaders()
    {
        QTest::mouseClick(Find<QRadioButton>(*rates, "regimeMora"), Qt::LeftButton, {}, QPoint(4, 4));
        Find(*rates, "dal")->setFocus();
        QStringList walked;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, QStringList({"al", "capitale", "regimeMora", "maggiorazione", "calcola", "periodi",
                                      "caricaTassiLegali", "caricaTassiRiferimento", "chiudi", "dal"}));
        const std::pair<const char*, const char*> named[] = {{"dal", "Dal"},
                                                             {"capitale", "Capitale"},
                                                             {"domanda", "Domanda del"},
                                                             {"periodi", "Periodi"},
                                                             {"interessi", "Interessi di mora"},
                                                             {"calcola", "Calcola"},
                                                             {"caricaTassiLegali", "Carica tabella: Tassi legali"}};
        for (auto [control, name] : named)
            QCOMPARE(QAccessible::queryAccessibleInterface(Find(*rates, control))->text(QAccessible::Name),
                     QString::fromUtf8(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!rates->isVisible() && program->w->isVisible());
    }

    // Drawn at the screen's scale (run once more at twice the scale): the
    // pictures as sharp as the text, every cell of the statement whole.
    void drawsSharpAtEveryScale()
    {
        CalculateIn(*rates, kFirstExample);
        const qreal scale = rates->devicePixelRatioF();
        qInfo("scale %.1f", scale);
        QCOMPARE(rates->grab().devicePixelRatio(), scale);
        QCOMPARE(ButtonOf(*rates, "calcola")->icon().pixmap(QSize(16, 16), scale).size(), QSize(16, 16) * scale);
        auto* table = Find<QTableWidget>(*rates, "periodi");
        for (int column = 0; column < table->columnCount() - 1; ++column)
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY(table->fontMetrics().horizontalAdvance(table->item(row, column)->text())
                        <= table->columnWidth(column));
    }
};

QTEST_MAIN(RatesWindowTest)
#include "rates_window_test.moc"
