#include "calc/price_index.h"

#include "calc/check.h"
#include "calc/digits.h"
#include "calc/price_index_data.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarvel {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"gennaio",   "febbraio", "marzo",    "aprile",
                                                     "maggio",    "giugno",   "luglio",   "agosto",
                                                     "settembre", "ottobre",  "novembre", "dicembre"};

// The years a month may have, as a day's.
constexpr int kFirstYear = Date::kMinYear;
constexpr int kLastYear = Date::kMaxYear;
// The largest index a file may hold, in tenths: 99.999,9.
constexpr int kMaxIndexTenths = 999999;

std::optional<int> number(std::string_view digits)
{
    return IsDigits(digits, 1, 6) ? std::optional(DigitsValue(digits)) : std::nullopt;
}

std::optional<Month> monthOf(int year, int month)
{
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12)
        return std::nullopt;
    return Month::of(year, month);
}

// A positive decimal of at most five whole digits and `decimals` decimals, up to `max` units.
std::optional<int> positiveDecimal(std::string_view text, std::size_t decimals, int max)
{
    const auto units = ReadDecimal(text, 5, decimals);
    return units && *units > 0 && *units <= max ? units : std::nullopt;
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

} // namespace

std::string MonthText(Month month)
{
    return std::string(kMonthNames[month.month() - 1]) + ' ' + std::to_string(month.year());
}

std::string MonthFileText(Month month) { return std::to_string(month.year()) + '-' + twoDigits(month.month()); }

std::string MonthDigitsText(Month month) { return twoDigits(month.month()) + '/' + std::to_string(month.year()); }

std::string DecimalText(std::int64_t units, int decimals)
{
    const bool negative = units < 0;
    std::string digits = std::to_string(negative ? -units : units);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), ",");
    return (negative ? "-" : "") + digits;
}

