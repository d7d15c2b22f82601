// The main window's side of printing: the printer selection window and the
// report of the texts standing in the controls.
#include "ui/frm_tarvel.h"

#include "ui/masked_edit.h"

namespace tarvel {

void frmTarvel::Command3_Click()
{
    // One printer window at a time, window-modal over this one. One that has
    // just closed is on its way out: a new one lists the printers afresh.
    if (!printer_ || !printer_->isVisible()) {
        printer_ = frmPrinter::Load(*this, runtime_, printers_, *this);
        connect(printer_, &QDialog::finished, this, &frmTarvel::FocusStartDate);
        printer_->open();
    }
    printer_->raise();
    printer_->activateWindow();
}

frmPrinter* frmTarvel::PrinterWindow() const { return printer_ && printer_->isVisible() ? printer_.data() : nullptr; }

void frmTarvel::FocusStartDate()
{
    activateWindow();
    mdataini->FocusForTyping();
}

EasyPrint& frmTarvel::Engine()
{
    if (!objPrint)
        objPrint = std::make_unique<EasyPrint>(printers_, runtime_);
    return *objPrint;
}

void frmTarvel::Default_Value() { ::tarvel::Default_Value(Engine()); }

void frmTarvel::PrintEsempio1()
{
    const PrintedTexts printed = form_.Printed(Typed());
    PrintReport(Engine(), MakeReportTexts(printed.texts, printed.startDate, printed.endDate));
}

} // namespace tarvel
