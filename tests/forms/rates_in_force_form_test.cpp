// The form of the rates in force: what its fields ask for, the reasons beside
// them, the texts of the statement and the page that Stampa keeps.
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "forms/rates_in_force_form.h"
#include "tests/support/statement_requests.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <tuple>
#include <variant>
#include <vector>

namespace tarvel::testing {
namespace {

// What a user types, the fields left as the window opens when not given.
struct Typing {
    std::string capital{}, start{}, end{};
    Regime regime = Regime::Legal;
    std::string claim = "__ / __ / ____";
    std::string margin = "8"; // as the field proposes it
    std::string rate{};
    std::optional<CompoundingPeriod> compounding{}; // capitalisation asked, by that period
    std::string from = "__ / __ / ____";
};

RatesInForceForm FormWith(const Typing& typed)
{
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    form.Type(InputField::Capital, typed.capital);
    form.Type(InputField::Start, typed.start);
    form.Type(InputField::End, typed.end);
    form.Type(InputField::ClaimDate, typed.claim);
    form.Type(InputField::Margin, typed.margin);
    form.Type(InputField::ContractRate, typed.rate);
    form.Type(InputField::CompoundingFrom, typed.from);
    form.Choose(typed.regime);
    if (typed.compounding) {
        form.ChooseCompounding(true);
        form.ChooseCompoundingPeriod(*typed.compounding);
    }
    return form;
}

struct RequestCase {
    const char* name;
    Typing typed;
    StatementRequest asked; // the tables aside
};

class AsksFor : public ::testing::TestWithParam<RequestCase> {};

// A date field with no digit typed is no date; the margin and the rate lose
// the spaces round them; the capitalisation's day is asked only with it.
TEST_P(AsksFor, TheTextsAsTheCalculationReadsThem)
{
    const auto texts = [](const StatementRequest& r) {
        const auto compounding =
            r.compounding ? std::optional(std::pair(r.compounding->period, r.compounding->from)) : std::nullopt;
        return std::make_tuple(r.capital, r.start, r.end, r.regime, r.claimDate, r.margin, r.contractRate, compounding);
    };
    const StatementRequest request = FormWith(GetParam().typed).Request();
    EXPECT_EQ(texts(request), texts(GetParam().asked));
    EXPECT_EQ(request.legalRates, &RatesInForce());
    EXPECT_EQ(request.referenceRates, &ReferenceRates());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, AsksFor, ::testing::Values(
    RequestCase{"asTyped", {" 1000 ", "15 / 06 / 2018", "01 / 01 / 2020"},
                {.capital = " 1000 ", .start = "15 / 06 / 2018", .end = "01 / 01 / 2020", .margin = "8"}},
    RequestCase{"emptyDates", {"1000", "__ / __ / ____", "0_ / __ / ____", Regime::LegalWithClaim},
                {.capital = "1000", .end = "0_ / __ / ____", .regime = Regime::LegalWithClaim, .margin = "8"}},
    RequestCase{"marginTrimmed", {"1000", "", "", Regime::LatePayment, "15 / 05 / 2024", " 7,5\t"},
                {.capital = "1000", .regime = Regime::LatePayment, .claimDate = "15 / 05 / 2024", .margin = "7,5"}},
    RequestCase{"contractRateTrimmed", {.capital = "1000", .regime = Regime::Contract, .rate = " 4,75 "},
                {.capital = "1000", .regime = Regime::Contract, .margin = "8", .contractRate = "4,75"}},
    RequestCase{"compoundedFromADay", {.capital = "1000", .compounding = CompoundingPeriod::Quarter,
                                       .from = "15 / 05 / 2024"},
                {.capital = "1000", .margin = "8",
                 .compounding = CompoundingRequest{CompoundingPeriod::Quarter, "15 / 05 / 2024"}}},
    RequestCase{"compoundedFromTheStart", {.capital = "1000", .compounding = CompoundingPeriod::HalfYear},
                {.capital = "1000", .margin = "8", .compounding = CompoundingRequest{CompoundingPeriod::HalfYear}}},
    RequestCase{"dayAsideWithoutCapitalisation", {.capital = "1000", .from = "15 / 05 / 2024"},
                {.capital = "1000", .margin = "8"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct FaultCase {
    const char* name;
    Typing typed;
    InputField field;
    const char* reason; // its start
};

class SaysBeside : public ::testing::TestWithParam<FaultCase> {};

// The reason beside its field alone, the focus there, no statement.
TEST_P(SaysBeside, TheFieldAtFault)
{
    RatesInForceForm form = FormWith(GetParam().typed);
    form.Calculate();
    EXPECT_FALSE(form.Shown());
    EXPECT_EQ(form.FirstFault(), GetParam().field);
    for (int i = 0; i < int(kInputFieldCount); ++i) {
        const std::string& fault = form.FaultOf(InputField(i));
        if (InputField(i) == GetParam().field)
            EXPECT_EQ(fault.rfind(GetParam().reason, 0), 0u) << fault;
        else
            EXPECT_EQ(fault, "");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, SaysBeside, ::testing::Values(
    FaultCase{"capital", {"abc", "01/01/2020", "01/01/2021"}, InputField::Capital, "importo non valido: \"abc\""},
    FaultCase{"unfinished", {"1000", "01/01/2020", "01 / 01 / ____"}, InputField::End,
              "data non valida: \"01 / 01 / ____\""},
    FaultCase{"claimBefore2014", {"10000", "31/03/2023", "31/12/2025", Regime::LegalWithClaim, "10/12/2014"},
              InputField::ClaimDate, "la domanda del 10/12/2014 viene prima dell'11/12/2014"},
    FaultCase{"marginOver20", {"10000", "31/05/2024", "28/02/2025", Regime::LatePayment, "", "25"},
              InputField::Margin, "maggiorazione non valida: \"25\""},
    FaultCase{"latePaymentBefore2013", {"5000", "30/12/2012", "31/12/2013", Regime::LatePayment},
              InputField::Start, "il primo giorno al tasso di mora, il 31/12/2012, viene prima"},
    FaultCase{"contractRateZero",
              {.capital = "1000", .start = "01/01/2020", .end = "01/01/2021", .regime = Regime::Contract, .rate = "0"},
              InputField::ContractRate, "tasso non valido: \"0\""},
    FaultCase{"compoundingFromOutside", {.capital = "1000", .start = "01/01/2020", .end = "01/01/2021",
                                         .compounding = CompoundingPeriod::Year, .from = "01 / 01 / 2030"},
              InputField::CompoundingFrom, "il 01/01/2030 non è tra DAL"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ShownCase {
    const char* name;
    Typing typed;
    const char* caption;
    const char* regimeLine;
    bool claimShown, marginShown;
    const char* duration;
    const char* notes; // their start
    bool rateShown = false;
};

class Shows : public ::testing::TestWithParam<ShownCase> {};

// The caption names the regime chosen; each regime shows its own field.
TEST_P(Shows, TheTextsOfTheStatement)
{
    const ShownCase& c = GetParam();
    RatesInForceForm form = FormWith(c.typed);
    EXPECT_EQ(form.InterestCaption(), c.caption);
    EXPECT_EQ(form.RegimeLine(), c.regimeLine);
    EXPECT_EQ(form.Shows(InputField::ClaimDate), c.claimShown);
    EXPECT_EQ(form.Shows(InputField::Margin), c.marginShown);
    EXPECT_EQ(form.Shows(InputField::ContractRate), c.rateShown);
    EXPECT_EQ(form.Duration(), c.duration);
    EXPECT_EQ(form.Notes().rfind(c.notes, 0), 0u) << form.Notes();
}

const Typing kLatePayment{"10000", "31/05/2024", "28/02/2025", Regime::LatePayment, "", "8"};
const Typing kFirstExample{"25000", "15/06/2018", "08/12/2026"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, Shows, ::testing::Values(
    ShownCase{"legal", {}, "Interessi legali", "", false, false, "", ""},
    ShownCase{"claim", {.regime = Regime::LegalWithClaim}, "Interessi legali e di mora", "", true, false, "", ""},
    ShownCase{"latePayment", {.regime = Regime::LatePayment}, "Interessi di mora", "", false, true, "", ""},
    ShownCase{"pastTheLastAct", {"1000", "01/01/2026", "01/01/2028"}, "Interessi legali", "", false, false,
              "2 anni e 0 giorni", "Nota: i giorni dopo il 31/12/2026"},
    ShownCase{"regimeLineCapitalised", kLatePayment, "Interessi di mora",
              "Interessi di mora, D.Lgs. 231/2002, maggiorazione 8 punti", false, true, "0 anni e 273 giorni", ""},
    ShownCase{"contract",
              {.capital = "10000", .start = "31/03/2023", .end = "31/12/2025", .regime = Regime::Contract,
               .rate = "4,75"},
              "Interessi convenzionali", "Interessi convenzionali al 4,75%", false, false, "2 anni e 276 giorni", "",
              true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A change after the fields were typed: a field retyped, or a regime chosen.
struct EditCase {
    const char* name;
    Typing before;
    std::optional<InputField> field;
    const char* text;
    std::optional<Regime> regime;
    std::optional<InputField> faultAt; // none: a statement is shown
};

class Follows : public ::testing::TestWithParam<EditCase> {};

// Without "Calcola", the statement shown and copied is always that of the
// fields as they stand, or none while one is at fault, its reason beside it
// alone; a field put right loses its reason.
TEST_P(Follows, WhatStandsInTheFields)
{
    const EditCase& c = GetParam();
    RatesInForceForm form = FormWith(c.before);
    if (c.field)
        form.Type(*c.field, c.text);
    if (c.regime)
        form.Choose(*c.regime);
    const std::optional<Statement> expected = MakeStatement(form.Request()).statement;
    ASSERT_EQ(form.Shown().has_value(), !c.faultAt);
    EXPECT_EQ(form.Copied(), expected ? StatementText(*expected) : "");
    for (int i = 0; i < int(kInputFieldCount); ++i)
        EXPECT_EQ(form.FaultOf(InputField(i)).empty(), c.faultAt != InputField(i)) << i;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, Follows, ::testing::Values(
    EditCase{"capitalRetyped", kFirstExample, InputField::Capital, "30000", {}, {}},
    EditCase{"dateRetyped", kFirstExample, InputField::Start, "15 / 06 / 2019", {}, {}},
    EditCase{"dateUnfinished", kFirstExample, InputField::End, "31 / 12 / 20__", {}, InputField::End},
    EditCase{"capitalMended", {"abc", "15/06/2018", "08/12/2026"}, InputField::Capital, "1000", {}, {}},
    EditCase{"regimeChosen", {"10000", "31/05/2024", "28/02/2025"}, {}, "", Regime::LatePayment, {}},
    EditCase{"claimRefusedWhenChosen", {"10000", "31/03/2023", "31/12/2025", Regime::Legal, "10/12/2014"}, {}, "",
             Regime::LegalWithClaim, InputField::ClaimDate}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct RevaluationCase {
    const char* name;
    Typing typed;
    RevaluationWay way;
    const char* percentage;
    // What the request asks, the tables aside: DAL and AL, the method, the percentage.
    const char* start;
    const char* end;
    std::optional<InterestOn> interestOn;
    const char* asked;
};

class AsksForARevaluation : public ::testing::TestWithParam<RevaluationCase> {};

// A revaluation is asked at the legal rates whatever regime was chosen, its
// fields not shown, with the index table in use and the window's words for a
// newer index; a revaluation alone takes a date with no day typed as its
// month. What the window shows, copies and totals is that statement's.
TEST_P(AsksForARevaluation, AtTheLegalRatesWithTheIndexInUse)
{
    const RevaluationCase& c = GetParam();
    RatesInForceForm form = FormWith(c.typed);
    form.Type(InputField::Percentage, c.percentage);
    form.ChooseRevaluation(true);
    form.ChooseRevaluationWay(c.way);
    const StatementRequest request = form.Request();
    EXPECT_EQ(request.regime, Regime::Legal);
    EXPECT_EQ(std::tie(request.start, request.end), std::tie(c.start, c.end));
    ASSERT_TRUE(request.revaluation);
    EXPECT_EQ(request.revaluation->interestOn, c.interestOn);
    EXPECT_EQ(request.revaluation->percentage, c.asked);
    EXPECT_EQ(request.revaluation->index, &BuiltInPriceIndex());
    EXPECT_EQ(request.revaluation->newerIndexHow, kNewerIndexHow);
    EXPECT_FALSE(form.OffersRegimes());
    EXPECT_FALSE(form.Shows(InputField::ClaimDate) || form.Shows(InputField::Margin));
    EXPECT_EQ(form.Shows(InputField::Percentage), c.way == RevaluationWay::Update);

    const StatementOutcome outcome = MakeStatement(request);
    ASSERT_TRUE(outcome.statement) << (outcome.faults.empty() ? "" : outcome.faults.front().reason);
    const Statement& statement = *outcome.statement;
    std::vector<TotalText> totals;
    for (const ShownTotal& total : RevaluationTotals(statement))
        totals.push_back({total.caption, AmountText(total.amount)});
    EXPECT_EQ(form.Totals(), totals);
    EXPECT_EQ(form.Copied(), StatementText(statement));
    EXPECT_EQ(form.RevaluationLines(), RevaluationLines(*statement.revaluation));
    EXPECT_EQ(form.Rows().size(), statement.rows.size());
    EXPECT_EQ(form.Duration().empty(), !c.interestOn);
    ASSERT_TRUE(form.TakePage());
    EXPECT_EQ(StatementText(std::get<Statement>(*form.Page())), StatementText(statement));

    // Off again: the regime chosen and its fields, as before.
    form.ChooseRevaluation(false);
    EXPECT_FALSE(form.Request().revaluation);
    EXPECT_EQ(form.Request().regime, c.typed.regime);
}

const Typing kMarchToJune{"10000", "__ / 03 / 2015", "__ / 06 / 2024", Regime::LatePayment};
const Typing kDays{"10000", "15 / 03 / 2015", "15 / 06 / 2024", Regime::LegalWithClaim, "15 / 05 / 2020"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, AsksForARevaluation, ::testing::Values(
    RevaluationCase{"alone", kMarchToJune, RevaluationWay::Alone, "80", "03 / 2015", "06 / 2024", {}, ""},
    RevaluationCase{"update", kMarchToJune, RevaluationWay::Update, " 75,5 ", "03 / 2015", "06 / 2024", {}, "75,5"},
    RevaluationCase{"aloneOnDays", kDays, RevaluationWay::Alone, "", "15 / 03 / 2015", "15 / 06 / 2024", {}, ""},
    RevaluationCase{"initial", kDays, RevaluationWay::Initial, "75", "15 / 03 / 2015", "15 / 06 / 2024",
                    InterestOn::Initial, ""},
    RevaluationCase{"revalued", kDays, RevaluationWay::Revalued, "75", "15 / 03 / 2015", "15 / 06 / 2024",
                    InterestOn::Revalued, ""},
    RevaluationCase{"yearly", kDays, RevaluationWay::Yearly, "75", "15 / 03 / 2015", "15 / 06 / 2024",
                    InterestOn::Yearly, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct CompoundingCase {
    const char* name;
    Typing typed;
    const char* firstNote;
};

class Compounds : public ::testing::TestWithParam<CompoundingCase> {};

// Capitalisation under any regime: the window shows, totals, copies and
// prints that statement, says how it was compounded and what the law allows,
// and offers neither the revaluation nor the list; off again, the simple
// interest of the regime, the period and the day kept for the next time.
TEST_P(Compounds, UnderAnyRegime)
{
    const CompoundingCase& c = GetParam();
    RatesInForceForm form = FormWith(c.typed);
    const StatementOutcome outcome = MakeStatement(form.Request());
    ASSERT_TRUE(outcome.statement) << (outcome.faults.empty() ? "" : outcome.faults.front().reason);
    const Statement& statement = *outcome.statement;
    ASSERT_TRUE(statement.compounding);
    std::vector<TotalText> totals;
    for (const ShownTotal& total : CompoundedTotals(statement))
        totals.push_back({total.caption, AmountText(total.amount)});
    EXPECT_EQ(form.Totals(), totals);
    EXPECT_EQ(form.Copied(), StatementText(statement));
    EXPECT_EQ(form.Rows().size(), statement.rows.size());
    EXPECT_EQ(form.Notes().rfind(c.firstNote, 0), 0u) << form.Notes();
    EXPECT_TRUE(form.Notes().ends_with(kCompoundingLawNote)) << form.Notes();
    EXPECT_TRUE(form.Shows(InputField::CompoundingFrom));
    EXPECT_FALSE(form.OffersRevaluation() || form.OffersMovements());
    form.ChooseRevaluation(true);
    EXPECT_FALSE(form.Revalues());
    ASSERT_TRUE(form.TakePage());
    EXPECT_EQ(StatementText(std::get<Statement>(*form.Page())), StatementText(statement));

    form.ChooseCompounding(false);
    EXPECT_FALSE(form.Request().compounding);
    EXPECT_FALSE(form.Shows(InputField::CompoundingFrom));
    EXPECT_EQ(form.Totals().front().caption, form.InterestCaption());
    EXPECT_EQ(form.Notes().find("apitalizzazione"), std::string::npos) << form.Notes();
    EXPECT_TRUE(form.OffersRevaluation());
    form.ChooseCompounding(true);
    EXPECT_EQ(form.Copied(), StatementText(statement));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, Compounds, ::testing::Values(
    CompoundingCase{"legalYearly", {.capital = "10000", .start = "01/01/2020", .end = "31/12/2025",
                                    .compounding = CompoundingPeriod::Year},
                    "Capitalizzazione annuale.\n"},
    CompoundingCase{"claimHalfYearlyFromTheClaim",
                    {.capital = "10000", .start = "31/03/2023", .end = "31/12/2025", .regime = Regime::LegalWithClaim,
                     .claim = "15 / 05 / 2024", .compounding = CompoundingPeriod::HalfYear, .from = "15 / 05 / 2024"},
                    "Capitalizzazione semestrale dal 15/05/2024.\n"},
    CompoundingCase{"latePaymentQuarterly", {.capital = "10000", .start = "31/05/2024", .end = "28/02/2025",
                                             .regime = Regime::LatePayment, .compounding = CompoundingPeriod::Quarter},
                    "Capitalizzazione trimestrale.\n"},
    CompoundingCase{"contractQuarterlyFromADay",
                    {.capital = "10000", .start = "31/03/2023", .end = "31/12/2025", .regime = Regime::Contract,
                     .rate = "4,75", .compounding = CompoundingPeriod::Quarter, .from = "15 / 05 / 2024"},
                    "Capitalizzazione trimestrale dal 15/05/2024.\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// An update's percentage at fault is said beside it, and only while the update is asked.
TEST(RatesInForceForm, SaysTheFaultOfThePercentageOfAnUpdate)
{
    RatesInForceForm form = FormWith({"10000", "__ / 03 / 2015", "__ / 06 / 2024"});
    form.ChooseRevaluation(true);
    form.ChooseRevaluationWay(RevaluationWay::Update);
    form.Type(InputField::Percentage, "0");
    EXPECT_FALSE(form.Shown());
    EXPECT_EQ(form.FirstFault(), InputField::Percentage);
    EXPECT_NE(form.FaultOf(InputField::Percentage), "");
    EXPECT_TRUE(form.Totals().empty());
    form.ChooseRevaluationWay(RevaluationWay::Alone);
    EXPECT_TRUE(form.Shown());
    EXPECT_EQ(form.FaultOf(InputField::Percentage), "");
}

// Stampa keeps the statement shown, whatever is calculated after it; with
// none shown there is nothing to print.
TEST(RatesInForceForm, PrintsThePageTakenWhenStampaWasPressed)
{
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    EXPECT_FALSE(form.TakePage());
    form.Fill({"25000", "15/06/2018", "08/12/2026"});
    ASSERT_TRUE(form.TakePage());
    const std::string page = StatementText(std::get<Statement>(*form.Page()));
    form.Fill({"abc", "01 / 01 / 2015", "01 / 01 / 2025"});
    EXPECT_FALSE(form.TakePage());
    EXPECT_EQ(StatementText(std::get<Statement>(*form.Page())), page);
}

// What is done to a field before its fault is said.
enum class Done { Nothing, Typed, Left, Calcola };

struct TouchCase {
    const char* name;
    Regime regime;
    InputField field;
    const char* text; // typed when Done::Typed
    Done done;
    bool said;
};

class SaysAFault : public ::testing::TestWithParam<TouchCase> {};

// A field nobody has touched says nothing until it is left or "Calcola" is
// pressed: the claim date of a regime just chosen stands empty, silent.
TEST_P(SaysAFault, OnceTheFieldIsTouched)
{
    const TouchCase& c = GetParam();
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    form.Fill({"10000", "31 / 03 / 2023", "31 / 12 / 2025"});
    RatesInForceForm fresh(RatesInForce(), ReferenceRates());
    RatesInForceForm& used = c.field == InputField::Capital ? fresh : form;
    used.Choose(c.regime);
    if (c.done == Done::Typed)
        used.Type(c.field, c.text);
    if (c.done == Done::Left)
        used.Leave(c.field);
    if (c.done == Done::Calcola)
        used.Calculate();
    EXPECT_EQ(!used.FaultOf(c.field).empty(), c.said) << used.FaultOf(c.field);
    EXPECT_FALSE(used.Shown());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, SaysAFault, ::testing::Values(
    TouchCase{"claimUntouched", Regime::LegalWithClaim, InputField::ClaimDate, "", Done::Nothing, false},
    TouchCase{"claimTyped", Regime::LegalWithClaim, InputField::ClaimDate, "1_ / __ / ____", Done::Typed, true},
    TouchCase{"claimLeft", Regime::LegalWithClaim, InputField::ClaimDate, "", Done::Left, true},
    TouchCase{"claimCalcola", Regime::LegalWithClaim, InputField::ClaimDate, "", Done::Calcola, true},
    TouchCase{"emptyWindowUntouched", Regime::Legal, InputField::Capital, "", Done::Nothing, false},
    TouchCase{"emptyWindowCalcola", Regime::Legal, InputField::Capital, "", Done::Calcola, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct CapitalCase {
    const char* text;
    std::optional<std::int64_t> cents; // none: refused, with a reason beside the capital
};

class ReadsTheCapital : public ::testing::TestWithParam<CapitalCase> {};

// The capital read once for the ledger, as the single calculation reads it:
// the forms the refusal names are taken, a text the calculation refuses has no value.
TEST_P(ReadsTheCapital, AsTheCalculationDoes)
{
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    form.Fill({GetParam().text, "01 / 01 / 2025", "31 / 12 / 2025"});
    const CalculationFields fields = form.Fields();
    EXPECT_EQ(fields.capitalText, GetParam().text);
    ASSERT_EQ(fields.capital.has_value(), GetParam().cents.has_value()) << form.FaultOf(InputField::Capital);
    EXPECT_EQ(form.FaultOf(InputField::Capital).empty(), fields.capital.has_value());
    if (fields.capital) {
        EXPECT_EQ(fields.capital->ticks(), *GetParam().cents * 100);
    }
    EXPECT_EQ(fields.start, ParseDate("01/01/2025"));
    EXPECT_EQ(fields.end, ParseDate("31/12/2025"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, ReadsTheCapital, ::testing::Values(
    CapitalCase{"10000", 1000000},
    CapitalCase{"10.000,00", 1000000},
    CapitalCase{"10000,50", 1000050},
    CapitalCase{"10000,555", {}},
    CapitalCase{"10,000", {}},
    CapitalCase{"abc", {}}));
// clang-format on

// The list's first movement after the credit of 10.000,00 on 01/01/2025: a
// payment of 3.000,00 on 01/07/2025, to 31/12/2025.
void ListAPayment(RatesInForceForm& form)
{
    LedgerForm& ledger = form.Ledger();
    ledger.Insert(0);
    ledger.Type(0, LedgerColumn::Date, "01/07/2025");
    ledger.Type(0, LedgerColumn::Kind, "pagamento");
    ledger.Type(0, LedgerColumn::Amount, "3000");
    form.MovementsChanged();
}

RatesInForceForm FormWithLedger()
{
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    form.Fill({"10000", "01 / 01 / 2025", "31 / 12 / 2025"});
    ListAPayment(form);
    return form;
}

// With a movement listed, the statement shown, copied and printed is the
// ledger's, its totals named for what they are and its span from the first
// credit; the main window's calculation filled in replaces it, movements and all.
TEST(RatesInForceForm, ShowsTheLedgerWhileMovementsAreListed)
{
    RatesInForceForm form = FormWithLedger();
    ASSERT_TRUE(form.ShowsLedger());
    ASSERT_TRUE(form.Ledger().Shown());
    const Ledger& ledger = *form.Ledger().Shown();
    EXPECT_EQ(form.Rows().size(), ledger.lines.size());
    EXPECT_EQ(form.Copied(), form.Ledger().Copied());
    std::vector<TotalText> expected;
    for (const ShownTotal& total : ShownTotals(ledger))
        expected.push_back({total.caption, AmountText(total.amount)});
    EXPECT_EQ(form.Totals(), expected);
    EXPECT_EQ(form.Totals().front().caption, "Capitale residuo");
    EXPECT_EQ(form.Duration(), "0 anni e 364 giorni");
    ASSERT_TRUE(form.TakePage());
    EXPECT_TRUE(std::holds_alternative<Ledger>(*form.Page()));

    form.Fill({"25000", "15 / 06 / 2018", "08 / 12 / 2026"});
    EXPECT_FALSE(form.ShowsLedger());
    EXPECT_EQ(form.Ledger().RowCount(), 0u);
    EXPECT_FALSE(form.Ledger().Unsaved(form.Fields()));
    EXPECT_EQ(form.Rows().size(), form.Shown()->rows.size());
    EXPECT_EQ(form.Totals(),
              (std::vector<TotalText>{{"Interessi legali", form.Shown()->interest}, {"Somma", form.Shown()->sum}}));
}

// A ledger is charged as typed, without a revaluation: while the list holds a
// movement the option is not offered nor asked, the regime chosen charges;
// the movement gone, the revaluation asked before is asked again. While it is
// asked, the list is not offered.
TEST(RatesInForceForm, OffersNoRevaluationWhileMovementsAreListed)
{
    RatesInForceForm form = FormWithLedger();
    form.ChooseRevaluation(true);
    EXPECT_FALSE(form.OffersRevaluation());
    EXPECT_FALSE(form.Revalues());
    EXPECT_FALSE(form.Request().revaluation);

    form.Ledger().Remove(0);
    form.MovementsChanged();
    EXPECT_TRUE(form.OffersRevaluation());
    EXPECT_FALSE(form.Revalues()); // refused while the ledger showed
    form.ChooseRevaluation(true);
    form.Choose(Regime::LatePayment);
    ASSERT_TRUE(form.Request().revaluation);
    EXPECT_EQ(form.Request().regime, Regime::Legal);
    EXPECT_FALSE(form.OffersMovements());

    // A ledger opened from its file all the same.
    form.Ledger().Insert(0);
    form.Ledger().Type(0, LedgerColumn::Date, "01/07/2025");
    form.Ledger().Type(0, LedgerColumn::Amount, "3000");
    form.MovementsChanged();
    ASSERT_TRUE(form.ShowsLedger());
    EXPECT_FALSE(form.Request().revaluation);
    EXPECT_EQ(form.Request().regime, Regime::LatePayment);
    EXPECT_TRUE(form.OffersRegimes());
    EXPECT_TRUE(form.RevaluationLines().empty());
    EXPECT_EQ(form.Ledger().Shown()->regime, Regime::LatePayment);

    form.Ledger().Remove(0);
    form.MovementsChanged();
    EXPECT_TRUE(form.Revalues());
    EXPECT_EQ(form.Request().regime, Regime::Legal);
}

// A contract's rate and the capitalisation are the single calculation's:
// while the list holds a movement (a ledger opened from its file) neither is
// offered nor charged, the legal rates charging the ledger; the movement
// gone, both come back. While either is asked, the list is not offered.
TEST(RatesInForceForm, ChargesNoContractNorCapitalisationWhileMovementsAreListed)
{
    RatesInForceForm form(RatesInForce(), ReferenceRates());
    form.Fill({"10000", "01 / 01 / 2025", "31 / 12 / 2025"});
    form.Type(InputField::ContractRate, "4,75");
    form.Choose(Regime::Contract);
    form.AskForList(true);
    EXPECT_FALSE(form.OffersMovements() || form.ListShown());
    form.Choose(Regime::Legal);
    form.ChooseCompounding(true);
    EXPECT_FALSE(form.OffersMovements());
    form.Choose(Regime::Contract);

    ListAPayment(form);
    ASSERT_TRUE(form.ShowsLedger());
    EXPECT_EQ(form.Charged(), Regime::Legal);
    EXPECT_FALSE(form.Offers(Regime::Contract));
    EXPECT_TRUE(form.Offers(Regime::LatePayment));
    EXPECT_FALSE(form.Compounds() || form.OffersCompounding() || form.Shows(InputField::ContractRate));
    EXPECT_FALSE(form.Request().compounding);
    EXPECT_TRUE(form.OffersMovements() && form.ListShown());
    ASSERT_TRUE(form.Ledger().Shown());
    EXPECT_EQ(form.Ledger().Shown()->regime, Regime::Legal);

    form.AskForList(false); // while it holds a movement: kept
    form.Ledger().Remove(0);
    form.MovementsChanged();
    form.ChooseCompounding(false);
    form.Choose(Regime::Legal);
    EXPECT_TRUE(form.ListShown());
    form.ChooseCompounding(true);
    form.Choose(Regime::Contract);
    EXPECT_EQ(form.Charged(), Regime::Contract);
    EXPECT_TRUE(form.Compounds());
    EXPECT_FALSE(form.ListShown());
    ASSERT_TRUE(form.Shown());
    EXPECT_EQ(form.Shown()->regime, Regime::Contract);
    EXPECT_TRUE(form.Shown()->compounding);
}

struct PercentageCase {
    const char* text;
    bool taken;
};

class TakesAPercentage : public ::testing::TestWithParam<PercentageCase> {};

// The field takes a percentage and its start, nothing an update would refuse for its form.
TEST_P(TakesAPercentage, AsTheUpdateReadsIt) { EXPECT_EQ(PercentageTakes(GetParam().text), GetParam().taken); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, TakesAPercentage, ::testing::Values(
    PercentageCase{"", true}, PercentageCase{"7", true}, PercentageCase{"75,", true}, PercentageCase{"75,55", true},
    PercentageCase{"100", true}, PercentageCase{"100,00", true}, PercentageCase{"0,01", true},
    PercentageCase{"75,555", false}, PercentageCase{"101", false}, PercentageCase{"100,5", false},
    PercentageCase{",5", false}, PercentageCase{"75.5", false}, PercentageCase{"7a", false},
    PercentageCase{"-5", false}, PercentageCase{"1000", false}, PercentageCase{"75,5,", false}));
// clang-format on

class TakesAContractRate : public ::testing::TestWithParam<PercentageCase> {};

// The field of a contract's rate takes what its hint says, three decimals, and its start.
TEST_P(TakesAContractRate, AsTheCalculationReadsIt) { EXPECT_EQ(ContractRateTakes(GetParam().text), GetParam().taken); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(RatesInForceForm, TakesAContractRate, ::testing::Values(
    PercentageCase{"", true}, PercentageCase{"4,", true}, PercentageCase{"4,75", true}, PercentageCase{"4,125", true},
    PercentageCase{"0,001", true}, PercentageCase{"100", true}, PercentageCase{"100,000", true},
    PercentageCase{"4,1255", false}, PercentageCase{"100,001", false}, PercentageCase{"101", false},
    PercentageCase{",5", false}, PercentageCase{"4.75", false}, PercentageCase{"-4", false}, PercentageCase{"4%", false}));
// clang-format on

} // namespace
} // namespace tarvel::testing
