#include "forms/ledger_form.h"

#include "calc/charged_rates.h"
#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/ledger_row.h"
#include "calc/number_texts.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarvel {
namespace {

// The first credit is row 1 of the ledger; the list's rows follow it.
constexpr std::uint64_t kFirstCreditRow = 1;
std::uint64_t RowNumber(std::size_t row) { return row + kFirstCreditRow + 1; }

std::string Numbered(std::uint64_t row, const std::string& reason)
{
    return row == 0 ? reason : "riga " + std::to_string(row) + ": " + reason;
}

bool AnyDigit(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool Blank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

// A row with no digit of a date, no amount and no description is no movement.
bool NothingTyped(const LedgerRowTexts& row)
{
    return !AnyDigit(row.date) && Blank(row.amount) && Blank(row.description);
}

// A field of the ledger file, in quotes when it holds what would split the row.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(";\"") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string CsvLine(const std::string& date, Movement::Kind kind, const std::string& amount,
                    const std::string& description)
{
    return CsvField(date) + ';' + KindText(kind) + ';' + CsvField(amount) + ';' + CsvField(description);
}

// The row read as the ledger file's reader reads a line: the movement, or why
// it is none ("importo «10,000»: ha più di due decimali").
std::variant<Movement, std::string> Read(const LedgerRowTexts& row)
{
    CsvRow csv;
    const auto status = csv.read(CsvLine(row.date, row.kind, row.amount, row.description));
    if (status != CsvRow::Status::Ok)
        return std::string("descrizione: ") + ProblemOf(status);
    return ReadMovement(csv);
}

// A description is one line of the file: a control character other than a
// tab (a line end pasted in) becomes a space.
std::string OneLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](unsigned char c) { return c < 0x20 && c != '\t'; }, ' ');
    return text;
}

} // namespace

const char* KindText(Movement::Kind kind) { return kind == Movement::Kind::Credit ? "credito" : "pagamento"; }

void LedgerForm::Insert(std::size_t at)
{
    rows_.insert(rows_.begin() + std::ptrdiff_t(std::min(at, rows_.size())), LedgerRowTexts{});
    unsaved_ = true;
}

void LedgerForm::Remove(std::size_t row)
{
    rows_.erase(rows_.begin() + std::ptrdiff_t(row));
    unsaved_ = true;
}

void LedgerForm::Type(std::size_t row, LedgerColumn column, std::string text)
{
    LedgerRowTexts& texts = rows_[row];
    switch (column) {
    case LedgerColumn::Date: texts.date = std::move(text); break;
    case LedgerColumn::Kind: texts.kind = text == "pagamento" ? Movement::Kind::Payment : Movement::Kind::Credit; break;
    case LedgerColumn::Amount: texts.amount = std::move(text); break;
    case LedgerColumn::Description: texts.description = OneLine(std::move(text)); break;
    }
    unsaved_ = true;
}

bool LedgerForm::HasLedger() const
{
    return std::any_of(rows_.begin(), rows_.end(), [](const LedgerRowTexts& row) { return !NothingTyped(row); });
}

std::string LedgerForm::FaultOf(std::size_t row) const
{
    if (NothingTyped(rows_[row]))
        return {};
    const auto read = Read(rows_[row]);
    const auto* fault = std::get_if<std::string>(&read);
    return fault ? Numbered(RowNumber(row), *fault) : std::string();
}

std::string LedgerForm::Faults() const
{
    std::string faults;
    const auto add = [&faults](const std::string& fault) {
        if (!fault.empty())
            faults += (faults.empty() ? "" : "\n") + fault;
    };
    for (std::size_t row = 0; row < rows_.size(); ++row)
        add(FaultOf(row));
    add(ledgerFault_);
    return faults;
}

void LedgerForm::ChooseCapitalFirst(bool on) { capitalFirst_ = on; }

void LedgerForm::ChooseCompensation(bool on) { compensation_ = on; }

