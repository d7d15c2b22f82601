#pragma once

#include "calc/check.h"
#include "calc/csv_row.h"
#include "calc/currency.h"
#include "calc/number_texts.h"
#include "calc/rate_table.h"
#include "calc/short_text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <string_view>

namespace tarvel {

// One output row of the batch, built in place and appended to the output at
// once: a row is written a million times in a large batch, so it has a fixed
// buffer of its own instead of a string. Each write checks its room first:
// one that would not fit stops the program, never writes past the end.
class RowText {
public:
    // Up to 11 characters: "-2147483648".
    static constexpr std::size_t kCountRoom = 11;
    // The input fields (capitale, dal, al and domanda, at most) with every
    // quote doubled, each with its two quotes and its text mark, and the
    // separators between them.
    static constexpr std::size_t kInputRoom = 2 * kMaxCsvLine + 4 * 3 + 3;
    // ";ok;" or ";errore", the two amounts with a digit put before a leading
    // ',', years and days, and their separators; with room to spare.
    static constexpr std::size_t kTotalsRoom = 64 + 2 * (ShortText::kCapacity + 1) + 2 * kCountRoom;
    // A period's separator and amount, as the calculation wrote it or as
    // written here.
    static constexpr std::size_t kPeriodRoom = 1 + std::max(ShortText::kCapacity, kNumberTextRoom);
    // The longest row, its line end included; the header, of at most
    // kMaxChargedRows captions, is shorter.
    static constexpr std::size_t kCapacity = kInputRoom + kTotalsRoom + kMaxChargedRows * kPeriodRoom + 1;

    void clear() { end_ = data_; }
    std::string_view view() const { return {data_, static_cast<std::size_t>(end_ - data_)}; }

    void put(char c)
    {
        room(1);
        *end_++ = c;
    }
    void put(std::string_view text)
    {
        room(text.size());
        end_ = std::copy(text.begin(), text.end(), end_);
    }
    // An input field as given, quoted when CSV needs it, with the leading '
    // that keeps a spreadsheet from taking it for a formula; `mayBeNumber`
    // lets a number through without it.
    void putField(std::string_view field, bool mayBeNumber = false);
    // A window amount ("3.652,47", ",35") as a spreadsheet set to Italian
    // reads it: no grouping, a digit before the ','.
    void putPlainAmount(std::string_view amount);
    void putCount(int count)
    {
        room(kCountRoom);
        end_ = std::to_chars(end_, end_ + kCountRoom, count).ptr;
    }
    void putCurrency(Currency value)
    {
        room(kNumberTextRoom);
        end_ += WriteCurrencyText(value, {end_, kNumberTextRoom});
    }
    // An amount to the cent as putPlainAmount writes it: "3652,47", "0,50".
    void putPlainCurrency(Currency value)
    {
        char amount[kNumberTextRoom];
        putPlainAmount({amount, WriteAmount(value, amount)});
    }

private:
    void room(std::size_t size) const
    {
        Check(size <= static_cast<std::size_t>(data_ + kCapacity - end_), "riga del CSV oltre il suo buffer");
    }

    char data_[kCapacity];
    char* end_ = data_;
};

} // namespace tarvel
