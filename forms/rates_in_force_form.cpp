#include "forms/rates_in_force_form.h"

#include "calc/charged_rates.h"
#include "calc/number_texts.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarvel {
namespace {

bool AnyDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A date field's text for the calculation: as it stands, or nothing when no
// digit is typed in it (its mask alone is no date).
std::string DateTyped(const std::string& text) { return AnyDigit(text) ? text : std::string(); }

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A date field's text with no day typed, "__ / 03 / 2015", as the month the
// revaluation alone takes, "03 / 2015"; any other text as it stands.
std::string MonthTyped(const std::string& text)
{
    const auto slash = text.find('/');
    if (slash == std::string::npos || AnyDigit(std::string_view(text).substr(0, slash)))
        return text;
    return Trimmed(text.substr(slash + 1));
}

std::optional<InterestOn> InterestOnOf(RevaluationWay way)
{
    switch (way) {
    case RevaluationWay::Initial: return InterestOn::Initial;
    case RevaluationWay::Revalued: return InterestOn::Revalued;
    case RevaluationWay::Yearly: return InterestOn::Yearly;
    case RevaluationWay::Alone:
    case RevaluationWay::Update: break;
    }
    return std::nullopt;
}

} // namespace

RatesInForceForm::RatesInForceForm(const RateTable& legalRates, const RateTable& referenceRates,
                                   const PriceIndex& index)
    : tables_{&legalRates, &referenceRates}, index_(&index)
{
    // The margin proposed, as tarvel-calc takes it without one, and the
    // percentage of an update as most rents take it.
    typed_[Index(InputField::Margin)] = RateText(kDefaultMarginHundredths);
    typed_[Index(InputField::Percentage)] = kProposedPercentage;
    Recalculate();
}

void RatesInForceForm::Type(InputField field, std::string text)
{
    typed_[Index(field)] = std::move(text);
    touched_[Index(field)] = true;
    Recalculate();
}

void RatesInForceForm::Leave(InputField field) { touched_[Index(field)] = true; }

void RatesInForceForm::Choose(Regime regime)
{
    regime_ = regime;
    Recalculate();
}

Regime RatesInForceForm::Charged() const
{
    if (Revalues() || (regime_ == Regime::Contract && ledger_.HasLedger()))
        return Regime::Legal;
    return regime_;
}

void RatesInForceForm::UseTables(const RateTable& legalRates, const RateTable& referenceRates, const PriceIndex& index)
{
    tables_ = {&legalRates, &referenceRates};
    index_ = &index;
    Recalculate();
}

void RatesInForceForm::ChooseRevaluation(bool on)
{
    revalues_ = on && OffersRevaluation();
    Recalculate();
}

void RatesInForceForm::ChooseRevaluationWay(RevaluationWay way)
{
    way_ = way;
    Recalculate();
}

void RatesInForceForm::ChooseCompounding(bool on)
{
    compounds_ = on && OffersCompounding();
    Recalculate();
}

void RatesInForceForm::ChooseCompoundingPeriod(CompoundingPeriod period)
{
    period_ = period;
    Recalculate();
}

bool RatesInForceForm::Shows(InputField field) const
{
    switch (field) {
    case InputField::ClaimDate: return Charged() == Regime::LegalWithClaim;
    case InputField::Margin: return Charged() == Regime::LatePayment;
    case InputField::ContractRate: return Charged() == Regime::Contract;
    case InputField::Percentage: return Revalues() && way_ == RevaluationWay::Update;
    case InputField::CompoundingFrom: return Compounds();
    default: return true;
    }
}

