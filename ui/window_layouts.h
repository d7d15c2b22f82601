#pragma once

// Where the windows' controls stand, in twips: one table per window, the
// client area and each control's place in its container. The windows are
// built from these tables and checked against them.

#include "ui/twips.h"

#include <string>

namespace tarvel {

// frmTarvel. The inputs and the totals stand in Frame1 and are measured from
// it; the other controls, from the window.
inline constexpr TwipsRect kMainWindowClient{0, 0, 10680, 4605};
inline constexpr ControlPlace kMainWindowLayout[] = {
    {"Frame1", {480, 240, 3972, 4215}},        {"mdataini", {240, 600, 1215, 255}},
    {"mdatafin", {1800, 600, 1215, 255}},      {"Label2", {240, 960, 1095, 255}},
    {"Label3", {1800, 960, 1095, 255}},        {"Label8", {240, 1200, 1215, 255}},
    {"Label23", {1800, 1200, 1215, 255}},      {"Label4", {240, 1800, 972, 372}},
    {"importo", {1800, 1680, 1215, 372}},      {"Label5", {240, 2280, 1092, 372}},
    {"SeeInteressi", {1800, 2280, 1215, 372}}, {"Label1", {240, 3000, 975, 255}},
    {"Label6", {1800, 3000, 1215, 255}},       {"Label16", {1800, 3720, 1695, 255}},
    {"Frame2", {4680, 3240, 5295, 1215}},      {"Picture1", {720, 3720, 1410, 630}},
    {"Command2", {4800, 3480, 1092, 855}},     {"Command1", {6120, 3480, 1092, 855}},
    {"Pulisci", {7440, 3480, 1092, 855}},      {"Command3", {8760, 3480, 1095, 855}},
};

// The notice under the designed window, shown after a calculation that the
// rates in force charge otherwise: the window grows by its height. Its
// controls are measured from it.
inline constexpr TwipsRect kMainWindowNotice{0, 4605, 10680, 780};
inline constexpr ControlPlace kMainWindowNoticeLayout[] = {
    {"AvvisoTesto", {480, 105, 7080, 255}},
    {"AvvisoImporti", {480, 420, 7080, 255}},
    {"AvvisoApri", {7800, 165, 2640, 450}},
};

// The main window's rate grid: period i in column i mod 3 and row i div 3,
// its caption lblData(i) just over its field txtAnno(i).
constexpr TwipsRect PeriodCaptionPlace(int period)
{
    return {4560 + 2040 * (period % 3), 360 + 720 * (period / 3), 1815, 255};
}
constexpr TwipsRect PeriodFieldPlace(int period)
{
    return {4560 + 2040 * (period % 3), 600 + 720 * (period / 3), 1695, 285};
}
inline std::string PeriodCaptionName(int period) { return "lblData(" + std::to_string(period) + ")"; }

// frmVelmora. Label1 is the box behind the other two.
inline constexpr TwipsRect kInfoWindowClient{0, 0, 6750, 2760};
inline constexpr ControlPlace kInfoWindowLayout[] = {
    {"Label1", {120, 120, 6495, 2535}},
    {"Label2", {240, 720, 6255, 975}},
    {"bntpay", {2888, 2040, 900, 345}},
};

// frmPrinter.
inline constexpr TwipsRect kPrinterWindowClient{0, 0, 4680, 1095};
inline constexpr ControlPlace kPrinterWindowLayout[] = {
    {"Command1", {3120, 120, 1215, 855}},
    {"Combo1", {240, 360, 2535, 315}},
};

} // namespace tarvel
