#include "calc/version.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/data_rows.h"
#include "tests/ui/main_window_steps.h"
#include "ui/colours.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"

#include "calc/calculate_interest.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

QStringList PeriodTexts(const frmTarvel& w)
{
    QStringList texts;
    for (int i = 0; i < kPeriodCount; ++i)
        texts << PeriodField(w, i)->text();
    return texts;
}

const QStringList kEmptyPeriods(kPeriodCount, QString());

// Places of the design, at 15 twips a pixel: the capital in its frame, the
// first rate period's caption and the last one's field.
constexpr QRect kImportoPlace(120, 112, 81, 25);
constexpr QRect kFirstCaptionPlace(304, 24, 121, 17);
constexpr QRect kLastFieldPlace(576, 184, 113, 19);

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    // Every case starts with the main window as the program opens it.
    std::optional<Program> program;
    frmTarvel* w = nullptr;

    // The controls the cases work with, by their design names.
    MaskedEdit* mdataini() const { return Find<MaskedEdit>(*w, "mdataini"); }
    MaskedEdit* mdatafin() const { return Find<MaskedEdit>(*w, "mdatafin"); }
    QLineEdit* importo() const { return Find<QLineEdit>(*w, "importo"); }
    QLabel* Label16() const { return Find<QLabel>(*w, "Label16"); }

