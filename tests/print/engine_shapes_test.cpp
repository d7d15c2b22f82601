#include "tests/print/engine_fixture.h"

#include <cmath>

namespace tarvel::testing {
namespace {

using ::testing::ElementsAre;

constexpr double kTol = 1e-4;

// Lines in page coordinates: {x1, y1, x2, y2}.
std::vector<std::array<double, 4>> PageLines(const FakePrinter& printer)
{
    std::vector<std::array<double, 4>> lines;
    for (const auto& call : printer.CallsOf("Line"))
        lines.push_back(
            {call.args[0] - kOffset, call.args[1] - kOffset, call.args[2] - kOffset, call.args[3] - kOffset});
    return lines;
}

void ExpectEndsAt(const FakePrinter& printer, double x, double y)
{
    EXPECT_NEAR(printer.x - kOffset, x, kTol);
    EXPECT_NEAR(printer.y - kOffset, y, kTol);
}

TEST_F(EngineTest, ASquareBoxIsOneOutline)
{
    engine->PrintShape(20, 30, 100, 40);
    const auto lines = PageLines(*printer);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0][0], 20, kTol);
    EXPECT_NEAR(lines[0][1], 30, kTol);
    EXPECT_NEAR(lines[0][2], 120, kTol);
    EXPECT_NEAR(lines[0][3], 70, kTol);
    EXPECT_EQ(printer->CallsOf("Line")[0].args[4], 1); // box
    EXPECT_TRUE(printer->CallsOf("Circle").empty());
    ExpectEndsAt(*printer, 120, 70);

    float negative = -3;
    engine->PrintShape(20, 30, 100, 40, negative);
    EXPECT_EQ(negative, -3);
    EXPECT_EQ(printer->CallsOf("Line").size(), 2u);
}

TEST_F(EngineTest, ARoundedBoxIsFourEdgesAndFourQuarterArcs)
{
    float radius = 5;
    engine->PrintShape(20, 30, 100, 40, radius);
    EXPECT_EQ(radius, 5);
    EXPECT_THAT(printer->Ops(), ElementsAre("SetCurrentX", "SetCurrentY", "Line", "Circle", "Line", "Circle", "Line",
                                            "Circle", "Line", "Circle", "SetCurrentX", "SetCurrentY"));
    const auto lines = PageLines(*printer);
    const std::array<std::array<double, 4>, 4> edges{{
        {25, 30, 115, 30},  // top, 90 mm
        {120, 35, 120, 65}, // right, 30 mm
        {115, 70, 25, 70},  // bottom
        {20, 65, 20, 35},   // left
    }};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_NEAR(lines[i][k], edges[i][k], kTol) << "edge " << i;

    const float halfPi = float(3.14159265 / 2);
    const float pi = float(3.14159265);
    const float threeHalvesPi = float(9.42477795 / 2);
    const std::array<std::array<double, 5>, 4> arcs{{
        {115, 35, 5, 0, halfPi},
        {115, 65, 5, threeHalvesPi, 0},
        {25, 65, 5, pi, threeHalvesPi},
        {25, 35, 5, halfPi, pi},
    }};
    const auto circles = printer->CallsOf("Circle");
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(circles[i].args[0] - kOffset, arcs[i][0], kTol) << "arc " << i;
        EXPECT_NEAR(circles[i].args[1] - kOffset, arcs[i][1], kTol) << "arc " << i;
        EXPECT_EQ(circles[i].args[2], arcs[i][2]);
        EXPECT_EQ(float(circles[i].args[3]), float(arcs[i][3]));
        EXPECT_EQ(float(circles[i].args[4]), float(arcs[i][4]));
    }
    ExpectEndsAt(*printer, 120, 70);
}

