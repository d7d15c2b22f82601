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

// The interest of `capital` over the days after `start` up to and including
// `end`, by the rules of CalculateInterest and without its texts, for a
// calculation that charges many spans: the exact sum of the rows'. Each row's
// line charged goes into `lines` when it has room for one a row of `table`;
// the others are left as they are. Nothing past the calculation's limits.
std::optional<Currency> SpanInterest(std::span<const RatePeriod> table, Currency capital, Date start, Date end,
                                     std::span<PeriodLine> lines = {});

// The rows of `table` that a span from `start` to `end` may charge, when its
// rows run in order of their days to LastChargedDay() as a table's do: those
// that end before the start charge nothing, nor does any from one that
// begins on the end or later. `first` is the first row's place in `table`.
// The rows are looked for from `from` on: a calculation of spans one after
// the other starts each from the last one's first.
struct RowsReached {
    std::size_t first = 0;
    std::span<const RatePeriod> rows;
};
RowsReached RowsReaching(std::span<const RatePeriod> table, Date start, Date end, std::size_t from = 0);

// The texts of a window that opened with the capital of `input` typed in,
// after this run of it: what the run wrote, and after a failure what its
// warning leaves.
ControlTexts WindowTextsAfter(const CalculationInput& input, const CalculationResult& result);

} // namespace tarvel
