#include "tests/print/pdf_layout.h"

#include "tests/print/expected_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <regex>
#include <sstream>

namespace tarvel::testing {
namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72;

std::string Unescape(std::string text)
{
    const std::array<std::pair<const char*, const char*>, 5> entities{
        {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}}};
    for (const auto& [entity, plain] : entities)
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string(entity).size(), plain);
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Where the first visible letter of a left-aligned text stands: after its
// leading spaces, each 569/2048 em wide in Arial (and in its metric twin).
LaidOutText Left(const std::string& text, double x, double y, double points)
{
    const double spaces = double(text.find_first_not_of(' ') == std::string::npos ? 0 : text.find_first_not_of(' '));
    return {text, x + spaces * 569.0 / 2048 * points * kMillimetresPerPoint, y, false};
}

} // namespace

std::vector<PdfPage> ReadPdfWords(const std::string& file)
{
    const std::string command = "pdftotext -bbox '" + file + "' - 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (pipe) {
        std::array<char, 4096> buffer;
        for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;)
            output.append(buffer.data(), n);
    }
    std::vector<PdfPage> pages;
    const std::regex pageOrWord(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">|)re"
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    for (std::sregex_iterator it(output.begin(), output.end(), pageOrWord), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pages.push_back({std::stod(m[1]) * kMillimetresPerPoint, std::stod(m[2]) * kMillimetresPerPoint, {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back(
                {Unescape(m[7]), std::stod(m[3]) * kMillimetresPerPoint, std::stod(m[4]) * kMillimetresPerPoint,
                 std::stod(m[5]) * kMillimetresPerPoint, std::stod(m[6]) * kMillimetresPerPoint});
        }
    }
    return pages;
}

std::vector<std::string> PageLines(const PdfPage& page)
{
    std::vector<PdfWord> words = page.words;
    std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::abs(a.yMin - b.yMin) > 0.5 ? a.yMin < b.yMin : a.xMin < b.xMin;
    });
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0 && std::abs(words[i].yMin - words[i - 1].yMin) <= 0.5)
            lines.back() += ' ' + words[i].text;
        else
            lines.push_back(words[i].text);
    }
    return lines;
}

namespace {

std::vector<LaidOutText> LayoutOf(const std::vector<ExpectedText>& report)
{
    std::vector<LaidOutText> layout;
    for (const ExpectedText& expected : report) {
        layout.push_back(expected.rightAligned ? LaidOutText{expected.text, expected.x, expected.y, true}
                                               : Left(expected.text, expected.x, expected.y, expected.points));
        layout.back().head = expected.head;
        layout.back().headY = expected.headY;
    }
    return layout;
}

} // namespace

std::vector<LaidOutText> ReportLayout(const ReportTexts& texts) { return LayoutOf(ExpectedReport(texts)); }

std::vector<LaidOutText> RatesReportLayout(const RatesReportTexts& texts, double pitch)
{
    return LayoutOf(ExpectedRatesReport(texts, pitch));
}

namespace {

// The left edges (right edges when right-aligned) of the runs of words on the
// row at `y` that spell `text`.
std::vector<double> EdgesOf(const PdfPage& page, const std::vector<std::string>& words, double y, bool rightAligned,
                            double toleranceMm)
{
    std::vector<PdfWord> row;
    for (const PdfWord& word : page.words)
        if (std::abs(word.yMin - y) <= toleranceMm)
            row.push_back(word);
    std::sort(row.begin(), row.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    std::vector<double> edges;
    for (std::size_t start = 0; start + words.size() <= row.size(); ++start) {
        bool same = true;
        for (std::size_t k = 0; k < words.size() && same; ++k)
            same = row[start + k].text == words[k];
        if (same)
            edges.push_back(rightAligned ? row[start + words.size() - 1].xMax : row[start].xMin);
    }
    return edges;
}

} // namespace

std::vector<std::string> LayoutMismatches(const PdfPage& page, const std::vector<LaidOutText>& layout,
                                          double toleranceMm)
{
    std::vector<std::string> mismatches;
    for (LaidOutText expected : layout) {
        const auto words = Words(expected.text);
        if (words.empty())
            continue;
        if (!expected.head.empty()) {
            const auto heads = EdgesOf(page, Words(expected.head), expected.headY, expected.rightAligned, toleranceMm);
            if (heads.empty()) {
                mismatches.push_back("no head \"" + expected.head + "\" for \"" + expected.text + "\"");
                continue;
            }
            expected.x = heads.front();
        }
        const std::vector<double> edges = EdgesOf(page, words, expected.y, expected.rightAligned, toleranceMm);
        const bool placed = std::any_of(edges.begin(), edges.end(),
                                        [&](double edge) { return std::abs(edge - expected.x) <= toleranceMm; });
        if (placed)
            continue;
        std::ostringstream found;
        for (double edge : edges)
            found << ' ' << edge;
        std::ostringstream mismatch;
        mismatch << '"' << expected.text << "\" expected at (" << expected.x << ", " << expected.y << ") mm, "
                 << (expected.rightAligned ? "right" : "left")
                 << " edges found:" << (edges.empty() ? " none" : found.str());
        mismatches.push_back(mismatch.str());
    }
    return mismatches;
}

std::vector<std::string> Collisions(const PdfPage& page)
{
    constexpr double kEdgeMm = 5;
    constexpr double kTouchMm = 0.2; // neighbours may touch, not overlap
    const auto apart = [&](double minA, double maxA, double minB, double maxB) {
        return maxA - kTouchMm <= minB || maxB - kTouchMm <= minA;
    };
    std::vector<std::string> collisions;
    const std::vector<PdfWord>& words = page.words;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PdfWord& a = words[i];
        if (a.xMin < kEdgeMm || a.yMin < kEdgeMm || a.xMax > page.widthMm - kEdgeMm || a.yMax > page.heightMm - kEdgeMm)
            collisions.push_back("\"" + a.text + "\" at the sheet's edge");
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const PdfWord& b = words[j];
            if (!apart(a.xMin, a.xMax, b.xMin, b.xMax) && !apart(a.yMin, a.yMax, b.yMin, b.yMax))
                collisions.push_back("\"" + a.text + "\" runs into \"" + b.text + "\"");
        }
    }
    return collisions;
}

void ExpectLayout(const PdfPage& page, const std::vector<LaidOutText>& layout, double toleranceMm)
{
    for (const std::string& mismatch : LayoutMismatches(page, layout, toleranceMm))
        ADD_FAILURE() << mismatch;
}

} // namespace tarvel::testing
