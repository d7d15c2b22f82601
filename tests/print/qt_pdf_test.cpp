#include "print/print_error.h"
#include "print/qt_printer.h"
#include "print/report.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/recording_runtime.h"
#include "tests/support/scratch_folder.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <tuple>

namespace tarvel::testing {
namespace {

class QtPdfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        printer = QtPrinter::ForPdf(pdf);
        printers.MakeCurrent(printer);
    }

    QTemporaryDir dir;
    std::string pdf = dir.filePath("prospetto.pdf").toStdString();
    std::shared_ptr<QtPrinter> printer;
    PrinterSelection printers;
    RecordingRuntime runtime;
};

TEST_F(QtPdfTest, TheReportStandsWhereTheLayoutSaysOnAnA4PortraitPage)
{
    const ReportTexts texts = ReportTextsAfter("10000", "01 / 01 / 2000", "01 / 01 / 2015");
    {
        EasyPrint objPrint(printers, runtime);
        Default_Value(objPrint);
        PrintReport(objPrint, texts);
    }
    EXPECT_TRUE(runtime.messages.empty());

    const auto pages = ReadPdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].widthMm, 210, 0.5);
    EXPECT_NEAR(pages[0].heightMm, 297, 0.5);
    ExpectLayout(pages[0], ReportLayout(texts), 0.5);
}

// A sheet turned to lie is written lying, its texts placed from its own
// corner; the next document stands upright again.
TEST_F(QtPdfTest, ALyingSheetIsWrittenLyingWithItsTextsFromItsCorner)
{
    const struct {
        std::int32_t orientation;
        double width, height;
        std::vector<LaidOutText> texts;
    } sheets[] = {
        {2, 297, 210, {{"disteso", 20, 15, false}, {"angolo", 277, 196, true}}},
        {1, 210, 297, {{"in piedi", 20, 20, false}, {"angolo", 190, 280, true}}},
    };
    for (const auto& sheet : sheets) {
        SCOPED_TRACE(sheet.orientation);
        {
            EasyPrint objPrint(printers, runtime);
            Default_Value(objPrint);
            objPrint.Orientation(sheet.orientation);
            for (const LaidOutText& text : sheet.texts) {
                if (text.rightAligned)
                    objPrint.PrintRight(float(text.x), float(text.y), text.text);
                else
                    objPrint.PrintLeft(float(text.x), float(text.y), text.text);
            }
            objPrint.EndDoc();
        }
        EXPECT_TRUE(runtime.messages.empty());
        const auto pages = ReadPdfWords(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].widthMm, sheet.width, 0.5);
        EXPECT_NEAR(pages[0].heightMm, sheet.height, 0.5);
        ExpectLayout(pages[0], sheet.texts, 0.5);
    }
}

TEST_F(QtPdfTest, PageCodesMapToQtAndBadValuesAreRefused)
{
    EasyPrint objPrint(printers, runtime);
    Default_Value(objPrint);
    EXPECT_EQ(objPrint.PaperSize(), 9);
    EXPECT_NEAR(objPrint.PageWidth(), 210, 0.5);
    EXPECT_NEAR(objPrint.PageHeight(), 297, 0.5);
    objPrint.PaperSize(11);
    EXPECT_EQ(objPrint.PaperSize(), 11);
    objPrint.Orientation(2);
    EXPECT_EQ(printer->PageCode(PageSetting::Orientation), 2);
    try {
        objPrint.PaperSize(999);
        ADD_FAILURE() << "999 is no paper";
    } catch (const PrintError& error) {
        EXPECT_EQ(error.number(), kErrInvalidProperty);
    }
    EXPECT_THROW(objPrint.ColorMode(3), PrintError);
    objPrint.ForeColor(-1); // not a colour: black instead
    EXPECT_EQ(objPrint.ForeColor(), 0);
    objPrint.ForeColor(0x0000FF);
    EXPECT_EQ(objPrint.ForeColor(), 0x0000FF);
    objPrint.FontName("");
    EXPECT_EQ(objPrint.FontName(), "Arial");
    EXPECT_GT(objPrint.FontCount(), 0);
    objPrint.FontSize(10);
    EXPECT_EQ(objPrint.FontSize(), 10);
    EXPECT_GT(objPrint.TextWidth("Capitale"), 10);
    EXPECT_LT(objPrint.TextWidth("Capitale"), 20);
}