std::optional<LedgerRequest> LedgerForm::Request(const StatementRequest& window) const
{
    const auto start = DateFieldText(window.start);
    const auto end = DateFieldText(window.end);
    const auto capital = ParseCurrency(window.capital);
    if (!start || !end || !capital || AmountFault(window.capital))
        return std::nullopt;
    LedgerRequest request;
    request.end = *ParseDate(*end);
    request.regime = window.regime;
    if (window.regime == Regime::LegalWithClaim) {
        const auto claim = ReadClaimDate(window.claimDate);
        if (!std::holds_alternative<Date>(claim))
            return std::nullopt;
        request.claim = std::get<Date>(claim);
    }
    if (window.regime == Regime::LatePayment) {
        const auto margin = ReadMargin(window.margin);
        if (!margin)
            return std::nullopt;
        request.marginHundredths = *margin;
    }
    request.legalRates = window.legalRates;
    request.referenceRates = window.referenceRates;
    request.capitalFirst = capitalFirst_;
    request.compensation = compensation_ && OffersCompensation(window.regime);

    request.movements.push_back(
        {Movement::Kind::Credit, *ParseDate(*start), *capital, firstDescription_, kFirstCreditRow});
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (NothingTyped(rows_[row]))
            continue;
        auto read = Read(rows_[row]);
        auto* movement = std::get_if<Movement>(&read);
        if (!movement)
            return std::nullopt;
        movement->line = RowNumber(row);
        request.movements.push_back(std::move(*movement));
    }
    return request;
}

void LedgerForm::Calculate(const StatementRequest& window)
{
    ledger_.reset();
    ledgerFault_.clear();
    const auto request = Request(window);
    if (!request)
        return;
    LedgerOutcome outcome = ComputeLedger(*request);
    if (outcome.fault)
        ledgerFault_ = Numbered(outcome.fault->line, outcome.fault->reason);
    ledger_ = std::move(outcome.ledger);
}

bool LedgerForm::TakePage()
{
    page_ = ledger_;
    return page_.has_value();
}

std::string LedgerForm::Copied() const { return ledger_ ? LedgerText(*ledger_) : std::string(); }

std::string LedgerForm::FileText(const StatementRequest& window) const
{
    std::string text = std::string(kLedgerHeader) + '\n';
    const auto start = DateFieldText(window.start);
    const auto capital = ParseCurrency(window.capital);
    text += CsvLine(start ? DateText(*ParseDate(*start)) : window.start, Movement::Kind::Credit,
                    capital ? AmountText(*capital) : window.capital, firstDescription_)
            + '\n';
    for (const LedgerRowTexts& row : rows_) {
        if (NothingTyped(row))
            continue;
        const auto read = Read(row);
        if (const auto* movement = std::get_if<Movement>(&read))
            text +=
                CsvLine(DateText(movement->day), movement->kind, AmountText(movement->amount), movement->description);
        else
            text += CsvLine(row.date, row.kind, row.amount, row.description);
        text += '\n';
    }
    return text;
}

std::variant<FirstCredit, std::string> LedgerForm::Load(const std::vector<Movement>& movements)
{
    const auto first = std::find_if(movements.begin(), movements.end(),
                                    [](const Movement& movement) { return movement.kind == Movement::Kind::Credit; });
    if (first == movements.end())
        return std::string("il file non ha alcun credito: il primo credito è il capitale dal giorno «Dal»");
    rows_.clear();
    for (auto movement = movements.begin(); movement != movements.end(); ++movement) {
        if (movement != first)
            rows_.push_back(
                {DateText(movement->day), movement->kind, AmountText(movement->amount), movement->description});
    }
    firstDescription_ = first->description;
    ledger_.reset();
    ledgerFault_.clear();
    unsaved_ = false;
    return FirstCredit{DateText(first->day), AmountText(first->amount)};
}

} // namespace tarvel
