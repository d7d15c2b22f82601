#pragma once

#include "short_text.h"

#include <array>
#include <optional>
#include <string>

namespace tarvel {

// The texts of the main window's controls that a calculation touches. A field
// left empty (nullopt) was not written and keeps whatever the control held.
struct ControlTexts {
    std::optional<std::string> importo;
    std::array<std::optional<std::string>, 12> txtAnno;
    std::optional<std::string> importobis;
    std::optional<std::string> Text1;
    std::optional<std::string> SeeInteressi;
    std::optional<std::string> Label6;
    std::optional<std::string> Label8;
    std::optional<std::string> Label23;
};

// The texts one calculation wrote, as compact as they can be held. Whoever
// shows them takes them as ControlTexts; the conversion is implicit so that a
// result's texts go wherever control texts go.
struct WrittenTexts {
    // The capital as reformatted; a text that is no number stays as typed, so
    // it may be of any length.
    std::optional<std::string> importo;
    std::array<ShortText, 12> txtAnno;
    ShortText importobis;
    ShortText Text1;
    ShortText SeeInteressi;
    ShortText Label6;
    ShortText Label8;
    ShortText Label23;

    operator ControlTexts() const;
};

// The texts a failed run leaves after its warning has been closed.
void ApplyErrorPath(ControlTexts& texts);

// The window's texts as they stand when it first opens (the capital as typed).
ControlTexts FreshWindowTexts(std::string capital);

// Lays `update` over `base`: every text that `update` wrote replaces base's.
void Overlay(ControlTexts& base, const ControlTexts& update);

} // namespace tarvel
