#include "print/qt_printer.h"

#include "print/cups_job.h"
#include "print/page_codes.h"
#include "print/print_error.h"
#include "print/whole_file.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace tarvel {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTwoPi = 2 * M_PI;
constexpr double kDegreesPerRadian = 180 / M_PI;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// 0x00BBGGRR
QColor ColorFromCode(std::int32_t code) { return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF); }

} // namespace

QtPrinter::QtPrinter(std::string name, std::string pdfFile)
    : name_(std::move(name)), pdfFile_(std::move(pdfFile)), font_(QStringLiteral("Arial"))
{
    font_.setPointSizeF(10);
}

// A document that was never ended is dropped, not printed half-done.
QtPrinter::~QtPrinter() { DropDocument(); }

std::shared_ptr<QtPrinter> QtPrinter::ForDevice(const std::string& deviceName)
{
    return std::shared_ptr<QtPrinter>(new QtPrinter(deviceName, {}));
}

std::shared_ptr<QtPrinter> QtPrinter::ForPdf(const std::string& file)
{
    return std::shared_ptr<QtPrinter>(new QtPrinter(file, file));
}

QPrinter& QtPrinter::Device()
{
    if (!printer_) {
        if (pdfFile_.empty()) {
            const QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(name_));
            if (info.isNull()) {
                // Gone since the list was read, or the server does not answer.
                CheckDestination(name_);
                throw PrintError(kErrNoPrinter, "La stampante non esiste");
            }
            printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        } else {
            // Only the page set-up: the file is written by Deliver.
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer_->setOutputFormat(QPrinter::PdfFormat);
        }
        printer_->setFullPage(false);
        printer_->setDocName(QStringLiteral("Tarvel"));
    }
    return *printer_;
}

QPainter& QtPrinter::Document()
{
    if (!painter_.isActive()) {
        QPrinter& device = Device();
        document_.setData(QByteArray());
        if (!document_.open(QIODevice::WriteOnly))
            throw PrintError(kErrPrinter);
        writer_ = std::make_unique<QPdfWriter>(&document_);
        writer_->setTitle(QStringLiteral("Tarvel"));
        writer_->setCreator(QStringLiteral("Tarvel"));
        writer_->setResolution(device.resolution());
        if (!writer_->setPageLayout(device.pageLayout()) || !painter_.begin(writer_.get())) {
            DropDocument();
            throw PrintError(kErrPrinter);
        }
        page_ = 1;
    }
    return painter_;
}

void QtPrinter::DropDocument()
{
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    document_.close();
    document_.setData(QByteArray());
}

void QtPrinter::Deliver(const QByteArray& pdf)
{
    const std::string_view bytes(pdf.constData(), std::size_t(pdf.size()));
    if (!pdfFile_.empty()) {
        WriteWholeFile(pdfFile_, bytes);
        return;
    }
    QPrinter& device = Device();
    JobSettings settings;
    settings.media = device.pageLayout().pageSize().key().toStdString();
    settings.portrait = device.pageLayout().orientation() == QPageLayout::Portrait;
    settings.monochrome = device.colorMode() == QPrinter::GrayScale;
    settings.quality = quality_;
    settings.copies = device.copyCount();
    SubmitPdfJob(name_, "Tarvel", bytes, MakeJobOptions(settings));
}

// Monochrome documents are drawn in greys, as the printer would print them.
QColor QtPrinter::Ink()
{
    const QColor colour = ColorFromCode(foreColor_);
    if (Device().colorMode() != QPrinter::GrayScale)
        return colour;
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey);
}

double QtPrinter::Pixels(double mm) { return mm * Device().resolution() / kMillimetresPerInch; }

QPointF QtPrinter::PixelPoint(double xMm, double yMm) { return {Pixels(xMm), Pixels(yMm)}; }

void QtPrinter::SetScaleMode(std::int16_t mode)
{
    if (mode != kScaleMillimetres)
        throw PrintError(kErrInvalidProperty);
}

double QtPrinter::ScaleWidth() { return Device().pageLayout().paintRect(QPageLayout::Millimeter).width(); }
double QtPrinter::ScaleHeight() { return Device().pageLayout().paintRect(QPageLayout::Millimeter).height(); }

