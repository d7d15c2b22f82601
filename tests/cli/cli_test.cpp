// tarvel-calc's arguments and its table files.
#include "cli/options.h"
#include "runtime/rate_table_file.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
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
        {{"--csv=a.csv"}, "opzione sconosciuta: \"--csv=a.csv\""},
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
        {{"--tassi", "vigenti", "1000", "01/01/2000", "01/01/2001"}, ""},
        {{"--csv", "--tassi=tassi.csv"}, "", Batch},
        {{"--elenco-tassi"}, "", ListRates},
        {{"--tassi", "tassi.csv", "--elenco-tassi"}, "", ListRates},
        {{"1000", "01/01/2000", "01/01/2001", "--tassi"}, "manca il valore di --tassi"},
        {{"--tassi=", "1000", "01/01/2000", "01/01/2001"}, "manca il valore di --tassi"},
        {{"--elenco-tassi", "1000"}, "argomento in più: \"1000\""},
        {{"--elenco-tassi", "--csv"}, "--elenco-tassi non va con --csv, --pdf né --printer"},
        // Interest after a claim and late-payment interest.
        {{"--mora", "--maggiorazione=7,5", "1000", "01/01/2024", "01/01/2025"}, ""},
        {{"--mora", "--tassi-mora", "mora.csv", "1000", "01/01/2024", "01/01/2025"}, ""},
        {{"--csv", "--tassi-mora=mora.csv"}, "", Batch},
        {{"--elenco-tassi-mora"}, "", ListReferenceRates},
        {{"--elenco-tassi-mora", "--tassi-mora", "mora.csv"}, "", ListReferenceRates},
        {{"--mora", "--domanda", "15/05/2024", "1", "1/1/2024", "2/1/2024"}, "--mora e --domanda non vanno insieme"},
        {{"--mora", "--tassi", "vigenti", "1", "1/1/2024", "2/1/2024"},
         "--tassi non va con --mora, che calcola ogni giorno al tasso di mora"},
        {{"--maggiorazione", "7", "1", "1/1/2024", "2/1/2024"}, "--maggiorazione va con --mora"},
        {{"--mora", "--maggiorazione", "25", "1", "1/1/2024", "2/1/2024"},
         "maggiorazione non valida: \"25\" (un numero di punti da 0 a 20, con la virgola e al più due decimali)"},
        {{"--tassi-mora", "mora.csv", "1", "1/1/2024", "2/1/2024"},
         "--tassi-mora va con --mora, --domanda, --csv o --elenco-tassi-mora"},
        {{"--elenco-tassi", "--elenco-tassi-mora"}, "--elenco-tassi e --elenco-tassi-mora non vanno insieme"},
        {{"--elenco-tassi-mora", "--pdf", "a.pdf"}, "--elenco-tassi-mora non va con --csv, --pdf né --printer"},
        {{"--elenco-tassi-mora", "--mora"}, "--elenco-tassi-mora va con --tassi-mora soltanto"},
        {{"--elenco-tassi", "--tassi-mora", "mora.csv"}, "--elenco-tassi va con --tassi soltanto"},
        // A revaluation, alone or with interest, and the index table.
        {{"--rivalutazione", "1000", "03/2015", "03/2016"}, "", Revaluation},
        {{"--rivalutazione", "--percentuale=75", "1000", "03/2015", "03/2016"}, "", Revaluation},
        {{"--rivalutazione", "--interessi-su", "annuale", "--tassi", "t.csv", "1", "1/1/2020", "1/1/2021"},
         "",
         Revaluation},
        {{"--csv", "--rivalutazione", "--interessi-su", "iniziale", "--indici", "i.csv"}, "", Batch},
        {{"--elenco-indici"}, "", ListIndex},
        {{"--indici", "i.csv", "--elenco-indici"}, "", ListIndex},
        {{"--interessi-su", "iniziale", "1", "1/1/2020", "1/1/2021"}, "--interessi-su va con --rivalutazione"},
        {{"--percentuale", "75", "1", "1/1/2020", "1/1/2021"}, "--percentuale va con --rivalutazione"},
        {{"--rivalutazione", "--percentuale", "75", "--interessi-su", "iniziale", "1", "1/1/2020", "1/1/2021"},
         "--percentuale non va con --interessi-su"},
        {{"--rivalutazione", "--mora", "1", "1/1/2020", "1/1/2021"}, "--rivalutazione non va con --mora"},
        {{"--rivalutazione", "--domanda=1/6/2020", "1", "1/1/2020", "1/1/2021"},
         "--rivalutazione non va con --domanda"},
        {{"--rivalutazione", "--movimenti", "m.csv", "1/1/2021"}, "--rivalutazione non va con --movimenti"},
        {{"--rivalutazione", "--elenco-tassi"}, "--rivalutazione non va con --elenco-tassi"},
        {{"--rivalutazione", "--interessi-su", "composto", "1", "1/1/2020", "1/1/2021"},
         "--interessi-su vuole iniziale, rivalutato o annuale, non \"composto\""},
        {{"--rivalutazione", "--interessi-su=", "1", "1/1/2020", "1/1/2021"}, "manca il valore di --interessi-su"},
        {{"--rivalutazione", "--tassi", "vigenti", "1", "1/1/2020", "1/1/2021"},
         "--tassi va con --interessi-su: la rivalutazione da sola non calcola interessi"},
        {{"--indici", "i.csv", "1", "1/1/2020", "1/1/2021"}, "--indici va con --rivalutazione o --elenco-indici"},
        {{"--csv", "--indici", "i.csv"}, "--indici va con --rivalutazione o --elenco-indici"},
        {{"--elenco-indici", "--csv"}, "--elenco-indici va con --indici soltanto"},
        {{"--elenco-indici", "--rivalutazione"}, "--elenco-indici va con --indici soltanto"},
        {{"--tassi", "vigenti", "--elenco-indici"}, "--elenco-indici va con --indici soltanto"},
        {{"--elenco-indici", "i.csv"}, "argomento in più: \"i.csv\""},
        {{"--rivalutazione", "1000", "03/2015"}, "manca AL"},
        // A contract's rate and compound interest.
        {{"--tasso", "4,75", "1000", "01/01/2020", "01/01/2021"}, ""},
        {{"--csv", "--tasso=4,125", "--capitalizzazione", "trimestrale"}, "", Batch},
        {{"--capitalizzazione", "annuale", "--capitalizzazione-dal", "1/6/2020", "--domanda", "1/6/2020", "1",
          "1/1/2020", "1/1/2021"},
         ""},
        {{"--mora", "--capitalizzazione=semestrale", "1", "1/1/2020", "1/1/2021"}, ""},
        {{"--tasso", "4,75", "--domanda", "15/05/2024", "1", "1/1/2024", "2/1/2024"},
         "--tasso non va con --domanda: l'art. 1284, 4° comma c.c. vale solo se le parti non hanno convenuto un tasso"},
        {{"--tasso", "4,75", "--mora", "1", "1/1/2024", "2/1/2024"}, "--tasso e --mora non vanno insieme"},
        {{"--tasso", "4,75", "--tassi", "vigenti", "1", "1/1/2024", "2/1/2024"},
         "--tassi non va con --tasso, che calcola ogni giorno al tasso convenuto"},
        {{"--tasso", "0", "1", "1/1/2024", "2/1/2024"},
         "tasso non valido: \"0\" (si attende un numero da 0,001 a 100, al più tre decimali)"},
        {{"--tasso=", "1", "1/1/2024", "2/1/2024"}, "manca il valore di --tasso"},
        {{"--tasso", "4,75", "--movimenti", "m.csv", "1/1/2021"}, "--tasso non va ancora con --movimenti"},
        {{"--capitalizzazione", "mensile", "1", "1/1/2024", "2/1/2024"},
         "--capitalizzazione vuole annuale, semestrale o trimestrale, non \"mensile\""},
        {{"--capitalizzazione-dal", "1/1/2024", "1", "1/1/2024", "2/1/2024"},
         "--capitalizzazione-dal va con --capitalizzazione"},
        {{"--capitalizzazione", "annuale", "--capitalizzazione-dal=", "1", "1/1/2024", "2/1/2024"},
         "manca il valore di --capitalizzazione-dal"},
        {{"--capitalizzazione", "annuale", "--movimenti", "m.csv", "1/1/2021"},
         "--capitalizzazione non va ancora con --movimenti"},
        {{"--rivalutazione", "--interessi-su", "annuale", "--capitalizzazione", "annuale", "1", "1/1/2020", "1/1/2021"},
         "--rivalutazione non va con --capitalizzazione"},
        {{"--rivalutazione", "--tasso", "4", "1", "1/1/2020", "1/1/2021"}, "--rivalutazione non va con --tasso"},
        {{"--elenco-tassi", "--capitalizzazione", "annuale"}, "--elenco-tassi va con --tassi soltanto"},
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
    EXPECT_EQ(ParseCalcOptions({"--tassi", "vigenti", "--elenco-tassi"}).rates, "vigenti");
    EXPECT_FALSE(ParseCalcOptions({"1", "1/1/2000", "2/1/2000"}).rates);
    EXPECT_EQ(ParseCalcOptions({"--mora", "1", "1/1/2020", "2/1/2020"}).marginHundredths, 800);
    EXPECT_EQ(ParseCalcOptions({"--mora", "--maggiorazione", "7", "1", "1/1/2020", "2/1/2020"}).marginHundredths, 700);
    EXPECT_EQ(ParseCalcOptions({"--domanda=1.2.2020", "1", "1/1/2020", "2/1/2020"}).claimDate, "1.2.2020");
    const CalcOptions compounded =
        ParseCalcOptions({"--tasso", "4,75", "--capitalizzazione", "trimestrale", "--capitalizzazione-dal", "1.6.2020",
                          "1", "1/1/2020", "2/1/2021"});
    EXPECT_EQ(compounded.contractRate, "4,75");
    ASSERT_TRUE(compounded.compounding);
    EXPECT_EQ(compounded.compounding->period, CompoundingPeriod::Quarter);
    EXPECT_EQ(compounded.compounding->from, "1.6.2020");
    const RevaluationOptions revaluation =
        ParseCalcOptions({"--rivalutazione", "--interessi-su", "rivalutato", "--indici=i.csv", "1", "1/2020", "2/2020"})
            .revaluation;
    EXPECT_EQ(revaluation.interestOn, InterestOn::Revalued);
    EXPECT_EQ(revaluation.indexFile, "i.csv");
    EXPECT_EQ(
        ParseCalcOptions({"--rivalutazione", "--percentuale", "75", "1", "1/2020", "2/2020"}).revaluation.percentage,
        "75");
}

