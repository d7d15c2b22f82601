#pragma once

// A statement of the rates in force printed to a PDF as the window prints it
// and read back, for the tests of its pages.

#include "calc/statement.h"
#include "print/qt_printer.h"
#include "print/rates_report.h"
#include "tests/print/pdf_layout.h"
#include "tests/support/recording_runtime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvel::testing {

// The lines of every page, in order; each page is checked for words running
// into each other or off the sheet, and to begin with `title`; `pages` is
// how many there were.
inline std::vector<std::string> PrintedLines(const Statement& statement, const std::string& title, std::size_t& pages)
{
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("prospetto.pdf").toStdString();
    PrinterSelection printers;
    printers.MakeCurrent(QtPrinter::ForPdf(pdf));
    RecordingRuntime runtime;
    {
        EasyPrint objPrint(printers, runtime);
        PrintRatesReport(objPrint, MakeRatesReportTexts(statement, LocalToday()));
    }
    EXPECT_TRUE(runtime.messages.empty());
    const std::vector<PdfPage> read = ReadPdfWords(pdf);
    pages = read.size();
    std::vector<std::string> lines;
    for (const PdfPage& page : read) {
        EXPECT_EQ(Collisions(page), std::vector<std::string>{});
        const std::vector<std::string> own = PageLines(page);
        EXPECT_FALSE(own.empty());
        if (!own.empty()) {
            EXPECT_EQ(own.front(), title);
        }
        lines.insert(lines.end(), own.begin(), own.end());
    }
    return lines;
}

} // namespace tarvel::testing
