#include "print/report.h"

#include "calc/version.h"

#include "calc/number_texts.h"
#include "calc/rate_schedule.h"

namespace tarvel {
namespace {

// The title, at its own place and size.
constexpr char kTitle[] = " Tarvel ver. " TARVEL_VERSION "        - Calcolo interesse legale -";
constexpr float kTitleX = 50;
constexpr float kTitleY = 22;
constexpr std::int16_t kTitlePoints = 12;

// A text of the summary: a fixed label, then a text of the window, starting
// at (x, y) in millimetres from the corner of the page frame.
struct SummaryText {
    float x;
    float y;
    std::int16_t points;
    const char* label;
    std::string ReportSummary::*text;
};

// In the order they are printed, which is also top to bottom and left to right.
constexpr SummaryText kSummaryTexts[] = {
    {30, 40, 10, "Capitale  ", &ReportSummary::capital},
    {100, 40, 10, "Totale Interessi      ", &ReportSummary::totalInterest},
    {30, 50, 8, "dal  ", &ReportSummary::startDate},
    {100, 50, 8, "", &ReportSummary::yearsText},
    {30, 55, 8, "al    ", &ReportSummary::endDate},
    {99, 55, 8, "", &ReportSummary::daysText}, // a millimetre left of the years above
    {30, 60, 8, "Capitale + Interessi  ", &ReportSummary::capitalPlusInterest},
};

// The period rows: the captions and the amounts end at their x.
constexpr float kCaptionsX = 80;
constexpr float kAmountsX = 120;
constexpr float kFirstRowY = 75;
constexpr float kRowPitch = 5;
constexpr std::int16_t kRowPoints = 10;

} // namespace

ReportSummary MakeReportSummary(const ControlTexts& window, std::string startDate, std::string endDate)
{
    ReportSummary summary;
    using enum ResultControl;
    summary.capital = window[importo].value_or("");
    summary.totalInterest = window[SeeInteressi].value_or("");
    summary.startDate = std::move(startDate);
    summary.endDate = std::move(endDate);
    summary.yearsText = window[Label8].value_or("");
    summary.daysText = window[Label23].value_or("");
    summary.capitalPlusInterest = window[Label6].value_or("");
    return summary;
}

ReportTexts MakeReportTexts(const ControlTexts& window, std::string startDate, std::string endDate)
{
    ReportTexts texts;
    static_cast<ReportSummary&>(texts) = MakeReportSummary(window, std::move(startDate), std::move(endDate));
    const auto& schedule = LegalRateSchedule();
    for (std::size_t i = 0; i < texts.captions.size(); ++i) {
        texts.captions[i] = std::string(schedule[i].caption);
        texts.amounts[i] = window[PeriodControl(i)].value_or("");
    }
    return texts;
}

void Default_Value(EasyPrint& objPrint)
{
    objPrint.PrintQuality(-4); // high
    objPrint.ColorMode(1);     // monochrome
    objPrint.PaperSize(9);     // A4
    objPrint.Orientation(1);   // portrait
}

void PrintReportSummary(EasyPrint& objPrint, const ReportSummary& texts)
{
    objPrint.FontItalic(false);
    objPrint.FontName("Arial");
    objPrint.FontBold(false);
    objPrint.FontSize(kTitlePoints);
    objPrint.FontItalic(true);
    objPrint.PrintLeft(kTitleX, kTitleY, kTitle, 0, 0);

    objPrint.FontBold(false);
    objPrint.FontItalic(false);
    objPrint.FontName("Arial");
    std::int16_t points = 0;
    for (const SummaryText& summary : kSummaryTexts) {
        if (summary.points != points) {
            points = summary.points;
            objPrint.FontSize(points);
        }
        objPrint.PrintLeft(summary.x, summary.y, summary.label + texts.*summary.text, 0, 0);
    }
}

void PrintReportBody(EasyPrint& objPrint, const ReportTexts& texts)
{
    PrintReportSummary(objPrint, texts);
    objPrint.FontSize(kRowPoints);
    objPrint.SpaziaturaLinea(2);
    for (std::size_t i = 0; i < texts.captions.size(); ++i)
        objPrint.PrintRight(kCaptionsX, kFirstRowY + kRowPitch * static_cast<float>(i), texts.captions[i], 0, 0);
    for (std::size_t i = 0; i < texts.amounts.size(); ++i)
        objPrint.PrintRight(kAmountsX, kFirstRowY + kRowPitch * static_cast<float>(i), FormatAmount(texts.amounts[i]),
                            0, 0);
}

void PrintWholeDocument(EasyPrint& objPrint, const std::function<void()>& layOut)
{
    try {
        // The page frame of the printer the report goes to, read again when
        // the user has picked another one since it was measured.
        objPrint.FollowPrinterChoice();
        layOut();
        objPrint.EndDoc();
    } catch (...) {
        try {
            objPrint.KillDoc();
        } catch (...) {
        }
        throw;
    }
}

void PrintReport(EasyPrint& objPrint, const ReportTexts& texts)
{
    PrintWholeDocument(objPrint, [&] { PrintReportBody(objPrint, texts); });
}

} // namespace tarvel
