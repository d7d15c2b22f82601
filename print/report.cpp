#include "print/report.h"

#include "calc/version.h"

#include "calc/number_texts.h"
#include "calc/rate_schedule.h"

namespace tarvel {
namespace {

// The fixed texts of the page, shared by the printed report and its lines as
// plain text.
constexpr char kTitle[] = " Tarvel ver. " TARVEL_VERSION "        - Calcolo interesse legale -";
constexpr char kCapital[] = "Capitale  ";
constexpr char kTotalInterest[] = "Totale Interessi      ";
constexpr char kFrom[] = "dal  ";
constexpr char kTo[] = "al    ";
constexpr char kCapitalPlusInterest[] = "Capitale + Interessi  ";

// Where the texts stand, in millimetres from the corner of the page frame: the
// summary's texts start at their x, the period rows' captions and amounts end
// at theirs.
constexpr float kTitleX = 50;
constexpr float kTitleY = 22;
constexpr float kLeftX = 30;   // the capital, the two dates, capital plus interest
constexpr float kRightX = 100; // the total interest and the years
constexpr float kDaysX = 99;   // the days, a millimetre left of the years above
constexpr float kCapitalY = 40;
constexpr float kFromY = 50;
constexpr float kToY = 55;
constexpr float kCapitalPlusInterestY = 60;
constexpr float kCaptionsX = 80;
constexpr float kAmountsX = 120;
constexpr float kFirstRowY = 75;
constexpr float kRowPitch = 5;
constexpr std::int16_t kTitlePoints = 12;
constexpr std::int16_t kSummaryPoints = 10; // the capital and the total interest
constexpr std::int16_t kSpanPoints = 8;     // the dates, years, days, capital plus interest
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
    objPrint.FontSize(kSummaryPoints);
    objPrint.PrintLeft(kLeftX, kCapitalY, kCapital + texts.capital, 0, 0);
    objPrint.PrintLeft(kRightX, kCapitalY, kTotalInterest + texts.totalInterest, 0, 0);

    objPrint.FontSize(kSpanPoints);
    objPrint.PrintLeft(kLeftX, kFromY, kFrom + texts.startDate, 0, 0);
    objPrint.PrintLeft(kRightX, kFromY, texts.yearsText, 0, 0);
    objPrint.PrintLeft(kLeftX, kToY, kTo + texts.endDate, 0, 0);
    objPrint.PrintLeft(kDaysX, kToY, texts.daysText, 0, 0);
    objPrint.PrintLeft(kLeftX, kCapitalPlusInterestY, kCapitalPlusInterest + texts.capitalPlusInterest, 0, 0);
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

std::vector<std::string> ReportLines(const ReportTexts& texts)
{
    std::vector<std::string> lines{
        kTitle,
        kCapital + texts.capital + '\t' + kTotalInterest + texts.totalInterest,
        kFrom + texts.startDate + '\t' + texts.yearsText,
        kTo + texts.endDate + '\t' + texts.daysText,
        kCapitalPlusInterest + texts.capitalPlusInterest,
    };
    for (std::size_t i = 0; i < texts.captions.size(); ++i) {
        const std::string amount = FormatAmount(texts.amounts[i]);
        lines.push_back(amount.empty() ? texts.captions[i] : texts.captions[i] + '\t' + amount);
    }
    return lines;
}

std::string ReportPlainText(const ReportTexts& texts)
{
    std::string text;
    for (const std::string& line : ReportLines(texts))
        text += line + '\n';
    return text;
}

void PrintReport(EasyPrint& objPrint, const ReportTexts& texts)
{
    // The page frame of the printer the report goes to, read again when the
    // user has picked another one since it was measured.
    objPrint.FollowPrinterChoice();
    PrintReportBody(objPrint, texts);
    objPrint.EndDoc();
}

} // namespace tarvel
