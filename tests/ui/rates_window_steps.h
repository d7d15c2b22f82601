#pragma once

// The program's windows with the tables of the rates in force remembered in
// settings of the test's own, and what a user does in the window of the rates
// in force: for the tests of that window, of the main window's notice and of
// printing.

#include "print/printer_selection.h"
#include "runtime/rate_table_file.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/main_window_steps.h"
#include "ui/frm_tarvel.h"
#include "ui/masked_edit.h"
#include "ui/rate_tables_in_use.h"
#include "ui/rates_in_force_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
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
    std::string Path(const QString& name) const { return dir_.filePath(name).toStdString(); }

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

// A start of the program: the tables as the settings remember them (the
// built-in ones without settings) and the main window, shown and active.
struct Program {
    explicit Program(QSettings* settings = nullptr, PrinterPlatform* platform = nullptr)
        : printers(platform),
          tables(settings ? std::make_unique<RateTablesInUse>(*settings) : std::make_unique<RateTablesInUse>()),
          w(OpenMainWindow(runtime, printers, *tables))
    {
    }

    RecordingRuntime runtime;
    PrinterSelection printers;
    std::unique_ptr<RateTablesInUse> tables;
    std::unique_ptr<frmTarvel> w;
};

// Opens the window of the rates in force as Ctrl+T does; null when it does not show.
inline RatesInForceWindow* OpenRatesWindow(frmTarvel& w)
{
    w.OpenRatesInForce();
    RatesInForceWindow* rates = w.RatesWindow();
    return rates && QTest::qWaitForWindowExposed(rates) ? rates : nullptr;
}

// A calculation as a user types it into the window of the rates in force:
// the regime is the choice's name ("regimeLegale", "regimeDomanda",
// "regimeMora"); a claim date or a margin is typed only when given.
struct RatesTyped {
    QString capital;
    QString start;
    QString end;
    QString regime = QStringLiteral("regimeLegale");
    QString claim = {};
    QString margin = {};
};

// Types a date into its field, as written, from wherever typing starts.
inline void TypeDateAsWritten(MaskedEdit* field, const QString& date)
{
    field->FocusForTyping();
    QTest::keyClicks(field, date);
}

// Types the calculation and presses Enter in the capital.
inline void CalculateIn(RatesInForceWindow& rates, const RatesTyped& typed)
{
    QTest::mouseClick(Find<QRadioButton>(rates, typed.regime.toStdString()), Qt::LeftButton, {}, QPoint(4, 4));
    TypeDateAsWritten(Find<MaskedEdit>(rates, "dal"), typed.start);
    TypeDateAsWritten(Find<MaskedEdit>(rates, "al"), typed.end);
    if (!typed.claim.isNull())
        TypeDateAsWritten(Find<MaskedEdit>(rates, "domanda"), typed.claim);
    if (!typed.margin.isNull()) {
        Find<QLineEdit>(rates, "maggiorazione")->clear();
        QTest::keyClicks(Find<QLineEdit>(rates, "maggiorazione"), typed.margin);
    }
    auto* capitale = Find<QLineEdit>(rates, "capitale");
    capitale->clear();
    QTest::keyClicks(capitale, typed.capital);
    QTest::keyClick(capitale, Qt::Key_Return);
}

// The text of a label of the window.
inline QString LabelText(const QWidget& window, const char* name) { return Find<QLabel>(window, name)->text(); }

// The texts of one column of the table of periods, top to bottom.
inline QStringList PeriodColumn(const RatesInForceWindow& rates, const char* head)
{
    const auto* table = Find<QTableWidget>(rates, "periodi");
    int column = 0;
    while (column < table->columnCount() && table->horizontalHeaderItem(column)->text() != QLatin1String(head))
        ++column;
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

} // namespace tarvel::testing

Q_DECLARE_METATYPE(tarvel::testing::RatesTyped)
