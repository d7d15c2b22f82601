#include "tests/print/engine_fixture.h"

#include <string>
#include <vector>

namespace tarvel::testing {
namespace {

using ::testing::ElementsAre;

// The fake's 10 pt font: 2 mm a character, 4 mm a line.
constexpr double kCharWidth = 2;
constexpr double kLineHeight = 4;

struct Placed {
    std::string text;
    double x; // page coordinates
    double y;
};

class TextTest : public EngineTest {
protected:
    std::vector<Placed> Printed() const
    {
        std::vector<Placed> placed;
        for (const auto& call : printer->CallsOf("Print"))
            placed.push_back({call.text, call.x - kOffset, call.y - kOffset});
        return placed;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& p : Printed())
            texts.push_back(p.text);
        return texts;
    }
};

TEST_F(TextTest, OneLineStandsWithItsTopLeftCornerAtThePosition)
{
    engine->PrintLeft(30, 40, "  Capitale  ");
    const auto placed = Printed();
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].text, "  Capitale  ");
    EXPECT_NEAR(placed[0].x, 30, 1e-5);
    EXPECT_NEAR(placed[0].y, 40, 1e-5);
}

TEST_F(TextTest, CarriageReturnsSplitLinesAndOnlyLinesAreTrimmed)
{
    engine->SpaziaturaLinea(2);
    for (const char* text : {"A\r\nB", "A\rB"}) {
        printer->ClearLog();
        engine->PrintLeft(10, 40, std::string(text));
        const auto placed = Printed();
        ASSERT_EQ(placed.size(), 2u) << text;
        EXPECT_EQ(placed[0].text, "A");
        EXPECT_NEAR(placed[0].y, 40, 1e-5);
        EXPECT_EQ(placed[1].text, "B");
        EXPECT_NEAR(placed[1].y, 40 + kLineHeight + 2, 1e-5);
    }

    printer->ClearLog();
    engine->PrintLeft(10, 40, "  uno  \r\n  due  ");
    EXPECT_THAT(Texts(), ElementsAre("uno", "due"));

    printer->ClearLog();
    engine->PrintLeft(10, 40, "A\nB");
    EXPECT_THAT(Texts(), ElementsAre("A\nB"));

    printer->ClearLog();
    engine->PrintLeft(10, 40, "A\r\n");
    EXPECT_THAT(Texts(), ElementsAre("A", ""));

    printer->ClearLog();
    engine->PrintLeft(10, 40, "A\r\r\nB");
    EXPECT_THAT(Texts(), ElementsAre("A", "", "B"));
}

TEST_F(TextTest, TheIndentMovesTheFirstLineOnly)
{
    engine->PrintLeft(20, 10, "uno\rdue\rtre", 5);
    const auto left = Printed();
    ASSERT_EQ(left.size(), 3u);
    EXPECT_NEAR(left[0].x, 25, 1e-5);
    EXPECT_NEAR(left[1].x, 20, 1e-5);
    EXPECT_NEAR(left[2].x, 20, 1e-5);

    printer->ClearLog();
    engine->PrintRight(120, 10, "uno\r\nquattro", 4);
    const auto right = Printed();
    ASSERT_EQ(right.size(), 2u);
    EXPECT_NEAR(right[0].x + 3 * kCharWidth, 116, 1e-5);
    EXPECT_NEAR(right[1].x + 7 * kCharWidth, 120, 1e-5);

    printer->ClearLog();
    engine->PrintRight(120, 10, "1.234,50", 4);
    EXPECT_NEAR(Printed()[0].x + 8 * kCharWidth, 116, 1e-5);
}

TEST_F(TextTest, CentredLinesShareTheirCentre)
{
    engine->PrintCentre(105, 10, "ab\rabcdef");
    const auto placed = Printed();
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_NEAR(placed[0].x + 2 * kCharWidth / 2, 105, 1e-5);
    EXPECT_NEAR(placed[1].x + 6 * kCharWidth / 2, 105, 1e-5);
}

