// Interest after a claim filed in court and late-payment interest: the rows
// each regime charges, what it refuses, and the statement of a calculation.
// The worked examples are in tests/cli, checked against tarvel-calc too.
#include "calc/charged_rates.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/rates_in_force.h"
#include "calc/reference_rates.h"
#include "calc/statement.h"
#include "tests/calc/day.h"
#include "tests/support/statement_requests.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using namespace tarvel;
using namespace tarvel::testing;

namespace {

struct Refusal {
    const char* name;
    StatementRequest request;
    std::vector<FieldFault> faults;
};

TEST(TheRegimes, NameEachFieldAtFaultAndWhy)
{
    using enum InputField;
    const std::string firstKnown = ", il primo giorno della tabella dei tassi di riferimento";
    const std::string marginRule = " (un numero di punti da 0 a 20, con la virgola e al più due decimali)";
    const Refusal cases[] = {
        {"a claim before the fourth paragraph",
         ClaimRequest("10/12/2014", "10000", "31/03/2023", "31/12/2025"),
         {{ClaimDate, "la domanda del 10/12/2014 viene prima dell'11/12/2014: il 4° comma dell'art. 1284 c.c. vale "
                      "per le domande proposte da quel giorno"}}},
        {"a claim that is no date",
         ClaimRequest("31/02/2024", "abc", "31/03/2023", "31/12/2025"),
         {{Capital, "importo non valido: \"abc\""}, {ClaimDate, "data non valida: \"31/02/2024\""}}},
        {"late payment before the reference rates",
         LatePaymentRequest("8", "5000", "30/12/2012", "31/12/2013"),
         {{Start, "il primo giorno al tasso di mora, il 31/12/2012, viene prima del 01/01/2013" + firstKnown}}},
        {"a margin above 20",
         LatePaymentRequest("20,01", "5000", "31/12/2012", "31/12/2013"),
         {{Margin, "maggiorazione non valida: \"20,01\"" + marginRule}}},
        {"dates that cannot be read",
         LegalRequest("10000", "01/01/20000", "1.1.2020"),
         {{Start, "data non valida: \"01/01/20000\""}, {End, "data non valida: \"1.1.2020\""}}},
        {"an end before the start",
         LatePaymentRequest("8", "10000", "01/01/2025", "01/01/2024"),
         {{End, "la data \"01/01/2024\" viene prima di DAL \"01/01/2025\""}}},
        {"more than 32767 days",
         LegalRequest("10000", "01/01/1950", "19/09/2039"),
         {{End, "da DAL a AL ci sono più di 32767 giorni", false}}},
        {"a capital of three decimals",
         LegalRequest("10,000", "01/01/2020", "01/01/2021"),
         {{Capital, "il capitale \"10,000\" ha più di due decimali: per diecimila euro scrivere 10000 o 10.000,00"}}},
        {"an amount past the calculation's limits",
         LegalRequest("900000000000000", "01/01/1950", "01/01/2039"),
         {{Capital,
           "i dati escono dai limiti del calcolo (un periodo di oltre 32767 giorni o un importo troppo grande)",
           false}}},
    };
    for (const auto& [name, request, faults] : cases) {
        const StatementOutcome outcome = MakeStatement(request);
        EXPECT_FALSE(outcome.statement) << name;
        EXPECT_EQ(outcome.faults, faults) << name << ": " << (outcome.faults.empty() ? "" : outcome.faults[0].line());
    }
}

// The interest of each row, worked out independently: the days of the span
// inside each row's stretch, on each side of the claim, times the exact
// rational interest of a day, to the nearest ten-thousandth.
std::map<std::size_t, std::pair<int, std::int64_t>> modelRows(std::int64_t capitalTicks, Date start, Date end,
                                                              std::optional<Date> claim, bool onlyLate, int margin)
{
    std::map<std::size_t, std::pair<int, std::int64_t>> rows;
    std::size_t index = 0;
    const auto charge = [&](const RateTable& table, Date from, Date to, int extra) {
        const auto& changes = table.changes();
        for (std::size_t i = 0; i < changes.size(); ++i, ++index) {
            const Date first = std::max(changes[i].firstDay.plusDays(-1), from);
            const Date last =
                std::min(i + 1 < changes.size() ? changes[i + 1].firstDay.plusDays(-1) : LastChargedDay(), to);
            if (last <= first)
                continue;
            const int days = last - first;
            const __int128 numerator = __int128(capitalTicks) * (changes[i].rateHundredths + extra) * days;
            const __int128 denominator = 100 * 100 * 365;
            rows[index] = {days, std::int64_t((2 * numerator + denominator) / (2 * denominator))};
        }
    };
    if (!onlyLate)
        charge(RatesInForce(), start, claim ? std::min(end, claim->plusDays(-1)) : end, 0);
    if (onlyLate || claim)
        charge(ReferenceRates(), onlyLate ? start : std::max(start, claim->plusDays(-1)), end, margin);
    return rows;
}

TEST(ChargedRates, AgreeWithAnIndependentModel)
{
    std::mt19937_64 random(20240515);
    const auto anyDay = [&](const char* from, int span) { return Day(from).plusDays(int(random() % span)); };
    for (int run = 0; run < 20000; ++run) {
        const bool onlyLate = run % 3 == 0;
        const bool claimed = run % 3 == 1;
        const Date start = onlyLate ? anyDay("31/12/2012", 5000) : anyDay("01/01/2010", 6000);
        // A span of no days takes part, with 0 days, in the row around it.
        const Date end = start.plusDays(1 + int(random() % 3000));
        const std::optional<Date> claim = claimed ? std::optional(anyDay("11/12/2014", 5000)) : std::nullopt;
        const int margin = onlyLate ? int(random() % 2001) : kDefaultMarginHundredths;
        const std::int64_t capitalTicks = std::int64_t(random() % 100000000) * 100;

        const ChargedRates rates = onlyLate  ? ChargedRates::LatePayment(ReferenceRates(), margin)
                                   : claimed ? ChargedRates::WithClaim(RatesInForce(), ReferenceRates())
                                             : ChargedRates::Legal(RatesInForce());
        const CalculationInput input{CurrencyText(Currency::fromTicks(capitalTicks)), DateText(start), DateText(end)};
        std::vector<RatePeriod> room;
        const auto periods = rates.Periods(claim, room);
        const CalculationResult result = CalculateInterest(input, periods);
        ASSERT_TRUE(result.ok) << input.startText << " " << input.endText;

        std::map<std::size_t, std::pair<int, std::int64_t>> got;
        for (std::size_t i = 0; i < result.lineCount; ++i)
            if (result.lines[i].applies)
                got[i] = {result.lines[i].days, result.lines[i].interest.ticks()};
        const auto expected = modelRows(capitalTicks, start, end, claim, onlyLate, margin);
        ASSERT_EQ(got.size(), expected.size()) << input.capitalText << " " << input.startText << " " << input.endText
                                               << (claim ? " claim " + DateText(*claim) : "");
        for (const auto& [index, row] : expected) {
            ASSERT_TRUE(got.contains(index)) << index;
            ASSERT_EQ(got[index].first, row.first) << index;
            ASSERT_NEAR(double(got[index].second), double(row.second), 1) << index << " " << input.capitalText;
        }
    }
}

TEST(ReadMargin, TakesZeroToTwentyPointsWithAtMostTwoDecimals)
{
    const std::pair<const char*, int> cases[] = {{"8", 800},   {"7", 700},   {"0", 0},
                                                 {"20", 2000}, {"7,5", 750}, {" 8,25 ", 825}};
    for (const auto& [text, margin] : cases)
        EXPECT_EQ(ReadMargin(text), margin) << '"' << text << '"';
    for (const char* text : {"20,01", "21", "7.5", "7,125", "-1", ""})
        EXPECT_EQ(ReadMargin(text), std::nullopt) << '"' << text << '"';
}

// The last day a table knows takes no note; the next one does, and a table
// from a file says to add the next row to that file.
TEST(LaterDaysNoteFor, SaysFromWhichDayTheLastRateKnownIsCharged)
{
    const RateTable file("Tassi di riferimento dal file mora.csv", {{Day("01/07/2026"), 200, ""}}, RateKind::Reference,
                         "mora.csv");
    const struct {
        const RateTable& table;
        const char* lastKnown;
        const char* what;
    } cases[] = {
        {RatesInForce(), "31/12/2026",
         "i giorni dopo il 31/12/2026 sono calcolati all'ultimo tasso noto (1,6% dal 01/01/2026)"},
        {ReferenceRates(), "30/06/2026",
         "i giorni dopo il 30/06/2026 sono calcolati all'ultimo tasso di riferimento noto (2,15% dal 01/01/2026)"},
        {file, "31/12/2026",
         "i giorni dopo il 31/12/2026 sono calcolati all'ultimo tasso di riferimento noto (2% dal 01/07/2026)"},
    };
    for (const auto& [table, lastKnown, what] : cases) {
        EXPECT_FALSE(LaterDaysNoteFor(table, Day(lastKnown))) << table.name();
        const auto note = LaterDaysNoteFor(table, Day(lastKnown).plusDays(1));
        ASSERT_TRUE(note) << table.name();
        EXPECT_EQ(note->what, what);
    }
    EXPECT_EQ(LaterDaysNoteFor(file, Day("01/01/2027"))->how,
              "se è uscito un comunicato più recente, aggiungere una riga con il nuovo tasso di riferimento al file "
              "mora.csv");
}

// The copied text of a statement, whole.
TEST(StatementText, ReadsAsAnEMail)
{
    const struct {
        const char* name;
        StatementRequest request;
        const char* text;
    } cases[] = {
        {"claim", ClaimRequest("15/05/2024", "10000", "31/03/2023", "31/12/2025"),
         "Capitale: 10.000,00\n"
         "dal 31/03/2023 al 31/12/2025: 2 anni e 276 giorni\n"
         "Dalla domanda giudiziale del 15/05/2024 al tasso di mora, art. 1284, 4° comma c.c.\n"
         "dal 01/04/2023 al 31/12/2023: 275 giorni, tasso 5%, interessi 376,71\n"
         "dal 01/01/2024 al 14/05/2024: 135 giorni, tasso 2,5%, interessi 92,47\n"
         "dal 15/05/2024 al 30/06/2024: 47 giorni, tasso di mora 12,5% (4,5% + 8), interessi 160,96\n"
         "dal 01/07/2024 al 31/12/2024: 184 giorni, tasso di mora 12,25% (4,25% + 8), interessi 617,53\n"
         "dal 01/01/2025 al 30/06/2025: 181 giorni, tasso di mora 11,15% (3,15% + 8), interessi 552,92\n"
         "dal 01/07/2025 al 31/12/2025: 184 giorni, tasso di mora 10,15% (2,15% + 8), interessi 511,67\n"
         "Interessi legali e di mora: 2.312,26\n"
         "Somma: 12.312,26\n"
         "Tabella: Tassi legali in vigore, ultimo atto: D.M. 10/12/2025\n"
         "Tabella: Tassi di riferimento in vigore (D.Lgs. 231/2002), ultimo atto: G.U. n. 15 del 20/01/2026\n"},
        {"late payment past the last half-year", LatePaymentRequest("1", "1000", "31/12/2025", "01/07/2026"),
         "Capitale: 1.000,00\n"
         "dal 31/12/2025 al 01/07/2026: 0 anni e 182 giorni\n"
         "Interessi di mora, D.Lgs. 231/2002, maggiorazione 1 punto\n"
         "dal 01/01/2026 al 01/07/2026: 182 giorni, tasso di mora 3,15% (2,15% + 1), interessi 15,71\n"
         "Interessi di mora: 15,71\n"
         "Somma: 1.015,71\n"
         "Nota: i giorni dopo il 30/06/2026 sono calcolati all'ultimo tasso di riferimento noto (2,15% dal "
         "01/01/2026)\n"
         "Tabella: Tassi di riferimento in vigore (D.Lgs. 231/2002), ultimo atto: G.U. n. 15 del 20/01/2026\n"},
        {"rows that miss the total by a cent", LatePaymentRequest("8", "10000", "31/05/2024", "28/02/2025"),
         "Capitale: 10.000,00\n"
         "dal 31/05/2024 al 28/02/2025: 0 anni e 273 giorni\n"
         "Interessi di mora, D.Lgs. 231/2002, maggiorazione 8 punti\n"
         "dal 01/06/2024 al 30/06/2024: 30 giorni, tasso di mora 12,5% (4,5% + 8), interessi 102,74\n"
         "dal 01/07/2024 al 31/12/2024: 184 giorni, tasso di mora 12,25% (4,25% + 8), interessi 617,53\n"
         "dal 01/01/2025 al 28/02/2025: 59 giorni, tasso di mora 11,15% (3,15% + 8), interessi 180,23\n"
         "Gli interessi delle righe sono arrotondati al centesimo; il totale è la somma degli interessi esatti, "
         "arrotondata una volta.\n"
         "Interessi di mora: 900,51\n"
         "Somma: 10.900,51\n"
         "Tabella: Tassi di riferimento in vigore (D.Lgs. 231/2002), ultimo atto: G.U. n. 15 del 20/01/2026\n"},
        {"one day below one euro", LegalRequest("1000", "01/01/2020", "02/01/2020"),
         "Capitale: 1.000,00\n"
         "dal 01/01/2020 al 02/01/2020: 0 anni e 1 giorno\n"
         "dal 02/01/2020 al 02/01/2020: 1 giorno, tasso 0,05%, interessi 0,00\n"
         "Interessi legali: 0,00\n"
         "Somma: 1.000,00\n"
         "Tabella: Tassi legali in vigore, ultimo atto: D.M. 10/12/2025\n"},
    };
    for (const auto& [name, request, text] : cases) {
        const StatementOutcome outcome = MakeStatement(request);
        ASSERT_TRUE(outcome.statement) << name;
        EXPECT_EQ(StatementText(*outcome.statement), text) << name;
    }
}

} // namespace
