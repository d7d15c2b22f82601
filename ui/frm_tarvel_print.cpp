// The main window's side of printing: the printer selection window and the
// report of the last calculation.
#include "ui/frm_tarvel.h"

#include "ui/masked_edit.h"

namespace tarvel {

void frmTarvel::Command3_Click() { printing_.Open(); }

void frmTarvel::FocusStartDate()
{
    activateWindow();
    mdataini->FocusForTyping();
}

void frmTarvel::PrintEsempio1(EasyPrint& objPrint)
{
    const PrintedTexts printed = form_.Printed(Typed());
    PrintReport(objPrint, MakeReportTexts(printed.texts, printed.startDate, printed.endDate));
}

} // namespace tarvel
