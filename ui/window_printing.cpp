#include "ui/window_printing.h"

#include "print/report.h"

#include <utility>

namespace tarvel {

WindowPrinting::WindowPrinting(QWidget& window, FormRuntime& runtime, PrinterSelection& printers, LayOut layOut,
                               std::function<void()> finished)
    : window_(window), runtime_(runtime), printers_(printers), layOut_(std::move(layOut)),
      finished_(std::move(finished))
{
}

WindowPrinting::~WindowPrinting() { delete printer_.data(); }

void WindowPrinting::Open()
{
    // One that has just closed is on its way out: a new one lists the
    // printers afresh.
    if (!printer_ || !printer_->isVisible()) {
        printer_ = frmPrinter::Load(*this, runtime_, printers_, window_);
        QObject::connect(printer_, &QDialog::finished, &window_, [this] { finished_(); });
        printer_->open();
    }
    printer_->raise();
    printer_->activateWindow();
}

frmPrinter* WindowPrinting::PrinterWindow() const
{
    return printer_ && printer_->isVisible() ? printer_.data() : nullptr;
}

EasyPrint& WindowPrinting::MadeEngine()
{
    if (!engine_)
        engine_ = std::make_unique<EasyPrint>(printers_, runtime_);
    return *engine_;
}

void WindowPrinting::Default_Value() { ::tarvel::Default_Value(MadeEngine()); }

void WindowPrinting::PrintEsempio1() { layOut_(MadeEngine()); }

} // namespace tarvel