StatementRequest RatesInForceForm::Request() const
{
    StatementRequest request;
    request.capital = Typed(InputField::Capital);
    request.start = DateTyped(Typed(InputField::Start));
    request.end = DateTyped(Typed(InputField::End));
    request.regime = Charged();
    request.claimDate = DateTyped(Typed(InputField::ClaimDate));
    request.margin = Trimmed(Typed(InputField::Margin));
    request.contractRate = Trimmed(Typed(InputField::ContractRate));
    request.legalRates = tables_[RateKind::Legal];
    request.referenceRates = tables_[RateKind::Reference];
    if (Compounds())
        request.compounding = CompoundingRequest{period_, DateTyped(Typed(InputField::CompoundingFrom))};
    if (Revalues()) {
        RevaluationRequest& revaluation = request.revaluation.emplace();
        revaluation.interestOn = InterestOnOf(way_);
        if (way_ == RevaluationWay::Update)
            revaluation.percentage = Trimmed(Typed(InputField::Percentage));
        revaluation.index = index_;
        revaluation.newerIndexHow = kNewerIndexHow;
        if (!revaluation.interestOn) {
            request.start = MonthTyped(request.start);
            request.end = MonthTyped(request.end);
        }
    }
    return request;
}

void RatesInForceForm::Calculate()
{
    for (std::size_t i = 0; i < kInputFieldCount; ++i)
        touched_[i] = touched_[i] || Shows(InputField(i));
    Recalculate();
}

const std::string& RatesInForceForm::FaultOf(InputField field) const
{
    static const std::string none;
    return touched_[Index(field)] ? faults_[Index(field)] : none;
}

void RatesInForceForm::Recalculate()
{
    const StatementRequest request = Request();
    StatementOutcome outcome = MakeStatement(request);
    faults_ = {};
    for (const FieldFault& fault : outcome.faults) {
        std::string& beside = faults_[Index(fault.field)];
        beside += (beside.empty() ? "" : "; ") + fault.reason;
    }
    firstFault_.reset();
    if (!outcome.faults.empty())
        firstFault_ = outcome.faults.front().field;
    statement_ = std::move(outcome.statement);
    // Read once here for the ledger and the file; a capital the calculation
    // refuses is none.
    fields_ = FieldsOfRequest(request);
    if (!faults_[Index(InputField::Capital)].empty())
        fields_.capital.reset();
    if (ledger_.HasLedger())
        ledger_.Calculate(fields_);
}

void RatesInForceForm::Fill(const TypedCalculation& typed)
{
    ledger_.Clear();
    typed_[Index(InputField::Capital)] = typed.capital;
    typed_[Index(InputField::Start)] = typed.start;
    typed_[Index(InputField::End)] = typed.end;
    regime_ = Regime::Legal;
    revalues_ = false;
    compounds_ = false;
    Calculate();
}

bool RatesInForceForm::HasStatement() const
{
    return ShowsLedger() ? ledger_.Shown().has_value() : statement_.has_value();
}

bool RatesInForceForm::ShowsTable() const { return !Revalues() || InterestOnOf(way_); }

std::span<const StatementLine> RatesInForceForm::Rows() const
{
    if (ShowsLedger())
        return ledger_.Shown() ? std::span<const StatementLine>(ledger_.Shown()->lines)
                               : std::span<const StatementLine>();
    return statement_ ? std::span<const StatementLine>(statement_->rows) : std::span<const StatementLine>();
}

std::vector<TotalText> RatesInForceForm::Totals() const
{
    std::vector<TotalText> totals;
    if (ShowsLedger()) {
        if (const auto& shown = ledger_.Shown())
            for (const ShownTotal& total : ShownTotals(*shown))
                totals.push_back({total.caption, AmountText(total.amount)});
        return totals;
    }
    if (statement_ && statement_->revaluation) {
        for (const ShownTotal& total : RevaluationTotals(*statement_))
            totals.push_back({total.caption, AmountText(total.amount)});
        return totals;
    }
    if (statement_ && statement_->compounding) {
        for (const ShownTotal& total : CompoundedTotals(*statement_))
            totals.push_back({total.caption, AmountText(total.amount)});
        return totals;
    }
    if (Revalues() || Compounds())
        return totals;
    totals.push_back({InterestCaption(), statement_ ? statement_->interest : std::string()});
    totals.push_back({"Somma", statement_ ? statement_->sum : std::string()});
    return totals;
}