std::optional<Month> ReadMonth(std::string_view text)
{
    text = TrimSpaces(text);
    if (const std::size_t dash = text.find('-'); dash != std::string_view::npos) {
        const std::string_view year = text.substr(0, dash);
        const std::string_view month = text.substr(dash + 1);
        if (year.size() != 4 || month.size() != 2 || !number(year) || !number(month))
            return std::nullopt;
        return monthOf(*number(year), *number(month));
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::string_view month = TrimSpaces(text.substr(0, slash));
    const std::string_view year = TrimSpaces(text.substr(slash + 1));
    if (month.empty() || month.size() > 2 || year.size() != 4 || !number(month) || !number(year))
        return std::nullopt;
    return monthOf(*number(year), *number(month));
}

std::string BaseText(int year) { return std::to_string(year) + "=100"; }

std::string IndexText(int tenths) { return DecimalText(tenths, 1); }

std::string CoefficientText(int thousandths) { return DecimalText(thousandths, 3); }

PriceIndex::PriceIndex(std::string name, Month first, std::vector<int> tenths, std::vector<IndexBase> bases,
                       std::string file)
    : name_(std::move(name)), file_(std::move(file)), first_(first), tenths_(std::move(tenths)),
      bases_(std::move(bases))
{
    Check(!tenths_.empty() && !bases_.empty() && bases_.front().firstMonth == first_, "tabella degli indici vuota");
}

const IndexBase& PriceIndex::baseOf(Month month) const
{
    const auto after = std::upper_bound(bases_.begin(), bases_.end(), month,
                                        [](Month m, const IndexBase& base) { return m < base.firstMonth; });
    return after == bases_.begin() ? bases_.front() : *(after - 1);
}

std::string PriceIndex::description() const { return name_ + ", ultimo: " + MonthText(last()); }

std::optional<std::string> PriceIndexReader::take(const CsvRow& row)
{
    if (row.size() != 4)
        return "la riga ha " + std::to_string(row.size()) + " campi invece di 4 (" + std::string(kPriceIndexHeader)
               + ")";
    const std::string_view monthText = TrimSpaces(row[0]);
    const auto month = ReadMonth(monthText);
    if (!month || monthText.find('-') == std::string_view::npos)
        return "mese non valido: " + Quoted(row[0]) + " (si attende aaaa-mm, per esempio 2015-03)";
    if (first_) {
        const Month expected = first_->plus(static_cast<int>(tenths_.size()));
        if (*month != expected)
            return *month < expected
                       ? "il mese " + MonthFileText(*month) + " non viene dopo " + MonthFileText(expected.plus(-1))
                       : "manca il mese " + MonthFileText(expected) + " (prima di " + MonthFileText(*month) + ")";
    }
    const auto tenths = positiveDecimal(TrimSpaces(row[1]), 1, kMaxIndexTenths);
    if (!tenths)
        return "indice non valido: " + Quoted(row[1]) + " (si attende un numero positivo con al più un decimale)";
    const std::string_view baseText = TrimSpaces(row[2]);
    const auto baseYear = baseText.size() == 4 ? number(baseText) : std::nullopt;
    if (!baseYear || *baseYear < kFirstYear)
        return "base non valida: " + Quoted(row[2]) + " (si attende l'anno della base, per esempio 2015)";
    const std::string_view linkText = TrimSpaces(row[3]);
    const bool newBase = bases_.empty() || bases_.back().year != *baseYear;
    if (!newBase && !linkText.empty())
        return "coefficiente di raccordo " + Quoted(row[3]) + " fuori dal primo mese di una base";
    if (newBase && !bases_.empty()) {
        if (*baseYear < bases_.back().year)
            return "la base " + std::to_string(*baseYear) + " non viene dopo la base "
                   + std::to_string(bases_.back().year);
        if (linkText.empty())
            return "la base " + BaseText(*baseYear) + " non ha il coefficiente di raccordo con la base "
                   + BaseText(bases_.back().year);
    }
    if (newBase && bases_.empty() && !linkText.empty())
        return "la prima base non ha coefficiente di raccordo: " + Quoted(row[3]);
    int link = 0;
    if (!linkText.empty()) {
        const auto read = positiveDecimal(linkText, 3, 99999);
        if (!read)
            return "coefficiente di raccordo non valido: " + Quoted(row[3])
                   + " (si attende un numero positivo con al più tre decimali)";
        link = *read;
    }
    if (!first_)
        first_ = *month;
    if (newBase)
        bases_.push_back({*baseYear, *month, link});
    tenths_.push_back(*tenths);
    return std::nullopt;
}

std::optional<PriceIndex> PriceIndexReader::finish(std::string name, std::string file)
{
    if (!first_)
        return std::nullopt;
    return PriceIndex(std::move(name), *first_, std::move(tenths_), std::move(bases_), std::move(file));
}

std::string PriceIndexReader::NoRowsReason() { return "nessun mese dopo l'intestazione"; }

std::string PriceIndexFileText(const PriceIndex& index)
{
    std::string text(kPriceIndexHeader);
    text += '\n';
    auto base = index.bases().begin();
    for (std::size_t i = 0; i < index.values().size(); ++i) {
        const Month month = index.first().plus(static_cast<int>(i));
        const bool first = std::next(base) != index.bases().end() && std::next(base)->firstMonth == month;
        if (first)
            ++base;
        text += MonthFileText(month) + ';' + IndexText(index.values()[i]) + ';' + std::to_string(base->year) + ';';
        if (first)
            text += CoefficientText(base->linkThousandths);
        text += '\n';
    }
    return text;
}

const PriceIndex& BuiltInPriceIndex()
{
    static const PriceIndex index = [] {
        const std::string_view text = BuiltInPriceIndexText();
        PriceIndexReader reader;
        CsvRow row;
        bool header = true;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            const std::string_view line = text.substr(at, end - at);
            at = end + 1;
            Check(row.read(line) == CsvRow::Status::Ok, "tabella degli indici incorporata non leggibile");
            if (IsBlankRow(row))
                continue;
            if (std::exchange(header, false))
                continue;
            Check(!reader.take(row), "tabella degli indici incorporata non valida");
        }
        auto table = reader.finish("Indici ISTAT FOI senza tabacchi");
        Check(table.has_value(), "tabella degli indici incorporata vuota");
        return std::move(*table);
    }();
    return index;
}

} // namespace tarvel
