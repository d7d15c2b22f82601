#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// How a date field takes what is typed into it, without the field: its mask in
// the field's own notation ("#" a place for one digit, every other character
// fixed, as in "## / ## / ####"), its text in the mask's layout with
// kBlankPlace where nothing is typed, and the caret.

inline constexpr char16_t kBlankPlace = u'_';

// The text and the caret of a date field.
struct DateFieldState {
    std::u16string text;
    int caret = 0;
};

// Whether a key types into a date field: a digit, or a separator ('/', '.',
// '-' or a space, what people type between the day, the month and the year).
bool IsDateKey(char16_t key);
bool IsSeparator(char16_t key);

// The mask's text with nothing typed: "__ / __ / ____".
std::u16string BlankText(std::string_view mask);

// The first place not typed; 0 in a full text.
int FirstBlank(std::u16string_view text);

// A separator typed at the caret: it ends the section of digits before the
// caret with what is typed there before the caret, completed with leading
// zeros, and moves on to the next section ("1_ / __" is "01 / __"). At a
// section's start, in the last section or with no digit typed it does
// nothing.
DateFieldState WithSectionEnded(std::string_view mask, DateFieldState state);

// Keys typed one after the other from `state`: a digit goes into the first
// place at or after the caret, a separator ends the section.
DateFieldState WithKeys(std::string_view mask, DateFieldState state, std::u16string_view keys);

// What a field that held `held` when it was entered (a complete date, a
// part-typed one or none) shows after `typed`, the keys typed since. A
// complete date is typed over afresh; a part-typed one goes on from its first
// blank, unless what is typed is a whole date by itself.
DateFieldState Typed(std::string_view mask, std::u16string_view held, std::u16string_view typed);

} // namespace tarvel
