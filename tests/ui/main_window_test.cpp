#include "calc/version.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/window_controls.h"
#include "ui/colours.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"
#include "ui/window_layouts.h"

#include "calc/calculate_interest.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using tarvel::PrinterSelection;
using tarvel::testing::RecordingRuntime;

using tarvel::frmTarvel;
using tarvel::testing::Enter;
using tarvel::testing::OpenMainWindow;
using tarvel::testing::TypeDate;

namespace {

QStringList PeriodTexts(const frmTarvel& w)
{
    QStringList texts;
    for (const QLineEdit* box : w.txtAnno)
        texts << box->text();
    return texts;
}

const QStringList kEmptyPeriods(12, QString());

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    // Every case starts with the main window as the program opens it.
    std::unique_ptr<RecordingRuntime> runtime;
    PrinterSelection printers;
    std::unique_ptr<frmTarvel> w;

private slots:
    void init()
    {
        runtime = std::make_unique<RecordingRuntime>();
        w = OpenMainWindow(*runtime, printers);
    }

    void cleanup()
    {
        w.reset();
        runtime.reset();
    }

    void opensAsDesigned()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarvel  - Vers. " TARVEL_VERSION "  -  Calcolo interesse legale"));
        QCOMPARE(w->size(), QSize(712, 307));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(tarvel::testing::LayoutFault(*w, tarvel::kMainWindowLayout), QString());
        QCOMPARE(w->mdataini->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(w->mdatafin->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(w->importo->text(), QString());
        QCOMPARE(w->Label8->text(), QStringLiteral("Anni ?"));
        QCOMPARE(w->Label23->text(), QStringLiteral("Giorni ?"));
        QCOMPARE(w->Text1->text(), QStringLiteral("Text1"));
        QCOMPARE(w->importobis->text(), QStringLiteral("importobis"));
        QVERIFY(!w->Text1->isVisible() && !w->importobis->isVisible());
        QCOMPARE(w->lblData[1]->text(), QStringLiteral("10%  fino al 31/12/1996"));
        QCOMPARE(w->lblData[11]->text(), QStringLiteral("1%  dal  01/01/2014"));
        for (int i = 0; i < tarvel::kPeriodCount; ++i) {
            QCOMPARE(w->lblData[i]->geometry(), tarvel::PeriodCaptionPlace(i).Pixels());
            QCOMPARE(w->txtAnno[i]->geometry(), tarvel::PeriodFieldPlace(i).Pixels());
            QVERIFY(!w->txtAnno[i]->isEnabled() && w->txtAnno[i]->text().isEmpty());
        }
        QCOMPARE(w->Label16->text(), QStringLiteral("www.tarvel.example"));
        QCOMPARE(QApplication::focusWidget(), w->mdataini);
        // Centred on the 15360 x 11520-twip screen (1024 x 768 pixels).
        QCOMPARE(w->pos(), QPoint((1024 - 712) / 2, (768 - 307) / 2));
    }

    void importoTurnsFullStopIntoComma()
    {
        QTest::keyClicks(w->importo, QStringLiteral("1234.56"));
        QCOMPARE(w->importo->text(), QStringLiteral("1234,56"));
        QTest::keyClick(w->importo, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(w->importo->text(), QStringLiteral("1234,56,"));

        w->importo->clear();
        QApplication::clipboard()->setText(QStringLiteral("1234.56"));
        w->importo->paste();
        QCOMPARE(w->importo->text(), QStringLiteral("1234.56"));
    }

    void calcolaWritesEveryResult()
    {
        Enter(*w, "10000", "01012000", "01012015");
        QCOMPARE(w->mdataini->Text(), QStringLiteral("01 / 01 / 2000"));
        w->importo->setFocus();
        w->Command1_Click();

        QVERIFY(runtime->messages.empty());
        QCOMPARE(w->importo->text(), QStringLiteral("10.000,00"));
        QCOMPARE(PeriodTexts(*w), (QStringList{"", "", "", "250", "350", "600", "1000,6849", "600,8219", "100", "150",
                                               "500,6849", "100,274"}));
        QCOMPARE(w->Text1->text(), QStringLiteral("3652,4657"));
        QCOMPARE(w->SeeInteressi->text(), QStringLiteral("3.652,47"));
        QCOMPARE(w->importobis->text(), QStringLiteral("13652,4657"));
        QCOMPARE(w->Label6->text(), QStringLiteral("13.652,47"));
        QCOMPARE(w->Label8->text(), QStringLiteral("anni  15"));
        QCOMPARE(w->Label23->text(), QStringLiteral(" giorni  4"));
        QCOMPARE(w->mdataini->Text(), QStringLiteral("01 / 01 / 2000"));
        QCOMPARE(w->mdatafin->Text(), QStringLiteral("01 / 01 / 2015"));
        QCOMPARE(QApplication::focusWidget(), w->importo); // success leaves the focus alone

        // Enter on the focused button runs it too; the focus stays on the button.
        w->Command1->setFocus();
        QTest::keyClick(w->Command1, Qt::Key_Return);
        QVERIFY(runtime->messages.empty());
        QCOMPARE(w->importo->text(), QStringLiteral("10.000,00"));
        QCOMPARE(QApplication::focusWidget(), w->Command1);
    }

    void calcolaFailure_data()
    {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("importoWhileOpen");
        QTest::addColumn<bool>("yearsWrittenBeforeFailure");
        QTest::newRow("end before start") << "10000"
                                          << "01011999"
                                          << "10.000,00" << true;
        QTest::newRow("empty capital") << ""
                                       << "01012015"
                                       << "" << false;
        QTest::newRow("letters in capital") << "abc"
                                            << "01012015"
                                            << "abc" << false;
        QTest::newRow("unfilled end date") << "10000"
                                           << "0101"
                                           << "10.000,00" << false;
    }

    void calcolaFailure()
    {
        QFETCH(QString, capital);
        QFETCH(QString, end);
        QFETCH(QString, importoWhileOpen);
        QFETCH(bool, yearsWrittenBeforeFailure);
        // A first, good run leaves results that the failing run must clear.
        Enter(*w, "10000", "01012000", "01012015");
        w->Command1_Click();
        QCOMPARE(w->Label8->text(), QStringLiteral("anni  15"));

        w->importo->clear();
        QTest::keyClicks(w->importo, capital);
        w->mdatafin->clear();
        TypeDate(w->mdatafin, end.toLatin1().constData());
        w->importo->setFocus();

        QStringList periodsWhileOpen;
        QString importoSeen, label8Seen;
        runtime->whileOpen = [&] {
            periodsWhileOpen = PeriodTexts(*w);
            importoSeen = w->importo->text();
            label8Seen = w->Label8->text();
        };
        w->Command1_Click();

        QCOMPARE(runtime->messages.size(), std::size_t(1));
        QCOMPARE(runtime->messages[0].text, std::string(tarvel::kCalculationErrorMessage));
        QCOMPARE(runtime->messages[0].text,
                 std::string("Si è verificato un errore; dati incongruenti o formato non valido riprova!!."));
        QCOMPARE(runtime->messages[0].title,
                 std::string("Tarvel  - Vers. " TARVEL_VERSION "  -  Calcolo interesse legale"));
        QVERIFY(runtime->messages[0].icon == tarvel::MsgBoxIcon::Warning);

        QCOMPARE(importoSeen, importoWhileOpen);
        if (yearsWrittenBeforeFailure) {
            QVERIFY2(label8Seen.startsWith(QStringLiteral("anni  -")), qPrintable(label8Seen));
        } else {
            QCOMPARE(periodsWhileOpen, kEmptyPeriods);        // the run's first step
            QCOMPARE(label8Seen, QStringLiteral("anni  15")); // not reached: the old text stood
        }

        QCOMPARE(PeriodTexts(*w), kEmptyPeriods);
        QCOMPARE(w->Label8->text(), QStringLiteral("Anni ?"));
        QCOMPARE(w->Label23->text(), QStringLiteral("Giorni ?"));
        QCOMPARE(w->importo->text(), QStringLiteral(" "));
        QCOMPARE(w->SeeInteressi->text(), QStringLiteral(" "));
        QCOMPARE(w->Label6->text(), QStringLiteral(" "));
        QCOMPARE(w->mdataini->Text(), QStringLiteral("01 / 01 / 2000"));
        QCOMPARE(QApplication::focusWidget(), w->mdataini);

        // The capital now holds one space: the next run fails again.
        w->Command1_Click();
        QCOMPARE(runtime->messages.size(), std::size_t(2));
    }

    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("capital");
        QTest::newRow("the worked example") << "10000";
        QTest::newRow("a billion euro") << "1234567890";
        QTest::newRow("a hundred thousand billion") << "100000000000000";
    }

    // Shown whole, in a smaller font where the design's is too wide.
    void everyTextFitsItsControl()
    {
        QFETCH(QString, capital);
        Enter(*w, capital.toLatin1().constData(), "01012000", "01012015");
        w->Command1_Click();
        QVERIFY(runtime->messages.empty());
        const QString cut = tarvel::testing::TextNotShownWhole(*w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        // Shorter again, the design font comes back.
        w->Pulisci_Click();
        QTest::keyClicks(w->importo, capital);
        QTest::keyClick(w->importo, Qt::Key_Home);
        for (int i = 0; i < capital.size() - 2; ++i)
            QTest::keyClick(w->importo, Qt::Key_Delete);
        QCOMPARE(w->importo->font(), w->mdataini->font());
    }

    void cancellaClearsAfterCalculation()
    {
        Enter(*w, "10000", "01012000", "01012015");
        w->Command1_Click();
        w->Command3->setFocus();
        w->Pulisci_Click();

        QCOMPARE(PeriodTexts(*w), kEmptyPeriods);
        for (QLineEdit* box : {w->importo, w->SeeInteressi, w->Text1, w->importobis})
            QCOMPARE(box->text(), QString());
        QCOMPARE(w->Label6->text(), QString());
        QCOMPARE(w->Label8->text(), QStringLiteral("Anni ?"));
        QCOMPARE(w->Label23->text(), QStringLiteral("Giorni ?"));
        QCOMPARE(w->mdataini->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(w->mdatafin->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(w->mdataini->Mask(), QStringLiteral("## / ## / ####"));
        QCOMPARE(w->lblData[0]->text(), QStringLiteral("5,0% fino al 15/12/1990"));
        QCOMPARE(QApplication::focusWidget(), w->mdataini);

        // The fields are masked date fields again: they take digits only.
        QTest::keyClicks(w->mdataini, QStringLiteral("3x1y12a2015"));
        QCOMPARE(w->mdataini->Text(), QStringLiteral("31 / 12 / 2015"));
        TypeDate(w->mdatafin, "0102");
        QCOMPARE(w->mdatafin->Text(), QStringLiteral("01 / 02 / ____"));
    }

    void cancellaRightAfterStart()
    {
        w->Pulisci_Click();
        QCOMPARE(w->mdataini->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(w->importo->text(), QString());
        QCOMPARE(w->Label8->text(), QStringLiteral("Anni ?"));
        QCOMPARE(w->Text1->text(), QString()); // the hidden working fields are emptied too
        QCOMPARE(QApplication::focusWidget(), w->mdataini);
        QTest::keyClicks(w->mdataini, QStringLiteral("01012000"));
        QCOMPARE(w->mdataini->Text(), QStringLiteral("01 / 01 / 2000"));
    }

    void tabOrder()
    {
        const QList<QWidget*> expected{w->mdatafin, w->importo,  w->Command1, w->Pulisci,
                                       w->Command2, w->Command3, w->mdataini};
        QList<QWidget*> forward;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << QApplication::focusWidget();
        }
        QCOMPARE(forward, expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w->Command3);
        for (QLineEdit* box : w->txtAnno) {
            box->setFocus();
            QVERIFY(!box->hasFocus());
        }
    }

    // What a screen reader says of each control: its caption on the window.
    void accessibleNames()
    {
        Enter(*w, "10000", "01012000", "01012015");
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        const auto said = [](QWidget* control, QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(control)->text(what);
        };
        const std::pair<QWidget*, QString> named[] = {{w->mdataini, "inizio periodo"},
                                                      {w->mdatafin, "fine periodo"},
                                                      {w->importo, "Capitale"},
                                                      {w->SeeInteressi, "Interessi legali"},
                                                      {w->Label6, "Somma"},
                                                      {w->Label8, "Anni"},
                                                      {w->Label23, "Giorni"},
                                                      {w->Command1, "Calcola"},
                                                      {w->Pulisci, "Cancella"},
                                                      {w->Command2, "Info"},
                                                      {w->Command3, "Stampa"},
                                                      {w->Label16, "www.tarvel.example"},
                                                      {w->Picture1, "www.tarvel.example"}};
        for (auto [control, name] : named)
            QCOMPARE(said(control, QAccessible::Name), name);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(said(w->txtAnno[i], QAccessible::Name), w->lblData[i]->text());
        QCOMPARE(said(w->txtAnno[3], QAccessible::Value), QStringLiteral("250"));
        QCOMPARE(said(w->SeeInteressi, QAccessible::Value), QStringLiteral("3.652,47"));
        // The result labels tell what they show, also after "Cancella".
        QCOMPARE(said(w->Label6, QAccessible::Description), QStringLiteral("13.652,47"));
        QCOMPARE(said(w->Label8, QAccessible::Description), QStringLiteral("anni  15"));
        QTest::mouseClick(w->Pulisci, Qt::LeftButton);
        QCOMPARE(said(w->Label23, QAccessible::Description), QStringLiteral("Giorni ?"));
        QCOMPARE(w->Label4->buddy(), w->importo);
        QCOMPARE(w->Label2->buddy(), w->mdataini);
        for (QLineEdit* period : w->txtAnno)
            QVERIFY(QAccessible::queryAccessibleInterface(period)->state().readOnly);

        // The working fields are not in the tree a screen reader walks.
        QList<QObject*> tree;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            tree << node->object();
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(qApp));
        QVERIFY(tree.contains(w->importo) && tree.contains(w->txtAnno[0]));
        QVERIFY(!tree.contains(w->Text1) && !tree.contains(w->importobis));
    }

    void copyPutsTheCalculationOnTheClipboard_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("selection");
        QTest::newRow("in a date field") << "mdatafin" << false;
        QTest::newRow("on a button") << "Command1" << false;
        QTest::newRow("a selection in Capitale") << "importo" << true;
    }

    // Ctrl+C copies the calculation's text, unless a field has text selected.
    void copyPutsTheCalculationOnTheClipboard()
    {
        QFETCH(QString, focus);
        QFETCH(bool, selection);
        Enter(*w, "10000", "01012000", "01012015");
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QApplication::clipboard()->clear();
        QWidget* control = focus == "mdatafin"   ? w->mdatafin
                           : focus == "Command1" ? static_cast<QWidget*>(w->Command1)
                                                 : w->importo;
        control->setFocus();
        if (selection)
            w->importo->setSelection(0, 2);
        QTest::keySequence(control, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(),
                 selection ? QStringLiteral("10") : tarvel::testing::kWorkedExampleCopied);
    }

    void infoTwiceGivesOneWindow()
    {
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        const auto infos = [] {
            int count = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                count += top->objectName() == QStringLiteral("frmVelmora") && top->isVisible();
            return count;
        };
        QCOMPARE(infos(), 1);
        QVERIFY(w->InfoWindow() && w->InfoWindow()->parentWidget() == nullptr);
        QVERIFY(w->isEnabled());

        // Closed, it goes; the next Info loads it afresh.
        QPointer<tarvel::frmVelmora> first = w->InfoWindow();
        first->Label1_MouseMove();
        first->close();
        QTRY_VERIFY(first.isNull());
        w->Command2_Click();
        QCOMPARE(infos(), 1);
        QCOMPARE(w->InfoWindow()->Label1->palette().color(QPalette::WindowText), tarvel::kInfoLinkText);
        w->InfoWindow()->close();
    }

    void label16UnderlineFollowsThePointer()
    {
        QVERIFY(!w->Label16->font().underline());
        QTest::mouseMove(w->Label16, w->Label16->rect().center());
        QTRY_VERIFY(w->Label16->font().underline());
        // Over the frame the move is not the window's: the underline stays.
        QTest::mouseMove(w->Frame1, QPoint(w->Frame1->width() - 4, w->Frame1->height() - 4));
        QTest::mouseMove(w->lblData[4], QPoint(2, 2));
        QVERIFY(w->Label16->font().underline());
        QTest::mouseMove(w.get(), QPoint(w->width() - 3, 3));
        QTRY_VERIFY(!w->Label16->font().underline());
        QVERIFY(w->Label16->font().bold());
    }

    void linksOpenTheMakersSite()
    {
        QTest::mouseClick(w->Label16, Qt::LeftButton);
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(runtime->opened, (std::vector<std::string>{"http://www.tarvel.example", "http://www.tarvel.example"}));
        // "Stampa" opens the printer window: no link, no message.
        QTest::mouseClick(w->Command3, Qt::LeftButton);
        QVERIFY(w->PrinterWindow());
        QCOMPARE(runtime->opened.size(), std::size_t(2));
        QVERIFY(runtime->messages.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
