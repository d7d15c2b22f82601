#pragma once

#include "calc/date.h"
#include "calc/failure_reason.h"
#include "calc/rate_table.h"
#include "calc/statement_line.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvel {

// Late payment charges the reference rate plus a margin of points, 8 for
// transactions from 2013 on, in hundredths of a point; at most 20 are taken.
inline constexpr int kDefaultMarginHundredths = 800;
inline constexpr int kMaxMarginHundredths = 2000;

// "8", "7", "7,5": 0 to 20 points with at most two decimals; nothing else.
std::optional<int> ReadMargin(std::string_view text);
// Why a margin text is not one; nothing when it is.
std::optional<FieldFault> MarginFault(std::string_view text);

// From a claim filed in court on this day or later, the legal rate gives way
// to the late-payment rate (art. 1284, fourth paragraph, of the civil code).
Date FirstClaimDay();

// The claim date of a text in the forms tarvel-calc takes, or why it cannot
// be one: not a date, or before FirstClaimDay.
std::variant<Date, FieldFault> ReadClaimDate(std::string_view text);

// The ways interest is charged: at the legal rates; at the legal rates up to
// the day before a claim and at the late-payment rate (the reference rate
// plus 8 points) from the claim on; at the late-payment rate on every day,
// with the margin given.
// At a rate the parties agreed ("interessi convenzionali") on every day.
enum class Regime { Legal, LegalWithClaim, LatePayment, Contract };

// A contract's rate: above 0 and at most 100, with at most three decimals, in
// thousandths of a point ("4,75" is 4750); nothing for another text.
inline constexpr int kMaxContractThousandths = 100000;
std::optional<int> ReadContractRate(std::string_view text);
std::optional<FieldFault> ContractRateFault(std::string_view text);

// The rows a calculation charges under a regime, in one table of periods for
// CalculateInterest: the legal table's rows, then the reference table's
// charged at their rate plus the margin ("mora 12,5% dal 01/01/2024"). With a
// claim every legal row is there and every late-payment row, each cut to its
// side of the claim, so that the rows stay the same whatever the claim.
class ChargedRates {
public:
    static ChargedRates Legal(const RateTable& legal);
    static ChargedRates WithClaim(const RateTable& legal, const RateTable& reference);
    static ChargedRates LatePayment(const RateTable& reference, int marginHundredths);
    static ChargedRates Contract(int rateThousandths);

    // The periods point into the rows' own captions.
    ChargedRates(const ChargedRates&) = delete;
    ChargedRates& operator=(const ChargedRates&) = delete;
    ChargedRates(ChargedRates&&) = default;
    ChargedRates& operator=(ChargedRates&&) = default;

    Regime ChargedRegime() const { return regime_; }
    const RateTable* LegalTable() const { return legal_; }
    const RateTable* ReferenceTable() const { return reference_; }
    int MarginHundredths() const { return marginHundredths_; }
    // Contract: the rate agreed.
    int ContractThousandths() const { return rows_.empty() ? 0 : rows_.front().rateThousandths; }

    // What a row charges, in the order of the periods.
    struct Row {
        bool latePayment;
        int referenceHundredths; // the reference rate of a late-payment row
        int rateThousandths;     // the rate charged: a legal rate, the reference rate plus the margin, a contract's
    };
    std::span<const Row> Rows() const { return rows_; }
    // What row `i` charges, as a statement shows it.
    ChargedRate Charged(std::size_t i) const
    {
        const Row& row = rows_[i];
        return {row.rateThousandths, row.latePayment, row.referenceHundredths, row.latePayment ? marginHundredths_ : 0};
    }

    // The periods for a span whose claim was filed on `claim`: the legal rows
    // charge the days before it, the late-payment rows that day and the later
    // ones; without a claim the legal rows charge every day. The regimes
    // without a claim ignore it. A claim's periods are written into `room`,
    // which the caller keeps (and may reuse, so that a batch allocates once);
    // the others are the object's own. Either stays valid while this object
    // and `room` live and `room` is not written again.
    std::span<const RatePeriod> Periods(std::optional<Date> claim, std::vector<RatePeriod>& room) const;

    // Why the span from `start` to `end` cannot be charged: its first
    // late-payment day comes before the first day the reference rates are
    // known. Nothing when it can.
    std::optional<FieldFault> LateDaysFault(Date start, Date end, std::optional<Date> claim) const;

    // The notes for a span that reaches past what a table knows, legal first.
    std::vector<LaterDaysNote> Notes(Date start, Date end, std::optional<Date> claim) const;

    // The tables charged, as a report's foot names them, legal first.
    std::vector<std::string> TableDescriptions() const;

private:
    ChargedRates(Regime regime, const RateTable* legal, const RateTable* reference, int marginHundredths);
    void AddLateRows();

    Regime regime_;
    const RateTable* legal_;
    const RateTable* reference_;
    int marginHundredths_;
    std::size_t legalCount_ = 0;
    std::vector<std::string> captions_; // of the late-payment rows
    std::vector<Row> rows_;
    std::vector<RatePeriod> base_; // every row as its table has it
};

} // namespace tarvel
