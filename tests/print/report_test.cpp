#include "print/rates_report.h"
#include "print/report.h"

#include "tests/print/engine_fixture.h"
#include "tests/print/expected_report.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

using ::testing::ElementsAre;

struct Line {
    std::string text;
    double x; // left edge, page coordinates
    double y;
    FakeFont font;
};

// The first period amount among the printed texts: after the summary's eight
// texts and the captions.
constexpr int kFirstAmount = 8 + kPeriodCount;

FakeFont Arial(double size, bool italic = false) { return {"Arial", size, false, italic, false}; }

class ReportTest : public EngineTest {
protected:
    std::vector<Line> Printed() const
    {
        std::vector<Line> lines;
        for (const auto& call : printer->CallsOf("Print"))
            lines.push_back({call.text, call.x - kOffset, call.y - kOffset, call.font});
        return lines;
    }

    // What the report must print for `texts`: text, left edge, top, font.
    static std::vector<Line> Expected(const ReportTexts& texts)
    {
        std::vector<Line> lines;
        for (const ExpectedText& e : ExpectedReport(texts))
            lines.push_back(
                {e.text, e.rightAligned ? e.x - FakeTextWidth(e.text, e.points) : e.x, e.y, Arial(e.points, e.italic)});
        return lines;
    }

    void ExpectReport(const ReportTexts& texts)
    {
        const auto printed = Printed();
        const auto expected = Expected(texts);
        ASSERT_EQ(printed.size(), expected.size());
        for (std::size_t i = 0; i < printed.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i) + ": " + expected[i].text);
            EXPECT_EQ(printed[i].text, expected[i].text);
            EXPECT_NEAR(printed[i].x, expected[i].x, 1e-4);
            EXPECT_NEAR(printed[i].y, expected[i].y, 1e-4);
            EXPECT_EQ(printed[i].font, expected[i].font);
        }
    }

    std::vector<std::string> Settings() const
    {
        std::vector<std::string> settings;
        for (const auto& call : printer->calls) {
            if (call.op == "SetFontName")
                settings.push_back("FontName " + call.text);
            else if (call.op.rfind("Set", 0) == 0 && call.op != "SetCurrentX" && call.op != "SetCurrentY")
                settings.push_back(call.op.substr(3) + " " + std::to_string(int(call.args[0])));
            else if (call.op == "Print" && (settings.empty() || settings.back() != "Print"))
                settings.push_back("Print");
        }
        return settings;
    }
};

TEST_F(ReportTest, PageDefaultsAreHighQualityMonochromeA4Portrait)
{
    Default_Value(*engine);
    EXPECT_THAT(printer->Ops(),
                ElementsAre("SetPrintQuality", "SetColorMode", "SetPaperSize", "Orientation", "SetOrientation"));
    EXPECT_EQ(printer->printQuality, -4);
    EXPECT_EQ(printer->colorMode, 1);
    EXPECT_EQ(printer->paperSize, 9);
    EXPECT_EQ(printer->orientation, 1);
}

TEST_F(ReportTest, ACalculationPrintsEveryLineInPlaceAndFont)
{
    const ReportTexts texts = ReportTextsAfter("10000", "01 / 01 / 2011", "31 / 12 / 2015");
    PrintReport(*engine, texts);
    ExpectReport(texts);

    // A span over the last three periods fills the amount column on rows 9 to 11 only.
    const auto printed = Printed();
    for (int i = 0; i < kPeriodCount; ++i)
        EXPECT_EQ(printed[kFirstAmount + i].text.empty(), i < 9) << "row " << i;
    EXPECT_EQ(printed[8].text, "5,0% fino al 15/12/1990");

    EXPECT_THAT(Settings(), ElementsAre("FontItalic 0", "FontName Arial", "FontBold 0", "FontSize 12", "FontItalic 1",
                                        "Print", "FontBold 0", "FontItalic 0", "FontName Arial", "FontSize 10", "Print",
                                        "FontSize 8", "Print", "FontSize 10", "Print"));
    EXPECT_EQ(engine->SpaziaturaLinea(), 2);
    EXPECT_EQ(printer->Ops().back(), "EndDoc");
    EXPECT_EQ(printer->CallsOf("EndDoc").size(), 1u);
}

TEST_F(ReportTest, BeforeAnyCalculationTheWindowsFirstTextsArePrinted)
{
    const ReportTexts texts = ReportTextsOfFreshWindow();
    PrintReport(*engine, texts);
    ExpectReport(texts);
    const auto printed = Printed();
    EXPECT_EQ(printed[4].text, "Anni ?");
    EXPECT_EQ(printed[6].text, "Giorni ?");
    for (int i = 0; i < kPeriodCount; ++i)
        EXPECT_EQ(printed[kFirstAmount + i].text, "");
}

