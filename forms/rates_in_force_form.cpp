#include "forms/rates_in_force_form.h"

#include "calc/charged_rates.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarvel {
namespace {

// A date field's text for the calculation: as it stands, or nothing when no
// digit is typed in it (its mask alone is no date).
std::string DateTyped(const std::string& text)
{
    const bool anyDigit = std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
    return anyDigit ? text : std::string();
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

RatesInForceForm::RatesInForceForm(const RateTable& legalRates, const RateTable& referenceRates)
    : tables_{&legalRates, &referenceRates}
{
    // The margin proposed, as tarvel-calc takes it without one.
    typed_[Index(InputField::Margin)] = RateText(kDefaultMarginHundredths);
}

void RatesInForceForm::Type(InputField field, std::string text)
{
    typed_[Index(field)] = std::move(text);
    Calculate();
}

void RatesInForceForm::Choose(Regime regime)
{
    regime_ = regime;
    Calculate();
}

void RatesInForceForm::UseTables(const RateTable& legalRates, const RateTable& referenceRates)
{
    tables_ = {&legalRates, &referenceRates};
    Calculate();
}

bool RatesInForceForm::Shows(InputField field) const
{
    switch (field) {
    case InputField::ClaimDate: return regime_ == Regime::LegalWithClaim;
    case InputField::Margin: return regime_ == Regime::LatePayment;
    default: return true;
    }
}

StatementRequest RatesInForceForm::Request() const
{
    StatementRequest request;
    request.capital = Typed(InputField::Capital);
    request.start = DateTyped(Typed(InputField::Start));
    request.end = DateTyped(Typed(InputField::End));
    request.regime = regime_;
    request.claimDate = DateTyped(Typed(InputField::ClaimDate));
    request.margin = Trimmed(Typed(InputField::Margin));
    request.legalRates = tables_[RateKind::Legal];
    request.referenceRates = tables_[RateKind::Reference];
    return request;
}

void RatesInForceForm::Calculate()
{
    StatementOutcome outcome = MakeStatement(Request());
    faults_ = {};
    for (const FieldFault& fault : outcome.faults) {
        std::string& beside = faults_[Index(fault.field)];
        beside += (beside.empty() ? "" : "; ") + fault.reason;
    }
    firstFault_.reset();
    if (!outcome.faults.empty())
        firstFault_ = outcome.faults.front().field;
    statement_ = std::move(outcome.statement);
}

void RatesInForceForm::Fill(const TypedCalculation& typed)
{
    typed_[Index(InputField::Capital)] = typed.capital;
    typed_[Index(InputField::Start)] = typed.start;
    typed_[Index(InputField::End)] = typed.end;
    Choose(Regime::Legal);
}

std::string RatesInForceForm::InterestCaption() const { return ::tarvel::InterestCaption(regime_); }

std::string RatesInForceForm::RegimeLine() const
{
    if (!statement_)
        return {};
    return Capitalised(statement_->regimeText);
}

std::string RatesInForceForm::Duration() const
{
    return statement_ ? YearsAndDaysText(statement_->years, statement_->days) : std::string();
}

std::string RatesInForceForm::Notes() const
{
    std::string notes;
    if (!statement_)
        return notes;
    for (const LaterDaysNote& later : statement_->notes)
        notes += (notes.empty() ? "" : "\n") + ("Nota: " + later.what + "; " + kNewerActHow + '.');
    return notes;
}

std::string RatesInForceForm::Copied() const { return statement_ ? StatementText(*statement_) : std::string(); }

bool RatesInForceForm::TakePage()
{
    if (!statement_)
        return false;
    page_ = statement_;
    return true;
}

std::string TableFaultAtStart(const std::string& fault) { return fault + ": si usa la tabella incorporata."; }

std::string TableFaultRefused(const std::string& fault) { return fault + ": resta in uso la tabella di prima."; }

} // namespace tarvel