std::vector<std::string> RatesInForceForm::RevaluationLines() const
{
    if (ShowsLedger() || !statement_ || !statement_->revaluation)
        return {};
    return ::tarvel::RevaluationLines(*statement_->revaluation);
}

std::string RatesInForceForm::RoundingNote() const
{
    if (ShowsLedger())
        return ledger_.Shown() ? ledger_.Shown()->roundingNote : std::string();
    return statement_ ? statement_->roundingNote : std::string();
}

std::string RatesInForceForm::InterestCaption() const { return ::tarvel::InterestCaption(Charged()); }

std::string RatesInForceForm::RegimeLine() const
{
    if (ShowsLedger())
        return ledger_.Shown() ? Capitalised(ledger_.Shown()->regimeText) : std::string();
    return statement_ ? Capitalised(statement_->regimeText) : std::string();
}

std::string RatesInForceForm::Duration() const
{
    // A revaluation alone charges no days: its span has no duration.
    if (!ShowsLedger())
        return statement_ && !(statement_->revaluation && !statement_->revaluation->interestOn)
                   ? YearsAndDaysText(statement_->years, statement_->days)
                   : std::string();
    const auto& shown = ledger_.Shown();
    if (!shown || shown->lines.empty())
        return {};
    // Whole years of 365 days and the days left, as the single calculation counts them.
    const int days = shown->end - shown->lines.front().day;
    return YearsAndDaysText(days / 365, days % 365);
}

std::string RatesInForceForm::Notes() const
{
    std::string notes;
    const std::vector<LaterDaysNote>* later = nullptr;
    if (ShowsLedger() && ledger_.Shown())
        later = &ledger_.Shown()->notes;
    else if (!ShowsLedger() && statement_)
        later = &statement_->notes;
    if (!later)
        return notes;
    const auto add = [&notes](const std::string& line) { notes += (notes.empty() ? "" : "\n") + line; };
    const std::optional<StatementCompounding> compounding = ShowsLedger() ? std::nullopt : statement_->compounding;
    if (compounding)
        add(Capitalised(CompoundingText(compounding->period, compounding->from)) + '.');
    // The note on the last index says how in the window's words already, as
    // the request asked; a table's says it in tarvel-calc's.
    for (const LaterDaysNote& note : *later)
        add("Nota: " + note.what + "; " + (note.how == kNewerIndexHow ? note.how : kNewerActHow) + '.');
    if (compounding)
        add(kCompoundingLawNote);
    return notes;
}

std::string RatesInForceForm::Copied() const
{
    if (ShowsLedger())
        return ledger_.Copied();
    return statement_ ? StatementText(*statement_) : std::string();
}

bool RatesInForceForm::TakePage()
{
    if (!HasStatement())
        return false;
    if (ShowsLedger())
        page_ = *ledger_.Shown();
    else
        page_ = *statement_;
    return true;
}

std::string TableFaultAtStart(const std::string& fault) { return fault + ": si usa la tabella incorporata."; }

std::string TableFaultRefused(const std::string& fault) { return fault + ": resta in uso la tabella di prima."; }

namespace {

// Whether `text` is a number up to 100 with at most `decimals` decimals, or the start of one.
bool TakesUpTo100(std::string_view text, std::size_t most)
{
    const std::size_t comma = std::min(text.find(','), text.size());
    const std::string_view whole = text.substr(0, comma);
    const std::string_view decimals = text.substr(std::min(comma + 1, text.size()));
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](unsigned char c) { return std::isdigit(c); });
    };
    if (!digits(whole) || !digits(decimals) || whole.size() > 3 || decimals.size() > most)
        return false;
    if (comma < text.size() && whole.empty())
        return false;
    const int units = whole.empty() ? 0 : std::stoi(std::string(whole));
    return units < 100 || (units == 100 && decimals.find_first_not_of('0') == std::string_view::npos);
}

} // namespace

bool PercentageTakes(std::string_view text) { return TakesUpTo100(text, 2); }

bool ContractRateTakes(std::string_view text) { return TakesUpTo100(text, 3); }

} // namespace tarvel
