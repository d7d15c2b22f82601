#include "print/rates_report.h"

#include "calc/date_text.h"
#include "calc/number_texts.h"

#include <algorithm>
#include <cmath>

namespace tarvel {
namespace {

// The columns of the period rows: the two days start at their x, the counts
// and amounts end at theirs.
constexpr float kFirstDayX = 30;
constexpr float kLastDayX = 55;
constexpr float kDaysX = 100;
constexpr float kRateX = 120;
constexpr float kInterestX = 155;
constexpr float kHeadsY = 70;
// The rows fill at most down to here, which leaves the foot inside the
// printable area of any usual printer.
constexpr float kRowsEndY = 270;
constexpr float kPitch = 5;
constexpr std::int16_t kPoints = 10;
constexpr std::int16_t kSmallestPoints = 6;

} // namespace

RatesReportTexts MakeRatesReportTexts(const ControlTexts& window, const CalculationInput& input,
                                      const CalculationResult& result, const RateTable& table)
{
    RatesReportTexts texts;
    static_cast<ReportSummary&>(texts) = MakeReportSummary(window, input.startText, input.endText);
    const auto periods = table.periods();
    for (std::size_t i = 0; i < result.lineCount; ++i) {
        const PeriodLine& line = result.lines[i];
        if (!line.applies)
            continue;
        RatesReportRow row;
        if (line.days > 0) {
            const ClippedSpan span = clipToPeriod(periods[i], result.start, result.end);
            row.firstDay = DateText(span.start.plusDays(1));
            row.lastDay = DateText(span.end);
        }
        row.days = WholeNumberText(line.days);
        row.rate = RateText(RateHundredths(periods[i])) + "%";
        row.interest = CurrencyText(line.interest);
        texts.rows.push_back(std::move(row));
    }
    const std::string& lastAct = table.changes().back().act;
    texts.tableNote = table.name() + (lastAct.empty() ? "" : ", ultimo atto: " + lastAct);
    return texts;
}

RatesRowLayout LayOutRatesRows(std::size_t rows)
{
    const float firstY = kHeadsY + kPitch + 1;
    const float pitch = rows < 2 ? kPitch : std::min(kPitch, (kRowsEndY - firstY) / float(rows - 1));
    // A 10 pt line is about 3.5 mm high: the type shrinks with the pitch.
    const auto points =
        static_cast<std::int16_t>(std::clamp(std::floor(pitch * 2), float(kSmallestPoints), float(kPoints)));
    return {firstY, pitch, points};
}

void PrintRatesReportBody(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    PrintReportSummary(objPrint, texts);

    objPrint.FontSize(kPoints);
    objPrint.SpaziaturaLinea(2);
    objPrint.FontItalic(true);
    objPrint.PrintLeft(kFirstDayX, kHeadsY, "dal", 0, 0);
    objPrint.PrintLeft(kLastDayX, kHeadsY, "al", 0, 0);
    objPrint.PrintRight(kDaysX, kHeadsY, "giorni", 0, 0);
    objPrint.PrintRight(kRateX, kHeadsY, "tasso", 0, 0);
    objPrint.PrintRight(kInterestX, kHeadsY, "interessi", 0, 0);
    objPrint.FontItalic(false);

    const RatesRowLayout layout = LayOutRatesRows(texts.rows.size());
    objPrint.FontSize(layout.points);
    float y = layout.firstY;
    for (const RatesReportRow& row : texts.rows) {
        objPrint.PrintLeft(kFirstDayX, y, row.firstDay, 0, 0);
        objPrint.PrintLeft(kLastDayX, y, row.lastDay, 0, 0);
        objPrint.PrintRight(kDaysX, y, row.days, 0, 0);
        objPrint.PrintRight(kRateX, y, row.rate, 0, 0);
        objPrint.PrintRight(kInterestX, y, FormatAmount(row.interest), 0, 0);
        y += layout.pitch;
    }

    objPrint.FontSize(8);
    objPrint.PrintLeft(kFirstDayX, y + 3, texts.tableNote, 0, 0);
}

void PrintRatesReport(EasyPrint& objPrint, const RatesReportTexts& texts)
{
    objPrint.FollowPrinterChoice();
    PrintRatesReportBody(objPrint, texts);
    objPrint.EndDoc();
}

} // namespace tarvel