private slots:
    void init()
    {
        program.emplace();
        w = program->w.get();
    }

    void cleanup() { program.reset(); }

    void opensAsDesigned()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarvel  - Vers. " TARVEL_VERSION "  -  Calcolo interesse legale"));
        QCOMPARE(w->size(), QSize(712, 307));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(mdataini()->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(mdatafin()->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(importo()->text(), QString());
        QCOMPARE(TextIn(*w, ResultControl::Label8), QStringLiteral("Anni ?"));
        QCOMPARE(TextIn(*w, ResultControl::Label23), QStringLiteral("Giorni ?"));
        QVERIFY(WorkingTextsAreNoControls());
        QCOMPARE(PeriodCaption(*w, 1)->text(), QStringLiteral("10%  fino al 31/12/1996"));
        QCOMPARE(PeriodCaption(*w, kPeriodCount - 1)->text(), QStringLiteral("1%  dal  01/01/2014"));
        for (int i = 0; i < kPeriodCount; ++i)
            QVERIFY(!PeriodField(*w, i)->isEnabled() && PeriodField(*w, i)->text().isEmpty());
        // The design's places, in pixels.
        const std::pair<QWidget*, QRect> placed[] = {{importo(), kImportoPlace},
                                                     {PeriodCaption(*w, 0), kFirstCaptionPlace},
                                                     {PeriodField(*w, kPeriodCount - 1), kLastFieldPlace}};
        for (auto [control, place] : placed)
            QCOMPARE(control->geometry(), place);
        QCOMPARE(Label16()->text(), QStringLiteral("www.tarvel.example"));
        QCOMPARE(QApplication::focusWidget(), mdataini());
        // Centred on the 15360 x 11520-twip screen (1024 x 768 pixels).
        QCOMPARE(w->pos(), QPoint((1024 - 712) / 2, (768 - 307) / 2));
    }

    void importoTurnsFullStopIntoComma()
    {
        QTest::keyClicks(importo(), QStringLiteral("1234.56"));
        QCOMPARE(importo()->text(), QStringLiteral("1234,56"));
        QTest::keyClick(importo(), Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(importo()->text(), QStringLiteral("1234,56,"));

        importo()->clear();
        QApplication::clipboard()->setText(QStringLiteral("1234.56"));
        importo()->paste();
        QCOMPARE(importo()->text(), QStringLiteral("1234.56"));
    }

    void calcolaWritesEveryResult()
    {
        Enter(*w, "10000", "01012000", "01012015");
        QCOMPARE(mdataini()->Text(), QStringLiteral("01 / 01 / 2000"));
        importo()->setFocus();
        QTest::keyClick(importo(), Qt::Key_Return);

        QVERIFY(program->runtime.messages.empty());
        QCOMPARE(importo()->text(), QStringLiteral("10.000,00"));
        QCOMPARE(PeriodTexts(*w), (QStringList{"", "", "", "250", "350", "600", "1000,6849", "600,8219", "100", "150",
                                               "500,6849", "100,274"}));
        QCOMPARE(Find<QLineEdit>(*w, "SeeInteressi")->text(), QStringLiteral("3.652,47"));
        QCOMPARE(Find<QLabel>(*w, "Label6")->text(), QStringLiteral("13.652,47"));
        QCOMPARE(Find<QLabel>(*w, "Label8")->text(), QStringLiteral("anni  15"));
        QCOMPARE(Find<QLabel>(*w, "Label23")->text(), QStringLiteral(" giorni  4"));
        QCOMPARE(mdataini()->Text(), QStringLiteral("01 / 01 / 2000"));
        QCOMPARE(mdatafin()->Text(), QStringLiteral("01 / 01 / 2015"));
        QCOMPARE(QApplication::focusWidget(), importo()); // success leaves the focus alone

        // Enter on the focused button runs it too; the focus stays on the button.
        auto* calcola = Find(*w, "Command1");
        calcola->setFocus();
        QTest::keyClick(calcola, Qt::Key_Return);
        QVERIFY(program->runtime.messages.empty());
        QCOMPARE(importo()->text(), QStringLiteral("10.000,00"));
        QCOMPARE(QApplication::focusWidget(), calcola);
    }

    // The warning stands over what the failed run wrote; once it is closed
    // the window shows the form's error path, and the start date takes input.
    void calcolaFailure()
    {
        Calculate(*w, "10000", "01012000", "01012015");
        mdatafin()->clear();
        TypeDate(mdatafin(), "01011999");
        QString label8Seen;
        program->runtime.whileOpen = [&] { label8Seen = TextIn(*w, ResultControl::Label8); };
        QTest::keyClick(mdatafin(), Qt::Key_Return);

        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QCOMPARE(program->runtime.messages[0].text,
                 std::string("Si è verificato un errore; dati incongruenti o formato non valido riprova!!."));
        QCOMPARE(program->runtime.messages[0].title,
                 std::string("Tarvel  - Vers. " TARVEL_VERSION "  -  Calcolo interesse legale"));
        QVERIFY(program->runtime.messages[0].icon == tarvel::MsgBoxIcon::Warning);
        QCOMPARE(label8Seen, QStringLiteral("anni  -1"));
        QCOMPARE(PeriodTexts(*w), kEmptyPeriods);
        QCOMPARE(TextIn(*w, ResultControl::Label8), QStringLiteral("Anni ?"));
        QCOMPARE(importo()->text(), QStringLiteral(" "));
        QCOMPARE(QApplication::focusWidget(), mdataini());
    }

    // Ten thousand typed with a full stop reaches the field as "10,000": it is
    // refused with its reason, not calculated as ten euros (the rule and its
    // other cases are the form's). What was typed stays, and "Capitale" takes
    // the focus with its text selected.
    void calcolaRefusesMoreThanTwoDecimals()
    {
        Calculate(*w, "10000", "01012000", "01012015");
        importo()->clear();
        QTest::keyClicks(importo(), "10.000");
        QTest::keyClick(importo(), Qt::Key_Return);

        QCOMPARE(importo()->text(), QStringLiteral("10,000"));
        QCOMPARE(mdataini()->Text(), QStringLiteral("01 / 01 / 2000"));
        QCOMPARE(mdatafin()->Text(), QStringLiteral("01 / 01 / 2015"));
        QCOMPARE(program->runtime.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(program->runtime.messages[0].text),
                 "Il capitale «10,000» ha più di due decimali: per diecimila euro scrivere 10000 o 10000,00.");
        QCOMPARE(PeriodTexts(*w), kEmptyPeriods);
        QCOMPARE(QApplication::focusWidget(), importo());
        QCOMPARE(importo()->selectedText(), QStringLiteral("10,000"));
    }

    void everyTextFitsItsControl_data()
    {
        AddRows<QString>("capital", {{"the worked example", "10000"},
                                     {"a billion euro", "1234567890"},
                                     {"a hundred thousand billion", "100000000000000"}});
    }

    // Shown whole, in a smaller font where the design's is too wide.
    void everyTextFitsItsControl()
    {
        QFETCH(QString, capital);
        Calculate(*w, capital.toLatin1().constData(), "01012000", "01012015");
        QVERIFY(program->runtime.messages.empty());
        const QString cut = TextNotShownWhole(*w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        // Shorter again, the design font comes back.
        Press(*w, "Pulisci");
        QTest::keyClicks(importo(), capital);
        QTest::keyClick(importo(), Qt::Key_Home);
        for (int i = 0; i < capital.size() - 2; ++i)
            QTest::keyClick(importo(), Qt::Key_Delete);
        QCOMPARE(importo()->font(), mdataini()->font());
    }

    void cancellaClearsAfterCalculation()
    {
        Calculate(*w, "10000", "01012000", "01012015");
        Find(*w, "Command3")->setFocus();
        Press(*w, "Pulisci");

        QCOMPARE(PeriodTexts(*w), kEmptyPeriods);
        for (auto box : {ResultControl::importo, ResultControl::SeeInteressi, ResultControl::Label6})
            QCOMPARE(TextIn(*w, box), QString());
        QCOMPARE(TextIn(*w, ResultControl::Label8), QStringLiteral("Anni ?"));
        QCOMPARE(TextIn(*w, ResultControl::Label23), QStringLiteral("Giorni ?"));
        QCOMPARE(mdataini()->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(mdatafin()->Text(), QStringLiteral("__ / __ / ____"));
        QCOMPARE(mdataini()->Mask(), QStringLiteral("## / ## / ####"));
        QCOMPARE(PeriodCaption(*w, 0)->text(), QStringLiteral("5,0% fino al 15/12/1990"));
        QCOMPARE(QApplication::focusWidget(), mdataini());

        // The fields are masked date fields again: they take digits only.
        QTest::keyClicks(mdataini(), QStringLiteral("3x1y12a2015"));
        QCOMPARE(mdataini()->Text(), QStringLiteral("31 / 12 / 2015"));
        TypeDate(mdatafin(), "0102");
        QCOMPARE(mdatafin()->Text(), QStringLiteral("01 / 02 / ____"));
    }

    void tabOrder()
    {
        QList<QWidget*> expected;
        for (const char* name : {"mdatafin", "importo", "Command1", "Pulisci", "Command2", "Command3", "mdataini"})
            expected << Find(*w, name);
        QList<QWidget*> forward;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << QApplication::focusWidget();
        }
        QCOMPARE(forward, expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), Find(*w, "Command3"));
        for (int i = 0; i < kPeriodCount; ++i) {
            PeriodField(*w, i)->setFocus();
            QVERIFY(!PeriodField(*w, i)->hasFocus());
        }
    }

    // What a screen reader says of each control: its caption on the window.
    void accessibleNames()
    {
        Enter(*w, "10000", "01012000", "01012015");
        QTest::mouseClick(Find(*w, "Command1"), Qt::LeftButton);
        const auto said = [](QWidget* control, QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(control)->text(what);
        };
        const std::pair<const char*, QString> named[] = {{"mdataini", "inizio periodo"},
                                                         {"mdatafin", "fine periodo"},
                                                         {"importo", "Capitale"},
                                                         {"SeeInteressi", "Interessi legali"},
                                                         {"Label6", "Somma"},
                                                         {"Label8", "Anni"},
                                                         {"Label23", "Giorni"},
                                                         {"Command1", "Calcola"},
                                                         {"Pulisci", "Cancella"},
                                                         {"Command2", "Info"},
                                                         {"Command3", "Stampa"},
                                                         {"Label16", "www.tarvel.example"},
                                                         {"Picture1", "www.tarvel.example"}};
        for (auto [control, name] : named)
            QCOMPARE(said(Find(*w, control), QAccessible::Name), name);
        for (int i = 0; i < kPeriodCount; ++i)
            QCOMPARE(said(PeriodField(*w, i), QAccessible::Name), PeriodCaption(*w, i)->text());
        QCOMPARE(said(PeriodField(*w, 3), QAccessible::Value), QStringLiteral("250"));
        QCOMPARE(said(Find(*w, "SeeInteressi"), QAccessible::Value), QStringLiteral("3.652,47"));
        // The result labels tell what they show, also after "Cancella".
        QCOMPARE(said(Find(*w, "Label6"), QAccessible::Description), QStringLiteral("13.652,47"));
        QCOMPARE(said(Find(*w, "Label8"), QAccessible::Description), QStringLiteral("anni  15"));
        QTest::mouseClick(Find(*w, "Pulisci"), Qt::LeftButton);
        QCOMPARE(said(Find(*w, "Label23"), QAccessible::Description), QStringLiteral("Giorni ?"));
        QCOMPARE(Find<QLabel>(*w, "Label4")->buddy(), importo());
        QCOMPARE(Find<QLabel>(*w, "Label2")->buddy(), mdataini());
        for (int i = 0; i < kPeriodCount; ++i)
            QVERIFY(QAccessible::queryAccessibleInterface(PeriodField(*w, i))->state().readOnly);

        // The working fields are not in the tree a screen reader walks.
        QStringList tree;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (node->object())
                tree << node->object()->objectName();
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(qApp));
        QVERIFY(tree.contains("importo") && tree.contains("txtAnno(0)"));
        QVERIFY(!tree.contains("Text1") && !tree.contains("importobis"));
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
        QTest::mouseClick(Find(*w, "Command1"), Qt::LeftButton);
        QApplication::clipboard()->clear();
        QWidget* control = Find(*w, focus.toStdString());
        control->setFocus();
        if (selection)
            importo()->setSelection(0, 2);
        QTest::keySequence(control, QKeySequence::Copy);
        const QString copied = QApplication::clipboard()->text();
        if (selection)
            QCOMPARE(copied, QStringLiteral("10"));
        else
            QVERIFY2(copied.startsWith("Capitale: 10.000,00\ndal 01/01/2000 al 01/01/2015")
                         && copied.contains("Nota: "),
                     qPrintable(copied));
    }

    void infoTwiceGivesOneWindow()
    {
        QTest::mouseClick(Find(*w, "Command2"), Qt::LeftButton);
        QTest::mouseClick(Find(*w, "Command2"), Qt::LeftButton);
        QCOMPARE(InfoWindowsShown(), 1);
        QVERIFY(w->InfoWindow() && w->InfoWindow()->parentWidget() == nullptr);
        QVERIFY(w->isEnabled() && !QApplication::activeModalWidget());

        // Closed, it goes; the next Info loads it afresh.
        QPointer<tarvel::frmVelmora> first = w->InfoWindow();
        first->close();
        QTRY_VERIFY(first.isNull());
        Press(*w, "Command2");
        QCOMPARE(InfoWindowsShown(), 1);
        QCOMPARE(Find(*w->InfoWindow(), "Label1")->palette().color(QPalette::WindowText), kInfoLinkText);
        w->InfoWindow()->close();
    }

    void label16UnderlineFollowsThePointer()
    {
        QLabel* Label16 = this->Label16();
        QVERIFY(!Label16->font().underline());
        QTest::mouseMove(Label16, Label16->rect().center());
        QTRY_VERIFY(Label16->font().underline());
        // Over the frame the move is not the window's: the underline stays.
        QWidget* Frame1 = Find(*w, "Frame1");
        QTest::mouseMove(Frame1, QPoint(Frame1->width() - 4, Frame1->height() - 4));
        QTest::mouseMove(PeriodCaption(*w, 4), QPoint(2, 2));
        QVERIFY(Label16->font().underline());
        QTest::mouseMove(w, QPoint(w->width() - 3, 3));
        QTRY_VERIFY(!Label16->font().underline());
        QVERIFY(Label16->font().bold());
    }

    void linksOpenTheMakersSite()
    {
        QTest::mouseClick(Label16(), Qt::LeftButton);
        QTest::mouseClick(Find(*w, "Picture1"), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(program->runtime.opened,
                 (std::vector<std::string>{"http://www.tarvel.example", "http://www.tarvel.example"}));
        // "Stampa" opens the printer window: no link, no message.
        QTest::mouseClick(Find(*w, "Command3"), Qt::LeftButton);
        QVERIFY(w->PrinterWindow());
        QCOMPARE(program->runtime.opened.size(), std::size_t(2));
        QVERIFY(program->runtime.messages.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
