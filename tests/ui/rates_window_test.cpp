// The window of the rates in force: the statement of what is typed, the
// copied text, the reasons beside the fields, the choice of regime, the table
// files remembered across starts, the keyboard and the drawing at any scale.
#include "calc/number_texts.h"
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "calc/statement.h"
#include "tests/support/statement_requests.h"
#include "tests/ui/rates_window_steps.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <optional>

Q_DECLARE_METATYPE(tarvel::StatementRequest)
Q_DECLARE_METATYPE(tarvel::UnsavedAnswer)

using namespace tarvel;
using namespace tarvel::testing;

namespace {

// The statement's texts as the window shows them: the interest, the sum,
// the span, the interest of each row, whether it notes days past the last act.
QStringList Shown(const RatesInForceWindow& rates)
{
    QStringList shown{LabelText(rates, "totale1"), LabelText(rates, "totale2"), LabelText(rates, "durata"),
                      Find(rates, "note")->isVisible() ? "nota" : ""};
    const QAbstractItemModel& table = *Find<QTableView>(rates, "prospetto")->model();
    for (int column = 0; column < table.columnCount(); ++column)
        if (table.headerData(column, Qt::Horizontal).toString() == "interessi")
            for (int row = 0; row < table.rowCount(); ++row)
                shown << table.index(row, column).data().toString();
    return shown;
}

// The same texts of the statement of `request`.
QStringList Expected(const StatementRequest& request)
{
    const Statement s = *MakeStatement(request).statement;
    QStringList expected{QString::fromStdString(s.interest), QString::fromStdString(s.sum),
                         QString::fromStdString(YearsAndDaysText(s.years, s.days)), s.notes.empty() ? "" : "nota"};
    for (const StatementLine& row : s.rows)
        expected << QString::fromStdString(StatementCell(row, StatementColumn::Interest));
    return expected;
}

const RatesTyped kFirstExample{"25000", "15/06/2018", "08/12/2026"};

} // namespace

class RatesWindowTest : public QObject, RatesWindowSession {
    Q_OBJECT

