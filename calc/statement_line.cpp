#include "calc/statement_line.h"

#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/rate_table.h"

#include <algorithm>

namespace tarvel {
namespace {

std::string percent(int hundredths) { return RateText(hundredths) + "%"; }

std::string amount(Currency value) { return AmountText(value); }

bool isMovement(const StatementLine& line)
{
    return line.kind == StatementLine::Kind::Credit || line.kind == StatementLine::Kind::Payment;
}

bool isCapitalisation(const StatementLine& line) { return line.kind == StatementLine::Kind::Capitalisation; }

// "credito 10.000,00 fattura 1", "pagamento 3.000,00 bonifico, eccedenza 40,00":
// what the movement was, its description shown as the messages show a text.
std::string movementCell(const StatementLine& line)
{
    if (isCapitalisation(line))
        return "capitalizzati " + amount(line.amount);
    const bool credit = line.kind == StatementLine::Kind::Credit;
    std::string text = (credit ? "credito " : "pagamento ") + amount(line.amount);
    if (!line.description.empty())
        text += " " + Printable(line.description);
    if (line.surplus != Currency())
        text += (credit ? ", meno l'eccedenza " : ", eccedenza ") + amount(line.surplus);
    if (line.toCompensation != Currency())
        text += ", a indennizzo " + amount(line.toCompensation);
    return text;
}

} // namespace

std::string ChargedRateText(const ChargedRate& rate)
{
    if (!rate.latePayment)
        return RateThousandthsText(rate.thousandths) + "%";
    return RateThousandthsText(rate.thousandths) + "% (" + percent(rate.referenceHundredths) + " + "
           + RateText(rate.marginHundredths) + ")";
}

const char* StatementColumnHead(StatementColumn column)
{
    using enum StatementColumn;
    switch (column) {
    case Day: return "data";
    case LastDay: return "al";
    case Movement: return "movimento";
    case Capital: return "capitale";
    case Days: return "giorni";
    case Rate: return "tasso";
    case Interest: return "interessi";
    case ToInterest: return "a interessi";
    case ToCapital: return "a capitale";
    case Act: return "atto";
    }
    return "";
}

bool StatementColumnIsNumber(StatementColumn column)
{
    using enum StatementColumn;
    switch (column) {
    case Capital:
    case Days:
    case Rate:
    case Interest:
    case ToInterest:
    case ToCapital: return true;
    default: return false;
    }
}

std::vector<StatementColumn> StatementColumns(std::span<const StatementLine> lines)
{
    const bool movements = std::any_of(lines.begin(), lines.end(), isMovement);
    const bool capitalisations = std::any_of(lines.begin(), lines.end(), isCapitalisation);
    const bool acts =
        std::any_of(lines.begin(), lines.end(), [](const StatementLine& line) { return !line.act.empty(); });
    std::vector<StatementColumn> columns;
    for (std::size_t i = 0; i < kStatementColumnCount; ++i) {
        const auto column = StatementColumn(i);
        using enum StatementColumn;
        if ((column == ToInterest || column == ToCapital) && !movements)
            continue;
        if (column == Movement && !movements && !capitalisations)
            continue;
        if (column == Act && !acts)
            continue;
        columns.push_back(column);
    }
    return columns;
}

std::string StatementCell(const StatementLine& line, StatementColumn column)
{
    using enum StatementColumn;
    const bool span = line.kind == StatementLine::Kind::Span;
    const bool payment = line.kind == StatementLine::Kind::Payment;
    switch (column) {
    case Day: return span && line.days == 0 ? std::string() : DateText(line.day);
    case LastDay: return span && line.days != 0 ? DateText(line.lastDay) : std::string();
    case Movement: return span ? std::string() : movementCell(line);
    case Capital: return amount(line.capital);
    case Days: return span ? WholeNumberText(line.days) : std::string();
    case Rate: return span ? ChargedRateText(line.rate) : std::string();
    case Interest: return span ? amount(line.interest) : std::string();
    case ToInterest: return payment ? amount(line.toInterest) : std::string();
    case ToCapital: return payment ? amount(line.toCapital) : std::string();
    // The act comes from a table file as typed: shown as the messages show a text.
    case Act: return span ? Printable(line.act) : std::string();
    }
    return {};
}

std::string StatementLineText(const StatementLine& line)
{
    using enum StatementLine::Kind;
    if (line.kind == Capitalisation)
        return DateText(line.day) + " capitalizzati " + amount(line.amount) + ": capitale " + amount(line.capital);
    if (line.kind == Span) {
        std::string text;
        if (line.days != 0)
            text = "dal " + DateText(line.day) + " al " + DateText(line.lastDay) + ": ";
        text += "capitale " + amount(line.capital) + ", " + std::to_string(line.days)
                + (line.days == 1 ? " giorno" : " giorni");
        text += (line.rate.latePayment ? ", tasso di mora " : ", tasso ") + ChargedRateText(line.rate);
        return text + ", interessi " + amount(line.interest);
    }
    std::string text = DateText(line.day) + (line.kind == Credit ? " credito " : " pagamento ") + amount(line.amount);
    if (!line.description.empty())
        text += " (" + Printable(line.description) + ")";
    text += ": ";
    if (line.kind == Credit) {
        if (line.surplus != Currency())
            text += "meno l'eccedenza " + amount(line.surplus) + ", ";
        text += "capitale " + amount(line.capital);
        if (line.toCompensation != Currency())
            text += ", a indennizzo " + amount(line.toCompensation) + " dall'eccedenza";
        return text;
    }
    const std::string toInterest = "a interessi " + amount(line.toInterest);
    const std::string toCapital = "a capitale " + amount(line.toCapital);
    text += line.capitalFirst ? toCapital + ", " + toInterest : toInterest + ", " + toCapital;
    if (line.toCompensation != Currency())
        text += ", a indennizzo " + amount(line.toCompensation);
    if (line.surplus != Currency())
        text += ", eccedenza " + amount(line.surplus);
    text += "; capitale " + amount(line.capital);
    if (line.interestDue != Currency())
        text += ", interessi da pagare " + amount(line.interestDue);
    return text;
}

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string Uncapitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

} // namespace tarvel
