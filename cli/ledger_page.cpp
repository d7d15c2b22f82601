#include "cli/ledger_page.h"

#include "calc/date_text.h"
#include "print/report.h"

#include <string_view>

namespace tarvel {
namespace {

// Millimetres from the sheet's corner, and the type: an 8 pt line of the
// longest span (about 110 characters) fits between the margins.
constexpr float kLeftX = 15;
constexpr float kTitleY = 15;
constexpr float kFirstLineY = 28;
constexpr float kLastLineY = 275;
constexpr float kPitch = 4.5f;
constexpr std::int16_t kTitlePoints = 12;
constexpr std::int16_t kPoints = 8;

} // namespace

void PrintLedgerPages(EasyPrint& objPrint, const Ledger& ledger)
{
    const std::string title = "Conto del debito al " + DateText(ledger.end);
    const std::string text = LedgerText(ledger);
    PrintWholeDocument(objPrint, [&] {
        float y = 0;
        bool pageOpen = false;
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            if (!pageOpen || y > kLastLineY) {
                if (pageOpen)
                    objPrint.NewPage();
                pageOpen = true;
                objPrint.FontBold(true);
                objPrint.FontSize(kTitlePoints);
                objPrint.PrintLeft(kLeftX, kTitleY, title, 0, 0);
                objPrint.FontBold(false);
                objPrint.FontSize(kPoints);
                y = kFirstLineY;
            }
            objPrint.PrintLeft(kLeftX, y, std::string(rest.substr(0, end)), 0, 0);
            y += kPitch;
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        }
    });
}

} // namespace tarvel
