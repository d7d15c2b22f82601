#include "forms/main_window_form.h"

#include "calc/calculate_interest.h"
#include "calc/rate_schedule.h"
#include "calc/statement.h"
#include "calc/statement_line.h"
#include "forms/calculation_text.h"
#include "forms/capital_decimals.h"

#include <filesystem>

namespace tarvel {
namespace {

// The window's own table charges its last rate on every later day, though the
// law set it for that period's first year only.
const RatePeriod& LastDesignedPeriod() { return LegalRateSchedule().back(); }

int LastDesignedYear() { return LastDesignedPeriod().fromDate.plusDays(1).civil().year; }

Date LastDayOfDesignedTable() { return *Date::fromCivil(LastDesignedYear(), 12, 31); }

// "Questa finestra calcola l'1% su ogni giorno dopo il 2014."
std::string NoticeHeading()
{
    const ChargedRate rate{.thousandths = 10 * RateHundredths(LastDesignedPeriod())};
    return "Questa finestra calcola l'" + ChargedRateText(rate) + " su ogni giorno dopo il "
           + std::to_string(LastDesignedYear()) + '.';
}

// "Ai tassi legali in vigore: interessi 3.319,93, somma 28.319,93.", "Ai
// tassi del file tassi.csv: ..." (its folder is in the window of the rates in
// force).
std::string AtRatesInForce(const RateTable& table, const std::optional<Statement>& statement)
{
    const std::string rates =
        "Ai "
        + (table.file().empty() ? Uncapitalised(table.name())
                                : "tassi del file " + std::filesystem::path(table.file()).filename().string());
    if (!statement)
        return rates + " il calcolo non riesce.";
    return rates + ": interessi " + statement->interest + ", somma " + statement->sum + '.';
}

} // namespace

std::string MainWindowNotice::Line() const { return "Nota: " + Uncapitalised(heading) + ' ' + amounts + '\n'; }

MainWindowForm::MainWindowForm() : texts_(FreshWindowTexts("")) {}

CalculationShown MainWindowForm::Calculate(const TypedCalculation& typed)
{
    succeeded_.reset();
    if (std::optional<std::string> warning = CapitalDecimalsWarning(typed.capital)) {
        // Nothing is written while the warning is open; then the error path,
        // but for the capital, which stays as typed.
        CalculationShown shown{{}, std::move(warning), {}, FocusAfterWarning::Capital};
        ApplyErrorPath(shown.afterWarning);
        shown.afterWarning[ResultControl::importo].reset();
        texts_[ResultControl::importo] = typed.capital;
        Overlay(texts_, shown.afterWarning);
        return shown;
    }
    const CalculationResult result = CalculateInterest({typed.capital, typed.start, typed.end});
    CalculationShown shown{result.written.ToControlTexts(), std::nullopt, {}};
    // The capital stands as typed where the run leaves it.
    texts_[ResultControl::importo] = typed.capital;
    Overlay(texts_, shown.written);
    if (result.ok) {
        succeeded_ = Succeeded{typed, result.end, texts_, result.years, result.remainingDays};
        return shown;
    }
    shown.warning = std::string(kCalculationErrorMessage);
    shown.afterWarning = shown.written;
    ApplyErrorPath(shown.afterWarning);
    Overlay(texts_, shown.afterWarning);
    return shown;
}

const ControlTexts& MainWindowForm::Clear()
{
    succeeded_.reset();
    texts_ = ClearedTexts();
    return texts_;
}

std::optional<TypedCalculation> MainWindowForm::LastCalculation() const
{
    if (!succeeded_)
        return std::nullopt;
    return succeeded_->typed;
}

std::optional<MainWindowNotice> MainWindowForm::Notice(const RateTable& legalRates) const
{
    if (!succeeded_ || succeeded_->end <= LastDayOfDesignedTable())
        return std::nullopt;
    StatementRequest request;
    request.capital = succeeded_->typed.capital;
    request.start = succeeded_->typed.start;
    request.end = succeeded_->typed.end;
    request.legalRates = &legalRates;
    return MainWindowNotice{NoticeHeading(), AtRatesInForce(legalRates, MakeStatement(request).statement)};
}

std::optional<std::string> MainWindowForm::Copied(const RateTable& legalRates) const
{
    if (!succeeded_)
        return std::nullopt;
    const std::optional<MainWindowNotice> notice = Notice(legalRates);
    return CalculationText(succeeded_->texts, succeeded_->typed.start, succeeded_->typed.end, succeeded_->years,
                           succeeded_->days)
           + (notice ? notice->Line() : "");
}

PrintedTexts MainWindowForm::Printed(const TypedCalculation& typedNow) const
{
    if (succeeded_)
        return {succeeded_->texts, succeeded_->typed.start, succeeded_->typed.end};
    ControlTexts texts = texts_;
    texts[ResultControl::importo] = typedNow.capital;
    return {texts, typedNow.start, typedNow.end};
}

} // namespace tarvel
