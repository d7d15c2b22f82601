#pragma once

#include "calc/csv_row.h"
#include "calc/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// A calendar month, held as a count of months so that months compare and
// step as numbers: year * 12 + month - 1.
class Month {
public:
    constexpr Month() = default;
    static constexpr Month of(int year, int month) { return Month(year * 12 + month - 1); }
    static Month of(Date day)
    {
        const Date::Civil civil = day.civil();
        return of(civil.year, civil.month);
    }
    constexpr int year() const { return serial_ / 12; }
    constexpr int month() const { return serial_ % 12 + 1; }
    constexpr int serial() const { return serial_; }
    constexpr Month plus(int months) const { return Month(serial_ + months); }
    friend constexpr int operator-(Month to, Month from) { return to.serial_ - from.serial_; }
    friend constexpr auto operator<=>(Month, Month) = default;

private:
    constexpr explicit Month(int serial) : serial_(serial) {}
    int serial_ = 0;
};

// "marzo 2015".
std::string MonthText(Month month);
// "2015-03", as the index file writes a month; "03/2015", as a DAL or AL of the revaluation alone.
std::string MonthFileText(Month month);
std::string MonthDigitsText(Month month);
// "03/2015", "3/2015" (spaces allowed round the parts) and "2015-03"; nothing for another text.
std::optional<Month> ReadMonth(std::string_view text);

// A base of the index, "2010=100": the months it was published in, and the
// coefficient that carries an index of the base before it into this one
// (1,373 for 2010=100, from January 2011), in thousandths; 0 for the first base.
struct IndexBase {
    int year = 0;
    Month firstMonth;
    int linkThousandths = 0;
    friend bool operator==(const IndexBase&, const IndexBase&) = default;
};

// "107,0", "1,373", "-0,3": a count of units of `decimals` decimals, every decimal written.
std::string DecimalText(std::int64_t units, int decimals);
// "2010=100".
std::string BaseText(int year);
// "107,0": an index in tenths, as ISTAT publishes it.
std::string IndexText(int tenths);
// "1,373": a coefficient in thousandths.
std::string CoefficientText(int thousandths);

// The consumer price index for blue- and white-collar households without
// tobacco, a value every month from the first, each in the base it was
// published in.
class PriceIndex {
public:
    // `tenths`: one positive value a month from `first` on; `bases`: in order
    // of their first months, the first on `first`, each later with its link.
    PriceIndex(std::string name, Month first, std::vector<int> tenths, std::vector<IndexBase> bases,
               std::string file = {});

    Month first() const { return first_; }
    Month last() const { return first_.plus(static_cast<int>(tenths_.size()) - 1); }
    // The index of a month from first() to last().
    int tenthsOf(Month month) const { return tenths_[static_cast<std::size_t>(month - first_)]; }
    const std::vector<int>& values() const { return tenths_; }
    const std::vector<IndexBase>& bases() const { return bases_; }
    // The base a month from first() on was published in.
    const IndexBase& baseOf(Month month) const;
    // "Indici ISTAT FOI senza tabacchi", "Indici dal file indici.csv".
    const std::string& name() const { return name_; }
    // The file the table was read from; empty for the one built in.
    const std::string& file() const { return file_; }
    // The name and the last month, as a statement names the table: "Indici
    // ISTAT FOI senza tabacchi, ultimo: agosto 2026".
    std::string description() const;

    friend bool operator==(const PriceIndex& a, const PriceIndex& b)
    {
        return a.first_ == b.first_ && a.tenths_ == b.tenths_ && a.bases_ == b.bases_;
    }

private:
    std::string name_;
    std::string file_;
    Month first_;
    std::vector<int> tenths_;
    std::vector<IndexBase> bases_;
};

// The index table as a file: UTF-8 CSV with ';', the header
// mese;indice;base;raccordo, then one row a month with no month missing, in
// order: the month ("2015-03"), its index (a positive number with at most one
// decimal: "107,0"), the year of its base ("2010"), and on the first month
// of every base after the first the coefficient that links the base before
// to it (three decimals: "1,373"), empty on every other row.
inline constexpr std::string_view kPriceIndexHeader = "mese;indice;base;raccordo";
// More than a header and a row a month for a thousand years: a longer file is
// refused as soon as it is read that far.
inline constexpr std::uint64_t kMaxPriceIndexFileBytes = 12000 * 64;

// Takes the rows of an index file one at a time, after its header.
class PriceIndexReader {
public:
    // Why the row cannot follow the rows before it; nothing when it is taken.
    std::optional<std::string> take(const CsvRow& row);
    // The table of the rows taken, or why there is none (no row at all).
    std::optional<PriceIndex> finish(std::string name, std::string file = {});
    // Why there is no table: no row at all; empty when there is one.
    static std::string NoRowsReason();

private:
    std::optional<Month> first_;
    std::vector<int> tenths_;
    std::vector<IndexBase> bases_;
};

// The table in the file's form, ready to be read back: the header and a row a month.
std::string PriceIndexFileText(const PriceIndex& index);

// The table built into the program, "Indici ISTAT FOI senza tabacchi".
const PriceIndex& BuiltInPriceIndex();

} // namespace tarvel