TEST_F(EngineTest, ATooLargeRadiusIsReducedAndWrittenBack)
{
    float radius = 30;
    engine->PrintShape(20, 30, 100, 40, radius);
    EXPECT_EQ(radius, 20);
    const auto lines = PageLines(*printer);
    EXPECT_NEAR(lines[0][2] - lines[0][0], 60, kTol);
    EXPECT_NEAR(lines[1][3] - lines[1][1], 0, kTol); // right edge has no length
    EXPECT_NEAR(lines[3][3] - lines[3][1], 0, kTol);

    printer->ClearLog();
    float circle = 20;
    engine->PrintShape(0, 0, 40, 40, circle);
    EXPECT_EQ(circle, 20);
    for (const auto& line : PageLines(*printer))
        EXPECT_NEAR(std::hypot(line[2] - line[0], line[3] - line[1]), 0, kTol);
    for (const auto& arc : printer->CallsOf("Circle")) {
        EXPECT_NEAR(arc.args[0] - kOffset, 20, kTol);
        EXPECT_NEAR(arc.args[1] - kOffset, 20, kTol);
    }
}

TEST_F(EngineTest, TheReducedRadiusIsWrittenBackEvenWhenDrawingFails)
{
    printer->FailOn("Circle", 1);
    float radius = 30;
    engine->PrintShape(20, 30, 100, 40, radius);
    EXPECT_EQ(radius, 20);
    EXPECT_EQ(printer->CallsOf("Line").size(), 1u); // the top edge stays drawn
    ASSERT_EQ(runtime.messages.size(), 1u);
}

class Holder final : public PictureHolder {
public:
    explicit Holder(bool has) : has_(has) {}
    Picture GetPicture() const override
    {
        if (!has_)
            throw PrintError(kErrNoPicture);
        return {"logo.png"};
    }

private:
    bool has_;
};

TEST_F(EngineTest, PictureSizesFollowTheHeightBeforeWidthTable)
{
    const Holder logo(true);
    engine->PrintPicture(10, 20, logo, 50, 30);
    engine->PrintPicture(10, 20, logo, 0, 30);
    engine->PrintPicture(10, 20, logo, 50, 0);
    engine->PrintPicture(10, 20, logo, 50, -1);
    engine->PrintPicture(10, 20, logo);
    const auto pictures = printer->CallsOf("PaintPicture");
    ASSERT_EQ(pictures.size(), 5u);
    EXPECT_EQ(pictures[0].text, "logo.png");
    EXPECT_NEAR(pictures[0].args[0] - kOffset, 10, kTol);
    EXPECT_NEAR(pictures[0].args[1] - kOffset, 20, kTol);
    auto size = [&](std::size_t i) { return std::make_pair(pictures[i].args[2], pictures[i].args[3]); };
    EXPECT_EQ(size(0), std::make_pair(30.0, 50.0));
    EXPECT_EQ(size(1).first, 30);
    EXPECT_TRUE(std::isnan(size(1).second));
    EXPECT_TRUE(std::isnan(size(2).first));
    EXPECT_EQ(size(2).second, 50);
    for (std::size_t i : {3u, 4u}) {
        EXPECT_TRUE(std::isnan(size(i).first));
        EXPECT_TRUE(std::isnan(size(i).second));
    }
    EXPECT_TRUE(printer->CallsOf("SetCurrentX").empty());
}

TEST_F(EngineTest, AnObjectWithoutAPictureIsShownAsAnError)
{
    engine->PrintPicture(10, 20, Holder(false));
    EXPECT_TRUE(printer->CallsOf("PaintPicture").empty());
    ASSERT_EQ(runtime.messages.size(), 1u);
    EXPECT_EQ(runtime.messages[0].text,
              "Errore nella routine di stampa\r\nErrore numero: 438\r\nL'oggetto non contiene un'immagine");
}

TEST_F(EngineTest, DocumentOperationsForwardAndPassErrorsOn)
{
    engine->NewPage();
    EXPECT_EQ(engine->Page(), 2);
    engine->KillDoc();
    engine->EndDoc();
    EXPECT_THAT(printer->Ops(), ElementsAre("NewPage", "Page", "KillDoc", "EndDoc"));
    printer->FailOn("EndDoc", 2);
    EXPECT_THROW(engine->EndDoc(), PrintError);
    EXPECT_TRUE(runtime.messages.empty());
}

} // namespace
} // namespace tarvel::testing
