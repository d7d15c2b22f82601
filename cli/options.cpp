#include "cli/options.h"

#include "calc/printable.h"
#include "calc/version.h"

namespace tarvel {

const char* const kCalcUsage =
    "Uso: tarvel-calc CAPITALE DAL AL\n"
    "     tarvel-calc CAPITALE DAL AL --pdf FILE\n"
    "     tarvel-calc CAPITALE DAL AL --printer STAMPANTE\n"
    "     tarvel-calc --csv [FILE]\n"
    "     tarvel-calc --elenco-tassi\n"
    "Calcola l'interesse legale su CAPITALE dal giorno DAL al giorno AL.\n"
    "  CAPITALE  importo in euro, per esempio 10000 oppure 10.000,50\n"
    "  DAL, AL   date nel formato gg/mm/aaaa (01/01/2000 oppure 1/1/2000),\n"
    "            ggmmaaaa (01012000) oppure aaaa-mm-gg (2000-01-01)\n"
    "Stampa i testi dei campi della finestra, uno per riga.\n"
    "  --pdf FILE           scrive anche il prospetto del calcolo, una pagina A4, nel file PDF FILE\n"
    "                       (con -, sullo standard output, al posto dei campi)\n"
    "  --printer STAMPANTE  stampa il prospetto sulla stampante installata STAMPANTE\n"
    "  --csv [FILE]         calcola una riga per ogni riga capitale;dal;al del file CSV FILE\n"
    "                       (senza FILE o con -, dallo standard input) e scrive i risultati\n"
    "                       in CSV sullo standard output\n"
    "  --tassi vigenti      calcola con i tassi legali in vigore, ogni cambiamento dal 1942\n"
    "                       al decreto per il 2026, invece che con la tabella della finestra\n"
    "                       (che applica l'1% a ogni giorno dal 2014 in poi)\n"
    "  --tassi FILE         calcola con la tabella dei tassi del file CSV FILE\n"
    "                       (intestazione dal;tasso;atto, una riga per ogni cambiamento)\n"
    "  --elenco-tassi       scrive la tabella dei tassi in uso nella forma di quel file\n"
    "  --version            stampa il nome e la versione del programma\n"
    "  --help               stampa questo testo\n"
    "Esce con 0 se il calcolo riesce, 1 se i dati non sono validi, 2 se l'uso è errato,\n"
    "la stampante non esiste o la tabella dei tassi non va, 3 se la stampa non riesce.\n"
    "Con --csv esce con 0 se ogni riga è riuscita, 1 se almeno una ha esito errore, 2 se\n"
    "l'uso è errato o FILE non si può leggere.\n";

const char* const kCalcVersion = "tarvel-calc " TARVEL_VERSION;

namespace {

// The arguments that are still missing, named as the usage names them.
std::string missing(std::size_t given)
{
    static const char* const kMissing[] = {"mancano CAPITALE, DAL e AL", "mancano DAL e AL", "manca AL"};
    return kMissing[given];
}

} // namespace

CalcOptions ParseCalcOptions(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    bool batch = false;
    bool listRates = false;
    bool help = false;
    bool version = false;
    const auto fail = [&options](std::string what) {
        options.usageError = std::move(what);
        return options;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            if (!optionsEnded && argument == "-h")
                help = true;
            else
                positional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--csv") {
            batch = true;
        } else if (argument == "--elenco-tassi") {
            listRates = true;
        } else if (argument == "--pdf" || argument == "--printer" || argument == "--tassi") {
            if (i + 1 == arguments.size())
                return fail("manca il valore di " + argument);
            (argument == "--pdf"       ? options.pdfFile
             : argument == "--printer" ? options.printerName
                                       : options.rates) = arguments[++i];
        } else if (argument.rfind("--tassi=", 0) == 0) {
            options.rates = argument.substr(8);
        } else if (argument.rfind("--pdf=", 0) == 0) {
            options.pdfFile = argument.substr(6);
        } else if (argument.rfind("--printer=", 0) == 0) {
            options.printerName = argument.substr(10);
        } else {
            return fail("opzione sconosciuta: " + Quoted(argument));
        }
    }

    if (help) {
        options.mode = CalcOptions::Mode::Help;
        return options;
    }
    if (version) {
        options.mode = CalcOptions::Mode::Version;
        return options;
    }
    if (options.pdfFile && options.printerName)
        return fail("--pdf e --printer non vanno insieme");
    if (options.pdfFile && options.pdfFile->empty())
        return fail("manca il nome del file di --pdf");
    if (options.rates && options.rates->empty())
        return fail("manca il valore di --tassi");
    if (listRates) {
        if (batch || options.wantsReport())
            return fail("--elenco-tassi non va con --csv, --pdf né --printer");
        if (!positional.empty())
            return fail("argomento in più: " + Quoted(positional[0]));
        options.mode = CalcOptions::Mode::ListRates;
        return options;
    }
    if (batch) {
        if (options.wantsReport())
            return fail("--csv non va con --pdf né con --printer");
        if (positional.size() > 1)
            return fail("argomento in più: " + Quoted(positional[1]));
        options.mode = CalcOptions::Mode::Batch;
        if (!positional.empty())
            options.csvFile = positional[0];
        return options;
    }
    if (positional.size() < 3)
        return fail(missing(positional.size()));
    if (positional.size() > 3)
        return fail("argomento in più: " + Quoted(positional[3]));
    options.capital = positional[0];
    options.startDate = positional[1];
    options.endDate = positional[2];
    return options;
}

} // namespace tarvel
