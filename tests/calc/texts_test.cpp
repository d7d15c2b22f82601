// Number, date and CSV texts, the currency value behind them, and the fixed
// texts they are written into.
#include "calc/csv_row.h"
#include "calc/currency.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/rate_table.h"
#include "calc/short_text.h"
#include "calc/statement_line.h"
#include "tests/calc/amount_of_ticks.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace tarvel;

namespace {

constexpr std::int64_t kMaxTicks = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinTicks = std::numeric_limits<std::int64_t>::min();

// The ticks of a value that may be absent.
std::optional<std::int64_t> ticksOf(const std::optional<Currency>& value)
{
    return value ? std::optional(value->ticks()) : std::nullopt;
}

// A day of the calendar; the three numbers must make one.
Date civil(int year, int month, int day) { return Date::fromCivil(year, month, day).value(); }

// The statements show every amount with a digit before the comma.
TEST(WithLeadingZero, PutsADigitBeforeTheComma)
{
    const std::pair<const char*, const char*> cases[] = {
        {",50", "0,50"},  {"-,50", "-0,50"}, {",00", "0,00"}, {"3.319,93", "3.319,93"},
        {"0,04", "0,04"}, {"", ""},          {" ", " "},
    };
    for (const auto& [amount, shown] : cases)
        EXPECT_EQ(WithLeadingZero(amount), shown) << '"' << amount << '"';
    EXPECT_EQ(AmountText(Currency::fromTicks(8493)), "0,85");
    EXPECT_EQ(AmountText(Currency::fromTicks(-49)), "0,00");
}

TEST(FormatAmount, WritesTheAmountPattern)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", ",00"},
        {"0,5", ",50"},
        {"1234,5", "1.234,50"},
        {"13652,4657", "13.652,47"},
        {"1000", "1.000,00"},
        {"1.000", "1.000,00"},
        {"12.345.678,9", "12.345.678,90"},
        {"1234567890,5", "1.234.567.890,50"},
        {",5", ",50"},
        {"5,", "5,00"},
        {"  +7,1  ", "7,10"},
        {"-1000", "-1.000,00"},
        {"007", "7,00"},
        // Exact decimal rounding, ties away from zero.
        {"52,325", "52,33"},
        {"0,005", ",01"},
        {"0,00499999", ",00"},
        {"-0,005", "-,01"},
        {"-0,001", ",00"},
        {"9,995", "10,00"},
        {"999.999,999", "1.000.000,00"},
        // Far beyond the currency range the digits still come out exact.
        {"123456789012345678901234,565", "123.456.789.012.345.678.901.234,57"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(FormatAmount(text), shown) << '"' << text << '"';
}

TEST(FormatAmount, LeavesATextThatIsNotANumberUnchanged)
{
    for (const char* text : {"",       " ",     "abc",   ",",   "-",   "1234.56", "1.00", "1.0000", ".100", "1..000",
                             "1.000.", "1,2,3", "1 000", "--1", "+-1", "- 1",     "1-",   "1e3",    "\t1",  "1,000.5"})
        EXPECT_EQ(FormatAmount(text), text) << '"' << text << '"';
}

TEST(ParseCurrency, ReadsBothFormsUpToTheRangeLimits)
{
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"1.000,00", 10000000},
        {"1000", 10000000},
        {"-115,2055", -1152055},
        {",5", 5000},
        {"5,", 50000},
        {"-,50", -5000},
        {"+1", 10000},
        {" 0 ", 0},
        {"0000000000000000000000000001", 10000},
        {"922337203685477,5807", kMaxTicks},
        {"922.337.203.685.477,5807", kMaxTicks},
        {"-922337203685477,5808", kMinTicks},
        {"922337203685477,5808", std::nullopt},
        {"-922337203685477,5809", std::nullopt},
        {"18446744073709551616", std::nullopt},
        {"99999999999999999999999999999999", std::nullopt},
        // More than four decimals: exactly to the nearest ten-thousandth, ties away from zero.
        {"1,00005", 10001},
        {"1,000049999", 10000},
        {"-1,00005", -10001},
        {"-0,00004", 0},
        {"922337203685477,58069", kMaxTicks},
        {"922337203685477,58075", std::nullopt},
        {"-922337203685477,58075", kMinTicks},
        {"-922337203685477,58085", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {",", std::nullopt},
        {"1234.56", std::nullopt},
        {"1.00", std::nullopt},
    };
    for (const auto& [text, ticks] : cases)
        EXPECT_EQ(ticksOf(ParseCurrency(text)), ticks) << '"' << text << '"';
}