std::int32_t QtPrinter::GetDeviceCaps(std::int32_t index)
{
    QPrinter& device = Device();
    const int resolution = device.resolution();
    const QRect printable = device.pageLayout().paintRectPixels(resolution);
    switch (index) {
    case kPhysicalOffsetX: return printable.left();
    case kPhysicalOffsetY: return printable.top();
    case kLogPixelsX:
    case kLogPixelsY: return resolution;
    default: throw PrintError(kErrInvalidProperty);
    }
}

std::string QtPrinter::FontName() { return font_.family().toStdString(); }

void QtPrinter::SetFontName(const std::string& name)
{
    if (name.empty())
        throw PrintError(kErrInvalidProperty);
    font_.setFamily(ToQString(name));
}

double QtPrinter::FontSize() { return font_.pointSizeF(); }

void QtPrinter::SetFontSize(double points)
{
    if (!(points > 0 && points <= 2160))
        throw PrintError(kErrInvalidProperty);
    font_.setPointSizeF(points);
}

bool QtPrinter::FontBold() { return font_.bold(); }
void QtPrinter::SetFontBold(bool on) { font_.setBold(on); }
bool QtPrinter::FontItalic() { return font_.italic(); }
void QtPrinter::SetFontItalic(bool on) { font_.setItalic(on); }
bool QtPrinter::FontUnderline() { return font_.underline(); }
void QtPrinter::SetFontUnderline(bool on) { font_.setUnderline(on); }

void QtPrinter::SetForeColor(std::int32_t color)
{
    if (color < 0 || color > 0xFFFFFF)
        throw PrintError(kErrInvalidProperty);
    foreColor_ = color;
}

std::int16_t QtPrinter::FontCount()
{
    return static_cast<std::int16_t>(std::min<qsizetype>(QFontDatabase::families().size(), 32767));
}

std::string QtPrinter::Fonts(std::int16_t index)
{
    const QStringList families = QFontDatabase::families();
    if (index < 0 || index >= families.size())
        throw PrintError(kErrInvalidProperty);
    return families.at(index).toStdString();
}

std::int16_t QtPrinter::PageCode(PageSetting setting)
{
    switch (setting) {
    case PageSetting::PaperSize: return PaperCodeForPageSize(Device().pageLayout().pageSize().id());
    case PageSetting::Copies: return static_cast<std::int16_t>(Device().copyCount());
    case PageSetting::PrintQuality: return quality_;
    case PageSetting::ColorMode: return Device().colorMode() == QPrinter::GrayScale ? 1 : 2;
    case PageSetting::Orientation: return Device().pageLayout().orientation() == QPageLayout::Portrait ? 1 : 2;
    case PageSetting::DrawStyle: return drawStyle_;
    case PageSetting::DrawWidth: return drawWidth_;
    }
    throw PrintError(kErrInvalidProperty);
}

void QtPrinter::SetPageCode(PageSetting setting, std::int16_t code)
{
    if (!ApplyPageCode(setting, code))
        throw PrintError(kErrInvalidProperty);
}

bool QtPrinter::ApplyPageCode(PageSetting setting, std::int16_t code)
{
    switch (setting) {
    case PageSetting::PaperSize: {
        const auto id = PageSizeForPaperCode(code);
        return id && Device().setPageSize(QPageSize(*id));
    }
    case PageSetting::Copies:
        if (code < 1)
            return false;
        Device().setCopyCount(code);
        return true;
    case PageSetting::PrintQuality: {
        const auto resolution = ResolutionForQuality(code);
        if (!resolution)
            return false;
        // The resolution of an open document is fixed; the next one gets it.
        if (!painter_.isActive())
            Device().setResolution(*resolution);
        quality_ = code;
        return true;
    }
    case PageSetting::ColorMode: {
        const auto mode = ColorModeForCode(code);
        if (!mode)
            return false;
        Device().setColorMode(*mode);
        return true;
    }
    case PageSetting::Orientation: {
        const auto orientation = OrientationForCode(code);
        return orientation && Device().setPageOrientation(*orientation);
    }
    case PageSetting::DrawStyle:
        if (!PenStyleForDrawStyle(code))
            return false;
        drawStyle_ = code;
        return true;
    case PageSetting::DrawWidth:
        if (code < 1)
            return false;
        drawWidth_ = code;
        return true;
    }
    return false;
}

