#include "tests/print/engine_fixture.h"

#include <vector>

namespace tarvel::testing {
namespace {

using ::testing::ElementsAre;

TEST(EngineConstruction, SetsMillimetresReadsTheOffsetsAndStartsAtTheSheetCorner)
{
    auto printer = std::make_shared<FakePrinter>();
    PrinterSelection printers;
    printers.MakeCurrent(printer);
    RecordingRuntime runtime;
    EasyPrint engine(printers, runtime);

    EXPECT_THAT(printer->Ops(), ElementsAre("SetScaleMode", "GetDeviceCaps", "GetDeviceCaps", "GetDeviceCaps",
                                            "GetDeviceCaps", "SetCurrentX", "SetCurrentY"));
    EXPECT_EQ(printer->calls[0].args[0], 6);
    std::vector<double> indexes;
    for (const auto& call : printer->CallsOf("GetDeviceCaps"))
        indexes.push_back(call.args[0]);
    EXPECT_THAT(indexes, ElementsAre(112, 88, 113, 90));
    EXPECT_FLOAT_EQ(printer->x, float(kOffset));
    EXPECT_FLOAT_EQ(printer->y, float(kOffset));
    EXPECT_FLOAT_EQ(float(kOffset), -4.2333333f);
    EXPECT_EQ(engine.CurrentX(), 0);
    EXPECT_EQ(engine.CurrentY(), 0);
}

TEST(EngineConstruction, FailuresGoToTheCreator)
{
    PrinterSelection printers;
    RecordingRuntime runtime;
    EXPECT_THROW(
        {
            try {
                EasyPrint engine(printers, runtime);
            } catch (const PrintError& error) {
                EXPECT_EQ(error.number(), kErrNoPrinter);
                throw;
            }
        },
        PrintError);

    auto printer = std::make_shared<FakePrinter>();
    printer->resolutionY = 0;
    printers.MakeCurrent(printer);
    try {
        EasyPrint engine(printers, runtime);
        ADD_FAILURE() << "a resolution of 0 must fail";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.number(), kErrDivisionByZero);
    }
}

TEST_F(EngineTest, PositionsAreReadAndWrittenInPageCoordinates)
{
    engine->CurrentX(30);
    engine->CurrentY(12.5f);
    EXPECT_FLOAT_EQ(float(printer->x), 30 + float(kOffset));
    EXPECT_FLOAT_EQ(engine->CurrentX(), 30);
    EXPECT_FLOAT_EQ(engine->CurrentY(), 12.5f);

    engine->PrintLeft(0, 0, "x");
    const auto print = printer->CallsOf("Print").at(0);
    EXPECT_FLOAT_EQ(float(print.x), float(kOffset));
    EXPECT_FLOAT_EQ(float(print.y), float(kOffset));
}

TEST_F(EngineTest, PageSizeCountsTheMarginOnBothSides)
{
    printer->printableWidth = 210 + 2 * kOffset;
    printer->printableHeight = 297 + 2 * kOffset;
    EXPECT_NEAR(engine->PageWidth(), 210, 1e-4);
    EXPECT_NEAR(engine->PageHeight(), 297, 1e-4);
}

TEST_F(EngineTest, LineSpacingTurnsNegativeValuesIntoOne)
{
    EXPECT_EQ(engine->SpaziaturaLinea(), 0);
    engine->SpaziaturaLinea(-0.5f);
    EXPECT_EQ(engine->SpaziaturaLinea(), 1);
    engine->SpaziaturaLinea(0);
    EXPECT_EQ(engine->SpaziaturaLinea(), 0);
    engine->SpaziaturaLinea(2);
    EXPECT_EQ(engine->SpaziaturaLinea(), 2);
}

TEST_F(EngineTest, FontSizeReadsRoundHalvesToEven)
{
    engine->FontSize(12);
    EXPECT_EQ(printer->font.size, 12.0);
    EXPECT_EQ(engine->FontSize(), 12);
    printer->adjustedFontSize = 12.5;
    engine->FontSize(12);
    EXPECT_EQ(engine->FontSize(), 12);
    printer->font.size = 10.5;
    EXPECT_EQ(engine->FontSize(), 10);
    printer->font.size = 11.5;
    EXPECT_EQ(engine->FontSize(), 12);
}

TEST_F(EngineTest, ARejectedFontNameOrColourIsAbsorbed)
{
    engine->FontName("Arial");
    printer->rejectedFontNames.insert("Nessuno");
    EXPECT_NO_THROW(engine->FontName("Nessuno"));
    EXPECT_EQ(engine->FontName(), "Arial");

    engine->ForeColor(0x0000FF);
    EXPECT_EQ(engine->ForeColor(), 0x0000FF);
    printer->rejectedColors.insert(0x123456);
    EXPECT_NO_THROW(engine->ForeColor(0x123456));
    EXPECT_EQ(engine->ForeColor(), 0);
    EXPECT_TRUE(runtime.messages.empty());
}

TEST_F(EngineTest, CodesOutsideSixteenBitsOverflowBeforeThePrinterIsTouched)
{
    engine->PaperSize(9);
    try {
        engine->PaperSize(70000);
        ADD_FAILURE() << "70000 must not fit";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.number(), kErrOverflow);
    }
    EXPECT_EQ(engine->PaperSize(), 9);
    EXPECT_EQ(printer->CallsOf("SetPaperSize").size(), 1u);
    EXPECT_THROW(engine->Orientation(-40000), PrintError);
    EXPECT_THROW(engine->PrintQuality(32768), PrintError);
    EXPECT_NO_THROW(engine->PrintQuality(-32768));
    EXPECT_TRUE(runtime.messages.empty());
}

TEST_F(EngineTest, OtherPropertyErrorsGoToTheCallerWithoutAMessage)
{
    printer->FailOn("SetFontBold", 1);
    printer->FailOn("Page", 1);
    EXPECT_THROW(engine->FontBold(true), PrintError);
    EXPECT_THROW(engine->Page(), PrintError);
    EXPECT_TRUE(runtime.messages.empty());
}

TEST_F(EngineTest, PropertiesFollowTheCurrentPrinterButTheOffsetsStay)
{
    auto second = std::make_shared<FakePrinter>("Secondo");
    second->marginXPixels = 0;
    printers.MakeCurrent(second);
    engine->FontSize(8);
    engine->CurrentX(10);
    EXPECT_EQ(second->font.size, 8);
    EXPECT_EQ(printer->font.size, 10);
    EXPECT_FLOAT_EQ(float(second->x), 10 + float(kOffset));
    EXPECT_TRUE(second->CallsOf("GetDeviceCaps").empty());
}

TEST_F(EngineTest, FontListAndSetUpCodesPassThrough)
{
    EXPECT_EQ(engine->FontCount(), 3);
    EXPECT_EQ(engine->Fonts(1), "Courier");
    engine->Copies(3);
    EXPECT_EQ(engine->Copies(), 3);
    engine->ColorMode(1);
    engine->DrawStyle(2);
    engine->DrawWidth(4);
    EXPECT_EQ(printer->colorMode, 1);
    EXPECT_EQ(printer->drawStyle, 2);
    EXPECT_EQ(printer->drawWidth, 4);
}

} // namespace
} // namespace tarvel::testing