// A table file as its reader takes it: the message for a file it refuses,
// nothing for one it reads.
std::string readTable(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
    std::ostringstream errors;
    const auto table = ReadRateTableFile(file.string(), errors);
    EXPECT_EQ(table.has_value(), errors.str().empty()) << errors.str();
    return errors.str();
}

TEST(ReadRateTableFile, RefusesAFileWithTheLineAndWhatIsWrong)
{
    const tarvel::testing::ScratchFolder folder("tarvel-tassi");
    const std::filesystem::path file = folder.Path() / "tassi.csv";
    const std::string header = "dal;tasso;atto\n";
    const std::string mark = "\xEF\xBB\xBF";
    std::string tooMany = header;
    for (int year = 2000; year <= 2064; ++year)
        tooMany += "01/01/" + std::to_string(year) + ";1;\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "riga 1: manca l'intestazione dal;tasso;atto"},
        {"01/01/2020;5;x\n", "riga 1: la prima riga deve essere l'intestazione dal;tasso;atto"},
        {header, "riga 2: manca almeno una riga di tassi dopo l'intestazione"},
        {header + "01/01/2020;5\n", "riga 2: la riga ha 2 campi invece di 3 (dal;tasso;atto)"},
        {header + "31/02/2020;5;\n", "riga 2: data non valida: \"31/02/2020\""},
        {header + "01/01/2020;2.5;\n",
         "riga 2: tasso non valido: \"2.5\" (un numero da 0 a 100, con la virgola e al più due decimali)"},
        {header + "01/01/2020;100,5;\n", "riga 2: il tasso 100,5 non è tra 0 e 100"},
        {header
             + "01/01/2014;1;\n01/01/2015;0,5;\n01/01/2016;0,2;\n01/01/2018;0,3;\n01/01/2020;0,05;\n"
               "01/01/2019;0,8;\n",
         "riga 7: la data 01/01/2019 non viene dopo 01/01/2020"},
        // An empty line is skipped, and counted.
        {header + "\n01/01/2020;0,05;\n2020-01-01;0,8;\n", "riga 4: la data 01/01/2020 non viene dopo 01/01/2020"},
        {header + "01/01/2200;1;\n",
         "riga 2: la data 01/01/2200 viene dopo il 31/12/2199, l'ultimo giorno che si calcola"},
        {header + "01/01/2020;1;\"D.M.\n", "riga 2: virgolette non bilanciate"},
        {header + "01/01/2020;1;decreto \xE8\n", "riga 2: testo non in UTF-8"},
        {header + std::string(5000, 'x') + "\n", "riga 2: riga più lunga di 4096 byte"},
        // A byte-order mark is dropped from the first line only; a fault ends the reading.
        {header + mark + "01/01/2020;1;\n01/01/2021;1;\n", "riga 2: data non valida: \"<U+FEFF>01/01/2020\""},
        {tooMany, "riga 66: la tabella ha più di 64 righe di tassi"},
    };
    for (const auto& [bytes, message] : cases)
        EXPECT_EQ(readTable(file, bytes), "tarvel-calc: " + file.string() + ": " + message + "\n")
            << bytes.substr(0, 80);

    // Blank lines without end, as a device or a pipe could give them: refused
    // once the file is longer than any table can be.
    const std::string endless = readTable(file, header + "01/01/2020;1;\n" + std::string(300000, '\n'));
    EXPECT_TRUE(endless.ends_with(": file più lungo di 266370 byte\n")) << endless;
    EXPECT_EQ(readTable(folder.Path(), ""),
              "tarvel-calc: impossibile leggere \"" + folder.Path().string() + "\": È una directory\n");
    const auto missing = folder.Path() / "nessuna.csv";
    std::ostringstream errors;
    EXPECT_FALSE(ReadRateTableFile(missing.string(), errors));
    EXPECT_EQ(errors.str(),
              "tarvel-calc: impossibile aprire \"" + missing.string() + "\": File o directory non esistente\n");
}

TEST(ReadRateTableFile, ReadsWhatItWritesAndTheFormsPeopleType)
{
    const tarvel::testing::ScratchFolder folder("tarvel-tassi");
    const std::filesystem::path file = folder.Path() / "tassi.csv";
    EXPECT_EQ(readTable(file,
                        "\xEF\xBB\xBF Dal ;TASSO;Atto\r\n\r\n2014-01-01; 1 ;\"D.M. 12/12/2013; \"\"art. 1284\"\"\"\r\n"
                        "1/1/2015;0,5;\r\n01012016;0,2; D.M. 11/12/2015 \r\n"),
              "");
    std::ostringstream errors, written;
    WriteRateTableFile(written, ReadRateTableFile(file.string(), errors)->periods());
    EXPECT_EQ(written.str(), "dal;tasso;atto\n01/01/2014;1;\"D.M. 12/12/2013; \"\"art. 1284\"\"\"\n01/01/2015;0,5;\n"
                             "01/01/2016;0,2;D.M. 11/12/2015\n");
    EXPECT_EQ(readTable(file, written.str()), "");
}

} // namespace
