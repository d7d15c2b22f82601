#include "forms/date_typing.h"

#include <algorithm>

namespace tarvel {
namespace {

constexpr char kDigitPlace = '#';

bool IsPlace(std::string_view mask, int i) { return i >= 0 && i < int(mask.size()) && mask[i] == kDigitPlace; }

// The first place for a digit at or after `from`; the mask's size when none.
int NextPlace(std::string_view mask, int from)
{
    while (from < int(mask.size()) && !IsPlace(mask, from))
        ++from;
    return from;
}

bool HasBlank(std::u16string_view text) { return text.find(kBlankPlace) != std::u16string_view::npos; }

// A digit goes into the first place at or after the caret.
DateFieldState WithDigit(std::string_view mask, DateFieldState state, char16_t digit)
{
    const int place = NextPlace(mask, state.caret);
    if (place < int(mask.size())) {
        state.text[place] = digit;
        state.caret = NextPlace(mask, place + 1);
    }
    return state;
}

} // namespace

bool IsDateKey(char16_t key) { return std::u16string_view(u"0123456789/.- ").find(key) != std::u16string_view::npos; }

bool IsSeparator(char16_t key) { return key < u'0' || key > u'9'; }

std::u16string BlankText(std::string_view mask)
{
    std::u16string text(mask.begin(), mask.end());
    std::replace(text.begin(), text.end(), char16_t(kDigitPlace), kBlankPlace);
    return text;
}

int FirstBlank(std::u16string_view text)
{
    const std::size_t blank = text.find(kBlankPlace);
    return blank == std::u16string_view::npos ? 0 : int(blank);
}

// (Left to the line edit, a separator would jump to the next equal fixed
// character, and the digits already there would stay.)
DateFieldState WithSectionEnded(std::string_view mask, DateFieldState state)
{
    if (IsPlace(mask, state.caret) && !IsPlace(mask, state.caret - 1))
        return state;
    int end = state.caret; // one past the section's last place before the caret
    while (end > 0 && !IsPlace(mask, end - 1))
        --end;
    int start = end;
    while (IsPlace(mask, start - 1))
        --start;
    int width = end - start;
    while (IsPlace(mask, start + width))
        ++width;
    const int next = NextPlace(mask, start + width);
    std::u16string digits = state.text.substr(start, end - start);
    std::erase(digits, kBlankPlace);
    if (end == 0 || next >= int(mask.size()) || digits.empty())
        return state;
    digits.insert(0, width - digits.size(), u'0');
    state.text.replace(start, width, digits);
    state.caret = next;
    return state;
}

DateFieldState WithKeys(std::string_view mask, DateFieldState state, std::u16string_view keys)
{
    for (const char16_t key : keys)
        state = IsSeparator(key) ? WithSectionEnded(mask, std::move(state)) : WithDigit(mask, std::move(state), key);
    return state;
}

DateFieldState Typed(std::string_view mask, std::u16string_view held, std::u16string_view typed)
{
    DateFieldState fresh = WithKeys(mask, {BlankText(mask), 0}, typed);
    if (!HasBlank(held) || !HasBlank(fresh.text))
        return fresh;
    return WithKeys(mask, {std::u16string(held), FirstBlank(held)}, typed);
}

} // namespace tarvel
