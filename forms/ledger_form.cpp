#include "forms/ledger_form.h"

#include "calc/charged_rates.h"
#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/ledger_row.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarvel {
namespace {

// The header is line 1 of the file, the first credit line 2.
constexpr std::uint64_t kFirstCreditLine = 2;

std::string Numbered(std::uint64_t line, const std::string& reason)
{
    return line == 0 ? reason : "riga " + std::to_string(line) + ": " + reason;
}

bool AnyDigit(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool Blank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

std::string CsvLine(Date day, Movement::Kind kind, Currency amount, const std::string& description)
{
    return DateText(day) + ';' + KindWord(kind) + ';' + AmountText(amount) + ';' + CsvField(description) + '\n';
}

// The row read as the ledger file's reader reads a line: the movement, or why
// it is none ("importo «10,000»: ha più di due decimali").
std::variant<Movement, std::string> Read(const LedgerRowTexts& row)
{
    CsvRow csv;
    const std::string line =
        CsvField(row.date) + ';' + CsvField(row.kind) + ';' + CsvField(row.amount) + ';' + CsvField(row.description);
    const auto status = csv.read(line);
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

// A cell's text in the one form the list shows: a date or an amount that
// reads as the file writes it, a type as its word; any other text as it is.
std::string InOneForm(LedgerColumn column, std::string text)
{
    switch (column) {
    case LedgerColumn::Date:
        if (const auto day = DateFieldText(text))
            return DateText(*ParseDate(*day));
        return text;
    case LedgerColumn::Kind:
        if (const auto kind = ReadKind(text))
            return KindWord(*kind);
        return text;
    case LedgerColumn::Amount: return AmountFault(text) ? text : AmountText(*ParseCurrency(text));
    case LedgerColumn::Description: return OneLine(std::move(text));
    }
    return text;
}

// The first credit of a file is the first line of a credit, though its date
// or amount may not read (the window's fields then say why); a line that is
// no row of the file's fields is none.
bool IsCredit(const LedgerRow& row)
{
    if (ReadKind(row.texts.kind) != Movement::Kind::Credit)
        return false;
    const auto read = Read(row.texts);
    const auto* fault = std::get_if<std::string>(&read);
    return row.fault.empty() || (fault && *fault == row.fault);
}

} // namespace

const std::string& LedgerForm::Cell(std::size_t row, LedgerColumn column) const
{
    const LedgerRowTexts& texts = rows_[row].texts;
    switch (column) {
    case LedgerColumn::Date: return texts.date;
    case LedgerColumn::Kind: return texts.kind;
    case LedgerColumn::Amount: return texts.amount;
    case LedgerColumn::Description: break;
    }
    return texts.description;
}

void LedgerForm::Insert(std::size_t at) { Insert(at, LedgerRow{}); }

void LedgerForm::Insert(std::size_t at, LedgerRow whole)
{
    rows_.insert(rows_.begin() + std::ptrdiff_t(std::min(at, rows_.size())), std::move(whole));
}

void LedgerForm::Put(std::size_t row, LedgerRow whole) { rows_[row] = std::move(whole); }

void LedgerForm::Remove(std::size_t row) { rows_.erase(rows_.begin() + std::ptrdiff_t(row)); }

void LedgerForm::Type(std::size_t row, LedgerColumn column, std::string text)
{
    LedgerRow& typed = rows_[row];
    std::string shown = InOneForm(column, std::move(text));
    if (shown == Cell(row, column))
        return;
    switch (column) {
    case LedgerColumn::Date: typed.texts.date = std::move(shown); break;
    case LedgerColumn::Kind: typed.texts.kind = std::move(shown); break;
    case LedgerColumn::Amount: typed.texts.amount = std::move(shown); break;
    case LedgerColumn::Description: typed.texts.description = std::move(shown); break;
    }
    // Typed into, the row is read as its cells say.
    typed.fault.clear();
}

bool LedgerForm::NothingTyped(std::size_t row) const
{
    const LedgerRow& texts = rows_[row];
    return texts.fault.empty() && !AnyDigit(texts.texts.date) && Blank(texts.texts.amount)
           && Blank(texts.texts.description);
}

bool LedgerForm::HasLedger() const
{
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (!NothingTyped(row))
            return true;
    return false;
}

std::optional<std::uint64_t> LedgerForm::LineOf(std::size_t row) const
{
    if (NothingTyped(row))
        return std::nullopt;
    std::uint64_t line = kFirstCreditLine + 1;
    for (std::size_t before = 0; before < row; ++before)
        line += NothingTyped(before) ? 0 : 1;
    return line;
}

std::string LedgerForm::ReasonOf(std::size_t row) const
{
    if (NothingTyped(row))
        return {};
    if (!rows_[row].fault.empty())
        return rows_[row].fault;
    const auto read = Read(rows_[row].texts);
    const auto* fault = std::get_if<std::string>(&read);
    return fault ? *fault : std::string();
}

std::string LedgerForm::FaultOf(std::size_t row) const
{
    const std::string reason = ReasonOf(row);
    return reason.empty() ? reason : Numbered(*LineOf(row), reason);
}

std::string LedgerForm::Faults() const
{
    std::string faults;
    const auto add = [&faults](const std::string& fault) {
        if (!fault.empty())
            faults += (faults.empty() ? "" : "\n") + fault;
    };
    // Each row's line counted on the way: a long list is read once.
    std::uint64_t line = kFirstCreditLine;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (NothingTyped(row))
            continue;
        ++line;
        if (const std::string reason = ReasonOf(row); !reason.empty())
            add(Numbered(line, reason));
    }
    add(ledgerFault_);
    return faults;
}

void LedgerForm::ChooseCapitalFirst(bool on) { capitalFirst_ = on; }

void LedgerForm::ChooseCompensation(bool on) { compensation_ = on; }

std::optional<LedgerRequest> LedgerForm::Request(const CalculationFields& fields) const
{
    if (!fields.capital || !fields.start || !fields.end)
        return std::nullopt;
    if ((fields.regime == Regime::LegalWithClaim && !fields.claim)
        || (fields.regime == Regime::LatePayment && !fields.marginHundredths))
        return std::nullopt;
    LedgerRequest request;
    request.end = *fields.end;
    request.regime = fields.regime;
    if (fields.regime == Regime::LegalWithClaim)
        request.claim = fields.claim;
    if (fields.regime == Regime::LatePayment)
        request.marginHundredths = *fields.marginHundredths;
    request.legalRates = fields.legalRates;
    request.referenceRates = fields.referenceRates;
    request.capitalFirst = capitalFirst_;
    request.compensation = compensation_ && OffersCompensation(fields.regime);

    request.movements.push_back(
        {Movement::Kind::Credit, *fields.start, *fields.capital, firstDescription_, kFirstCreditLine});
    std::uint64_t line = kFirstCreditLine;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (NothingTyped(row))
            continue;
        ++line;
        if (!rows_[row].fault.empty())
            return std::nullopt;
        auto read = Read(rows_[row].texts);
        auto* movement = std::get_if<Movement>(&read);
        if (!movement)
            return std::nullopt;
        movement->line = line;
        request.movements.push_back(std::move(*movement));
    }
    return request;
}