TEST(CurrencyText, WritesThePlainForm)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {12345000, "1234,5"},
        {1002740, "100,274"},
        {0, "0"},
        {500, "0,05"},
        {-1152055, "-115,2055"},
        {-1, "-0,0001"},
        {kMaxTicks, "922337203685477,5807"},
        {kMinTicks, "-922337203685477,5808"},
    };
    for (const auto& [ticks, text] : cases)
        EXPECT_EQ(CurrencyText(Currency::fromTicks(ticks)), text);
}

std::vector<std::int64_t> sampleTicks()
{
    std::vector<std::int64_t> ticks{0,
                                    1,
                                    -1,
                                    49,
                                    50,
                                    -50,
                                    99,
                                    9950,
                                    -9950,
                                    kMaxTicks,
                                    kMinTicks,
                                    kMaxTicks - 49,
                                    kMinTicks + 50,
                                    std::int64_t{1} << 53};
    std::mt19937_64 random(7);
    for (int k = 0; k < 20000; ++k) {
        const auto bits = static_cast<std::int64_t>(random());
        ticks.push_back(bits);
        ticks.push_back(bits >> (random() % 64)); // all magnitudes, not only huge ones
    }
    return ticks;
}

TEST(CurrencyText, ReadsBackToTheSameValueAndRoundsExactly)
{
    for (const std::int64_t ticks : sampleTicks()) {
        const std::string text = CurrencyText(Currency::fromTicks(ticks));
        ASSERT_EQ(ParseCurrency(text), Currency::fromTicks(ticks)) << text;
        ASSERT_EQ(FormatAmount(text), AmountOfTicks(ticks)) << text;
    }
}

// The calculation writes its amounts straight from the values.
TEST(WriteAmount, WritesWhatFormatAmountMakesOfTheCurrencyText)
{
    for (const std::int64_t ticks : sampleTicks()) {
        char buffer[kNumberTextRoom];
        const Currency value = Currency::fromTicks(ticks);
        ASSERT_EQ(std::string(buffer, WriteAmount(value, buffer)), FormatAmount(CurrencyText(value))) << ticks;
    }
}

// A write that might not fit stops the program, in every build, before it
// writes a byte.
TEST(FixedText, WriteThatMightNotFitStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string field = "controllo interno fallito: testo di un campo oltre la sua capacità";
    const std::string number = "controllo interno fallito: testo di un numero oltre il suo buffer";
    char room[kNumberTextRoom - 1];
    EXPECT_DEATH(ShortText().assign(std::string(ShortText::kCapacity + 1, 'x')), field);
    EXPECT_DEATH(ShortText().assignCount(std::string(ShortText::kCapacity - 5, 'x'), 1), field);
    EXPECT_DEATH(ShortText().finish(ShortText::kCapacity + 1), field);
    EXPECT_DEATH(WriteCurrencyText(Currency::fromTicks(1), room), number);
    EXPECT_DEATH(WriteAmount(Currency::fromTicks(1), room), number);
}

struct RowCase {
    const char* name;
    std::string_view line;
    CsvRow::Status status;
    std::vector<std::string> fields;
};

