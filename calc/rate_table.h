#pragma once

#include "calc/date.h"
#include "calc/rate_schedule.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// As many rows as a table may have: the rates in force, and one decree a year
// for decades to come. A result holds a line for each row in place.
inline constexpr std::size_t kMaxRatePeriods = 64;
// The rows one calculation may charge: a legal table and a table of
// reference rates side by side.
inline constexpr std::size_t kMaxChargedRows = 2 * kMaxRatePeriods;

// The rate, in hundredths of a percent, that a table may charge at most: 100 %.
inline constexpr int kMaxRateHundredths = 10000;

// What a table's rates are: the legal rate, set by a decree every December
// for the year after, or the reference rate of late payment, published every
// half-year.
enum class RateKind { Legal, Reference };

// One change of the legal rate: charged from its first day on, until the
// next change.
struct RateChange {
    Date firstDay;
    int rateHundredths; // 250 for 2,5 %
    std::string act;    // the law or decree; may be empty
};

// A change of a built-in table, from a day that exists: (year, month, day) as
// Date::fromCivil.
RateChange BuiltInChange(int year, int month, int day, int rateHundredths, std::string act);

// The last day any table charges, as the program's own last period does.
Date LastChargedDay();

// What keeps `change` from following `previous` (none for the first row) in a
// table, as a message ("la data 01/01/2019 non viene dopo 01/01/2020"), or
// nothing when it may.
std::optional<std::string> RateChangeProblem(const RateChange* previous, const RateChange& change);

// "5", "2,5", "0,05": a rate in percent as captions and table files write it.
std::string RateText(int rateHundredths);
// "4,125", "4,75": a rate in thousandths of a point, as a contract's is written.
std::string RateThousandthsText(int rateThousandths);
// The rate of a table file, or a margin, in hundredths of a percent: "2,5" is
// 250. Nothing for any other text than one to three digits, optionally a ','
// and one or two more.
std::optional<int> ReadRate(std::string_view text);
// The period's rate in hundredths of a percent, for RateText.
int RateHundredths(const RatePeriod& period);

// Rate periods made from a list of changes. A row runs from its first day to
// the day before the next row's, the last row to LastChargedDay(). The first
// row takes part by the start only, the last by the end only, the others by
// their overlap with the span, as in the program's own table; captions read
// "2,5% dal 01/01/1999".
class RateTable {
public:
    // `changes`: 1 to kMaxRatePeriods rows of rates 0 to kMaxRateHundredths,
    // each without a RateChangeProblem after the one before it. `file`: the
    // file the table was read from, empty for a table built in.
    RateTable(std::string name, std::vector<RateChange> changes, RateKind kind = RateKind::Legal,
              std::string file = {});

    // The periods point into the table's own texts.
    RateTable(const RateTable&) = delete;
    RateTable& operator=(const RateTable&) = delete;
    RateTable(RateTable&&) = default;
    RateTable& operator=(RateTable&&) = default;

    std::span<const RatePeriod> periods() const { return periods_; }
    const std::vector<RateChange>& changes() const { return changes_; }
    // Where the rates come from, as the report names them: "Tassi legali in vigore".
    const std::string& name() const { return name_; }
    // The name and the last act, as the foot of a report names the table:
    // "Tassi legali in vigore, ultimo atto: D.M. 10/12/2025".
    std::string description() const;
    RateKind kind() const { return kind_; }
    const std::string& file() const { return file_; }
    // The last day of the year (of the half-year, for reference rates) of the
    // last change. Later days are charged at its rate, though a newer act may
    // have set another.
    Date knownUntil() const { return knownUntil_; }

private:
    std::string name_;
    RateKind kind_;
    std::string file_;
    std::vector<RateChange> changes_;
    std::vector<std::string> captions_;
    std::vector<RatePeriod> periods_;
    Date knownUntil_;
};

// What a calculator says of a span that reaches past what a table knows: which
// days are charged at the last rate known, and how to add a newer one.
struct LaterDaysNote {
    // "i giorni dopo il 31/12/2026 sono calcolati all'ultimo tasso noto (1,6% dal 01/01/2026)"
    std::string what;
    // "se è uscito un decreto più recente, salvare la tabella con ..."
    std::string how;
    std::string text() const { return what + "; " + how; }
};

// The note for a span whose last charged day is `lastDay`, when that is past
// what `table` knows.
std::optional<LaterDaysNote> LaterDaysNoteFor(const RateTable& table, Date lastDay);

} // namespace tarvel
