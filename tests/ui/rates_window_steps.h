#pragma once

// What a user does in the window of the rates in force, and the table files
// and settings of a test's own: for the tests of that window, of the main
// window's notice and of printing.

#include "runtime/rate_table_file.h"
#include "tests/ui/main_window_steps.h"
#include "ui/frm_tarvel.h"
#include "ui/masked_edit.h"
#include "ui/rates_in_force_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace tarvel::testing {

// A folder of the test's own, with the settings file the program would keep
// in the desktop's place and any table files a case writes.
class PrivateFolder {
public:
    QSettings& Settings() { return settings_; }
    // Writes `text` to the file `name` in the folder; its path.
    std::string Write(const QString& name, const QByteArray& text)
    {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName().toStdString();
    }

private:
    QTemporaryDir dir_;
    QSettings settings_{dir_.filePath(QStringLiteral("tarvel.conf")), QSettings::IniFormat};
};

// A table file with the rows of `table` and then `rows`, as a user adds a
// newer act to a table written out by tarvel-calc.
inline QByteArray TableFileWith(const RateTable& table, const char* rows)
{
    std::ostringstream file;
    WriteRateTableFile(file, table.periods());
    return QByteArray::fromStdString(file.str()) + rows;
}

// Opens the window of the rates in force as Ctrl+T does; null when it does not show.
inline RatesInForceWindow* OpenRatesWindow(frmTarvel& w)
{
    // Ctrl+T is the main window's shortcut: it reaches it while it is active.
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
    RatesInForceWindow* rates = w.RatesWindow();
    return rates && QTest::qWaitForWindowExposed(rates) ? rates : nullptr;
}

// Settings of the test's own and the program started on them, the window of
// the rates in force open: where the tests of that window start.
class RatesWindowSession {
protected:
    void Start()
    {
        folder = std::make_unique<PrivateFolder>();
        Restart();
    }
    // A new start of the program on the same settings, the window open.
    void Restart()
    {
        program.emplace(nullptr, &folder->Settings());
        rates = OpenRatesWindow(*program->w);
        QVERIFY(rates);
    }
    void Stop()
    {
        program.reset();
        folder.reset();
    }

    std::unique_ptr<PrivateFolder> folder;
    std::optional<Program> program;
    RatesInForceWindow* rates = nullptr;
};

// A calculation as a user types it into the window of the rates in force:
// the regime is the choice's name ("regimeLegale", "regimeDomanda",
// "regimeMora", "regimeConvenzionale"); a claim date, a margin or a
// contract's rate is typed only when given.
struct RatesTyped {
    QString capital;
    QString start;
    QString end;
    QString regime = QStringLiteral("regimeLegale");
    QString claim = {};
    QString margin = {};
    QString rate = {};
};

// Types the calculation, the dates as written, the capital last.
inline void TypeIn(RatesInForceWindow& rates, const RatesTyped& typed)
{
    QTest::mouseClick(Find<QRadioButton>(rates, typed.regime.toStdString()), Qt::LeftButton, {}, QPoint(4, 4));
    const auto retype = [&](const char* name, const QString& text) {
        auto* field = Find<QLineEdit>(rates, name);
        if (auto* date = qobject_cast<MaskedEdit*>(field))
            date->FocusForTyping();
        else
            field->clear();
        QTest::keyClicks(field, text);
    };
    retype("dal", typed.start);
    retype("al", typed.end);
    if (!typed.claim.isNull())
        retype("domanda", typed.claim);
    if (!typed.margin.isNull())
        retype("maggiorazione", typed.margin);
    if (!typed.rate.isNull())
        retype("tasso", typed.rate);
    retype("capitale", typed.capital);
}

// Types the calculation and presses Enter in the capital.
inline void CalculateIn(RatesInForceWindow& rates, const RatesTyped& typed)
{
    TypeIn(rates, typed);
    QTest::keyClick(Find(rates, "capitale"), Qt::Key_Return);
}

// The text of a label of the window.
inline QString LabelText(const QWidget& window, const char* name) { return Find<QLabel>(window, name)->text(); }

} // namespace tarvel::testing

Q_DECLARE_METATYPE(tarvel::testing::RatesTyped)