TEST(CsvRow, SplitsFieldsAndUnquotesThem)
{
    using enum CsvRow::Status;
    const RowCase cases[] = {
        {"plain", "1000;01/01/2000;01/01/2001", Ok, {"1000", "01/01/2000", "01/01/2001"}},
        {"quoted", "\"1.000,50\";\"1/1/2000\";2001-01-01", Ok, {"1.000,50", "1/1/2000", "2001-01-01"}},
        {"quote inside", "\"a\"\"b\";\"\";\"x;y\"", Ok, {"a\"b", "", "x;y"}},
        {"empty fields", ";;", Ok, {"", "", ""}},
        {"trailing separator", "1;2;3;", Ok, {"1", "2", "3", ""}},
        {"spaces kept", " 1 ; 2 ", Ok, {" 1 ", " 2 "}},
        {"accented", "caffè;€", Ok, {"caffè", "€"}},
        {"quote left open", "\"1000;01/01/2000;01/01/2001", BadQuotes, {}},
        {"text after the quote", "\"10\"00;1;2", BadQuotes, {}},
        {"quote in a plain field", "10\"00;1;2", BadQuotes, {}},
        {"Latin-1 byte", "caff\xE8;1;2", NotUtf8, {}},
        {"overlong form", "\xC0\xAF;1;2", NotUtf8, {}},
        {"surrogate", "\xED\xA0\x80;1;2", NotUtf8, {}},
        {"cut short", "1;2;\xE2\x82", NotUtf8, {}},
    };
    CsvRow row; // one row object for all, as the batch reads every line
    for (const auto& [name, line, status, fields] : cases) {
        ASSERT_EQ(row.read(line), status) << name;
        if (status != Ok)
            continue;
        std::vector<std::string> got;
        for (std::size_t i = 0; i < row.size(); ++i)
            got.push_back(row[i]);
        EXPECT_EQ(got, fields) << name;
    }
}

// A field is kept as it is, in quotes where a reader could lose its bounds.
TEST(CsvField, QuotesWhatWouldSplitOrHideTheField)
{
    const std::pair<const char*, const char*> cases[] = {
        {"fattura 1", "fattura 1"},
        {"", ""},
        {"caffè €", "caffè €"},
        {"x;y", "\"x;y\""},
        {"a\"b", "\"a\"\"b\""},
        {"a\nb", "\"a\nb\""},
        {"\u202Eetnemagap", "\"\u202Eetnemagap\""},
        {"zero\u200Bwidth", "\"zero\u200Bwidth\""},
    };
    for (const auto& [field, written] : cases)
        EXPECT_EQ(CsvField(field), written) << field;
    char out[16];
    EXPECT_EQ(std::string(out, WriteCsvField("=1;", out, true)), "\"'=1;\"");
}

// A table file's act and a ledger's description are shown as typed, with an
// invisible character named: in the window's table as on the page.
TEST(StatementCell, ShowsATextFromAFileAsAMessageShowsIt)
{
    StatementLine span;
    span.days = 10;
    span.act = "\u202EMD";
    StatementLine credit;
    credit.kind = StatementLine::Kind::Credit;
    credit.description = "zero\u200Bwidth";
    const struct {
        StatementLine line;
        StatementColumn column;
        std::string shown;
    } cases[] = {
        {span, StatementColumn::Act, "<U+202E>MD"},
        {credit, StatementColumn::Movement, "credito 0,00 zero<U+200B>width"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatementCell(c.line, c.column), c.shown);
}

TEST(DateFieldText, FillsTheMaskWithAnExistingDateOnly)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        // The field's own form, eight digits as typed into the field, ISO.
        {"01/01/2000", "01 / 01 / 2000"}, {"1/2/2000", "01 / 02 / 2000"}, {" 1 / 2 / 2000 ", "01 / 02 / 2000"},
        {"01 / 01 / 2000", "01 / 01 / 2000"}, {"01012000", "01 / 01 / 2000"}, {"2000-02-29", "29 / 02 / 2000"},
        {" 31122014 ", "31 / 12 / 2014"}, {"9999-12-31", "31 / 12 / 9999"},
        // Mistyped: never reread as some other date.
        {"01/01/20000", nullptr}, {"011/1/2000", nullptr}, {"1/011/2000", nullptr}, {"01/02/2001 junk 99", nullptr},
        {"1/2/20001", nullptr}, {"123456789", nullptr}, {"0101", nullptr}, {"", nullptr}, {"abc", nullptr},
        {"__ / __ / ____", nullptr}, {"2000-2-1", nullptr}, {"2000/02/01", nullptr}, {"01-02-2000", nullptr},
        {"0102 2000", nullptr}, {"+1/2/2000", nullptr},
        // Days that do not exist, in every form.
        {"31/02/2000", nullptr}, {"29022001", nullptr}, {"2001-02-29", nullptr}, {"00/01/2000", nullptr},
        {"2000-13-01", nullptr}, {"01/01/0099", nullptr},
    };
    // clang-format on
    for (const auto& [typed, field] : cases) {
        const auto text = DateFieldText(typed);
        if (field)
            EXPECT_EQ(text, field) << '"' << typed << '"';
        else
            EXPECT_FALSE(text) << '"' << typed << "\" read as " << *text;
    }
}

