#pragma once

#include "calc/rate_schedule.h"
#include "calc/short_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The main window's controls that a calculation writes, in the order the
// window-free calculator lists them: the capital, the twelve rate periods'
// fields, then the totals, the years and the days. An enum, so that a control
// is one value a table can be indexed by, and its name is written once
// (ControlName).
enum class ResultControl : std::uint8_t {
    importo,
    txtAnno0, // txtAnno(0); the other periods follow it (PeriodControl)
    importobis = txtAnno0 + kPeriodCount,
    Text1,
    SeeInteressi,
    Label6,
    Label8,
    Label23,
};

inline constexpr std::size_t kResultControlCount = static_cast<std::size_t>(ResultControl::Label23) + 1;

// The field of rate period `index`, 0 to kPeriodCount - 1.
constexpr ResultControl PeriodControl(std::size_t index)
{
    return static_cast<ResultControl>(static_cast<std::size_t>(ResultControl::txtAnno0) + index);
}

// Every result control, in their order.
inline constexpr auto kResultControls = [] {
    std::array<ResultControl, kResultControlCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<ResultControl>(i);
    return all;
}();

// The controls after the rate periods: the totals, the years and the days.
inline constexpr std::array<ResultControl, 6> kTotalControls = {ResultControl::importobis,   ResultControl::Text1,
                                                                ResultControl::SeeInteressi, ResultControl::Label6,
                                                                ResultControl::Label8,       ResultControl::Label23};

// The design name of a control: "importo", "txtAnno(3)", "Label23".
std::string_view ControlName(ResultControl control);

// One T for each result control, indexed by it.
template <class T>
class PerControl {
public:
    T& operator[](ResultControl control) { return items_[static_cast<std::size_t>(control)]; }
    const T& operator[](ResultControl control) const { return items_[static_cast<std::size_t>(control)]; }

private:
    std::array<T, kResultControlCount> items_{};
};

// The texts of the result controls. A text left empty (nullopt) was not
// written and keeps whatever the control held.
using ControlTexts = PerControl<std::optional<std::string>>;

// The texts one calculation wrote, as compact as they can be held: the capital
// as reformatted (a text that is no number stays as typed, so it may be of any
// length), every other text in place.
class WrittenTexts {
public:
    std::optional<std::string> capital; // importo

    // Any control but importo.
    ShortText& operator[](ResultControl control) { return others_[control]; }
    const ShortText& operator[](ResultControl control) const { return others_[control]; }

    ControlTexts ToControlTexts() const;

private:
    PerControl<ShortText> others_; // importo's place stays unwritten
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
