#pragma once

#include "print/printer.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QPainter>

#include <exception>
#include <memory>
#include <string>

class QPdfWriter;
class QPrinter;

namespace tarvel {

// A printer on Qt's print support: a named queue of the system's printing
// service, or a PDF file. Needs a QGuiApplication.
//
// A document is delivered whole or not at all. It begins with the first
// output and is drawn into a PDF kept in memory, on the target's page (its
// paper and printable area). EndDoc delivers it: as one job whose every answer
// from the print server is checked, or as the whole file written beside the
// target and renamed into place (WriteWholeFile). KillDoc, and the destructor
// with a document open, drop it: nothing reaches the queue or the file. A
// failed delivery is a PrintError of EndDoc with the system's reason.
//
// Coordinates are millimetres from the corner of the printable area, which Qt
// places at the page layout's margins; GetDeviceCaps reports those margins in
// device pixels.
class QtPrinter final : public Printer {
public:
    static std::shared_ptr<QtPrinter> ForDevice(const std::string& deviceName);
    static std::shared_ptr<QtPrinter> ForPdf(const std::string& file);
    ~QtPrinter() override;

    std::string DeviceName() const override { return name_; }
    void SetScaleMode(std::int16_t mode) override;
    double ScaleWidth() override;
    double ScaleHeight() override;
    std::int32_t GetDeviceCaps(std::int32_t index) override;
    double CurrentX() override { return x_; }
    void SetCurrentX(double x) override { x_ = x; }
    double CurrentY() override { return y_; }
    void SetCurrentY(double y) override { y_ = y; }
    std::string FontName() override;
    void SetFontName(const std::string& name) override;
    double FontSize() override;
    void SetFontSize(double points) override;
    bool FontBold() override;
    void SetFontBold(bool on) override;
    bool FontItalic() override;
    void SetFontItalic(bool on) override;
    bool FontUnderline() override;
    void SetFontUnderline(bool on) override;
    std::int32_t ForeColor() override { return foreColor_; }
    void SetForeColor(std::int32_t color) override;
    std::int16_t FontCount() override;
    std::string Fonts(std::int16_t index) override;
    std::int16_t PageCode(PageSetting setting) override;
    void SetPageCode(PageSetting setting, std::int16_t code) override;
    void Print(const std::string& text) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    void Line(std::optional<LinePoint> from, LinePoint to, bool box) override;
    void Circle(LinePoint centre, double radius, std::optional<double> start, std::optional<double> end) override;
    void PaintPicture(const Picture& picture, double x, double y, std::optional<double> width,
                      std::optional<double> height) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;
    std::int16_t Page() override { return page_; }

    // The file of a PDF printer; empty for a queue.
    const std::string& PdfFile() const { return pdfFile_; }

private:
    QtPrinter(std::string name, std::string pdfFile);
    QPrinter& Device();
    QPainter& Document();
    void DropDocument();
    // False, with nothing changed, for a code the setting has no meaning for.
    bool ApplyPageCode(PageSetting setting, std::int16_t code);
    void Deliver(const QByteArray& pdf);
    QColor Ink();
    void PreparePen();
    double Pixels(double mm);
    QPointF PixelPoint(double xMm, double yMm);

    std::string name_;
    std::string pdfFile_;
    std::unique_ptr<QPrinter> printer_; // the page set-up; made on first use: cheap lists of printers
    QBuffer document_;                  // the open document's PDF
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    QFont font_;
    std::int32_t foreColor_ = 0;
    double x_ = 0;
    double y_ = 0;
    std::int16_t quality_ = -4;
    std::int16_t drawStyle_ = 0;
    std::int16_t drawWidth_ = 1;
    std::int16_t page_ = 1;
};

// The one line that tells why a print on `printer` (null: none was chosen)
// failed, naming the queue or the file: "Impossibile stampare su "P1": La stampante non
// accetta lavori", "Impossibile scrivere il file "x.pdf": Permesso negato".
std::string PrintFailureMessage(const Printer* printer, const std::exception& error);

} // namespace tarvel
