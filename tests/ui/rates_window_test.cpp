// The window of the rates in force: its statement against tarvel-calc's, the
// copied text, the reasons beside the fields, the choice of regime, the table
// files remembered across starts, the keyboard and the drawing at any scale.
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "calc/statement.h"
#include "tests/ui/rates_window_steps.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include <optional>

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

// What a statement says: the interest and the sum as shown, the years and
// days, the amount of each row charged, and whether it notes days past the
// last act.
struct Said {
    QString interest, sum;
    QList<int> span;
    QList<qint64> rows;
    bool note = false;
};

// What tarvel-calc says for these arguments.
Said RunCalc(const QString& arguments)
{
    QProcess calc;
    calc.start(QStringLiteral(TARVEL_CALC), QProcess::splitCommand(arguments));
    if (!calc.waitForFinished(20000))
        qFatal("tarvel-calc did not end");
    Said said;
    said.note = calc.readAllStandardError().contains("nota:");
    for (const QString& line : QString::fromUtf8(calc.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QString name = line.section(QStringLiteral(": "), 0, 0), text = line.section(QStringLiteral(": "), 1);
        if (name == "SeeInteressi")
            said.interest = text.startsWith(',') ? '0' + text : text; // as the window writes it
        else if (name == "Label6")
            said.sum = text;
        else if (name == "Label8" || name == "Label23")
            said.span += Numbers(text);
        else if (name.contains('%') && !text.isEmpty())
            said.rows << Cents(text);
    }
    return said;
}

// What the window shows.
Said Shown(const RatesInForceWindow& rates)
{
    Said said;
    said.interest = LabelText(rates, "interessi");
    said.sum = LabelText(rates, "somma");
    said.span = Numbers(LabelText(rates, "durata"));
    const auto* table = Find<QTableWidget>(rates, "periodi");
    for (int row = 0; row < table->rowCount(); ++row)
        said.rows << Cents(table->item(row, 4)->text()); // "interessi"
    said.note = Find(rates, "note")->isVisible();
    return said;
}

const RatesTyped kFirstExample{"25000", "15/06/2018", "08/12/2026"};

} // namespace

class RatesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateFolder> folder;
    std::optional<Program> program;
    RatesInForceWindow* rates = nullptr;

    // A new start of the program on the same settings, the window open.
    void Restart()
    {
        program.emplace(nullptr, &folder->Settings());
        rates = OpenRatesWindow(*program->w);
        QVERIFY(rates);
    }

    void Click(const std::string& button) { QTest::mouseClick(Find(*rates, button), Qt::LeftButton); }

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

    // The dates in every form a user writes them, each regime chosen.
    void agreesWithTarvelCalc_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<QString>("calcArguments");
        QTest::newRow("25000, 2018 to 2026")
            << RatesTyped{"25000", "15/6/2018", "8.12.2026"} << "--tassi vigenti 25000 15/06/2018 08/12/2026";
        QTest::newRow("3500.50, 2021 to 2025")
            << RatesTyped{"3500.50", "1-3-2021", "30112025"} << "--tassi vigenti 3500,50 01/03/2021 30/11/2025";
        QTest::newRow("past the last act")
            << RatesTyped{"1000", "01/01/2026", "01/01/2028"} << "--tassi vigenti 1000 01/01/2026 01/01/2028";
        QTest::newRow("claim") << RatesTyped{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "15/05/2024"}
                               << "--domanda 15/05/2024 10000 31/03/2023 31/12/2025";
        // The margin as the field proposes it (one typed is read as the refusal of 25 shows).
        QTest::newRow("late payment") << RatesTyped{"10000", "31/05/2024", "28/02/2025", "regimeMora"}
                                      << "--mora 10000 31/05/2024 28/02/2025";
    }

    void agreesWithTarvelCalc()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(QString, calcArguments);
        CalculateIn(*rates, typed);
        const Said calc = RunCalc(calcArguments), shown = Shown(*rates);
        QCOMPARE(shown.interest, calc.interest);
        QCOMPARE(shown.sum, calc.sum);
        QCOMPARE(shown.span, calc.span);
        QCOMPARE(shown.rows, calc.rows);
        QCOMPARE(shown.note, calc.note);
    }

    void copiesTheStatement_data()
    {
        QTest::addColumn<QString>("how"); // "copia" pressed, or Ctrl+C with the focus on that control
        QTest::newRow("Copia") << "copia";
        QTest::newRow("Ctrl+C in the table") << "periodi";
    }

    // The statement as text (its words are checked with the statement
    // itself; a selection copied instead, with the main window).
    void copiesTheStatement()
    {
        QFETCH(QString, how);
        CalculateIn(*rates, kFirstExample);
        QApplication::clipboard()->clear();
        if (how == "copia") {
            Click("copia");
        } else {
            Find(*rates, how.toStdString())->setFocus();
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
        }
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(StatementText(*rates->ShownStatement())));
    }

    // One row for each field's reason, in tarvel-calc's words (its start).
    void saysWhatIsWrongBesideTheField_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<QString>("faultLabel");
        QTest::addColumn<QString>("reason");
        const RatesTyped claim{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "10/12/2014"};
        const RatesTyped late{"10000", "31/05/2024", "28/02/2025", "regimeMora", {}, "25"};
        QTest::newRow("capital") << RatesTyped{"abc", "01/01/2020", "01/01/2021"} << "erroreCapitale"
                                 << "importo non valido: \"abc\"";
        QTest::newRow("unfinished") << RatesTyped{"1000", "01/01/2020", "01/01"} << "erroreAl"
                                    << "data non valida: \"01 / 01 / ____\"";
        QTest::newRow("claim before 11/12/2014") << claim << "erroreDomanda"
                                                 << "la domanda del 10/12/2014 viene prima dell'11/12/2014";
        QTest::newRow("margin over 20") << late << "erroreMaggiorazione"
                                        << "maggiorazione non valida: \"25\"";
        QTest::newRow("late payment before 2013")
            << RatesTyped{"5000", "30/12/2012", "31/12/2013", "regimeMora"} << "erroreDal"
            << "il primo giorno al tasso di mora, il 31/12/2012, viene prima";
    }

    // The reason beside the field at fault and read out with it, nothing
    // typed cleared, no box, no statement to copy or print; put right, the
    // reason goes.
    void saysWhatIsWrongBesideTheField()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(QString, faultLabel);
        QFETCH(QString, reason);
        CalculateIn(*rates, kFirstExample);
        CalculateIn(*rates, typed);
        QVERIFY(program->runtime.messages.empty());
        QVERIFY(!rates->ShownStatement() && Shown(*rates).rows.isEmpty());
        QVERIFY(!Find(*rates, "copia")->isEnabled() && !Find(*rates, "stampa")->isEnabled());
        for (const char* name : {"erroreCapitale", "erroreDal", "erroreAl", "erroreDomanda", "erroreMaggiorazione"})
            QCOMPARE(Find(*rates, name)->isVisible(), faultLabel == name);
        const QString said = LabelText(*rates, faultLabel.toLatin1().constData());
        QVERIFY2(said.startsWith(reason), qPrintable(said));
        QCOMPARE(QApplication::focusWidget()->accessibleDescription(), said);
        QCOMPARE(Find<QLineEdit>(*rates, "capitale")->text(), typed.capital);
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
        QTest::mouseClick(Find(*rates, regime.toStdString()), Qt::LeftButton, {}, QPoint(4, 4));
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

    // A table file chosen is used at once, named and remembered for the next
    // start; "Tabella incorporata" goes back, and forgets it.
    void tablesAreRemembered()
    {
        QFETCH(QString, which);
        QFETCH(QByteArray, file);
        QFETCH(RatesTyped, typed);
        QFETCH(QString, interest);
        QFETCH(QString, builtIn);
        const auto calculated = [&] {
            CalculateIn(*rates, typed);
            return LabelText(*rates, "interessi");
        };
        const QString path = QString::fromStdString(folder->Write(QStringLiteral("tassi.csv"), file));
        program->runtime.openAnswer = path.toStdString();
        QCOMPARE(calculated(), builtIn);
        Click(("caricaTassi" + which).toStdString());
        QCOMPARE(LabelText(*rates, "interessi"), interest);
        QVERIFY(LabelText(*rates, qPrintable("tassi" + which)).contains(path));
        Restart();
        QCOMPARE(calculated(), interest);
        QVERIFY(program->runtime.messages.empty());
        Click(("incorporataTassi" + which).toStdString());
        QCOMPARE(LabelText(*rates, "interessi"), builtIn);
        Restart();
        QCOMPARE(calculated(), builtIn);
    }

    // A remembered file that no longer reads (it is gone) is named at start
    // with its fault, and the built-in table is used; chosen again, it is
    // refused beside the table, with no box.
    void aBrokenTableIsReported()
    {
        const std::string path = folder->Write(QStringLiteral("tassi.csv"), TableFileWith(RatesInForce(), ""));
        program->runtime.openAnswer = path;
        Click("caricaTassiLegali");
        QFile::remove(QString::fromStdString(path));

        Restart();
        program->w->Started(false);
        const QString said = QStringLiteral("impossibile aprire \"%1\": File o directory non esistente")
                                 .arg(QString::fromStdString(path));
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QCOMPARE(program->runtime.messages[0].title, std::string(RatesInForceWindow::kCaption));
        QVERIFY2(QString::fromStdString(program->runtime.messages[0].text).contains(said), qPrintable(said));
        QVERIFY(Find(*rates, "erroreTassiLegali")->isVisible());
        QCOMPARE(LabelText(*rates, "erroreTassiLegali"), said + ": si usa la tabella incorporata.");
        QVERIFY(program->tables->BuiltIn(RateKind::Legal));

        program->runtime.openAnswer = path;
        Click("caricaTassiLegali");
        QCOMPARE(program->runtime.openDialogs.size(), std::size_t(1));
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QCOMPARE(LabelText(*rates, "erroreTassiLegali"), said + ": resta in uso la tabella di prima.");
        QVERIFY(program->tables->BuiltIn(RateKind::Legal));
    }

    // Tab walks the window top to bottom, Escape closes it; a screen reader
    // reads each control by its caption.
    void keyboardAndScreenReaders()
    {
        QTest::mouseClick(Find(*rates, "regimeMora"), Qt::LeftButton, {}, QPoint(4, 4));
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
        QCOMPARE(Find<QPushButton>(*rates, "calcola")->icon().pixmap(QSize(16, 16), scale).size(),
                 QSize(16, 16) * scale);
        auto* table = Find<QTableWidget>(*rates, "periodi");
        for (int column = 0; column < table->columnCount() - 1; ++column)
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY(table->fontMetrics().horizontalAdvance(table->item(row, column)->text())
                        <= table->columnWidth(column));
    }
};

QTEST_MAIN(RatesWindowTest)
#include "rates_window_test.moc"
