#include "print/easy_print.h"

#include "print/print_error.h"
#include "runtime/form_runtime.h"

#include <string>

namespace tarvel {
namespace {

// The quarter angles are taken from this value of pi, not the exact one.
constexpr double kPi = 3.14159265;
const float kHalfPi = static_cast<float>(kPi / 2);
const float kPiSingle = static_cast<float>(kPi);
const float kThreeHalvesPi = static_cast<float>(9.42477795 / 2);

LinePoint Step(double x, double y) { return {x, y, true}; }

} // namespace

void EasyPrint::ReportErrors(const std::function<void()>& body)
{
    int number = 0;
    try {
        body();
        return;
    } catch (const PrintError& error) {
        number = error.number();
    } catch (const std::exception&) {
        number = kErrInternal;
    }
    // A number that does not fit 16 bits cannot be shown: the overflow goes
    // to the caller instead.
    ShowPrintError(NarrowToInteger(number));
}

void EasyPrint::ShowPrintError(std::int16_t number)
{
    const std::string text = "Errore nella routine di stampa\r\nErrore numero: " + std::to_string(number) + "\r\n"
                             + PrintErrorDescription(number);
    runtime_.MsgBox(text, "EasyPrint", MsgBoxIcon::Critical);
}

void EasyPrint::PrintShape(float StartX, float StartY, float ObjWidth, float ObjHeight, float& Rounded)
{
    ReportErrors([&] { DrawShape(StartX, StartY, ObjWidth, ObjHeight, Rounded); });
}

void EasyPrint::PrintShape(float StartX, float StartY, float ObjWidth, float ObjHeight, const float& Rounded)
{
    float radius = Rounded;
    PrintShape(StartX, StartY, ObjWidth, ObjHeight, radius);
}

void EasyPrint::DrawShape(float StartX, float StartY, float ObjWidth, float ObjHeight, float& Rounded)
{
    Printer& printer = printers_.Current();
    const float x0 = ToSingle(double(StartX) + mOffsetX);
    const float y0 = ToSingle(double(StartY) + mOffsetY);
    const double W = ObjWidth;
    const double H = ObjHeight;

    if (Rounded <= 0) {
        printer.Line(LinePoint{x0, y0, false}, Step(W, H), true);
    } else {
        const float halfShorter = static_cast<float>((W < H ? W : H) / 2);
        if (halfShorter < Rounded)
            Rounded = halfShorter; // written back before anything is drawn
        const double R = Rounded;
        printer.SetCurrentX(ToSingle(double(x0) + R));
        printer.SetCurrentY(y0);
        // Eight pieces, each from where the one before ended: top edge, top-right
        // arc, right edge, bottom-right arc, bottom edge, bottom-left arc, left
        // edge, top-left arc.
        printer.Line(Step(0, 0), Step(ToSingle(W - 2 * R), 0), false);
        printer.Circle(Step(0, R), R, 0.0f, kHalfPi);
        printer.Line(Step(R, 0), Step(0, ToSingle(H - 2 * R)), false);
        printer.Circle(Step(-R, 0), R, kThreeHalvesPi, 0.0f);
        printer.Line(Step(0, R), Step(ToSingle(-(W - 2 * R)), 0), false);
        printer.Circle(Step(0, -R), R, kPiSingle, kThreeHalvesPi);
        printer.Line(Step(-R, 0), Step(0, ToSingle(-(H - 2 * R))), false);
        printer.Circle(Step(R, 0), R, kHalfPi, kPiSingle);
    }
    // The position is left at the rectangle's bottom-right corner.
    printer.SetCurrentX(ToSingle(double(StartX) + mOffsetX + W));
    printer.SetCurrentY(ToSingle(double(StartY) + mOffsetY + H));
}

void EasyPrint::PrintPicture(float StartX, float StartY, const PictureHolder& objPicture, float Height, float Width)
{
    ReportErrors([&] {
        const Picture picture = objPicture.GetPicture();
        const float x = ToSingle(double(StartX) + mOffsetX);
        const float y = ToSingle(double(StartY) + mOffsetY);
        std::optional<double> width;
        std::optional<double> height;
        if (Height > 0 && Width > 0) {
            width = Width;
            height = Height;
        } else if (Height == 0 && Width > 0) {
            width = Width;
        } else if (Height > 0 && Width == 0) {
            height = Height;
        }
        printers_.Current().PaintPicture(picture, x, y, width, height);
    });
}

void EasyPrint::EndDoc() { printers_.Current().EndDoc(); }
void EasyPrint::NewPage() { printers_.Current().NewPage(); }
void EasyPrint::KillDoc() { printers_.Current().KillDoc(); }

} // namespace tarvel
