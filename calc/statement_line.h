#pragma once

#include "calc/currency.h"
#include "calc/date.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tarvel {

// What a row of a statement charges: a legal rate, or a late-payment rate,
// the reference rate plus the margin.
struct ChargedRate {
    int thousandths = 0; // the rate charged, in thousandths of a point: a contract's may have three decimals
    bool latePayment = false;
    int referenceHundredths = 0;
    int marginHundredths = 0;
    friend bool operator==(const ChargedRate&, const ChargedRate&) = default;
};

// A rate's one text, on the screen, in the copy and on the page: "2%",
// "12,5% (4,5% + 8)", "4,125%".
std::string ChargedRateText(const ChargedRate& rate);

// One row of a statement, the single calculation's and the ledger's alike: a
// movement, or the part of a span that lies in one rate period (a span across
// a change of rate has one row per rate). Typed values, which the window's
// table, the copy and the pages lay out.
struct StatementLine {
    // Capitalisation: the interest added to the capital on its day.
    enum class Kind { Credit, Payment, Span, Capitalisation };
    Kind kind = Kind::Span;
    Date day;     // a movement's day; a span's first day charged
    Date lastDay; // a span's last day
    // Credit and Payment: the amount and the description as given;
    // Capitalisation: the interest capitalised.
    Currency amount;
    std::string description;
    // Credit: what the debtor's surplus took off it. Payment: what it left over.
    Currency surplus;
    // Payment: what went to interest, to capital and to the compensation of
    // the credits, and the interest still due after it. Credit: what the
    // surplus left after its capital paid of its compensation.
    Currency toInterest;
    Currency toCapital;
    Currency toCompensation;
    Currency interestDue;
    bool capitalFirst = false; // the payment went to capital first
    // A movement: the capital outstanding after it; a span: the capital it runs on.
    Currency capital;
    // Span: its days (none shown when 0), the rate charged, its interest to the
    // ten-thousandth and the act that set the rate.
    int days = 0;
    ChargedRate rate;
    Currency interest;
    std::string act;
};

// The columns of a statement's table, in the order the window and the page show them.
enum class StatementColumn { Day, LastDay, Movement, Capital, Days, Rate, Interest, ToInterest, ToCapital, Act };
inline constexpr std::size_t kStatementColumnCount = static_cast<std::size_t>(StatementColumn::Act) + 1;

// "data", "al", "movimento", "capitale", "giorni", "tasso", "interessi", "a
// interessi", "a capitale", "atto".
const char* StatementColumnHead(StatementColumn column);
// Whether a column's texts are counts and amounts, aligned to the right.
bool StatementColumnIsNumber(StatementColumn column);

// The columns that the lines fill: the movement's and the payment's only
// when there are movements, the act only when some line has one.
std::vector<StatementColumn> StatementColumns(std::span<const StatementLine> lines);

// The text of a line's cell: "02/01/2025", "credito 10.000,00 fattura 1",
// "181", "12,5% (4,5% + 8)", "99,18"; empty where the line has nothing.
std::string StatementCell(const StatementLine& line, StatementColumn column);

// The line as one sentence, as the copy and tarvel-calc write it:
// "01/01/2025 credito 10.000,00 (fattura 1): capitale 10.000,00",
// "31/12/2022 capitalizzati 52,50: capitale 1.102,50",
// "dal 02/01/2025 al 01/07/2025: capitale 10.000,00, 181 giorni, tasso 2%, interessi 99,18".
std::string StatementLineText(const StatementLine& line);

// "Interessi di mora": the first letter of a text that starts a line, in
// capital; and "interessi di mora", within a sentence. The texts turned are
// the program's own, which begin in ASCII; any other first character stays.
std::string Capitalised(std::string text);
std::string Uncapitalised(std::string text);

} // namespace tarvel
