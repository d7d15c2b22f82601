// Dates typed over dates in the main window, as a user types them: under a
// window manager (run by on-desktop) keys and clicks go through the X server
// by xdotool; elsewhere they are Qt's own events.
#include "tests/support/recording_runtime.h"
#include "tests/ui/main_window_steps.h"
#include "tests/ui/window_controls.h"
#include "ui/frm_tarvel.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

bool ThroughXServer() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// xdotool returns once the X server has the events; Qt's own are handled at
// once.
int WaitMs() { return ThroughXServer() ? 5000 : 0; }

bool XDoTool(const QStringList& arguments) { return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0; }

// A key by its X name ("Tab", "shift+Tab") and as Qt names it.
void PressKey(const QString& xName, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (ThroughXServer())
        XDoTool({"key", xName});
    else
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void Type(const QString& text)
{
    if (ThroughXServer())
        XDoTool({"type", "--delay", "20", text});
    else
        QTest::keyClicks(QApplication::focusWidget(), text);
}

// A click at `across` (0 to 1) of the field's width.
void ClickInto(QWidget* field, double across)
{
    const QPoint at(int(across * (field->width() - 1)), field->height() / 2);
    if (ThroughXServer()) {
        const QPoint global = field->mapToGlobal(at);
        XDoTool({"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
    } else {
        QTest::mouseClick(field, Qt::LeftButton, {}, at);
    }
}

} // namespace

class TypedDatesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingRuntime> runtime_;
    PrinterSelection printers_;
    std::unique_ptr<frmTarvel> w_;

private slots:
    void init()
    {
        runtime_ = std::make_unique<RecordingRuntime>();
        w_ = OpenMainWindow(*runtime_, printers_);
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }

    void cleanup() { w_.reset(); }

    void aDateOverADate_data()
    {
        QTest::addColumn<QString>("held"); // in the date field that gets the focus
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1/1/2020 over 01/01/2021, after Shift+Tab") << "01 / 01 / 2021"
                                                                   << "shift+Tab"
                                                                   << "1/1/2020"
                                                                   << "01 / 01 / 2020";
        QTest::newRow("15/6/2018 over 01/01/2000, after a click") << "01 / 01 / 2000"
                                                                  << "click"
                                                                  << "15/6/2018"
                                                                  << "15 / 06 / 2018";
        QTest::newRow("1.2.2019 over 01/01/2020, after Tab") << "01 / 01 / 2020"
                                                             << "Tab"
                                                             << "1.2.2019"
                                                             << "01 / 02 / 2019";
        QTest::newRow("15/06/2018 after a click on the year of the focused field") << "__ / __ / ____"
                                                                                   << "click focused"
                                                                                   << "15/06/2018"
                                                                                   << "15 / 06 / 2018";
        QTest::newRow("digits over the start date, after the warning") << "01 / 01 / 2000"
                                                                       << "warning"
                                                                       << "02012000"
                                                                       << "02 / 01 / 2000";
    }

    // Tab comes into the end date, Shift+Tab and the warning into the start
    // date, a click into either.
    void aDateOverADate()
    {
        QFETCH(QString, held);
        QFETCH(QString, focus);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto* start = Find<MaskedEdit>(*w_, "mdataini");
        auto* end = Find<MaskedEdit>(*w_, "mdatafin");
        auto* capital = Find<QLineEdit>(*w_, "importo");
        MaskedEdit* field = focus == "Tab" ? end : start;
        field->SetText(held);
        if (focus == "Tab") {
            start->setFocus();
            PressKey("Tab", Qt::Key_Tab);
        } else if (focus == "shift+Tab") {
            end->setFocus();
            PressKey("shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (focus == "click") {
            capital->setFocus();
            ClickInto(field, 0.6);
        } else if (focus == "click focused") {
            field->setFocus();
            ClickInto(field, 0.75);
        } else {
            // An end before the start: the warning's box takes the focus and
            // "Calcola" gives it back to the start date.
            end->SetText(QStringLiteral("01 / 01 / 1999"));
            capital->setText(QStringLiteral("1000"));
            runtime_->whileOpen = [&] { capital->setFocus(); };
            Find<QToolButton>(*w_, "Command1")->click();
            QCOMPARE(runtime_->messages.size(), std::size_t(1));
        }
        QTRY_VERIFY_WITH_TIMEOUT(field->hasFocus(), WaitMs());
        Type(typed);
        QTRY_COMPARE_WITH_TIMEOUT(field->Text(), shown, WaitMs());
    }
};

QTEST_MAIN(TypedDatesTest)
#include "typed_dates_test.moc"
