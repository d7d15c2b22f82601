#pragma once

#include "calc/rate_schedule.h"
#include "calc/short_text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The design name of the result field of rate period `index`: "txtAnno(3)".
std::string_view PeriodControlName(std::size_t index);

// The capital's control, the first a calculation writes.
inline constexpr std::string_view kCapitalControl = "importo";

// The controls after the rate periods, in the same order: the totals, the
// years and the days.
template <class Visit, class... Controls>
void ForEachTotalControl(Visit&& visit, Controls&... controls)
{
    visit(std::string_view("importobis"), controls.importobis...);
    visit(std::string_view("Text1"), controls.Text1...);
    visit(std::string_view("SeeInteressi"), controls.SeeInteressi...);
    visit(std::string_view("Label6"), controls.Label6...);
    visit(std::string_view("Label8"), controls.Label8...);
    visit(std::string_view("Label23"), controls.Label23...);
}

// The main window's controls that a calculation writes, each with its design
// name, in the order the window-free calculator lists them. `visit` is called
// once per control with its name and the member of that control in each of
// `controls`: any structs with these members (texts, widgets), so that one list
// serves them all.
template <class Visit, class... Controls>
void ForEachResultControl(Visit&& visit, Controls&... controls)
{
    visit(kCapitalControl, controls.importo...);
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        visit(PeriodControlName(i), controls.txtAnno[i]...);
    ForEachTotalControl(visit, controls...);
}

// One member for each of those controls: the capital's of type Capital, every
// other control's of type Text.
template <class Capital, class Text>
struct ResultControls {
    Capital importo;
    std::array<Text, kPeriodCount> txtAnno;
    Text importobis;
    Text Text1;
    Text SeeInteressi;
    Text Label6;
    Text Label8;
    Text Label23;
};

// The texts of those controls. A text left empty (nullopt) was not written and
// keeps whatever the control held.
using ControlTexts = ResultControls<std::optional<std::string>, std::optional<std::string>>;

// The texts one calculation wrote, as compact as they can be held: the capital
// as reformatted (a text that is no number stays as typed, so it may be of any
// length), the others in place. Whoever shows them takes them as
// ControlTexts; the conversion is implicit so that a result's texts go
// wherever control texts go.
struct WrittenTexts : ResultControls<std::optional<std::string>, ShortText> {
    operator ControlTexts() const;
};

// The captions of the years and days labels while they show no result.
inline constexpr char kYearsUnknown[] = "Anni ?";
inline constexpr char kDaysUnknown[] = "Giorni ?";

// The texts "Cancella" leaves: every field empty, the years and days unknown.
ControlTexts ClearedTexts();

// The window's texts as they stand when it first opens, with the capital as
// typed: cleared, but for the hidden working fields, which show their names.
ControlTexts FreshWindowTexts(std::string capital);

// The texts a failed run leaves after its warning has been closed.
void ApplyErrorPath(ControlTexts& texts);

// Lays `update` over `base`: every text that `update` wrote replaces base's.
void Overlay(ControlTexts& base, const ControlTexts& update);

} // namespace tarvel