TEST_F(ReportTest, AmountsUseTheAmountPattern)
{
    ReportTexts texts = MakeReportTexts(FreshWindowTexts("1"), "", "");
    texts.amounts[0] = "1234,5";
    texts.amounts[1] = "0,5";
    PrintReportBody(*engine, texts);
    const auto printed = Printed();
    EXPECT_EQ(printed[kFirstAmount].text, "1.234,50");
    EXPECT_NEAR(printed[kFirstAmount].x + FakeTextWidth("1.234,50", 10), 120, 1e-4);
    EXPECT_EQ(printed[21].text, ",50");
    EXPECT_TRUE(printer->CallsOf("EndDoc").empty());
}

TEST_F(ReportTest, AnOutputErrorIsShownAndTheReportGoesOn)
{
    printer->FailOn("Print", 2);
    PrintReport(*engine, MakeReportTexts(FreshWindowTexts("1"), "", ""));
    EXPECT_EQ(runtime.messages.size(), 1u);
    EXPECT_EQ(printer->CallsOf("Print").size(), 31u);
    EXPECT_EQ(printer->CallsOf("EndDoc").size(), 1u);
}

TEST_F(ReportTest, ASettingErrorStopsTheReportBeforeEndDoc)
{
    printer->FailOn("SetFontSize", 2);
    EXPECT_THROW(PrintReport(*engine, MakeReportTexts(FreshWindowTexts("1"), "", "")), PrintError);
    EXPECT_EQ(printer->CallsOf("Print").size(), 1u);
    EXPECT_TRUE(printer->CallsOf("EndDoc").empty());
    EXPECT_TRUE(runtime.messages.empty());
}

// However many periods a span touches, they stay on the page, above the
// totals, the note and the foot, each line clear of the next.
TEST_F(ReportTest, WithARateTableEveryRowStaysOnThePage)
{
    std::vector<RateChange> changes;
    for (int year = 1990; year < 1990 + int(kMaxRatePeriods); ++year)
        changes.push_back({*Date::fromCivil(year, 1, 1), 100 + year % 7, ""});
    const RateTable table("Tassi dal file annuale.csv", std::move(changes));
    const RatesReportTexts texts =
        RatesReportOf({.capital = "1000", .start = "01 / 01 / 1990", .end = "01 / 01 / 2060", .legalRates = &table});
    ASSERT_EQ(texts.lines.size(), 64u);
    EXPECT_EQ(texts.lines.front().day, *Date::fromCivil(1990, 1, 2));
    EXPECT_EQ(texts.tables, std::vector<std::string>{"Tabella: Tassi dal file annuale.csv"});

    PrintRatesReportBody(*engine, texts);
    // Before the rows: the title, the capital, span and duration with their
    // labels and the column heads; after them the rest, a line each.
    const auto printed = Printed();
    const std::size_t columns = StatementColumns(texts.lines).size();
    const std::size_t firstRow = 1 + 6 + columns;
    const std::size_t afterRows = firstRow + columns * texts.lines.size();
    ASSERT_GT(printed.size(), afterRows);
    double y = 0;
    for (std::size_t i = firstRow; i < afterRows; i += columns) {
        const Line& line = printed[i];
        EXPECT_GE(line.y - y, line.font.size * 25.4 / 72 * 1.15) << line.text;
        EXPECT_GE(line.font.size, 6) << line.text;
        y = line.y;
    }
    for (std::size_t i = afterRows; i < printed.size(); ++i) {
        if (printed[i].y == printed[i - 1].y && i > afterRows)
            continue; // the amount beside its total
        EXPECT_GE(printed[i].y - y, 10 * 25.4 / 72 * 1.15) << printed[i].text;
        y = printed[i].y;
    }
    // Under the totals the notes: why the rows do not add up first, when they do not.
    ASSERT_FALSE(texts.notes.empty());
    EXPECT_TRUE(texts.notes.front().starts_with(printed[afterRows + 4].text)) << printed[afterRows + 4].text;
    EXPECT_TRUE(std::any_of(printed.begin() + afterRows, printed.end(), [](const Line& line) {
        return line.text.starts_with("Nota: i giorni dopo il 31/12/2053");
    }));
    EXPECT_EQ(printed[printed.size() - 2].text, "Tabella: Tassi dal file annuale.csv");
    EXPECT_LE(printed.back().y, 280);
}

TEST(ReportTexts, UnwrittenTextsReadEmptyAndCaptionsComeFromTheRatePeriods)
{
    ControlTexts window;
    window[ResultControl::Label8] = "5";
    window[PeriodControl(3)] = "12,5";
    const ReportTexts texts = MakeReportTexts(window, "01 / 01 / 2000", "02 / 01 / 2000");
    EXPECT_EQ(texts.capital, "");
    EXPECT_EQ(texts.yearsText, "5");
    EXPECT_EQ(texts.amounts[3], "12,5");
    EXPECT_EQ(texts.startDate, "01 / 01 / 2000");
    EXPECT_EQ(texts.captions[kPeriodCount - 1], "1%  dal  01/01/2014");
}

} // namespace
} // namespace tarvel::testing
