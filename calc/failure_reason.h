#pragma once

#include "calc/calculate_interest.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// The fields a calculation reads, as tarvel-calc's messages name them.
enum class InputField { Capital, Start, End, ClaimDate, Margin, Percentage, ContractRate, CompoundingFrom };

// "CAPITALE", "DAL", "AL", "DOMANDA", "MAGGIORAZIONE", "PERCENTUALE", "TASSO",
// "CAPITALIZZAZIONE DAL".
std::string_view FieldName(InputField field);

// What is wrong with one field, in tarvel-calc's words, so that a window can
// show the reason beside the field and tarvel-calc can print its line.
struct FieldFault {
    InputField field;
    std::string reason; // "data non valida: \"01/01/20000\""
    // Whether tarvel-calc's line names the field first ("DAL: data non
    // valida: ..."); a reason about the whole span names its fields itself
    // ("da DAL a AL ci sono più di 32767 giorni").
    bool named = true;

    // The line tarvel-calc prints after "tarvel-calc: ".
    std::string line() const;
    friend bool operator==(const FieldFault&, const FieldFault&) = default;
};

// Why a calculation cannot go on past its limits; an option's, whose span has
// been charged already, only for an amount.
inline constexpr char kBeyondLimits[] =
    "i dati escono dai limiti del calcolo (un periodo di oltre 32767 giorni o un importo troppo grande)";
inline constexpr char kAmountBeyondLimits[] = "i dati escono dai limiti del calcolo (un importo troppo grande)";

// Whether an amount has more than two decimals: "10,000" is ten thousand
// written with the wrong separator far more often than ten euros to the
// thousandth, and a calculation would round it away silently. The rule for the
// capital of a calculation and the amounts of a ledger alike.
bool HasMoreThanTwoDecimals(std::string_view amount);

// AL's day before DAL's, as typed: "la data \"10/03/2015\" viene prima di DAL \"20/03/2015\"".
FieldFault EndBeforeStart(std::string_view start, std::string_view end);

// Why the capital cannot be calculated: it is not a number, or it has more
// than two decimals. Nothing when it can.
std::optional<FieldFault> CapitalFault(std::string_view capital);

// The reason a capital of more than two decimals is refused, with the capital
// quoted as the one who shows it quotes: "il capitale \"10,000\" ha più di
// due decimali: per diecimila euro scrivere 10000 o 10.000,00". A field that
// takes no full stop names, with `withoutDots`, only forms it takes ("10000 o 10000,00").
std::string TooManyDecimalsReason(std::string_view quotedCapital, bool withoutDots = false);

// What keeps the capital and date texts, in the forms tarvel-calc takes, from
// being calculated: a fault for each field that cannot be read, else the
// span's (an end before the start, a day past LastChargedDay, more than 32767
// days); nothing when they may be calculated.
std::vector<FieldFault> TextFaults(std::string_view capital, std::string_view start, std::string_view end);

// Whether a run that ended well charged what TextFaults refuses and the run
// itself does not check: a capital of more than two decimals, which it
// rounds, or days past LastChargedDay, which it counts backwards. Cheap, for
// a batch's every row.
bool RunRefused(std::string_view capital, const CalculationResult& result);

// Why a calculation of these texts failed: their TextFaults, or, when they
// have none, that the amounts leave the calculation's limits.
std::vector<FieldFault> CalculationFaults(std::string_view capital, std::string_view start, std::string_view end);

// The lines of CalculationFaults ("DAL: data non valida: \"01/01/20000\"").
std::vector<std::string> FailureReasons(std::string_view capital, std::string_view start, std::string_view end);

} // namespace tarvel
