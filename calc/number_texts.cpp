#include "calc/number_texts.h"

#include "calc/check.h"
#include "calc/number_reader.h"

#include <charconv>
#include <cstdint>

namespace tarvel {

namespace {

std::uint64_t magnitudeOf(std::int64_t ticks)
{
    return ticks < 0 ? 0 - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
}

void checkRoom(std::span<char> out) { Check(out.size() >= kNumberTextRoom, "testo di un numero oltre il suo buffer"); }

} // namespace

std::size_t WriteCurrencyText(Currency value, std::span<char> room)
{
    checkRoom(room);
    char* out = room.data();
    const std::uint64_t magnitude = magnitudeOf(value.ticks());
    const std::uint64_t scale = Currency::kScale;
    if (value.isNegative())
        *out++ = '-';
    out = std::to_chars(out, out + 20, magnitude / scale).ptr;

    std::uint64_t fraction = magnitude % scale;
    if (fraction != 0) {
        int digits = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        *out++ = ',';
        for (int k = digits - 1; k >= 0; --k)
            out[k] = static_cast<char>('0' + fraction % 10), fraction /= 10;
        out += digits;
    }
    return static_cast<std::size_t>(out - room.data());
}

std::string CurrencyText(Currency value)
{
    char buffer[kNumberTextRoom];
    return std::string(buffer, WriteCurrencyText(value, buffer));
}

// The decimal digits of a currency text are exact, so rounding them to the
// hundredth, ties away from zero, is rounding the ticks.
std::size_t WriteAmount(Currency value, std::span<char> room)
{
    checkRoom(room);
    char* out = room.data();
    const std::uint64_t hundredths = (magnitudeOf(value.ticks()) + 50) / 100;
    if (value.isNegative() && hundredths != 0)
        *out++ = '-';
    char digits[20];
    const std::uint64_t whole = hundredths / 100;
    const std::size_t count =
        whole == 0 ? 0 : static_cast<std::size_t>(std::to_chars(digits, digits + 20, whole).ptr - digits);
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0 && (count - k) % 3 == 0)
            *out++ = '.';
        *out++ = digits[k];
    }
    *out++ = ',';
    *out++ = static_cast<char>('0' + hundredths % 100 / 10);
    *out++ = static_cast<char>('0' + hundredths % 10);
    return static_cast<std::size_t>(out - room.data());
}

std::string FormatAmount(std::string_view text)
{
    const auto number = ReadNumber(text);
    if (!number)
        return std::string(text);

    // The integer digits without leading zeros, then exactly two decimals; a
    // leading slot stays free for a carry. Long numbers spill to the heap.
    std::size_t significant = 0;
    ForEachIntegerDigit(*number, [&](char c) { significant += (significant > 0 || c != '0') ? 1 : 0; });
    char local[48];
    std::string spill;
    char* digits = local;
    if (significant + 3 > sizeof local) {
        spill.resize(significant + 3);
        digits = spill.data();
    }
    std::size_t count = 1;
    digits[0] = '0';
    ForEachIntegerDigit(*number, [&](char c) {
        if (count > 1 || c != '0')
            digits[count++] = c;
    });
    const std::string_view fraction = number->fraction;
    digits[count++] = fraction.size() > 0 ? fraction[0] : '0';
    digits[count++] = fraction.size() > 1 ? fraction[1] : '0';

    // Whatever follows the second decimal is at least half a hundredth exactly
    // when its first digit is 5 or more: ties go away from zero.
    bool carry = fraction.size() > 2 && fraction[2] >= '5';
    for (std::size_t at = count; carry && at > 0;) {
        --at;
        carry = digits[at] == '9';
        digits[at] = carry ? '0' : static_cast<char>(digits[at] + 1);
    }
    const std::size_t first = digits[0] == '1' ? 0 : 1;
    const std::size_t integerDigits = count - 2 - first;
    bool isZero = true;
    for (std::size_t k = first; k < count; ++k)
        isZero = isZero && digits[k] == '0';
    const bool minus = number->negative && !isZero;

    const std::size_t groups = integerDigits > 0 ? (integerDigits - 1) / 3 : 0;
    std::string result(static_cast<std::size_t>(minus) + integerDigits + groups + 3, '0');
    std::size_t out = 0;
    if (minus)
        result[out++] = '-';
    for (std::size_t k = 0; k < integerDigits; ++k) {
        if (k > 0 && (integerDigits - k) % 3 == 0)
            result[out++] = '.';
        result[out++] = digits[first + k];
    }
    result[out++] = ',';
    result[out++] = digits[count - 2];
    result[out] = digits[count - 1];
    return result;
}

std::string WithLeadingZero(std::string_view amount)
{
    const std::size_t sign = amount.starts_with('-') ? 1 : 0;
    std::string text(amount);
    if (amount.substr(sign).starts_with(','))
        text.insert(sign, 1, '0');
    return text;
}

std::string AmountText(Currency value)
{
    char buffer[kNumberTextRoom];
    return WithLeadingZero(std::string_view(buffer, WriteAmount(value, buffer)));
}

std::optional<Currency> ParseCurrency(std::string_view text)
{
    const auto number = ReadNumber(text);
    if (!number)
        return std::nullopt;

    // Accumulate the magnitude in ten-thousandths; past 2^64 it is out of range
    // whatever digits follow.
    constexpr unsigned __int128 kCeiling = static_cast<unsigned __int128>(1) << 64;
    unsigned __int128 magnitude = 0;
    bool tooLarge = false;
    const auto addDigit = [&](char c) {
        if (!tooLarge) {
            magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
            tooLarge = magnitude > kCeiling;
        }
    };
    ForEachIntegerDigit(*number, addDigit);
    for (std::size_t k = 0; k < 4; ++k)
        addDigit(k < number->fraction.size() ? number->fraction[k] : '0');
    if (number->fraction.size() > 4 && number->fraction[4] >= '5')
        ++magnitude;

    const unsigned __int128 limit = static_cast<unsigned __int128>(INT64_MAX) + (number->negative ? 1 : 0);
    if (tooLarge || magnitude > limit)
        return std::nullopt;
    const auto unsignedTicks = static_cast<std::uint64_t>(magnitude);
    return Currency::fromTicks(number->negative ? static_cast<std::int64_t>(0 - unsignedTicks)
                                                : static_cast<std::int64_t>(unsignedTicks));
}

std::string WholeNumberText(int value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace tarvel
