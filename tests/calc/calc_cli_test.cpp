// tarvel-calc's arguments and the rows of its CSV batch.
#include "calc_options.h"
#include "csv_row.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace tarvel;

namespace {

struct OptionsCase {
    std::vector<std::string> arguments;
    const char* usageError; // empty: a valid call
    CalcOptions::Mode mode = CalcOptions::Mode::Calculate;
};

TEST(ParseCalcOptions, SaysWhatIsWrongWithTheArguments)
{
    using enum CalcOptions::Mode;
    const OptionsCase cases[] = {
        {{"1000", "01/01/2000", "01/01/2001"}, ""},
        {{"-1000", "01/01/2000", "01/01/2001"}, ""},
        {{"1000", "01/01/2000", "01/01/2001", "--pdf", "a.pdf"}, ""},
        {{"--printer=Ufficio", "1000", "01/01/2000", "01/01/2001"}, ""},
        {{"--", "--1000", "01/01/2000", "01/01/2001"}, ""},
        {{"--csv"}, "", Batch},
        {{"--csv", "-"}, "", Batch},
        {{"fatture.csv", "--csv"}, "", Batch},
        {{"--version"}, "", Version},
        {{"--help", "--anni"}, "opzione sconosciuta: \"--anni\""},
        {{"-h"}, "", Help},
        {{}, "mancano CAPITALE, DAL e AL"},
        {{"1000"}, "mancano DAL e AL"},
        {{"1000", "01/01/2000"}, "manca AL"},
        {{"1000", "01/01/2000", "01/01/2001", "x"}, "argomento in più: \"x\""},
        {{"--anni", "1000", "01/01/2000", "01/01/2001"}, "opzione sconosciuta: \"--anni\""},
        {{"1000", "01/01/2000", "01/01/2001", "--pdf"}, "manca il valore di --pdf"},
        {{"1000", "01/01/2000", "01/01/2001", "--pdf="}, "manca il nome del file di --pdf"},
        {{"1000", "01/01/2000", "01/01/2001", "--pdf", "a", "--printer", "b"}, "--pdf e --printer non vanno insieme"},
        {{"--csv", "a.csv", "b.csv"}, "argomento in più: \"b.csv\""},
        {{"--csv", "--pdf", "a.pdf"}, "--csv non va con --pdf né con --printer"},
    };
    for (const auto& [arguments, usageError, mode] : cases) {
        std::string call;
        for (const auto& argument : arguments)
            call += " " + argument;
        const CalcOptions options = ParseCalcOptions(arguments);
        EXPECT_EQ(options.usageError, usageError) << call;
        if (options.usageError.empty()) {
            EXPECT_EQ(options.mode, mode) << call;
        }
    }
}

TEST(ParseCalcOptions, KeepsTheArgumentsOfAValidCall)
{
    const CalcOptions calculation = ParseCalcOptions({"--pdf=r.pdf", "-1000", "1/1/2000", "2001-01-01"});
    EXPECT_EQ(calculation.capital, "-1000");
    EXPECT_EQ(calculation.startDate, "1/1/2000");
    EXPECT_EQ(calculation.endDate, "2001-01-01");
    EXPECT_EQ(calculation.pdfFile, "r.pdf");
    EXPECT_EQ(ParseCalcOptions({"--csv", "fatture.csv"}).csvFile, "fatture.csv");
}

struct RowCase {
    const char* name;
    std::string_view line;
    CsvRow::Status status;
    std::vector<std::string> fields;
};

TEST(CsvRow, SplitsFieldsAndUnquotesThem)
{
    using enum CsvRow::Status;
    const RowCase cases[] = {
        {"plain", "1000;01/01/2000;01/01/2001", Ok, {"1000", "01/01/2000", "01/01/2001"}},
        {"quoted", "\"1.000,50\";\"1/1/2000\";2001-01-01", Ok, {"1.000,50", "1/1/2000", "2001-01-01"}},
        {"quote inside", "\"a\"\"b\";\"\";\"x;y\"", Ok, {"a\"b", "", "x;y"}},
        {"empty fields", ";;", Ok, {"", "", ""}},
        {"trailing separator", "1;2;3;", Ok, {"1", "2", "3", ""}},
        {"spaces kept", " 1 ; 2 ", Ok, {" 1 ", " 2 "}},
        {"accented", "caffè;€", Ok, {"caffè", "€"}},
        {"quote left open", "\"1000;01/01/2000;01/01/2001", BadQuotes, {}},
        {"text after the quote", "\"10\"00;1;2", BadQuotes, {}},
        {"quote in a plain field", "10\"00;1;2", BadQuotes, {}},
        {"Latin-1 byte", "caff\xE8;1;2", NotUtf8, {}},
        {"overlong form", "\xC0\xAF;1;2", NotUtf8, {}},
        {"surrogate", "\xED\xA0\x80;1;2", NotUtf8, {}},
        {"cut short", "1;2;\xE2\x82", NotUtf8, {}},
    };
    CsvRow row; // one row object for all, as the batch reads every line
    for (const auto& [name, line, status, fields] : cases) {
        ASSERT_EQ(row.read(line), status) << name;
        if (status != Ok)
            continue;
        std::vector<std::string> got;
        for (std::size_t i = 0; i < row.size(); ++i)
            got.push_back(row[i]);
        EXPECT_EQ(got, fields) << name;
    }
}

} // namespace
