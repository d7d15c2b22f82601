// A date typed into a date field comes out as it was typed, whatever the
// field held and however it got the focus; editing in place still works.
#include "ui/masked_edit.h"

#include <QApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <random>

using namespace tarvel;

namespace {

// How the date field gets the focus before the date is typed.
enum class Focus { Tab, ShiftTab, Click, ClickFocused, Warning, DoubleClickAlone };

// The date as the field shows it.
QString Shown(QDate date)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

// The ways people type a date.
QString AsTyped(QDate date, int form)
{
    const QString day = QString::number(date.day()), month = QString::number(date.month());
    const QString year = QString::number(date.year());
    const QString dd = day.rightJustified(2, u'0'), mm = month.rightJustified(2, u'0');
    switch (form) {
    case 0: return dd + u'/' + mm + u'/' + year;
    case 1: return day + u'/' + month + u'/' + year;
    case 2: return day + u'.' + month + u'.' + year;
    case 3: return day + u'-' + month + u'-' + year;
    case 4: return day + u' ' + month + u' ' + year;
    default: return dd + mm + year;
    }
}
constexpr int kForms = 6;

// Editing keys by name, as the tables write them: "{End}{Backspace}9".
void PressKeys(QWidget* target, const QString& script)
{
    static const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> kNamed = {
        {"Backspace", {Qt::Key_Backspace, {}}},
        {"Delete", {Qt::Key_Delete, {}}},
        {"Left", {Qt::Key_Left, {}}},
        {"Right", {Qt::Key_Right, {}}},
        {"Home", {Qt::Key_Home, {}}},
        {"End", {Qt::Key_End, {}}},
        {"Ctrl+A", {Qt::Key_A, Qt::ControlModifier}}};
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script.at(i) != u'{') {
            QTest::keyClick(target, script.at(i).toLatin1());
            continue;
        }
        const qsizetype close = script.indexOf(u'}', i);
        const auto key = kNamed.value(script.mid(i + 1, close - i - 1), {Qt::Key_unknown, {}});
        QVERIFY2(key.first != Qt::Key_unknown, qPrintable(script));
        QTest::keyClick(target, key.first, key.second);
        i = close;
    }
}

} // namespace

class MaskedEditTest : public QObject {
    Q_OBJECT

    // A window with a field before and one after the date field, as in the
    // main window.
    std::unique_ptr<QWidget> window_;
    QLineEdit* before_ = nullptr;
    MaskedEdit* field_ = nullptr;
    QLineEdit* after_ = nullptr;

    // The field holds what `held` types into it; then it gets the focus by
    // `focus` (a click at `clickAt`, 0 to 1 across it) and `keys` go in.
    QString TypeOver(const QString& held, Focus focus, double clickAt, const QString& keys)
    {
        field_->SetText(QString());
        field_->FocusForTyping();
        QTest::keyClicks(field_, held);
        const QPoint click(int(clickAt * (field_->width() - 1)), field_->height() / 2);
        switch (focus) {
        case Focus::Tab:
            before_->setFocus();
            QTest::keyClick(before_, Qt::Key_Tab);
            break;
        case Focus::ShiftTab:
            after_->setFocus();
            QTest::keyClick(after_, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Focus::Click:
            before_->setFocus();
            QTest::mouseClick(field_, Qt::LeftButton, {}, click);
            break;
        case Focus::ClickFocused: QTest::mouseClick(field_, Qt::LeftButton, {}, click); break;
        case Focus::DoubleClickAlone:
            // A click where one was just made in another window: no press.
            before_->setFocus();
            field_->setFocus(Qt::MouseFocusReason);
            QTest::mouseDClick(field_, Qt::LeftButton, {}, click);
            QTest::mouseRelease(field_, Qt::LeftButton, {}, click);
            break;
        case Focus::Warning:
            // The warning's box took the focus from the field and gave it back.
            if (clickAt < 0.5)
                before_->setFocus();
            field_->FocusForTyping();
            break;
        }
        if (QApplication::focusWidget() != field_)
            return QStringLiteral("the field did not get the focus");
        PressKeys(field_, keys);
        return field_->Text();
    }

    // The columns of a table of keys pressed in the field and what it shows.
    static void KeysColumns()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<Focus>("focus");
        QTest::addColumn<double>("clickAt");
        QTest::addColumn<QString>("keys"); // a date typed, editing keys by name
        QTest::addColumn<QString>("shown");
    }

