#pragma once

#include "calc/control_texts.h"
#include "calc/currency.h"
#include "calc/rate_schedule.h"
#include "calc/rate_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr std::string_view kCalculationErrorMessage =
    "Si è verificato un errore; dati incongruenti o formato non valido riprova!!.";

struct CalculationInput {
    std::string capitalText; // importo
    std::string startText;   // mdataini, as the masked field gives it
    std::string endText;     // mdatafin
};

struct PeriodLine {
    bool applies = false;
    std::int16_t days = 0;
    std::int16_t years = 0;
    std::int16_t remainingDays = 0;
    Currency interest; // its text is the period's txtAnno
};

struct CalculationResult {
    bool ok = false;
    // What the run wrote into the main window's controls, as they stood when it
    // ended; on failure, as they stood when it failed (before the error path).
    // The window has fields for the first twelve rows of a table.
    WrittenTexts written;

    Currency capital;
    // The span as read from the date texts, once both were read.
    Date start;
    Date end;
    // One line per row of the table, in its order: the first lineCount.
    std::array<PeriodLine, kMaxChargedRows> lines{};
    std::size_t lineCount = 0;
    Currency runningTotal;
    std::int16_t totalDays = 0;
    std::int16_t years = 0;
    std::int16_t remainingDays = 0;
};

// With the program's own table, LegalRateSchedule.
CalculationResult CalculateInterest(const CalculationInput& input);
// With any table of at most kMaxChargedRows rows, by the same rules.
CalculationResult CalculateInterest(const CalculationInput& input, std::span<const RatePeriod> table);
// CalculateInterest without its texts: the same figures and outcome, for a
// caller that shows other figures of the same span (nothing is written).
CalculationResult CalculateFigures(const CalculationInput& input, std::span<const RatePeriod> table);

// The texts of a window that opened with the capital of `input` typed in,
// after this run of it: what the run wrote, and after a failure what its
// warning leaves.
ControlTexts WindowTextsAfter(const CalculationInput& input, const CalculationResult& result);

} // namespace tarvel