void LedgerForm::Calculate(const CalculationFields& fields)
{
    ledger_.reset();
    ledgerFault_.clear();
    // A capital the calculation alone takes but no credit can be (zero or
    // less): said beside the list, as no other place says it.
    if (!fields.capital && !CapitalFault(fields.capitalText))
        if (const auto fault = AmountFault(fields.capitalText))
            ledgerFault_ = "capitale: " + *fault;
    const auto request = Request(fields);
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

std::variant<std::string, SaveRefusal> LedgerForm::FileText(const CalculationFields& fields) const
{
    using Where = SaveRefusal::Where;
    if (!fields.capital) {
        const auto fault = AmountFault(fields.capitalText);
        return SaveRefusal{Where::Capital, 0,
                           "capitale: "
                               + fault.value_or("importo «" + Printable(fields.capitalText)
                                                + "»: da correggere come dice il motivo accanto al capitale")};
    }
    if (!fields.start)
        return SaveRefusal{Where::Start, 0, "Dal «" + Printable(fields.startText) + "»: data non valida (gg/mm/aaaa)"};
    std::string text = std::string(kLedgerHeader) + '\n';
    text += CsvLine(*fields.start, Movement::Kind::Credit, *fields.capital, firstDescription_);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (NothingTyped(row))
            continue;
        if (std::string fault = FaultOf(row); !fault.empty())
            return SaveRefusal{Where::Row, row, std::move(fault)};
        const auto movement = std::get<Movement>(Read(rows_[row].texts));
        text += CsvLine(movement.day, movement.kind, movement.amount, movement.description);
    }
    return text;
}

std::variant<FirstCredit, std::string> LedgerForm::Load(const std::vector<LedgerRow>& rows)
{
    const auto first = std::find_if(rows.begin(), rows.end(), IsCredit);
    if (first == rows.end())
        return std::string("il file non ha alcun credito: il primo credito è il capitale dal giorno «Dal»");
    rows_.clear();
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        if (row == first)
            continue;
        const LedgerRowTexts& read = row->texts;
        rows_.push_back(
            {{InOneForm(LedgerColumn::Date, read.date), InOneForm(LedgerColumn::Kind, read.kind),
              InOneForm(LedgerColumn::Amount, read.amount), InOneForm(LedgerColumn::Description, read.description)},
             row->fault});
    }
    firstDescription_ = TrimSpaces(first->texts.description);
    ledger_.reset();
    ledgerFault_.clear();
    saved_.reset();
    return FirstCredit{InOneForm(LedgerColumn::Date, first->texts.date),
                       InOneForm(LedgerColumn::Amount, first->texts.amount)};
}

LedgerForm::Kept LedgerForm::KeptOf(const CalculationFields& fields) const
{
    Kept kept;
    kept.capital = fields.capital ? AmountText(*fields.capital) : fields.capitalText;
    kept.start = fields.start ? DateText(*fields.start) : fields.startText;
    kept.regime = fields.regime;
    kept.claim = fields.regime == Regime::LegalWithClaim ? fields.claim : std::nullopt;
    kept.marginHundredths = fields.regime == Regime::LatePayment ? fields.marginHundredths : std::nullopt;
    kept.capitalFirst = capitalFirst_;
    kept.compensation = compensation_ && OffersCompensation(fields.regime);
    kept.firstDescription = firstDescription_;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (!NothingTyped(row))
            kept.rows.push_back(rows_[row].texts);
    return kept;
}

bool LedgerForm::Unsaved(const CalculationFields& fields) const
{
    return saved_ ? !(*saved_ == KeptOf(fields)) : HasLedger();
}

void LedgerForm::Saved(const CalculationFields& fields) { saved_ = KeptOf(fields); }

void LedgerForm::Clear()
{
    rows_.clear();
    firstDescription_.clear();
    capitalFirst_ = compensation_ = false;
    saved_.reset();
    ledger_.reset();
    ledgerFault_.clear();
}

} // namespace tarvel