TEST(ReadRate, TakesPercentsWithADecimalCommaAndAtMostTwoDecimals)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"5", 500},           {"2,5", 250},           {"0,05", 5},
        {" 1,25 ", 125},      {"100", 10000},         {"0", 0},
        {"150", 15000},       {"2.5", std::nullopt},  {"0,125", std::nullopt},
        {"-1", std::nullopt}, {"+1", std::nullopt},   {",5", std::nullopt},
        {"5,", std::nullopt}, {"1000", std::nullopt}, {"", std::nullopt},
        {"5%", std::nullopt},
    };
    for (const auto& [text, rate] : cases)
        EXPECT_EQ(ReadRate(text), rate) << '"' << text << '"';
}

TEST(CurrencyFromDouble, RoundsToTheNearestTenThousandthAwayFromZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<std::int64_t>> cases[] = {
        {0.03125, 313},
        {-0.03125, -313},
        {0.09375, 938},
        {0.015625, 156},
        {-0.015625, -156},
        {2.5, 25000},
        {-0.0, 0},
        {4.9e-324, 0},
        {100.274, 1002740},
        {35184372088832.03125, 351843720888320313},
        {-35184372088832.09375, -351843720888320938},
        {562949953421312.0, 5629499534213120000},
        {5.0000000000001e-5, 1},
        {4.9999999999999e-5, 0},
        {922337203685477.5, 9223372036854775000},
        {-922337203685477.5, -9223372036854775000},
        {922337203685477.625, std::nullopt},
        {-922337203685477.625, std::nullopt},
        {1e300, std::nullopt},
        {inf, std::nullopt},
        {-inf, std::nullopt},
        {std::nan(""), std::nullopt},
    };
    for (const auto& [value, ticks] : cases)
        EXPECT_EQ(ticksOf(Currency::fromDouble(value)), ticks) << value;
}

// Any double against its exact value times 10000, rounded half away from
// zero in 128 bits: random bits, and amounts to the ten-thousandth with the
// doubles just around them and their ties.
TEST(CurrencyFromDouble, AgreesWithTheExactProductForAnyDouble)
{
    const auto exact = [](double value) -> std::optional<std::int64_t> {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent);
        const auto scaled = static_cast<unsigned __int128>(std::ldexp(fraction, 53)) * 10000;
        const int shift = 53 - exponent;
        if (shift <= 0)
            return std::nullopt;
        const unsigned __int128 magnitude = shift >= 127 ? 0 : (scaled >> shift) + ((scaled >> (shift - 1)) & 1);
        const auto limit = static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()) + (value < 0);
        if (magnitude > limit)
            return std::nullopt;
        return static_cast<std::int64_t>(value < 0 ? 0 - magnitude : magnitude);
    };
    std::mt19937_64 random(7);
    for (int k = 0; k < 200000; ++k) {
        const double bits = std::bit_cast<double>(random());
        const double amount =
            static_cast<double>(static_cast<std::int64_t>(random() >> 14) - (std::int64_t{1} << 49)) / 10000.0;
        const double tie = static_cast<double>(2 * (random() >> (20 + random() % 40)) + 1) / 32.0;
        for (const double value :
             {bits, amount, std::nextafter(amount, 0.0), std::nextafter(amount, 1e300), tie, -tie}) {
            if (std::isfinite(value) && value != 0.0) {
                ASSERT_EQ(ticksOf(Currency::fromDouble(value)), exact(value)) << value;
            }
        }
    }
}

