// What tarvel-calc refuses rather than print a figure nobody asked for, and
// what it reads past: run as a shell runs it, in a folder holding a legal
// table that starts on 01/01/2020 (tassi.csv) and the case's own file
// (righe.csv).
#include "tests/cli/calc_run.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarvel::testing;

namespace {

constexpr char kFailed[] = "Si è verificato un errore; dati incongruenti o formato non valido riprova!!.\n";
constexpr char kUsage[] = "Uso: tarvel-calc CAPITALE DAL AL\n";

TEST_F(TarvelCalcRun, RefusesWhatWouldGiveAFigureNobodyAskedFor)
{
    const std::string pastLastDay = " viene dopo il 31/12/2199, l'ultimo giorno che si calcola\n";
    const RunCase cases[] = {
        // The days before the legal table's first row earn nothing, with a
        // claim as without one; the late-payment rows charge from the claim.
        {"a claim before the legal table", "--domanda 15/05/2019 --tassi tassi.csv 10000 01/01/2019 31/12/2021", "", 0,
         "importo: 10.000,00\n5% dal 01/01/2020: \n1% dal 01/01/2021: \n", ""},
        {"a claim before the legal table, in a batch", "--csv righe.csv --tassi tassi.csv",
         "capitale;dal;al;domanda\n10000;01/01/2019;31/12/2021;15/05/2019\n", 0,
         "\n10000;01/01/2019;31/12/2021;15/05/2019;ok;2108,49;12108,49;3;0;;;;;;;;;;;;;;;103,0137;", ""},
        {"late payment past the last day", "--mora 1000 01/01/2200 31/12/2200", "", 1, "importo:  \n",
         kFailed + std::string("tarvel-calc: AL: la data \"31/12/2200\"") + pastLastDay},
        {"a repeated option", "--mora --maggiorazione 30 --maggiorazione 7 1 1/1/2024 2/1/2024", "", 2, "",
         "tarvel-calc: opzione ripetuta: --maggiorazione\n" + std::string(kUsage)},
        {"an option for a value", "--domanda --csv righe.csv", "", 2, "",
         "tarvel-calc: manca il valore di --domanda\n" + std::string(kUsage)},
        {"reference rates no row uses", "--csv righe.csv --tassi-mora tassi.csv", "1;1/1/2020;1/1/2021\n", 2, "",
         "tarvel-calc: --tassi-mora va con --mora, --domanda o con la colonna domanda del file CSV\n"},
        {"a byte-order mark inside a table", "--tassi righe.csv 1 1/1/2020 2/1/2020",
         "dal;tasso;atto\n\xEF\xBB\xBF"
         "01/01/2013;1;\n",
         2, "", "tarvel-calc: righe.csv: riga 2: data non valida: \"<U+FEFF>01/01/2013\"\n"},
        // A spreadsheet saves an empty row as separators; before the header too.
        {"blank rows in a batch", "--csv", "\n;;\n  \ncapitale;dal;al\n;;;\n1000;01/01/1990;01/01/1991\n\n", 0,
         "01/01/2014\n1000;01/01/1990;01/01/1991;ok;52,33;", ""},
        {"blank rows in a table", "--tassi righe.csv --elenco-tassi", "dal;tasso;atto\n;;\n \n01/01/2020;1;\n;;;\n", 0,
         "dal;tasso;atto\n01/01/2020;1;\n", ""},
    };
    for (const RunCase& row : cases)
        Check(row);
}

// An amount has cents at most: three decimals are most likely a thousand
// written with the wrong separator, never rounded away.
TEST_F(TarvelCalcRun, RefusesACapitalOfMoreThanTwoDecimals)
{
    const struct {
        const char* capital;
        const char* written; // importo; empty: refused
    } cases[] = {
        {"10,000", ""}, {"1.000,001", ""},       {"10,125", ""},     {"-10,125", ""},   {"10,120", ""},
        {"0,001", ""},  {"10.000", "10.000,00"}, {"10,12", "10,12"}, {"10,1", "10,10"}, {"1.000,5", "1.000,50"},
    };
    for (const auto& [capital, written] : cases) {
        const std::string refusal = "CAPITALE: il capitale \"" + std::string(capital)
                                    + "\" ha più di due decimali: per diecimila euro scrivere 10000 o 10.000,00\n";
        const bool refused = *written == '\0';
        Check({capital, std::string(capital) + " 01/01/2020 01/01/2021", "", refused ? 1 : 0,
               "importo: " + (refused ? " " : std::string(written)) + "\n",
               refused ? kFailed + std::string("tarvel-calc: ") + refusal : ""});
        Check({capital, "--csv", std::string("\"") + capital + "\";01/01/2020;01/01/2021\n", refused ? 1 : 0,
               refused ? ";errore;" : ";ok;", refused ? "tarvel-calc: riga 1: " + refusal : ""});
    }
}

} // namespace
