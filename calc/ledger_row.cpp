#include "calc/ledger_row.h"

#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/failure_reason.h"
#include "calc/number_reader.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/trim_spaces.h"

#include <algorithm>

namespace tarvel {
namespace {

// "importo «abc»": a field and the text it holds, as the messages name them.
std::string named(std::string_view field, std::string_view text)
{
    return std::string(field) + " «" + Printable(text) + "»: ";
}

} // namespace

const char* KindWord(Movement::Kind kind) { return kind == Movement::Kind::Credit ? "credito" : "pagamento"; }

std::optional<Movement::Kind> ReadKind(std::string_view text)
{
    text = TrimSpaces(text);
    for (const auto kind : {Movement::Kind::Credit, Movement::Kind::Payment}) {
        const std::string_view word = KindWord(kind);
        if (std::equal(text.begin(), text.end(), word.begin(), word.end(),
                       [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; }))
            return kind;
    }
    return std::nullopt;
}

bool IsLedgerHeader(const CsvRow& row)
{
    return IsHeader(row, {"data", "tipo", "importo", "descrizione"}) || IsHeader(row, {"data", "tipo", "importo"});
}

std::optional<std::string> AmountFault(std::string_view text)
{
    const auto number = ReadNumber(text);
    if (!number || !ParseCurrency(text))
        return named("importo", text) + "importo non valido (per esempio 1000 oppure 1.000,50)";
    if (HasMoreThanTwoDecimals(text))
        return named("importo", text) + "ha più di due decimali";
    if (number->negative || ParseCurrency(text)->ticks() == 0)
        return named("importo", text) + "deve essere maggiore di zero";
    return std::nullopt;
}

std::variant<Movement, std::string> ReadMovement(const CsvRow& row)
{
    if (row.size() < 3 || row.size() > 4)
        return "la riga ha " + std::to_string(row.size()) + " campi invece di 3 o 4 (" + std::string(kLedgerHeader)
               + ")";
    Movement movement;
    const auto day = DateFieldText(row[0]);
    if (!day)
        return named("data", row[0]) + "data non valida (gg/mm/aaaa)";
    movement.day = *ParseDate(*day);
    const auto kind = ReadKind(row[1]);
    if (!kind)
        return named("tipo", row[1]) + "si attende credito o pagamento";
    movement.kind = *kind;
    if (auto fault = AmountFault(row[2]))
        return std::move(*fault);
    movement.amount = *ParseCurrency(row[2]);
    if (row.size() == 4)
        movement.description = TrimSpaces(row[3]);
    return movement;
}

} // namespace tarvel