// value * 10000 * 2^20, exact for every double of at least 2^32.
__int128 scaledExactly(double value)
{
    int exponent = 0;
    const auto mantissa = static_cast<__int128>(std::ldexp(std::frexp(value, &exponent), 53));
    const int shift = exponent - 53 + 20;
    return shift >= 0 ? (mantissa * 10000) << shift : (mantissa * 10000) >> -shift;
}

TEST(CurrencyToDouble, GivesTheNearestDoubleAlsoBeyondTwoToThe53Ticks)
{
    std::mt19937_64 random(11);
    for (int k = 0; k < 20000; ++k) {
        const std::int64_t ticks = static_cast<std::int64_t>(random() | (std::uint64_t{1} << 54)) >> (random() % 9);
        const double value = Currency::fromTicks(ticks).toDouble();
        const __int128 target = static_cast<__int128>(ticks) << 20;
        const auto distance = [&](double d) {
            const __int128 gap = scaledExactly(d) - target;
            return gap < 0 ? -gap : gap;
        };
        ASSERT_LE(distance(value), distance(std::nextafter(value, -1e300))) << ticks;
        ASSERT_LE(distance(value), distance(std::nextafter(value, 1e300))) << ticks;
    }
    for (std::int64_t ticks = -(std::int64_t{1} << 50); ticks < (std::int64_t{1} << 50); ticks += 123456789013)
        ASSERT_EQ(Currency::fromDouble(Currency::fromTicks(ticks).toDouble()), Currency::fromTicks(ticks));
}

TEST(Currency, ArithmeticFailsInsteadOfWrapping)
{
    const Currency max = Currency::fromTicks(kMaxTicks), min = Currency::fromTicks(kMinTicks);
    const Currency one = Currency::fromTicks(1);
    EXPECT_FALSE(max.plus(one));
    EXPECT_FALSE(min.minus(one));
    EXPECT_FALSE(min.times(-1));
    EXPECT_FALSE(Currency::fromTicks(kMaxTicks / 10 + 1).times(10));
    EXPECT_EQ(max.minus(one), Currency::fromTicks(kMaxTicks - 1));
    EXPECT_EQ(Currency::fromTicks(kMaxTicks / 10).times(10), Currency::fromTicks(kMaxTicks / 10 * 10));
}

TEST(ParseDate, ReadsDayMonthAndFourDigitYear)
{
    const std::pair<const char*, Date> cases[] = {
        {"01 / 02 / 2000", civil(2000, 2, 1)}, {"1/2/2000", civil(2000, 2, 1)},
        {"  02/01/2000  ", civil(2000, 1, 2)}, {"29/02/2000", civil(2000, 2, 29)},
        {"29/02/2004", civil(2004, 2, 29)},    {"01/01/0100", civil(100, 1, 1)},
        {"31/12/9999", civil(9999, 12, 31)},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(ParseDate(text), date) << '"' << text << '"';
    // Days the calendar lacks, years out of range, other forms, masks not filled.
    for (const char* text : {"29/02/1900", "29/02/2001", "31/02/2000", "31/04/2000", "00/01/2000", "01/13/2000",
                             "01/01/0099", "01/01/10000", "01/01/99", "001/01/2000", "01-01-2000", "01/01/2000/",
                             "01/01/2000x", "__ / __ / ____", "01 / 01 / ____", "", "+1/01/2000"})
        EXPECT_EQ(ParseDate(text), std::nullopt) << '"' << text << '"';
}

TEST(ParseDate, DifferencesFollowTheGregorianCalendar)
{
    const auto days = [](const char* from, const char* to) { return *ParseDate(to) - *ParseDate(from); };
    EXPECT_EQ(days("28/02/1900", "01/03/1900"), 1);
    EXPECT_EQ(days("28/02/2000", "01/03/2000"), 2);
    EXPECT_EQ(days("01/01/2000", "01/01/2004"), 1461);
    EXPECT_EQ(days("01/01/1950", "18/09/2039"), 32767);
    EXPECT_EQ(days("01/01/0100", "31/12/9999"), 3615899);
    EXPECT_EQ(days("01/01/2015", "01/01/2000"), -5479);
}

} // namespace
