#pragma once

// The program as it starts, and what a user does in its main window, for the
// window tests and the printing tests alike.

#include "calc/control_texts.h"
#include "print/printer_selection.h"
#include "tests/support/recording_runtime.h"
#include "tests/ui/window_controls.h"
#include "ui/frm_tarvel.h"
#include "ui/masked_edit.h"
#include "ui/rate_tables_in_use.h"
#include "ui/window_layouts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <algorithm>
#include <memory>

namespace tarvel::testing {

// A start of the program: what it hands the main window (a recording runtime,
// the printers of `platform`, none when null, and the tables of the rates in
// force as `settings` remember them, the built-in ones without settings) and
// the main window, loaded, shown and active.
struct Program {
    explicit Program(PrinterPlatform* platform = nullptr, QSettings* settings = nullptr)
        : printers(platform),
          tables(settings ? std::make_unique<RateTablesInUse>(*settings) : std::make_unique<RateTablesInUse>()),
          w(std::make_unique<frmTarvel>(runtime, printers, *tables))
    {
        w->show();
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("main window not active");
    }

    RecordingRuntime runtime;
    PrinterSelection printers;
    std::unique_ptr<RateTablesInUse> tables;
    std::unique_ptr<frmTarvel> w;
};

// The main window takes no input: a dialog of it stands open, window-modal.
inline bool IsBlocked(const frmTarvel& w)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->parentWidget() == &w && modal->windowModality() == Qt::WindowModal;
}

// The field and the caption of rate period `period`.
inline QLineEdit* PeriodField(const frmTarvel& w, int period)
{
    return Find<QLineEdit>(w, ControlName(PeriodControl(period)));
}
inline QLabel* PeriodCaption(const frmTarvel& w, int period) { return Find<QLabel>(w, PeriodCaptionName(period)); }

// The text standing in a result control the window shows.
inline QString TextIn(const frmTarvel& w, ResultControl control)
{
    QWidget* shown = Find(w, ControlName(control));
    if (auto* label = qobject_cast<QLabel*>(shown))
        return label->text();
    return Find<QLineEdit>(w, ControlName(control))->text();
}

// Types digits into a date field from its first place.
inline void TypeDate(MaskedEdit* field, const char* digits)
{
    field->setCursorPosition(0);
    QTest::keyClicks(field, QString::fromLatin1(digits));
}

// Types the capital and the two dates (digits only).
inline void Enter(frmTarvel& w, const char* capital, const char* start, const char* end)
{
    auto* importo = Find<QLineEdit>(w, "importo");
    importo->clear();
    QTest::keyClicks(importo, QString::fromLatin1(capital));
    TypeDate(Find<MaskedEdit>(w, "mdataini"), start);
    TypeDate(Find<MaskedEdit>(w, "mdatafin"), end);
}

// Presses a command button of the main window: "Command1" (Calcola),
// "Pulisci", "Command2" (Info), "Command3" (Stampa).
inline void Press(frmTarvel& w, const char* button) { QTest::mouseClick(Find(w, button), Qt::LeftButton); }

// Types the capital and the two dates (digits only) and presses "Calcola".
inline void Calculate(frmTarvel& w, const char* capital, const char* start, const char* end)
{
    Enter(w, capital, start, end);
    Press(w, "Command1");
}

// The working texts are no controls of any window: nothing shows them, nor
// reads them out.
inline bool WorkingTextsAreNoControls()
{
    const QWidgetList all = QApplication::allWidgets();
    return std::none_of(all.begin(), all.end(), [](const QWidget* w) {
        return w->objectName() == QLatin1String("Text1") || w->objectName() == QLatin1String("importobis");
    });
}

// How many Info windows are open.
inline int InfoWindowsShown()
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    return int(std::count_if(tops.begin(), tops.end(), [](const QWidget* top) {
        return top->objectName() == QLatin1String("frmVelmora") && top->isVisible();
    }));
}

// The first text of the window that is not shown whole, in its font and its
// control's width; empty when every one is.
inline QString TextNotShownWhole(const frmTarvel& w)
{
    for (const QLabel* label : w.findChildren<QLabel*>()) {
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width()
            || label->fontMetrics().height() > label->contentsRect().height())
            return label->text();
    }
    for (const QLineEdit* box : w.findChildren<QLineEdit*>()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        const int needed = box->fontMetrics().horizontalAdvance(box->displayText()) + 4; // the edit's margins
        if (needed > contents.width())
            return box->displayText();
    }
    return {};
}

} // namespace tarvel::testing
