#include "tests/support/recording_runtime.h"
#include "ui/frm_tarvel.h"
#include "ui/frm_velmora.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using tarvel::PrinterSelection;
using tarvel::testing::RecordingRuntime;

using tarvel::frmTarvel;

namespace {

// The states the window may be in after any run of user input.
QString Violation(const frmTarvel& w)
{
    static const QRegularExpression date(QStringLiteral("^[0-9_]{2} / [0-9_]{2} / [0-9_]{4}$"));
    for (const auto* field : {w.mdataini, w.mdatafin})
        if (!date.match(field->Text()).hasMatch())
            return QStringLiteral("date field reads ") + field->Text();
    const QString years = w.Label8->text(), days = w.Label23->text();
    if (years != QStringLiteral("Anni ?") && !years.startsWith(QStringLiteral("anni  ")))
        return QStringLiteral("Label8 reads ") + years;
    if (days != QStringLiteral("Giorni ?") && !days.startsWith(QStringLiteral(" giorni  ")))
        return QStringLiteral("Label23 reads ") + days;
    if ((years == QStringLiteral("Anni ?")) != (days == QStringLiteral("Giorni ?")))
        return QStringLiteral("years and days disagree");
    for (const QLineEdit* box : w.txtAnno)
        if (box->hasFocus() || box->isEnabled())
            return QStringLiteral("a period field took the focus");
    if (w.Text1->isVisible() || w.importobis->isVisible())
        return QStringLiteral("a working field is shown");
    int infos = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        infos += top->objectName() == QStringLiteral("frmVelmora") && top->isVisible();
    if (infos > 1)
        return QStringLiteral("more than one Info window");
    return {};
}

} // namespace

class MainWindowRobustnessTest : public QObject {
    Q_OBJECT

private slots:
    void randomInput()
    {
        RecordingRuntime runtime;
        PrinterSelection printers;
        frmTarvel w(runtime, printers);
        w.Form_Load();
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));

        const int keys[] = {Qt::Key_0,      Qt::Key_1,       Qt::Key_2,         Qt::Key_5,      Qt::Key_9,
                            Qt::Key_Period, Qt::Key_Comma,   Qt::Key_Minus,     Qt::Key_A,      Qt::Key_Space,
                            Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                            Qt::Key_Right,  Qt::Key_Home,    Qt::Key_End,       Qt::Key_Return};
        QRandomGenerator random(20240613);
        int messagesSeen = 0;
        for (int step = 0; step < 4000; ++step) {
            if (random.bounded(4) == 0) {
                const QPoint at(random.bounded(w.width()), random.bounded(w.height()));
                QWidget* target = w.childAt(at);
                if (!target)
                    target = &w;
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, at));
            } else {
                const int key = keys[random.bounded(int(std::size(keys)))];
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus && focus->window() == &w ? focus : &w, Qt::Key(key));
            }
            if (tarvel::frmPrinter* printer = w.PrinterWindow()) {
                // "Stampa" opened the printer window: the main window waits for it.
                QVERIFY(!w.isEnabled());
                printer->close();
                QVERIFY(w.isEnabled());
            }
            if (QApplication::activeWindow() != &w)
                QApplication::setActiveWindow(&w); // the Info or printer window may have taken it
            const QString violation = Violation(w);
            QVERIFY2(violation.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(violation)));
            if (int(runtime.messages.size()) > messagesSeen) {
                messagesSeen = int(runtime.messages.size());
                QCOMPARE(w.Label8->text(), QStringLiteral("Anni ?")); // a failure always resets
                QCOMPARE(w.importo->text(), QStringLiteral(" "));
            }
        }
        // The run reached the commands, not just the fields.
        QVERIFY(!runtime.messages.empty());
        for (const auto& message : runtime.messages)
            QVERIFY(message.icon == tarvel::MsgBoxIcon::Warning);
        if (w.InfoWindow())
            w.InfoWindow()->close();
    }
};

QTEST_MAIN(MainWindowRobustnessTest)
#include "main_window_robustness_test.moc"
