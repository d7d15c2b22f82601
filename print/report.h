#pragma once

#include "calc/control_texts.h"
#include "calc/rate_schedule.h"
#include "print/easy_print.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tarvel {

// The texts at the top of every report, as they stand in the main window's
// controls.
struct ReportSummary {
    std::string capital;             // importo
    std::string totalInterest;       // SeeInteressi
    std::string startDate;           // mdataini, "dd / mm / yyyy"
    std::string endDate;             // mdatafin
    std::string yearsText;           // Label8
    std::string daysText;            // Label23
    std::string capitalPlusInterest; // Label6
};

// The texts the report shows.
struct ReportTexts : ReportSummary {
    std::array<std::string, kPeriodCount> captions; // lblData
    std::array<std::string, kPeriodCount> amounts;  // txtAnno, unformatted
};

// The summary from the window's control texts (a text not written reads
// empty) and the two date fields as they stand.
ReportSummary MakeReportSummary(const ControlTexts& window, std::string startDate, std::string endDate);

// The report's texts: the summary and the rate periods' captions and amounts.
ReportTexts MakeReportTexts(const ControlTexts& window, std::string startDate, std::string endDate);

// The page settings of every report: high quality, monochrome, A4, portrait.
void Default_Value(EasyPrint& objPrint);

// The title and the summary, at the top of the page. Errors of the settings
// go to the caller.
void PrintReportSummary(EasyPrint& objPrint, const ReportSummary& summary);

// Lays out the one page of the report; the period amounts go through
// FormatAmount. Errors of the settings go to the caller.
void PrintReportBody(EasyPrint& objPrint, const ReportTexts& texts);

// The report as one document on the current printer, in that printer's page
// frame: the body, then EndDoc.
void PrintReport(EasyPrint& objPrint, const ReportTexts& texts);

// Lays out one document with `layOut` on the current printer, in that
// printer's page frame, and ends it. A document stopped half-way is dropped,
// so that the next one does not go on from its page; a failure to drop it
// changes nothing for the caller, who gets the first error.
void PrintWholeDocument(EasyPrint& objPrint, const std::function<void()>& layOut);

} // namespace tarvel
