#pragma once

#include "print/report.h"
#include "tests/print/expected_report.h"

#include <string>
#include <vector>

namespace tarvel::testing {

// A word as `pdftotext -bbox` finds it, in millimetres from the sheet's corner.
struct PdfWord {
    std::string text;
    double xMin, yMin, xMax, yMax;
};

struct PdfPage {
    double widthMm = 0;
    double heightMm = 0;
    std::vector<PdfWord> words;
};

std::vector<PdfPage> ReadPdfWords(const std::string& file);

// The page's lines top to bottom, each its words left to right, one space apart.
std::vector<std::string> PageLines(const PdfPage& page);

// A text of the report where the layout puts it: left edge (or right edge)
// and top, in millimetres. A text of a table's column has its edge where the
// page shows the column's head, at headY.
struct LaidOutText {
    std::string text;
    double x;
    double y;
    bool rightAligned;
    std::string head = {};
    double headY = 0;
};

std::vector<LaidOutText> ReportLayout(const ReportTexts& texts);
std::vector<LaidOutText> RatesReportLayout(const RatesReportTexts& texts, double pitch = 5);

// One line for each non-blank text of `layout` that does not stand on `page`
// within `toleranceMm` of its place; none when the page is as laid out.
std::vector<std::string> LayoutMismatches(const PdfPage& page, const std::vector<LaidOutText>& layout,
                                          double toleranceMm);

// One line for each pair of words of a line of `page` that overlap, and for
// each word within 5 mm of the sheet's edge or past it: none when nothing runs
// into anything nor off the sheet.
std::vector<std::string> Collisions(const PdfPage& page);

// Adds a test failure for each of the mismatches above.
void ExpectLayout(const PdfPage& page, const std::vector<LaidOutText>& layout, double toleranceMm);

} // namespace tarvel::testing
