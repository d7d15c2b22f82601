// tarvel-calc's arguments, its dates and the rows of its CSV batch.
#include "cli/batch/csv_row.h"
#include "cli/date_field_text.h"
#include "cli/options.h"

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

TEST(DateFieldText, FillsTheMaskWithAnExistingDateOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        // The field's own form, eight digits as typed into the field, ISO.
        {"01/01/2000", "01 / 01 / 2000"}, {"1/2/2000", "01 / 02 / 2000"}, {" 1 / 2 / 2000 ", "01 / 02 / 2000"},
        {"01 / 01 / 2000", "01 / 01 / 2000"}, {"01012000", "01 / 01 / 2000"}, {"2000-02-29", "29 / 02 / 2000"},
        {" 31122014 ", "31 / 12 / 2014"}, {"9999-12-31", "31 / 12 / 9999"},
        // Mistyped: never reread as some other date.
        {"01/01/20000", nullptr}, {"011/1/2000", nullptr}, {"1/011/2000", nullptr},
        {"01/02/2001 junk 99", nullptr}, {"1/2/20001", nullptr}, {"123456789", nullptr}, {"0101", nullptr},
        {"", nullptr}, {"abc", nullptr}, {"__ / __ / ____", nullptr}, {"2000-2-1", nullptr},
        {"2000/02/01", nullptr}, {"01-02-2000", nullptr}, {"0102 2000", nullptr}, {"+1/2/2000", nullptr},
        // Days that do not exist, in every form.
        {"31/02/2000", nullptr}, {"29022001", nullptr}, {"2001-02-29", nullptr}, {"00/01/2000", nullptr},
        {"2000-13-01", nullptr}, {"01/01/0099", nullptr},
    };
    for (const auto& [typed, field] : cases) {
        const auto text = DateFieldText(typed);
        if (field)
            EXPECT_EQ(text, field) << '"' << typed << '"';
        else
            EXPECT_FALSE(text) << '"' << typed << "\" read as " << *text;
    }
}

} // namespace
