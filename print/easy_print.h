#pragma once

#include "print/printer.h"
#include "print/printer_selection.h"
#include "runtime/form_runtime.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tarvel {

// The print engine: places text, shapes and pictures on the current printer
// of its printer selection by millimetres from the corner of the sheet instead of from the corner of the
// printable area. Every property forwards to the printer that is current at
// the moment of the call; only the two offsets (measured at construction and
// again by FollowPrinterChoice) and the line spacing are the engine's own.
//
// Single = float, Integer = int16_t, Long = int32_t. The output operations
// report their errors with a message box of their own and return normally; the
// properties (except FontName and ForeColor, which absorb a rejected value),
// the measures and the document operations pass errors on as PrintError.
class EasyPrint {
public:
    // Switches the current printer to millimetres, reads its physical
    // offsets and puts the position at the sheet's corner. Prints on the
    // printer current in `printers` at each call and shows its output errors
    // with `runtime`'s message box; both must outlive the engine.
    EasyPrint(PrinterSelection& printers, FormRuntime& runtime);

    // When the current printer is not the one the offsets were measured on,
    // sets it to millimetres, measures its offsets and puts the position at the
    // sheet's corner, as construction does: one engine serves every printer.
    void FollowPrinterChoice();

    void SpaziaturaLinea(float Spaziatura);
    float SpaziaturaLinea() const;
    void FontSize(std::int16_t lFontSize);
    std::int16_t FontSize() const;
    void FontName(const std::string& sFontName);
    std::string FontName() const;
    void FontBold(bool bFontBold);
    bool FontBold() const;
    void FontItalic(bool bFontItalic);
    bool FontItalic() const;
    void FontUnderline(bool bFontUnderline);
    bool FontUnderline() const;
    void ForeColor(std::int32_t Color);
    std::int32_t ForeColor() const;
    void PaperSize(std::int32_t lPapersize);
    std::int32_t PaperSize() const;
    void Copies(std::int16_t lCopies);
    std::int16_t Copies() const;
    void PrintQuality(std::int32_t Quality);
    void ColorMode(std::int32_t Output);
    // 1 upright, 2 lying; a sheet turned has its offsets measured again and the
    // position put at its corner. Before the document's first output.
    void Orientation(std::int32_t x);
    void DrawStyle(std::int32_t Style);
    void DrawWidth(std::int16_t Width);
    float CurrentX() const;
    void CurrentX(float sCurrentX);
    void CurrentY(float sCurrentY);
    float CurrentY() const;
    std::int16_t FontCount() const;
    std::string Fonts(std::int16_t iFont) const;
    float PageHeight() const;
    float PageWidth() const;
    std::int16_t Page() const;

    // Testo is in/out: a one-line text cut by WidthMax is written back. The
    // const overloads print a copy. A negative XPos or YPos leaves that axis
    // where the last output left it.
    void PrintLeft(float XPos, float YPos, std::string& Testo, float Rientro = 0, std::int16_t WidthMax = 0);
    void PrintLeft(float XPos, float YPos, const std::string& Testo, float Rientro = 0, std::int16_t WidthMax = 0);
    void PrintRight(float XPos, float YPos, std::string& Testo, float Rientro = 0, std::int16_t WidthMax = 0);
    void PrintRight(float XPos, float YPos, const std::string& Testo, float Rientro = 0, std::int16_t WidthMax = 0);
    void PrintCentre(float XPos, float YPos, std::string& Testo, std::int16_t WidthMax = 0);
    void PrintCentre(float XPos, float YPos, const std::string& Testo, std::int16_t WidthMax = 0);

    // Rounded is in/out: a radius larger than half the shorter side is reduced
    // and written back.
    void PrintShape(float StartX, float StartY, float ObjWidth, float ObjHeight, float& Rounded);
    void PrintShape(float StartX, float StartY, float ObjWidth, float ObjHeight, const float& Rounded = 0);
    // Height comes before Width.
    void PrintPicture(float StartX, float StartY, const PictureHolder& objPicture, float Height = 0, float Width = 0);

    float TextWidth(const std::string& sText) const;
    float TextHeight(const std::string& sText) const;

    void EndDoc();
    void NewPage();
    void KillDoc();

private:
    // The millimetre scale, the offsets and the position at the sheet's corner,
    // on the current printer.
    void MeasurePageFrame();
    void ReadPhysicalOffsets();
    static std::int32_t CountLineBreaks(const std::string& text);
    static std::string GetLine(const std::string& text, std::int32_t index);
    std::string FitToWidth(std::string& text, std::int16_t WidthMax, std::int16_t keepStart) const;
    void ShowPrintError(std::int16_t number);
    void SetPageCode(PageSetting setting, std::int32_t code);

    enum class Align { Left, Right, Centre };
    void PrintAligned(Align align, float XPos, float YPos, std::string& Testo, float Rientro, std::int16_t WidthMax);
    void PrintOneLine(Align align, float XPos, float YPos, std::string& Testo, float Rientro, std::int16_t WidthMax);
    void PrintLines(Align align, float XPos, float YPos, const std::string& Testo, float Rientro,
                    std::int16_t WidthMax);
    void PlaceHorizontally(Align align, float refX, const std::string& text);
    void DrawShape(float StartX, float StartY, float ObjWidth, float ObjHeight, float& Rounded);
    // Runs an output operation; an error is shown, not passed on.
    void ReportErrors(const std::function<void()>& body);

    PrinterSelection& printers_;
    FormRuntime& runtime_;
    float mOffsetX = 0;
    float mOffsetY = 0;
    std::string mFrameFor; // the device the offsets were measured on
    float mSpaziaturaLinea = 0;
};

} // namespace tarvel
