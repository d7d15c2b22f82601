// The list of movements in the window of the rates in force: rows typed with
// the keyboard and the mouse and undone, a bad cell named in its cells and
// beside the list, the ledger shown and copied, and its file opened (lines
// at fault too), saved or refused, and guarded on closing.
#include "tests/support/scratch_folder.h"
#include "tests/ui/rates_window_steps.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

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

    QTableView* table = nullptr;

    // Opens the cell's editor with F2, types, and closes it with Enter.
    void TypeInto(int row, int column, const QString& text)
    {
        table->setCurrentIndex(table->model()->index(row, column));
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The delegate commits the cell once the events queued are handled.
        QCoreApplication::processEvents();
    }
    QString Cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return table->model()->index(row, column).data(role).toString();
    }
    QString Number(int row) const { return table->model()->headerData(row, Qt::Vertical).toString(); }
    int Rows() const { return table->model()->rowCount(); }
    // The statement shown, as Copia copies it.
    QString Statement() const
    {
        QTest::keyClick(rates, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }
    void Open(const QByteArray& bytes)
    {
        program->runtime.openAnswer = folder->Write("movimenti.csv", bytes);
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
    }

private slots:
    void init()
    {
        Start();
        QVERIFY(rates);
        table = Find<QTableView>(*rates, "movimenti");
        CalculateIn(*rates, kFirstCredit);
        QTest::mouseClick(Find(*rates, "mostraMovimenti"), Qt::LeftButton);
    }

    void cleanup()
    {
        program->runtime.unsavedAnswer = UnsavedAnswer::Discard;
        Stop();
    }

    // "Aggiungi" and Insert add a row, Delete removes one, Ctrl+Z puts it
    // back; an amount typed ('.' kept as typed, between the thousands) is
    // shown as the file writes it, the type is chosen by keyboard; the
    // window then shows and copies the ledger in place of the single calculation.
    void typesRowsByKeyboardAndMouse()
    {
        QTest::mouseClick(Find(*rates, "aggiungi"), Qt::LeftButton);
        QCOMPARE(Rows(), 1);
        QCOMPARE(Number(0), QString());
        TypeInto(0, 0, "1/7/2025");
        QCOMPARE(Number(0), QString("3"));
        TypeInto(0, 2, "3.000");
        QCOMPARE(Cell(0, 2), QString("3.000,00"));
        TypeInto(0, 3, "bonifico");
        table->setCurrentIndex(table->model()->index(0, 1));
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(Cell(0, 1), QString("pagamento"));

        QVERIFY2(Statement().endsWith(kFirstExampleTotals), qPrintable(Statement()));

        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(Rows(), 2);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Rows(), 1);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(Rows(), 0);
        QVERIFY(!Statement().contains("Capitale residuo"));
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Rows(), 1);
        QCOMPARE(Cell(0, 3), QString("bonifico"));
        QVERIFY2(Statement().endsWith(kFirstExampleTotals), qPrintable(Statement()));
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Rows(), 0);
    }

    // The description takes the list's width, with no scroll bar while
    // there is room, and a window with height shows more than 7 rows.
    void laysOutTheListWide()
    {
        for (int row = 0; row < 12; ++row)
            QTest::mouseClick(Find(*rates, "aggiungi"), Qt::LeftButton);
        TypeInto(0, 3, QString(40, 'x'));
        rates->resize(1100, 1000);
        QTest::qWait(50);
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        int columns = 0;
        for (int column = 0; column < 4; ++column)
            columns += table->columnWidth(column);
        QCOMPARE(columns, table->viewport()->width());
        QVERIFY(table->columnWidth(3) >= table->fontMetrics().horizontalAdvance(QString(40, 'x')));
        QVERIFY2(table->rowAt(table->viewport()->height() - 1) == -1
                     || table->rowAt(table->viewport()->height() - 1) >= 7,
                 qPrintable(QString::number(table->viewport()->height())));
    }

    // Named with its line in its cells and beside the list, the text kept as typed.
    void namesABadCell()
    {
        QTest::mouseClick(Find(*rates, "aggiungi"), Qt::LeftButton);
        TypeInto(0, 0, "1/7/2025");
        TypeInto(0, 2, "10,000");
        const QString fault("riga 3: importo «10,000»: ha più di due decimali");
        QCOMPARE(LabelText(*rates, "erroriMovimenti"), fault);
        QCOMPARE(Cell(0, 2), QString("10,000"));
        QCOMPARE(Cell(0, 0, Qt::ToolTipRole), fault);
        const auto red = table->model()->index(0, 2).data(Qt::ForegroundRole).value<QColor>();
        QVERIFY(red.isValid() && red.red() > red.green());
    }

    // Apri… fills Dal and the capital with the first credit and the list with
    // the rest; Salva… proposes the file opened and writes the same file
    // back; closing with a change not saved, the capital's too, asks first.
    void opensAndSavesTheLedgerFile()
    {
        Open(kFirstExampleFile);
        QCOMPARE(Find<QLineEdit>(*rates, "capitale")->text(), QString("10.000,00"));
        QCOMPARE(Rows(), 1);
        QCOMPARE(Number(0), QString("3"));
        QVERIFY2(Statement().endsWith(kFirstExampleTotals), qPrintable(Statement()));
        const std::string opened = *program->runtime.openAnswer;

        ScratchFolder elsewhere("ledger-editor");
        const std::string saved = (elsewhere.Path() / "copia.csv").string();
        program->runtime.saveAnswer = saved;
        QTest::mouseClick(Find(*rates, "salva"), Qt::LeftButton);
        QCOMPARE(QByteArray::fromStdString(FileBytes(saved)), kFirstExampleFile);
        QCOMPARE(program->runtime.saveDialogs.back().suggestedPath,
                 QFileInfo(QString::fromStdString(opened)).absoluteFilePath().toStdString());
        QTest::keyClick(rates, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(program->runtime.openDialogs.back().suggestedPath, elsewhere.Path().string());

        CalculateIn(*rates, {"9000", "01/01/2025", "31/12/2025"});
        program->runtime.unsavedAnswer = UnsavedAnswer::Cancel;
        rates->close();
        QCOMPARE(program->runtime.questions.size(), std::size_t(1));
        QVERIFY(rates->isVisible());
    }

    // A file with lines at fault is shown to be mended, the first of them
    // selected; it cannot be saved until it is, nor can anything that would
    // not read back; a failed save remembers no folder.
    void refusesToSaveWhatWouldNotReadBack()
    {
        Open("data;tipo;importo;descrizione\n"
             "01/01/2025;credito;10.000,00;\n"
             "\n"
             "01/07/2025;rimborso;3000;\n");
        QCOMPARE(Rows(), 1);
        QCOMPARE(Cell(0, 1), QString("rimborso"));
        QCOMPARE(table->currentIndex().row(), 0);
        QCOMPARE(LabelText(*rates, "erroriMovimenti"),
                 QString("riga 3: tipo «rimborso»: si attende credito o pagamento"));
        const std::size_t dialogs = program->runtime.saveDialogs.size();
        QTest::keyClick(rates, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(program->runtime.saveDialogs.size(), dialogs);
        QVERIFY(
            program->runtime.messages.back().text.ends_with("riga 3: tipo «rimborso»: si attende credito o pagamento"));
        QCOMPARE(QApplication::focusWidget(), table);

        TypeInto(0, 1, "p");
        program->runtime.saveAnswer = "/proc/movimenti.csv";
        QTest::keyClick(rates, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(program->runtime.messages.back().text.starts_with("impossibile scrivere /proc/movimenti.csv"));
        program->runtime.saveAnswer.reset();
        QTest::keyClick(rates, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!program->runtime.saveDialogs.back().suggestedPath.starts_with("/proc"));
    }
};

QTEST_MAIN(LedgerEditorTest)
#include "ledger_editor_test.moc"
