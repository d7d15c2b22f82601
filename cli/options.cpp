#include "cli/options.h"

#include "calc/charged_rates.h"
#include "calc/printable.h"
#include "calc/version.h"

#include <algorithm>

namespace tarvel {

const char* const kCalcUsage =
    "Uso: tarvel-calc CAPITALE DAL AL\n"
    "     tarvel-calc CAPITALE DAL AL --pdf FILE\n"
    "     tarvel-calc CAPITALE DAL AL --printer STAMPANTE\n"
    "     tarvel-calc --csv [FILE]\n"
    "     tarvel-calc --elenco-tassi\n"
    "     tarvel-calc --domanda DATA CAPITALE DAL AL\n"
    "     tarvel-calc --mora [--maggiorazione N] CAPITALE DAL AL\n"
    "     tarvel-calc --elenco-tassi-mora\n"
    "     tarvel-calc --movimenti FILE [--domanda DATA | --mora [--indennizzo]] AL\n"
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
    "  --domanda DATA       interessi legali fino al giorno prima della domanda giudiziale\n"
    "                       del giorno DATA, poi al tasso di mora: il tasso di riferimento\n"
    "                       del semestre più 8 punti (art. 1284, 4° comma c.c., per le domande\n"
    "                       dall'11/12/2014); la parte legale con --tassi o con i tassi in vigore\n"
    "  --mora               interessi di mora su ogni giorno (D.Lgs. 231/2002): il tasso di\n"
    "                       riferimento del semestre più la maggiorazione\n"
    "  --maggiorazione N    con --mora, i punti sopra il tasso di riferimento: da 0 a 20,\n"
    "                       al più due decimali (8 se non data; 7 prima del 2013)\n"
    "  --tassi-mora FILE    i tassi di riferimento del file CSV FILE (dal;tasso;atto) invece\n"
    "                       di quelli incorporati, dal 01/01/2013 al 1° semestre 2026\n"
    "  --elenco-tassi-mora  scrive la tabella dei tassi di riferimento in uso nella forma di\n"
    "                       quel file\n"
    "  --movimenti FILE     il conto di un debito, al giorno AL, dai crediti e dai pagamenti del\n"
    "                       file CSV FILE (data;tipo;importo;descrizione; con -, dallo standard\n"
    "                       input): ogni pagamento va prima agli interessi, poi al capitale;\n"
    "                       scrive il prospetto e in fondo capitale residuo, interessi e totale\n"
    "                       dovuto (con i tassi legali in vigore, se non si dà --tassi)\n"
    "  --imputazione capitale  con --movimenti, ogni pagamento va prima al capitale\n"
    "  --indennizzo         con --movimenti e --mora, 40,00 euro per ogni credito\n"
    "                       (art. 6 D.Lgs. 231/2002)\n"
    "  --version            stampa il nome e la versione del programma\n"
    "  --help               stampa questo testo\n"
    "Esce con 0 se il calcolo riesce, 1 se i dati non sono validi, 2 se l'uso è errato,\n"
    "la stampante non esiste o la tabella dei tassi non va, 3 se la stampa non riesce.\n"
    "Con --csv esce con 0 se ogni riga è riuscita, 1 se almeno una ha esito errore, 2 se\n"
    "l'uso è errato o FILE non si può leggere; così anche con --movimenti, che esce con 1 se\n"
    "un dato del file non è valido.\n";

const char* const kCalcVersion = "tarvel-calc " TARVEL_VERSION;

namespace {

// The arguments that are still missing, named as the usage names them.
std::string missing(std::size_t given)
{
    static const char* const kMissing[] = {"mancano CAPITALE, DAL e AL", "mancano DAL e AL", "manca AL"};
    return kMissing[given];
}

// Where the option `name` of `table` keeps what it says; null when the table
// has no such option.
template <typename Place, std::size_t N>
Place* PlaceOf(const std::pair<std::string_view, Place*> (&table)[N], std::string_view name)
{
    for (const auto& [option, place] : table)
        if (option == name)
            return place;
    return nullptr;
}

} // namespace

CalcOptions ParseCalcOptions(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    bool batch = false;
    bool listRates = false;
    bool listReferenceRates = false;
    std::optional<std::string> margin;
    bool help = false;
    bool version = false;
    const auto fail = [&options](std::string what) {
        options.usageError = std::move(what);
        return options;
    };
    // The options that are a word alone, and those that take a value: where
    // each keeps what it says.
    const std::pair<std::string_view, bool*> flags[] = {
        {"--help", &help},
        {"--version", &version},
        {"--csv", &batch},
        {"--elenco-tassi", &listRates},
        {"--elenco-tassi-mora", &listReferenceRates},
        {"--mora", &options.latePayment},
        {"--indennizzo", &options.ledger.compensation},
    };
    const std::pair<std::string_view, std::optional<std::string>*> valued[] = {
        {"--pdf", &options.pdfFile},           {"--printer", &options.printerName},
        {"--tassi", &options.rates},           {"--tassi-mora", &options.referenceRates},
        {"--domanda", &options.claimDate},     {"--maggiorazione", &margin},
        {"--movimenti", &options.ledger.file}, {"--imputazione", &options.ledger.imputation},
    };
    const auto valueOf = [&valued](std::string_view name) { return PlaceOf(valued, name); };
    // Each option once: a second value would silently win over the first.
    std::vector<std::string> seen;
    const auto repeated = [&seen](std::string name) {
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            return true;
        seen.push_back(std::move(name));
        return false;
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
        } else if (bool* flag = PlaceOf(flags, argument)) {
            if (repeated(argument))
                return fail("opzione ripetuta: " + argument);
            *flag = true;
        } else if (std::optional<std::string>* value = valueOf(argument)) {
            // An option after it is no value of it ("--domanda --csv f.csv").
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--"))
                return fail("manca il valore di " + argument);
            if (repeated(argument))
                return fail("opzione ripetuta: " + argument);
            *value = arguments[++i];
        } else if (const std::size_t equals = argument.find('=');
                   equals != std::string::npos && valueOf(argument.substr(0, equals))) {
            if (repeated(argument.substr(0, equals)))
                return fail("opzione ripetuta: " + argument.substr(0, equals));
            *valueOf(argument.substr(0, equals)) = argument.substr(equals + 1);
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
    for (const char* name : {"--tassi", "--tassi-mora", "--domanda", "--maggiorazione"})
        if (const auto* value = valueOf(name); *value && (*value)->empty())
            return fail("manca il valore di " + std::string(name));
    if (options.latePayment && options.claimDate)
        return fail("--mora e --domanda non vanno insieme");
    if (options.latePayment && options.rates)
        return fail("--tassi non va con --mora, che calcola ogni giorno al tasso di mora");
    if (margin) {
        if (!options.latePayment)
            return fail("--maggiorazione va con --mora");
        if (const auto fault = MarginFault(*margin))
            return fail(fault->reason);
    }
    options.marginHundredths = margin ? *ReadMargin(*margin) : kDefaultMarginHundredths;
    if (options.ledger.file || options.ledger.imputation || options.ledger.compensation) {
        FinishLedgerOptions(options, positional, batch || listRates || listReferenceRates);
        return options;
    }
    if (listRates && listReferenceRates)
        return fail("--elenco-tassi e --elenco-tassi-mora non vanno insieme");
    if (listRates || listReferenceRates) {
        const std::string name = listRates ? "--elenco-tassi" : "--elenco-tassi-mora";
        if (batch || options.wantsReport())
            return fail(name + " non va con --csv, --pdf né --printer");
        if (options.chargesLatePayment() || (listRates ? options.referenceRates : options.rates))
            return fail(name + (listRates ? " va con --tassi soltanto" : " va con --tassi-mora soltanto"));
        if (!positional.empty())
            return fail("argomento in più: " + Quoted(positional[0]));
        options.mode = listRates ? CalcOptions::Mode::ListRates : CalcOptions::Mode::ListReferenceRates;
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
    if (options.referenceRates && !options.chargesLatePayment())
        return fail("--tassi-mora va con --mora, --domanda, --csv o --elenco-tassi-mora");
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