void QtPrinter::Print(const std::string& text)
{
    QPainter& painter = Document();
    const QFontMetricsF metrics(font_, &Device());
    painter.setFont(font_);
    painter.setPen(Ink());
    painter.drawText(QPointF(Pixels(x_), Pixels(y_) + metrics.ascent()), ToQString(text));
    x_ = 0;
    y_ += metrics.height() * kMillimetresPerInch / Device().resolution();
}

double QtPrinter::TextWidth(const std::string& text)
{
    const QFontMetricsF metrics(font_, &Device());
    return metrics.horizontalAdvance(ToQString(text)) * kMillimetresPerInch / Device().resolution();
}

double QtPrinter::TextHeight(const std::string&)
{
    const QFontMetricsF metrics(font_, &Device());
    return metrics.height() * kMillimetresPerInch / Device().resolution();
}

void QtPrinter::PreparePen()
{
    QPen pen(Ink());
    pen.setWidth(drawWidth_);
    pen.setStyle(*PenStyleForDrawStyle(drawStyle_));
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void QtPrinter::Line(std::optional<LinePoint> from, LinePoint to, bool box)
{
    const LinePoint start = from ? from->From(x_, y_) : LinePoint{x_, y_};
    const LinePoint end = to.From(start.x, start.y);
    const double x1 = start.x, y1 = start.y, x2 = end.x, y2 = end.y;
    QPainter& painter = Document();
    PreparePen();
    if (box)
        painter.drawRect(QRectF(PixelPoint(x1, y1), PixelPoint(x2, y2)).normalized());
    else if (x1 != x2 || y1 != y2) // an empty segment would be an invalid path in the PDF
        painter.drawLine(PixelPoint(x1, y1), PixelPoint(x2, y2));
    x_ = x2;
    y_ = y2;
}

void QtPrinter::Circle(LinePoint centre, double radius, std::optional<double> start, std::optional<double> end)
{
    const LinePoint c = centre.From(x_, y_);
    const double cx = c.x, cy = c.y;
    const double from = start.value_or(0);
    double span = end.value_or(kTwoPi) - from;
    if (span <= 0)
        span += kTwoPi;
    // Qt's angles also run counter-clockwise as seen on the page.
    const QRectF bounds(PixelPoint(cx - radius, cy - radius), PixelPoint(cx + radius, cy + radius));
    QPainterPath arc;
    arc.arcMoveTo(bounds, from * kDegreesPerRadian);
    arc.arcTo(bounds, from * kDegreesPerRadian, span * kDegreesPerRadian);
    QPainter& painter = Document();
    PreparePen();
    painter.drawPath(arc);
    x_ = cx;
    y_ = cy;
}

void QtPrinter::PaintPicture(const Picture& picture, double x, double y, std::optional<double> width,
                             std::optional<double> height)
{
    QImage image(ToQString(picture.file));
    if (image.isNull())
        throw PrintError(kErrPicture);
    if (Device().colorMode() == QPrinter::GrayScale)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    const auto millimetresPerPixel = [](int dotsPerMetre) {
        return dotsPerMetre > 0 ? 1000.0 / dotsPerMetre : kMillimetresPerInch / 96;
    };
    const double w = width.value_or(image.width() * millimetresPerPixel(image.dotsPerMeterX()));
    const double h = height.value_or(image.height() * millimetresPerPixel(image.dotsPerMeterY()));
    Document().drawImage(QRectF(PixelPoint(x, y), QSizeF(Pixels(w), Pixels(h))), image);
}

void QtPrinter::NewPage()
{
    Document();
    if (!writer_->newPage())
        throw PrintError(kErrPrinter);
    ++page_;
}

void QtPrinter::EndDoc()
{
    page_ = 1;
    if (!painter_.isActive())
        return;
    const bool ended = painter_.end();
    const QByteArray pdf = document_.data();
    DropDocument();
    if (!ended)
        throw PrintError(kErrPrinter);
    Deliver(pdf);
}

void QtPrinter::KillDoc()
{
    DropDocument();
    page_ = 1;
}

std::string PrintFailureMessage(const Printer* printer, const std::exception& error)
{
    if (!printer)
        return std::string("Impossibile stampare: ") + error.what();
    const auto* qtPrinter = dynamic_cast<const QtPrinter*>(printer);
    if (qtPrinter && !qtPrinter->PdfFile().empty())
        return "Impossibile scrivere il file \"" + qtPrinter->PdfFile() + "\": " + error.what();
    return "Impossibile stampare su \"" + printer->DeviceName() + "\": " + error.what();
}

} // namespace tarvel
