// The list of movements in the window of the rates in force: rows typed with
// the keyboard and the mouse, a bad cell named beside the list, the ledger
// shown and copied, and its file opened, saved and guarded on closing.
#include "tests/support/scratch_folder.h"
#include "tests/ui/rates_window_steps.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <optional>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

const RatesTyped kFirstCredit{"10000", "01/01/2025", "31/12/2025"};
const QByteArray kFirstExampleFile = "data;tipo;importo;descrizione\n"
                                     "01/01/2025;credito;10.000,00;fattura 1\n"
                                     "01/07/2025;pagamento;3.000,00;\"bonifico; saldo \"\"parziale\"\"\"\n";
const QString kFirstExampleTotals =
    "Capitale residuo: 7.099,18\nInteressi: 71,19\nTotale dovuto al 31/12/2025: 7.170,37\n";

} // namespace

class LedgerEditorTest : public QObject, RatesWindowSession {
    Q_OBJECT

    QTableWidget* table = nullptr;

    // Opens the cell's editor with F2, types, and closes it with Enter.
    void TypeInto(int row, int column, const QString& text)
    {
        table->setCurrentCell(row, column);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The delegate commits the cell once the events queued are handled.
        QCoreApplication::processEvents();
    }
    QString Cell(int row, int column) const { return table->item(row, column)->text(); }
    QString Statement() const { return Find<QPlainTextEdit>(*rates, "estratto")->toPlainText(); }

private slots:
    void init()
    {
        Start();
        QVERIFY(rates);
        table = Find<QTableWidget>(*rates, "movimenti");
        CalculateIn(*rates, kFirstCredit);
    }

    void cleanup()
    {
        program->runtime.unsavedAnswer = UnsavedAnswer::Discard;
        Stop();
    }

    // "Aggiungi" and Insert add a row, Delete removes one; a '.' typed in an
    // amount is the comma, the type is chosen by keyboard; the window then
    // shows and copies the ledger in place of the periods.
    void typesRowsByKeyboardAndMouse()
    {
        QTest::mouseClick(Find(*rates, "aggiungi"), Qt::LeftButton);
        QCOMPARE(table->rowCount(), 1);
        TypeInto(0, 0, "1/7/2025");
        TypeInto(0, 2, "3000.00");
        QCOMPARE(Cell(0, 2), QString("3000,00"));
        TypeInto(0, 3, "bonifico");
        table->setCurrentCell(0, 1);
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(Cell(0, 1), QString("pagamento"));

        QVERIFY(Find(*rates, "estratto")->isVisible());
        QVERIFY(!Find(*rates, "periodi")->isVisible());
        QVERIFY2(Statement().endsWith(kFirstExampleTotals), qPrintable(Statement()));
        QCOMPARE(LabelText(*rates, "somma"), QString("7.170,37"));
        QTest::keyClick(rates, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), Statement());

        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(table->rowCount(), 2);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->rowCount(), 1);
        QTest::keyClick(table, Qt::Key_Delete);
        QVERIFY(!Find(*rates, "estratto")->isVisible());
        QVERIFY(Find(*rates, "periodi")->isVisible());
    }

    // Named with its row beside the list, the text kept as typed.
    void namesABadCell()
    {
        QTest::mouseClick(Find(*rates, "aggiungi"), Qt::LeftButton);
        TypeInto(0, 0, "1/7/2025");
        TypeInto(0, 2, "10,000");
        QCOMPARE(LabelText(*rates, "erroriMovimenti"), QString("riga 2: importo «10,000»: ha più di due decimali"));
        QCOMPARE(Cell(0, 2), QString("10,000"));
    }

    // Apri… fills Dal and the capital with the first credit and the list with
    // the rest; Salva… writes the same file back, in the folder remembered;
    // closing with a change not saved asks first.
    void opensAndSavesTheLedgerFile()
    {
        const std::string opened = folder->Write("movimenti.csv", kFirstExampleFile);
        program->runtime.openAnswer = opened;
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Find<QLineEdit>(*rates, "capitale")->text(), QString("10.000,00"));
        QCOMPARE(table->rowCount(), 1);
        QVERIFY2(Statement().endsWith(kFirstExampleTotals), qPrintable(Statement()));

        ScratchFolder elsewhere("ledger-editor");
        const std::string saved = (elsewhere.Path() / "copia.csv").string();
        program->runtime.saveAnswer = saved;
        QTest::mouseClick(Find(*rates, "salva"), Qt::LeftButton);
        QCOMPARE(QByteArray::fromStdString(FileBytes(saved)), kFirstExampleFile);
        QCOMPARE(program->runtime.saveDialogs.back().suggestedPath,
                 QFileInfo(QString::fromStdString(opened)).absolutePath().toStdString() + "/movimenti.csv");
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(program->runtime.openDialogs.back().suggestedPath, elsewhere.Path().string());

        TypeInto(0, 3, "acconto");
        program->runtime.unsavedAnswer = UnsavedAnswer::Cancel;
        rates->close();
        QCOMPARE(program->runtime.questions.size(), std::size_t(1));
        QVERIFY(rates->isVisible());
    }
};

QTEST_MAIN(LedgerEditorTest)
#include "ledger_editor_test.moc"
