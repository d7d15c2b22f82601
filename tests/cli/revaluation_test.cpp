// tarvel-calc --rivalutazione as a shell runs it: what reaches the statement
// (the index, the legal rates, the method), the index file read, refused and
// written back, and the batch's columns. The figures are the calculation's,
// checked with it; the index of indici.csv makes them plain: 100 in 2020,
// 110 from January to June 2021.
#include "tests/cli/calc_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace tarvel::testing;

namespace {

const std::string kHeader = "mese;indice;base;raccordo\n";

std::string plainIndex()
{
    std::string file = kHeader;
    for (int i = 0; i < 18; ++i) {
        const int month = i % 12 + 1;
        file += std::to_string(2020 + i / 12) + (month < 10 ? "-0" : "-") + std::to_string(month)
                + (i < 12 ? ";100,0;2015;\n" : ";110,0;2015;\n");
    }
    return file;
}

TEST_F(TarvelCalcRun, RevaluesWithTheIndexAndTheRatesChosen)
{
    std::ofstream(scratch / "indici.csv") << plainIndex();
    const std::string plain = "--rivalutazione --indici indici.csv ";
    const std::string title = "Rivalutazione ISTAT e interessi legali ";
    const std::string later = "tarvel-calc: nota: indice di giugno 2021, l'ultimo noto, usato per i mesi successivi; "
                              "se è uscito un indice più recente, aggiungere a \"indici.csv\" una riga per ogni mese\n";
    const std::string rows = "capitale;dal;al\n1000;01/2020;2021-01\nx;01/01/2020;01/01/2021\n";
    const std::string many = "tarvel-calc: riga 3: CAPITALE: importo non valido: \"x\"\n";
    const RunCase cases[] = {
        {"the built-in index", "--rivalutazione 1000 03/2015 03/2016", "", 0,
         "\nTabella: Indici ISTAT FOI senza tabacchi, ultimo: ", ""},
        {"months and dates", plain + "1000 1/2020 2021-01", "", 0,
         "\nCoefficiente: 1,100\nVariazione: 10,0%\nTabella: Indici dal file indici.csv, ultimo: giugno 2021\n"
         "Importo rivalutato: 1.100,00\n",
         ""},
        {"an update", plain + "--percentuale 75 1000 15/01/2020 01/2021", "", 0, "Aggiornamento ISTAT al 75%\n", ""},
        {"past the last index", plain + "1000 01/2020 12/2021", "", 0, "Importo rivalutato: 1.100,00\n", later},
        {"before the first index", plain + "1000 12/2019 01/2021", "", 1, "", "tarvel-calc: DAL: "},
        {"on the capital", plain + "--interessi-su iniziale --tassi tassi.csv 1000 01/01/2020 01/01/2021", "", 0,
         title + "sul capitale iniziale\n", ""},
        {"on the revalued capital", plain + "--interessi-su rivalutato --tassi tassi.csv 1000 01/01/2020 01/01/2021",
         "", 0, title + "sul capitale rivalutato\n", ""},
        {"year by year", plain + "--interessi-su annuale --tassi tassi.csv 1000 01/01/2020 01/01/2021", "", 0,
         "\nTabella: Tassi dal file tassi.csv\n"
         "Tabella: Indici dal file indici.csv, ultimo: giugno 2021\nCapitale rivalutato: 1.100,00\n",
         ""},
        // The rates in force, not the program's 1 % on every day from 2014.
        {"the rates in force", plain + "--interessi-su annuale 1000 01/01/2020 01/01/2021", "", 0,
         "\nTabella: Tassi legali in vigore, ultimo atto: ", ""},
        // The report, on standard output, by the printing program.
        {"the report", plain + "1000 01/2020 01/2021 --pdf -", "", 0, "%PDF-", ""},
        {"the index listed back", "--indici indici.csv --elenco-indici", "", 0, plainIndex(), ""},
        {"the built-in index listed and read back",
         "--elenco-indici > a.csv && " + Calc("--indici a.csv --elenco-indici > b.csv && cmp a.csv b.csv && ")
             + Calc("--indici b.csv --elenco-indici"),
         "", 0, kHeader + "1990-01;", ""},
        // A batch: the columns of each kind, a failed row's empty fields.
        {"a batch", "--csv --rivalutazione --indici indici.csv", rows, 1,
         "capitale;dal;al;esito;coefficiente;variazione;importo "
         "rivalutato\n1000;01/2020;2021-01;ok;1,100;10,0%;1100,00\n"
         "x;01/01/2020;01/01/2021;errore;;;\n",
         many},
        {"a batch of updates", "--csv righe.csv --rivalutazione --indici indici.csv --percentuale 75", rows, 1,
         "capitale;dal;al;esito;coefficiente;variazione;variazione applicata;importo aggiornato\n"
         "1000;01/2020;2021-01;ok;1,100;10,0%;7,5%;1075,00\nx;01/01/2020;01/01/2021;errore;;;;\n",
         many},
        {"a batch with interest", "--csv --rivalutazione --indici indici.csv --interessi-su annuale --tassi tassi.csv",
         "1000;01/01/2020;01/01/2021\n", 0,
         "capitale;dal;al;esito;coefficiente;variazione;capitale rivalutato;interessi;totale dovuto\n"
         "1000;01/01/2020;01/01/2021;ok;1,100;10,0%;1100,00;",
         ""},
        {"a batch's percentage", "--csv --rivalutazione --percentuale 0", rows, 2, "", "tarvel-calc: PERCENTUALE: "},
        {"a batch's claim column", "--csv --rivalutazione", "capitale;dal;al;domanda\n", 2, "",
         "tarvel-calc: la colonna domanda non va con --rivalutazione\n"},
        // An index file that cannot be used stops the run, naming its line.
        {"a month missing", "--rivalutazione --indici righe.csv 1 01/2020 02/2020",
         kHeader + "2020-01;100,0;2015;\n2020-03;100,0;2015;\n", 2, "", "tarvel-calc: righe.csv: riga 3: "},
        {"a month out of order", "--indici righe.csv --elenco-indici",
         kHeader + "2020-02;100,0;2015;\n2020-01;100,0;2015;\n", 2, "", "tarvel-calc: righe.csv: riga 3: "},
        {"an index not positive", "--indici righe.csv --elenco-indici", kHeader + "2020-01;0,0;2015;\n", 2, "",
         "tarvel-calc: righe.csv: riga 2: "},
        {"a base without its link", "--indici righe.csv --elenco-indici",
         kHeader + "2020-01;100,0;2015;\n2020-02;100,0;2020;\n", 2, "", "tarvel-calc: righe.csv: riga 3: "},
        {"a line too long", "--indici righe.csv --elenco-indici", kHeader + std::string(5000, '1') + "\n", 2, "",
         "tarvel-calc: righe.csv: riga 2: riga più lunga di 4096 byte\n"},
        {"an endless file", "--indici /dev/zero --elenco-indici", "", 2, "",
         "tarvel-calc: /dev/zero: riga 1: riga più lunga di 4096 byte\n"},
    };
    for (const RunCase& row : cases)
        Check(row);
}

} // namespace