// Every page setting keeps a code it can take and refuses one it cannot,
// keeping the code it had.
TEST_F(QtPdfTest, EachPageSettingTakesItsCodesAndRefusesOthers)
{
    const struct {
        const char* name;
        PageSetting setting;
        std::int16_t taken;
        std::int16_t refused;
    } cases[] = {
        {"paper", PageSetting::PaperSize, 11, 999},      {"copies", PageSetting::Copies, 2, 0},
        {"quality", PageSetting::PrintQuality, -1, 0},   {"colour", PageSetting::ColorMode, 1, 3},
        {"orientation", PageSetting::Orientation, 2, 0}, {"draw style", PageSetting::DrawStyle, 2, 7},
        {"draw width", PageSetting::DrawWidth, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        printer->SetPageCode(c.setting, c.taken);
        EXPECT_EQ(printer->PageCode(c.setting), c.taken);
        EXPECT_THROW(printer->SetPageCode(c.setting, c.refused), PrintError);
        EXPECT_EQ(printer->PageCode(c.setting), c.taken);
    }
}

// Rendered at 150 dpi: is the pixel at page point (x, y) mm drawn?
bool Inked(const QImage& image, double x, double y)
{
    const QPoint pixel(int(std::lround(x / 25.4 * 150)), int(std::lround(y / 25.4 * 150)));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (qGray(image.pixel(pixel + QPoint(dx, dy))) < 160)
                return true;
    return false;
}

TEST_F(QtPdfTest, RoundedCornersBulgeOutwards)
{
    {
        EasyPrint objPrint(printers, runtime);
        objPrint.DrawWidth(40); // device pixels: 0.85 mm at 1200 dpi
        float radius = 10;
        objPrint.PrintShape(20, 20, 60, 40, radius);
        objPrint.EndDoc();
    }
    const std::string png = dir.filePath("shape").toStdString();
    ASSERT_EQ(std::system(("pdftoppm -r 150 -gray -png -singlefile '" + pdf + "' '" + png + "'").c_str()), 0);
    const QImage image(QString::fromStdString(png + ".png"));
    ASSERT_FALSE(image.isNull());

    const double d = 10 / std::sqrt(2.0);
    // The middle of each corner's arc is drawn ...
    EXPECT_TRUE(Inked(image, 70 + d, 30 - d)); // top right
    EXPECT_TRUE(Inked(image, 70 + d, 50 + d)); // bottom right
    EXPECT_TRUE(Inked(image, 30 - d, 50 + d)); // bottom left
    EXPECT_TRUE(Inked(image, 30 - d, 30 - d)); // top left
    // ... and the edges, but neither the square corners nor the arcs' far sides.
    EXPECT_TRUE(Inked(image, 50, 20));
    EXPECT_TRUE(Inked(image, 80, 40));
    EXPECT_FALSE(Inked(image, 80, 20));
    EXPECT_FALSE(Inked(image, 20, 60));
    EXPECT_FALSE(Inked(image, 60, 30));
    EXPECT_FALSE(Inked(image, 40, 50));
}

// A document dropped, by KillDoc or by the printer going with the document
// open, writes nothing: no new file, and an existing one keeps its bytes.
class DroppedPdfTest : public QtPdfTest, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(DroppedPdfTest, LeavesTheTargetAsItWas)
{
    const auto [killDoc, existing] = GetParam();
    if (existing)
        std::ofstream(pdf) << "vecchio";
    {
        EasyPrint objPrint(printers, runtime);
        Default_Value(objPrint);
        objPrint.PrintLeft(30, 40, "Capitale  10.000,00");
        objPrint.NewPage();
        objPrint.PrintLeft(30, 40, "Capitale  10.000,00");
        if (killDoc)
            objPrint.KillDoc();
    }
    printers.MakeCurrent(nullptr);
    printer.reset();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), existing ? 1 : 0);
    if (existing) {
        EXPECT_EQ(FileBytes(pdf), "vecchio");
    }
}

INSTANTIATE_TEST_SUITE_P(Drop, DroppedPdfTest, ::testing::Combine(::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "KillDoc" : "PrinterGoes")
                                    + (std::get<1>(info.param) ? "OverAnExistingFile" : "NoFileYet");
                         });

// What pdftoppm says on standard error while it renders the file.
std::string RenderWarnings(const std::string& pdf, const std::string& png)
{
    const std::string command = "pdftoppm -r 50 -png -singlefile '" + pdf + "' '" + png + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        if (pclose(pipe) != 0)
            output += "(pdftoppm failed)";
    }
    return output;
}

// Shapes whose straight edges shrink to nothing: a rectangle with
// semicircular ends and a circle drawn as four arcs.
class RoundedShapeTest : public QtPdfTest, public ::testing::WithParamInterface<std::array<float, 3>> {};

TEST_P(RoundedShapeTest, EmptyEdgesLeaveAPathThatRendersWithoutWarnings)
{
    const auto [width, height, radius] = GetParam();
    {
        EasyPrint objPrint(printers, runtime);
        float rounded = radius;
        objPrint.PrintShape(20, 20, width, height, rounded);
        objPrint.PrintShape(20, 150, width, height, rounded);
        objPrint.EndDoc();
    }
    EXPECT_TRUE(runtime.messages.empty());
    EXPECT_EQ(RenderWarnings(pdf, dir.filePath("shape").toStdString()), "");
    const QImage image(dir.filePath("shape.png"));
    ASSERT_FALSE(image.isNull());
}

INSTANTIATE_TEST_SUITE_P(ZeroLengthEdges, RoundedShapeTest,
                         ::testing::Values(std::array<float, 3>{100, 40, 30}, std::array<float, 3>{40, 40, 20},
                                           std::array<float, 3>{40, 100, 20}));

} // namespace
} // namespace tarvel::testing
