#pragma once

#include "calc/control_texts.h"

#include <string>
#include <string_view>

namespace tarvel {

// A calculation as text to paste into an e-mail, what Ctrl+C copies: one line
// each for the capital, the span with its years and days, "Interessi legali"
// and "Somma", then one for each rate period the span touches, its caption and
// its amount as the main window shows them, from the texts of its result
// controls and its two date fields ("01 / 01 / 2000"). No tabs and no runs of spaces; every
// line ends in a newline.
//
//   Capitale: 10.000,00
//   dal 01/01/2000 al 01/01/2015: 15 anni e 4 giorni
//   Interessi legali: 3.652,47
//   Somma: 13.652,47
//   2,5% fino al 31/12/2000: 250
//   ...
std::string CalculationText(const ControlTexts& texts, std::string_view startDate, std::string_view endDate, int years,
                            int days);

} // namespace tarvel