    void ExpectShown()
    {
        QFETCH(QString, held);
        QFETCH(Focus, focus);
        QFETCH(double, clickAt);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QCOMPARE(TypeOver(held, focus, clickAt, keys), shown);
    }

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* row = new QHBoxLayout(window_.get());
        before_ = new QLineEdit;
        field_ = new MaskedEdit;
        field_->SetMask(QString::fromLatin1(kDateMask));
        // As narrow as in the main window: a click past the date is rare.
        field_->setFixedWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("00 / 00 / 0000")) + 12);
        after_ = new QLineEdit;
        for (QWidget* w :
             {static_cast<QWidget*>(before_), static_cast<QWidget*>(field_), static_cast<QWidget*>(after_)})
            row->addWidget(w);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() { window_.reset(); }

    // Random dates in random forms over random contents: a whole date typed
    // is the date the field holds.
    void aTypedDateComesOutWhole_data()
    {
        QTest::addColumn<Focus>("focus");
        QTest::newRow("Tab") << Focus::Tab;
        QTest::newRow("Shift+Tab") << Focus::ShiftTab;
        QTest::newRow("a click") << Focus::Click;
        QTest::newRow("a click into the focused field") << Focus::ClickFocused;
        QTest::newRow("a click taken for a double click") << Focus::DoubleClickAlone;
        QTest::newRow("after the warning") << Focus::Warning;
    }

    void aTypedDateComesOutWhole()
    {
        QFETCH(Focus, focus);
        const unsigned seed = 22 + unsigned(focus);
        std::mt19937 random(seed);
        const auto pick = [&](int below) { return int(random() % unsigned(below)); };
        const auto anyDate = [&] { return QDate(1900, 1, 1).addDays(pick(200 * 365)); };
        for (int n = 0; n < 80; ++n) {
            // Empty, part-typed or complete.
            QString held = AsTyped(anyDate(), pick(kForms));
            const int kind = pick(3);
            held = kind == 0 ? QString() : kind == 1 ? held.left(1 + pick(int(held.size()) - 1)) : held;
            const double clickAt = pick(1000) / 1000.0;
            const QDate date = anyDate();
            const QString typed = AsTyped(date, pick(kForms));
            const QString shown = TypeOver(held, focus, clickAt, typed);
            QVERIFY2(shown == Shown(date), qPrintable(QStringLiteral("seed %1, case %2: \"%3\" typed over \"%4\" "
                                                                     "(clicked at %5) gave \"%6\"")
                                                          .arg(seed)
                                                          .arg(n)
                                                          .arg(typed, held)
                                                          .arg(clickAt)
                                                          .arg(shown)));
        }
    }

    // The rules for a field that already holds something: the whole-date
    // rule above, and these.
    void typingOverWhatTheFieldHolds_data()
    {
        KeysColumns();
        QTest::newRow("a date begun over a complete one stays unfinished")
            << "01/01/2021" << Focus::Tab << 0.0 << "1/1/202"
            << "01 / 01 / 202_";
        QTest::newRow("the rest of a half-typed date") << "0101" << Focus::Tab << 0.0 << "2015"
                                                       << "01 / 01 / 2015";
        QTest::newRow("the last digit after the warning") << "15/06/201" << Focus::Warning << 0.0 << "8"
                                                          << "15 / 06 / 2018";
    }

    void typingOverWhatTheFieldHolds() { ExpectShown(); }

    // Moving the caret first edits the date in place.
    void editingInPlace_data()
    {
        KeysColumns();
        QTest::newRow("Backspace after a click past the end")
            << "15/06/2018" << Focus::ClickFocused << 1.0 << "{Backspace}9"
            << "15 / 06 / 2019";
        QTest::newRow("Delete a digit and type it anew")
            << "15/06/2018" << Focus::Tab << 0.0 << "{End}{Left}{Left}{Delete}3"
            << "15 / 06 / 2038";
        QTest::newRow("an arrow, then a digit over the day's") << "15/06/2018" << Focus::Click << 0.0 << "{Right}6"
                                                               << "16 / 06 / 2018";
        QTest::newRow("End in a half-typed date goes to its first blank")
            << "15/06" << Focus::Tab << 0.0 << "{Home}{End}2018"
            << "15 / 06 / 2018";
        QTest::newRow("a separator ends the day at the caret") << "15/06/2018" << Focus::Tab << 0.0 << "{Right}/"
                                                               << "01 / 06 / 2018";
        QTest::newRow("all selected, then a new date")
            << "15/06/2018" << Focus::ClickFocused << 0.3 << "{Ctrl+A}1/2/2003"
            << "01 / 02 / 2003";
    }

    void editingInPlace() { ExpectShown(); }
};

QTEST_MAIN(MaskedEditTest)
#include "masked_edit_test.moc"