TEST_F(TextTest, WidthMaxCutsFromTheEndOrForRightAlignmentFromTheStart)
{
    std::string left = "abcdefghijklmno"; // 30 mm
    engine->PrintLeft(10, 10, left, 0, 20);
    EXPECT_EQ(left, "abcdefghij");
    std::string centre = "abcdefghijklmno";
    engine->PrintCentre(105, 10, centre, 20);
    EXPECT_EQ(centre, "abcdefghij");
    std::string right = "abcdefghijklmno";
    engine->PrintRight(120, 10, right, 0, 20);
    EXPECT_EQ(right, "fghijklmno");
    EXPECT_THAT(Texts(), ElementsAre("abcdefghij", "abcdefghij", "fghijklmno"));
    EXPECT_NEAR(Printed()[2].x + 20, 120, 1e-5);

    // A multi-line text is cut line by line and the caller's text is kept.
    printer->ClearLog();
    std::string lines = "abcdefghijklmno\rxyz";
    engine->PrintLeft(10, 10, lines, 0, 4);
    EXPECT_THAT(Texts(), ElementsAre("ab", "xy"));
    EXPECT_EQ(lines, "abcdefghijklmno\rxyz");

    // Letters are cut whole, never half a UTF-8 sequence.
    std::string accented = "àèìòù";
    engine->PrintLeft(10, 10, accented, 0, 6);
    EXPECT_EQ(accented, "àèì");

    std::string narrow = "abc";
    engine->PrintLeft(10, 10, narrow, 0, 1);
    EXPECT_EQ(narrow, "");
}

TEST_F(TextTest, NegativeCoordinatesLeaveThatAxisAlone)
{
    engine->PrintLeft(-1, 40, "A", 5);
    engine->PrintLeft(30, -1, "B\rC");
    EXPECT_EQ(printer->CallsOf("SetCurrentX").size(), 2u); // B and C only
    EXPECT_EQ(printer->CallsOf("SetCurrentY").size(), 1u); // A only
    const auto placed = Printed();
    EXPECT_NEAR(placed[0].y, 40, 1e-5);
    // B and C follow on from where the print before left the position.
    EXPECT_NEAR(placed[1].y, 40 + kLineHeight, 1e-5);
    EXPECT_NEAR(placed[2].y, 40 + 2 * kLineHeight, 1e-5);
}

TEST_F(TextTest, AnErrorStopsTheTextAndIsShownOnce)
{
    printer->FailOn("Print", 3);
    engine->PrintLeft(10, 10, "1\r2\r3\r4\r5");
    EXPECT_THAT(Texts(), ElementsAre("1", "2"));
    ASSERT_EQ(runtime.messages.size(), 1u);
    EXPECT_EQ(runtime.messages[0].title, "EasyPrint");
    EXPECT_EQ(runtime.messages[0].icon, MsgBoxIcon::Critical);
    EXPECT_EQ(runtime.messages[0].text,
              "Errore nella routine di stampa\r\nErrore numero: 482\r\nErrore della stampante");
}

TEST_F(TextTest, AnErrorNumberBeyondSixteenBitsOverflowsToTheCaller)
{
    printer->FailOn("Print", 1, 70000);
    try {
        engine->PrintRight(10, 10, "x");
        ADD_FAILURE() << "the overflow must reach the caller";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.number(), kErrOverflow);
    }
    EXPECT_TRUE(runtime.messages.empty());
}

TEST_F(TextTest, ACoordinateBeyondSingleRangeIsAnError)
{
    engine->PrintLeft(3e38f, 10, "x", 3e38f);
    ASSERT_EQ(runtime.messages.size(), 1u);
    EXPECT_NE(runtime.messages[0].text.find("Errore numero: 6\r\n"), std::string::npos);
    EXPECT_TRUE(printer->CallsOf("Print").empty());
}

TEST_F(TextTest, MeasuresComeFromThePrinterAndPassErrorsOn)
{
    EXPECT_FLOAT_EQ(engine->TextWidth("abc"), 3 * kCharWidth);
    EXPECT_FLOAT_EQ(engine->TextHeight("abc"), kLineHeight);
    printer->FailOn("TextWidth", 2);
    EXPECT_THROW(engine->TextWidth("abc"), PrintError);
}

} // namespace
} // namespace tarvel::testing