    void Click(const std::string& button) { QTest::mouseClick(Find(*rates, button), Qt::LeftButton); }
    // A ledger of a credit and a payment, opened with Ctrl+O.
    void OpenLedger()
    {
        program->runtime.openAnswer = folder->Write(QStringLiteral("movimenti.csv"), "data;tipo;importo\n"
                                                                                     "01/01/2025;credito;10000\n"
                                                                                     "01/07/2025;pagamento;3000\n");
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
    }

private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    // The dates in every form a user writes them, each regime chosen and
    // its own field typed over a statement shown, without "Calcola": what
    // the window shows and copies is the statement of what is typed.
    void showsTheStatementTyped_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<StatementRequest>("asked");
        QTest::newRow("another regime") << RatesTyped{"25000", "15/06/2018", "08/12/2026", "regimeMora"}
                                        << LatePaymentRequest("8", "25000", "15/06/2018", "08/12/2026");
        // The full stops of the thousands kept as typed.
        QTest::newRow("10.000,50, 2021 to 2025, dates as written")
            << RatesTyped{"10.000,50", "1-3-2021", "30112025"} << LegalRequest("10.000,50", "01/03/2021", "30/11/2025");
        QTest::newRow("past the last act")
            << RatesTyped{"1000", "01/01/2026", "01/01/2028"} << LegalRequest("1000", "01/01/2026", "01/01/2028");
        QTest::newRow("claim") << RatesTyped{"10000", "31/03/2023", "31/12/2025", "regimeDomanda", "15/05/2024"}
                               << ClaimRequest("15/05/2024", "10000", "31/03/2023", "31/12/2025");
        // The margin as the field proposes it.
        QTest::newRow("late payment") << RatesTyped{"10000", "31/05/2024", "28/02/2025", "regimeMora"}
                                      << LatePaymentRequest("8", "10000", "31/05/2024", "28/02/2025");
    }

    void showsTheStatementTyped()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(StatementRequest, asked);
        CalculateIn(*rates, kFirstExample);
        TypeIn(*rates, typed);
        QCOMPARE(Shown(*rates), Expected(asked));
        Click("copia");
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromStdString(StatementText(*MakeStatement(asked).statement)));
    }

    void copiesTheStatement_data()
    {
        QTest::addColumn<QString>("how"); // "copia" pressed, or Ctrl+C with the focus on that control
        QTest::newRow("Copia") << "copia";
        QTest::newRow("Ctrl+C in the table") << "prospetto";
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

    // A field of the main column and one under its choice, with Enter; an
    // unfinished date as it is typed.
    void saysWhatIsWrongBesideTheField_data()
    {
        QTest::addColumn<RatesTyped>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("field");
        QTest::newRow("capital") << RatesTyped{"abc", "01/01/2020", "01/01/2021"} << true << "capitale";
        QTest::newRow("margin over 20") << RatesTyped{"10000", "31/05/2024", "28/02/2025", "regimeMora", {}, "25"}
                                        << true << "maggiorazione";
        // Typed into "Dal", then "Al": the focus stays in "Al".
        QTest::newRow("unfinished date, typed") << RatesTyped{"25000", "15/06/20", "08/12/2026"} << false << "dal";
    }

    // The reason beside the field at fault alone and read out with it, the
    // focus there after Enter (typing leaves it where it is), nothing typed
    // cleared, no box, no statement to copy or print; put right, the reason
    // goes at once.
    void saysWhatIsWrongBesideTheField()
    {
        QFETCH(RatesTyped, typed);
        QFETCH(bool, enter);
        QFETCH(QString, field);
        const QString faultLabel = "errore" + field.left(1).toUpper() + field.mid(1);
        CalculateIn(*rates, kFirstExample);
        enter ? CalculateIn(*rates, typed) : TypeIn(*rates, typed);
        QVERIFY(program->runtime.messages.empty());
        QVERIFY(!rates->ShownStatement() && Find<QTableView>(*rates, "prospetto")->model()->rowCount() == 0);
        QVERIFY(!Find(*rates, "copia")->isEnabled() && !Find(*rates, "stampa")->isEnabled());
        for (const char* name : {"erroreCapitale", "erroreDal", "erroreAl", "erroreDomanda", "erroreMaggiorazione"})
            QCOMPARE(Find(*rates, name)->isVisible(), faultLabel == name);
        QVERIFY(!LabelText(*rates, qPrintable(faultLabel)).isEmpty());
        QCOMPARE(Find(*rates, field.toStdString())->accessibleDescription(), LabelText(*rates, qPrintable(faultLabel)));
        QCOMPARE(QApplication::focusWidget()->objectName(), enter ? field : "al");
        QCOMPARE(Find<QLineEdit>(*rates, "capitale")->text(), typed.capital);
        TypeIn(*rates, kFirstExample);
        QVERIFY(!Find(*rates, faultLabel.toStdString())->isVisible() && rates->ShownStatement());
    }

    void regimeShowsItsField_data()
    {
        QTest::addColumn<QString>("regime");
        QTest::addColumn<bool>("claimShown");
        QTest::addColumn<bool>("marginShown");
        QTest::newRow("legal") << "regimeLegale" << false << false;
        QTest::newRow("claim") << "regimeDomanda" << true << false;
        QTest::newRow("late payment") << "regimeMora" << false << true;
    }

    void regimeShowsItsField()
    {
        QFETCH(QString, regime);
        QFETCH(bool, claimShown);
        QFETCH(bool, marginShown);
        QTest::mouseClick(Find(*rates, regime.toStdString()), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(Find(*rates, "domanda")->isVisible(), claimShown);
        QCOMPARE(Find(*rates, "maggiorazione")->isVisible(), marginShown);
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
            return LabelText(*rates, "totale1");
        };
        const QString path = QString::fromStdString(folder->Write(QStringLiteral("tassi.csv"), file));
        program->runtime.openAnswer = path.toStdString();
        QCOMPARE(calculated(), builtIn);
        Click(("caricaTassi" + which).toStdString());
        QCOMPARE(LabelText(*rates, "totale1"), interest);
        QVERIFY(LabelText(*rates, qPrintable("tassi" + which)).contains(path));
        Restart();
        QCOMPARE(calculated(), interest);
        QVERIFY(program->runtime.messages.empty());
        Click(("incorporataTassi" + which).toStdString());
        QCOMPARE(LabelText(*rates, "totale1"), builtIn);
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

    // The revaluation asked by keyboard over a statement shown: Alt+R ticks
    // it, Alt+V chooses the sum revalued year by year, and the window shows,
    // totals and copies that statement at the legal rates, the regimes and
    // the list of movements set aside; the update's percentage takes only what it reads, and shows the
    // update as it is typed.
    void revaluesByKeyboard()
    {
        CalculateIn(*rates, {"25000", "15/06/2018", "08/12/2025", "regimeMora"});
        // A mnemonic clicks its button a moment after the key.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(rates->Form().Revalues());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(rates->Form().RevaluationChosen() == RevaluationWay::Yearly);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("interessiAnnuale"));
        StatementRequest asked = LegalRequest("25000", "15 / 06 / 2018", "08 / 12 / 2025");
        asked.revaluation = RevaluationRequest{InterestOn::Yearly, "", &BuiltInPriceIndex(), kNewerIndexHow};
        const Statement expected = *MakeStatement(asked).statement;
        const std::vector<ShownTotal> totals = RevaluationTotals(expected);
        QCOMPARE(totals.size(), std::size_t(3));
        for (std::size_t i = 0; i < totals.size(); ++i)
            QCOMPARE(LabelText(*rates, qPrintable(QString("totale%1").arg(i + 1))),
                     QString::fromStdString(AmountText(totals[i].amount)));
        QStringList lines;
        for (const std::string& line : RevaluationLines(*expected.revaluation))
            lines << QString::fromStdString(line);
        QCOMPARE(Find<QPlainTextEdit>(*rates, "righeRivalutazione")->toPlainText(), lines.join('\n'));
        QCOMPARE(Find<QTableView>(*rates, "prospetto")->model()->rowCount(), int(expected.rows.size()));
        QVERIFY(!Find(*rates, "regimeMora")->isEnabled() && !Find(*rates, "maggiorazione")->isVisible());
        QVERIFY(!Find(*rates, "mostraMovimenti")->isEnabled());
        Click("copia");
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(StatementText(expected)));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(rates->Form().Shows(InputField::Percentage));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* percentuale = Find<QLineEdit>(*rates, "percentuale");
        QCOMPARE(QApplication::focusWidget(), percentuale);
        percentuale->clear();
        QTest::keyClicks(percentuale, "101.5");
        QCOMPARE(percentuale->text(), QString("10,5"));
        asked.revaluation = RevaluationRequest{{}, "10,5", &BuiltInPriceIndex(), kNewerIndexHow};
        QVERIFY(!Find(*rates, "prospetto")->isVisible());
        QCOMPARE(LabelText(*rates, "totale1"),
                 QString::fromStdString(AmountText(RevaluationTotals(*MakeStatement(asked).statement)[0].amount)));

        // Off again: the regime chosen before, with its margin.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(!rates->Form().Revalues());
        QVERIFY(Find(*rates, "regimeMora")->isEnabled() && Find(*rates, "maggiorazione")->isVisible());
        QCOMPARE(Shown(*rates), Expected(LatePaymentRequest("8", "25000", "15/06/2018", "08/12/2025")));
    }

    // A contract's rate compounded, all by keyboard over a statement shown:
    // Alt+C chooses the contract, its rate field (before the choices) takes
    // only what its hint says, a full stop as its comma; Alt+P ticks the
    // capitalisation, Alt+T chooses the quarter, Alt+D goes to its day. The
    // window shows, totals, notes and copies that statement, the revaluation
    // and the list set aside; unticked, the contract's simple interest.
    void compoundsAContractRateByKeyboard()
    {
        CalculateIn(*rates, {"10000", "31/03/2023", "31/12/2025"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(rates->Form().Chosen() == Regime::Contract);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        auto* tasso = Find<QLineEdit>(*rates, "tasso");
        QCOMPARE(QApplication::focusWidget(), tasso);
        QTest::keyClicks(tasso, "4.7555");
        QCOMPARE(tasso->text(), QString("4,755"));
        QTest::keyClick(tasso, Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(rates->Form().Compounds());
        QVERIFY(!Find(*rates, "rivalutazione")->isEnabled() && !Find(*rates, "mostraMovimenti")->isEnabled());
        // Nor does Ctrl+O open a ledger the window does not offer.
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(program->runtime.openDialogs.empty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("capitalizzazioneAnnuale"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(rates->Form().CompoundingChosen() == CompoundingPeriod::Quarter);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString("capitalizzazioneDal"));
        QTest::keyClicks(QApplication::focusWidget(), "15052024");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("calcola"));

        const StatementRequest asked = Compounded(ContractRequest("4,75", "10000", "31/03/2023", "31/12/2025"),
                                                  CompoundingPeriod::Quarter, "15/05/2024");
        const Statement expected = *MakeStatement(asked).statement;
        const std::vector<ShownTotal> totals = CompoundedTotals(expected);
        for (std::size_t i = 0; i < totals.size(); ++i)
            QCOMPARE(LabelText(*rates, qPrintable(QString("totale%1").arg(i + 1))),
                     QString::fromStdString(AmountText(totals[i].amount)));
        QCOMPARE(Find<QTableView>(*rates, "prospetto")->model()->rowCount(), int(expected.rows.size()));
        QCOMPARE(LabelText(*rates, "regime"), QString("Interessi convenzionali al 4,75%"));
        const QString notes = LabelText(*rates, "note");
        QVERIFY2(notes.startsWith("Capitalizzazione trimestrale dal 15/05/2024.")
                     && notes.endsWith(QString::fromUtf8(kCompoundingLawNote)),
                 qPrintable(notes));
        Click("copia");
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(StatementText(expected)));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(!rates->Form().Compounds());
        QVERIFY(!Find(*rates, "capitalizzazioneDal")->isVisible() && Find(*rates, "rivalutazione")->isEnabled());
        QCOMPARE(Shown(*rates), Expected(ContractRequest("4,75", "10000", "31/03/2023", "31/12/2025")));
    }

    // "Carica indici…" refuses a file with a month missing, naming its line,
    // and keeps the table in use; a good one is used and remembered, and
    // said at start when it no longer reads.
    void indexFilesAreCheckedAndRemembered()
    {
        program->runtime.openAnswer = folder->Write(QStringLiteral("indici.csv"), "mese;indice;base;raccordo\n"
                                                                                  "2015-01;100,0;2015;\n"
                                                                                  "2015-03;100,5;2015;\n");
        Click("caricaIndici");
        QVERIFY(Find(*rates, "erroreIndici")->isVisible());
        const QString said = LabelText(*rates, "erroreIndici");
        QVERIFY2(said.contains("riga 3") && said.endsWith(": resta in uso la tabella di prima."), qPrintable(said));
        QVERIFY(program->tables->IndexBuiltIn() && program->runtime.messages.empty());

        const std::string path = folder->Write(QStringLiteral("indici.csv"), "mese;indice;base;raccordo\n"
                                                                             "2015-01;100,0;2015;\n"
                                                                             "2015-02;100,5;2015;\n");
        Click("caricaIndici");
        QVERIFY(!Find(*rates, "erroreIndici")->isVisible());
        QVERIFY(LabelText(*rates, "indici").contains(QString::fromStdString(path)));
        Restart();
        QVERIFY(LabelText(*rates, "indici").contains(QString::fromStdString(path)));
        QVERIFY(!program->tables->IndexBuiltIn());
        Click("rivalutazione");
        QCOMPARE(rates->Form().Request().revaluation->index, &program->tables->Index());

        // Gone at the next start: said, the table built in used.
        QFile::remove(QString::fromStdString(path));
        Restart();
        program->w->Started(false);
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QVERIFY(LabelText(*rates, "erroreIndici").endsWith(": si usa la tabella incorporata."));
        QVERIFY(program->tables->IndexBuiltIn());
    }

    // Tab walks the window top to bottom (the options giving their line to
    // the list of movements), Escape closes it; a screen reader reads each
    // control by its caption.
    void keyboardAndScreenReaders()
    {
        QTest::mouseClick(Find(*rates, "regimeMora"), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(Find(*rates, "mostraMovimenti"), Qt::LeftButton);
        Find(*rates, "dal")->setFocus();
        QStringList walked;
        for (int i = 0; i < 19; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, QStringList({
                             "al",
                             "capitale",
                             "maggiorazione",
                             "regimeMora",
                             "mostraMovimenti",
                             "calcola",
                             "movimenti",
                             "aggiungi",
                             "rimuovi",
                             "apri",
                             "salva",
                             "imputazioneCapitale",
                             "indennizzo",
                             "prospetto",
                             "caricaTassiLegali",
                             "caricaTassiRiferimento",
                             "caricaIndici",
                             "chiudi",
                             "dal",
                         }));
        const std::pair<const char*, const char*> named[] = {
            {"dal", "Dal"},
            {"capitale", "Capitale"},
            {"domanda", "Domanda del"},
            {"prospetto", "Prospetto"},
            {"totale1", "Interessi di mora"},
            {"durata", "Durata"},
            {"calcola", "Calcola"},
            {"caricaTassiLegali", "Carica tabella: Tassi legali"},
            {"rivalutazione", "Rivalutazione ISTAT"},
            {"interessiAnnuale", "Interessi legali sulla somma via via rivalutata"},
            {"tasso", "Tasso convenzionale, da 0,001 a 100, al più tre decimali"},
            {"regimeConvenzionale", "Interessi convenzionali"},
            {"capitalizzazione", "Capitalizzazione"},
            {"capitalizzazioneTrimestrale", "Capitalizzazione trimestrale"},
            {"capitalizzazioneDal", "Capitalizzazione dal, vuoto: dall'inizio"},
            {"caricaIndici", "Carica indici: Indici ISTAT"}};
        for (auto [control, name] : named)
            QCOMPARE(QAccessible::queryAccessibleInterface(Find(*rates, control))->text(QAccessible::Name),
                     QString::fromUtf8(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!rates->isVisible() && program->w->isVisible());
    }

    // A ledger opened and the window closed: the main window's next
    // calculation, Ctrl+T, is calculated alone, with no movement of before.
    void aClosedLedgerLeavesTheNextCalculationAlone()
    {
        OpenLedger();
        QVERIFY(rates->Form().ShowsLedger());
        Click("chiudi");
        QVERIFY(!rates->isVisible());
        Calculate(*program->w, "25000", "15062018", "08122026");
        QCOMPARE(OpenRatesWindow(*program->w), rates);
        QVERIFY(!rates->Form().ShowsLedger() && rates->Form().Ledger().RowCount() == 0);
        const Statement expected = *MakeStatement(LegalRequest("25000", "15/06/2018", "08/12/2026")).statement;
        QCOMPARE(QString::fromStdString(rates->Form().Copied()), QString::fromStdString(StatementText(expected)));
        QCOMPARE(Find<QTableView>(*rates, "prospetto")->model()->rowCount(), int(expected.rows.size()));
        QVERIFY(program->runtime.questions.empty());
    }

    void unsavedWorkIsAskedAbout_data()
    {
        QTest::addColumn<UnsavedAnswer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Annulla") << UnsavedAnswer::Cancel << false;
        QTest::newRow("Non salvare") << UnsavedAnswer::Discard << true;
    }

    // A ledger's capital changed is work not saved: closing the main window
    // asks, Annulla leaving both windows open, and Ctrl+T with another
    // calculation asks too, Annulla keeping the ledger as it was.
    void unsavedWorkIsAskedAbout()
    {
        QFETCH(UnsavedAnswer, answer);
        QFETCH(bool, closed);
        OpenLedger();
        auto* capitale = Find<QLineEdit>(*rates, "capitale");
        capitale->clear();
        QTest::keyClicks(capitale, "20000");
        program->runtime.unsavedAnswer = answer;
        if (!closed) {
            Calculate(*program->w, "25000", "15062018", "08122026");
            QCOMPARE(OpenRatesWindow(*program->w), rates);
            QCOMPARE(program->runtime.questions.size(), std::size_t(1));
            QVERIFY(rates->Form().ShowsLedger());
            QCOMPARE(capitale->text(), QString("20000"));
        }
        QCOMPARE(program->w->close(), closed);
        QCOMPARE(program->w->isVisible(), !closed);
        QCOMPARE(rates->isVisible(), !closed);
        QCOMPARE(program->runtime.questions.size(), std::size_t(closed ? 1 : 2));
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
        auto* table = Find<QTableView>(*rates, "prospetto");
        const QAbstractItemModel& model = *table->model();
        for (int column = 0; column < model.columnCount() - 1; ++column)
            for (int row = 0; row < model.rowCount(); ++row)
                QVERIFY(table->fontMetrics().horizontalAdvance(model.index(row, column).data().toString())
                        <= table->columnWidth(column));
    }
};

QTEST_MAIN(RatesWindowTest)
#include "rates_window_test.moc"
