#pragma once

#include "calc/control_texts.h"
#include "calc/date.h"
#include "calc/rate_table.h"
#include "forms/typed_calculation.h"

#include <optional>
#include <string>

namespace tarvel {

// The field that takes the focus once a warning has been closed.
enum class FocusAfterWarning {
    StartDate, // ready for typing, as after the designed warning
    Capital,   // its text selected, to be mended where it was typed
};

// What "Calcola" shows in the main window.
struct CalculationShown {
    // The texts the run wrote; every other control keeps its text. They stand
    // in the window while the warning of a failed run is open.
    ControlTexts written;
    // A failed run's warning, and the texts written once it has been closed.
    std::optional<std::string> warning;
    ControlTexts afterWarning;
    FocusAfterWarning focus = FocusAfterWarning::StartDate;
};

// The notice under the main window, after a calculation that ends past the
// window's own table: the rates it charges there, and the interest at the
// legal rates in use.
struct MainWindowNotice {
    std::string heading; // "Questa finestra calcola l'1% su ogni giorno dopo il 2014."
    std::string amounts; // "Ai tassi legali in vigore: interessi 3.319,93, somma 28.319,93."
    // As Ctrl+C copies it after the calculation: "Nota: questa finestra ...\n".
    std::string Line() const;
};

// What the report is made from: the texts of the result controls and the two
// date fields, as the window shows them.
struct PrintedTexts {
    ControlTexts texts;
    std::string startDate;
    std::string endDate;
};

// The main window without its widgets: the texts of its result controls,
// which a calculation writes and the report and the copy read back, and the
// last calculation that succeeded.
class MainWindowForm {
public:
    // As the window opens: nothing calculated, the texts cleared but for the
    // hidden working fields, which show their names.
    MainWindowForm();

    // "Calcola" on what is typed. A capital of more than two decimals
    // (CapitalDecimalsWarning) is refused before the run: nothing typed is
    // cleared, the results are cleared as after the designed warning.
    CalculationShown Calculate(const TypedCalculation& typed);
    // "Cancella": the texts it writes, every one.
    const ControlTexts& Clear();

    // The texts of every result control, as they stand.
    const ControlTexts& Texts() const { return texts_; }
    // The last "Calcola" that succeeded, as typed; none before the first,
    // after "Cancella" and after a failed one.
    std::optional<TypedCalculation> LastCalculation() const;

    // The notice for the last calculation that succeeded, with the legal rates
    // in use; none without one, or when it ends within the window's table.
    std::optional<MainWindowNotice> Notice(const RateTable& legalRates) const;
    // What Ctrl+C copies: the last calculation that succeeded and its notice's
    // line; nothing without one.
    std::optional<std::string> Copied(const RateTable& legalRates) const;
    // What "Stampa" prints: the last calculation that succeeded as it ended,
    // whatever has been typed since; without one, the texts standing in the
    // window with the capital and the dates as typed now.
    PrintedTexts Printed(const TypedCalculation& typedNow) const;

private:
    struct Succeeded {
        TypedCalculation typed;
        Date end;
        ControlTexts texts;
        int years = 0;
        int days = 0;
    };

    ControlTexts texts_;
    std::optional<Succeeded> succeeded_;
};

} // namespace tarvel
