// A date typed into a date field comes out as it was typed, whatever the
// field held and however it got the focus; editing in place still works.
#include "ui/masked_edit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace tarvel;

namespace {

// How the date field gets the focus before the date is typed.
enum class Focus { Tab, ShiftTab, Click, ClickFocused, Warning, DoubleClickAlone };

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

    // However the field gets the focus, typing starts afresh over a complete
    // date and goes on in a part-typed one; moving the caret first edits the
    // date in place.
    void editingInPlace_data()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<Focus>("focus");
        QTest::addColumn<double>("clickAt");
        QTest::addColumn<QString>("keys"); // a date typed, editing keys by name
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* held, Focus focus, double clickAt, const char* keys,
                            const char* shown) {
            QTest::newRow(name) << QString(held) << focus << clickAt << QString(keys) << QString(shown);
        };
        row("over a date, after Tab", "01/01/2021", Focus::Tab, 0.0, "1/1/2020", "01 / 01 / 2020");
        row("over a date, after Shift+Tab", "01/01/2021", Focus::ShiftTab, 0.0, "1/1/2020", "01 / 01 / 2020");
        row("over a date, after a click", "01/01/2000", Focus::Click, 0.6, "15/6/2018", "15 / 06 / 2018");
        row("separators at a section's start, after a click taken for a double click", "", Focus::DoubleClickAlone, 0.0,
            "/31//1/-2000", "31 / 01 / 2000");
        row("over a date, after a click into the focused field", "01/01/2000", Focus::ClickFocused, 0.75, "15/06/2018",
            "15 / 06 / 2018");
        row("on in a half-typed date, after the warning", "15/06/201", Focus::Warning, 0.0, "8", "15 / 06 / 2018");
        row("Backspace after a click past the end", "15/06/2018", Focus::ClickFocused, 1.0, "{Backspace}9",
            "15 / 06 / 2019");
        row("Delete a digit and type it anew", "15/06/2018", Focus::Tab, 0.0, "{End}{Left}{Left}{Delete}3",
            "15 / 06 / 2038");
        row("an arrow, then a digit over the day's", "15/06/2018", Focus::Click, 0.0, "{Right}6", "16 / 06 / 2018");
        row("End in a half-typed date goes to its first blank", "15/06", Focus::Tab, 0.0, "{Home}{End}2018",
            "15 / 06 / 2018");
        row("a separator ends the day at the caret", "15/06/2018", Focus::Tab, 0.0, "{Right}/", "01 / 06 / 2018");
        row("all selected, then a new date", "15/06/2018", Focus::ClickFocused, 0.3, "{Ctrl+A}1/2/2003",
            "01 / 02 / 2003");
    }

    void editingInPlace()
    {
        QFETCH(QString, held);
        QFETCH(Focus, focus);
        QFETCH(double, clickAt);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QCOMPARE(TypeOver(held, focus, clickAt, keys), shown);
    }
};

QTEST_MAIN(MaskedEditTest)
#include "masked_edit_test.moc"
