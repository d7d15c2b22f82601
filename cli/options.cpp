#include "cli/options.h"

#include "calc/charged_rates.h"
#include "calc/printable.h"
#include "calc/version.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarvel {

const char* const kCalcUsage =
    "Uso: tarvel-calc CAPITALE DAL AL\n"
    "     tarvel-calc CAPITALE DAL AL --pdf FILE\n"
    "     tarvel-calc CAPITALE DAL AL --printer STAMPANTE\n"
    "     tarvel-calc --csv [FILE]\n"
    "     tarvel-calc --elenco-tassi\n"
    "     tarvel-calc --domanda DATA CAPITALE DAL AL\n"
    "     tarvel-calc --mora [--maggiorazione N] CAPITALE DAL AL\n"
    "     tarvel-calc --tasso R CAPITALE DAL AL\n"
    "     tarvel-calc --capitalizzazione PERIODO [--capitalizzazione-dal DATA] CAPITALE DAL AL\n"
    "     tarvel-calc --elenco-tassi-mora\n"
    "     tarvel-calc --movimenti FILE [--domanda DATA | --mora [--indennizzo]] AL\n"
    "     tarvel-calc --rivalutazione [--percentuale P] CAPITALE DAL AL\n"
    "     tarvel-calc --rivalutazione --interessi-su METODO CAPITALE DAL AL\n"
    "     tarvel-calc --elenco-indici [--indici FILE]\n"
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
    "  --tasso R            interessi convenzionali al tasso annuo R convenuto dalle parti su ogni\n"
    "                       giorno: più di 0, al più 100, al più tre decimali (4,75)\n"
    "  --capitalizzazione PERIODO  annuale, semestrale o trimestrale: alla fine di ogni anno,\n"
    "                       semestre o trimestre gli interessi maturati, al centesimo, si aggiungono\n"
    "                       al capitale e producono interessi; scrive il prospetto, con in fondo\n"
    "                       interessi e totale dovuto (ai tassi legali in vigore, se non si dà\n"
    "                       --tassi FILE, --tasso, --mora o --domanda). È lecita solo dove la legge\n"
    "                       o un accordo la consentono (art. 1283 c.c.)\n"
    "  --capitalizzazione-dal DATA  con --capitalizzazione, interessi semplici fino al giorno DATA\n"
    "                       (tra DAL e AL, per esempio quello della domanda giudiziale),\n"
    "                       capitalizzati quel giorno e poi alla fine di ogni periodo\n"
    "  --movimenti FILE     il conto di un debito, al giorno AL, dai crediti e dai pagamenti del\n"
    "                       file CSV FILE (data;tipo;importo;descrizione; con -, dallo standard\n"
    "                       input): ogni pagamento va prima agli interessi, poi al capitale;\n"
    "                       scrive il prospetto e in fondo capitale residuo, interessi e totale\n"
    "                       dovuto (con i tassi legali in vigore, se non si dà --tassi)\n"
    "  --imputazione capitale  con --movimenti, ogni pagamento va prima al capitale\n"
    "  --indennizzo         con --movimenti e --mora, 40,00 euro per ogni credito\n"
    "                       (art. 6 D.Lgs. 231/2002)\n"
    "  --rivalutazione      rivaluta CAPITALE con l'indice ISTAT dei prezzi al consumo FOI senza\n"
    "                       tabacchi dal mese di DAL al mese di AL (DAL e AL anche mesi, come\n"
    "                       03/2015) e scrive il prospetto: indici, coefficiente, variazione e\n"
    "                       importo rivalutato; con --csv, una rivalutazione per riga\n"
    "  --percentuale P      con --rivalutazione, aggiorna CAPITALE al P% della variazione (75 per\n"
    "                       un canone): più di 0, al più 100, al più due decimali\n"
    "  --interessi-su METODO  con --rivalutazione, anche gli interessi legali (in vigore, o di\n"
    "                       --tassi FILE): iniziale sul capitale, rivalutato sul capitale\n"
    "                       rivalutato ad AL, annuale sulla somma rivalutata a ogni anniversario\n"
    "                       di DAL (Cass. S.U. 1712/1995); DAL e AL sono date\n"
    "  --indici FILE        gli indici del file CSV FILE invece di quelli incorporati: intestazione\n"
    "                       mese;indice;base;raccordo, una riga per mese in ordine, senza mesi\n"
    "                       mancanti (2015-03;107,0;2010;), l'indice positivo con al più un\n"
    "                       decimale, l'anno della base, e al primo mese di ogni base dopo la\n"
    "                       prima il coefficiente di raccordo con tre decimali (1,373)\n"
    "  --elenco-indici      scrive la tabella degli indici in uso nella forma di quel file\n"
    "  --version            stampa il nome e la versione del programma\n"
    "  --help               stampa questo testo\n"
    "Esce con 0 se il calcolo riesce, 1 se i dati non sono validi, 2 se l'uso è errato,\n"
    "la stampante non esiste o la tabella dei tassi o degli indici non va, 3 se la stampa\n"
    "non riesce.\n"
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

// What the arguments say beyond the members of CalcOptions.
struct Given {
    std::vector<std::string> positional;
    bool batch = false;
    bool listRates = false;
    bool listReferenceRates = false;
    bool help = false;
    bool version = false;
    bool listIndex = false;
    std::optional<std::string> margin;
    std::optional<std::string> interestOn;
    std::optional<std::string> compounding;
    std::optional<std::string> compoundingFrom;
};

// Reads the arguments into the options and what else they say: the
// options that are a word alone, and those that take a value.
class ArgumentReader {
public:
    ArgumentReader(CalcOptions& options, Given& given)
        : flags_{{
            {"--help", &given.help},
            {"--version", &given.version},
            {"--csv", &given.batch},
            {"--elenco-tassi", &given.listRates},
            {"--elenco-tassi-mora", &given.listReferenceRates},
            {"--mora", &options.latePayment},
            {"--indennizzo", &options.ledger.compensation},
            {"--rivalutazione", &options.revaluation.wanted},
            {"--elenco-indici", &given.listIndex},
        }},
          valued_{{
              {"--pdf", &options.pdfFile},
              {"--printer", &options.printerName},
              {"--tassi", &options.rates},
              {"--tassi-mora", &options.referenceRates},
              {"--domanda", &options.claimDate},
              {"--maggiorazione", &given.margin},
              {"--movimenti", &options.ledger.file},
              {"--imputazione", &options.ledger.imputation},
              {"--percentuale", &options.revaluation.percentage},
              {"--interessi-su", &given.interestOn},
              {"--indici", &options.revaluation.indexFile},
              {"--tasso", &options.contractRate},
              {"--capitalizzazione", &given.compounding},
              {"--capitalizzazione-dal", &given.compoundingFrom},
          }},
          given_(given)
    {
    }

    // The usage error of the first argument at fault; nothing when none is.
    std::optional<std::string> read(const std::vector<std::string>& arguments)
    {
        bool optionsEnded = false;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
                if (!optionsEnded && argument == "-h")
                    given_.help = true;
                else
                    given_.positional.push_back(argument);
            } else if (argument == "--") {
                optionsEnded = true;
            } else if (auto fault = option(arguments, i)) {
                return fault;
            }
        }
        return std::nullopt;
    }

    // Where the option `name` that takes a value keeps it; null for no such option.
    std::optional<std::string>* valueOf(std::string_view name) const { return placeOf(valued_, name); }
    // Whether the option `name` was given, with or without its value.
    bool given(std::string_view name) const { return std::find(seen_.begin(), seen_.end(), name) != seen_.end(); }
    // The options given, each once, in their order.
    const std::vector<std::string>& options() const { return seen_; }

private:
    template <typename Place, std::size_t N>
    static Place* placeOf(const std::array<std::pair<std::string_view, Place*>, N>& table, std::string_view name)
    {
        for (const auto& [option, place] : table)
            if (option == name)
                return place;
        return nullptr;
    }

    // The option at `i` ("--mora", "--tassi FILE", "--tassi=FILE"), moving
    // `i` past its value; why it is wrong, or nothing.
    std::optional<std::string> option(const std::vector<std::string>& arguments, std::size_t& i)
    {
        const std::string& argument = arguments[i];
        if (bool* flag = placeOf(flags_, argument)) {
            if (repeated(argument))
                return "opzione ripetuta: " + argument;
            *flag = true;
        } else if (std::optional<std::string>* value = valueOf(argument)) {
            // An option after it is no value of it ("--domanda --csv f.csv").
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--"))
                return "manca il valore di " + argument;
            if (repeated(argument))
                return "opzione ripetuta: " + argument;
            *value = arguments[++i];
        } else if (const std::size_t equals = argument.find('=');
                   equals != std::string::npos && valueOf(argument.substr(0, equals))) {
            if (repeated(argument.substr(0, equals)))
                return "opzione ripetuta: " + argument.substr(0, equals);
            *valueOf(argument.substr(0, equals)) = argument.substr(equals + 1);
        } else {
            return "opzione sconosciuta: " + Quoted(argument);
        }
        return std::nullopt;
    }

    // Each option once: a second value would silently win over the first.
    bool repeated(std::string name)
    {
        if (std::find(seen_.begin(), seen_.end(), name) != seen_.end())
            return true;
        seen_.push_back(std::move(name));
        return false;
    }

    std::array<std::pair<std::string_view, bool*>, 9> flags_;
    std::array<std::pair<std::string_view, std::optional<std::string>*>, 14> valued_;
    Given& given_;
    std::vector<std::string> seen_;
};

// Why the options that every mode shares do not go together, or nothing;
// sets the margin.
std::optional<std::string> sharedFault(CalcOptions& options, const Given& given, const ArgumentReader& reader)
{
    if (options.pdfFile && options.printerName)
        return "--pdf e --printer non vanno insieme";
    if (options.pdfFile && options.pdfFile->empty())
        return "manca il nome del file di --pdf";
    for (const char* name : {"--tassi", "--tassi-mora", "--domanda", "--maggiorazione", "--percentuale",
                             "--interessi-su", "--indici", "--tasso", "--capitalizzazione", "--capitalizzazione-dal"})
        if (const auto* value = reader.valueOf(name); *value && (*value)->empty())
            return "manca il valore di " + std::string(name);
    if (options.latePayment && options.claimDate)
        return "--mora e --domanda non vanno insieme";
    if (options.latePayment && options.rates)
        return "--tassi non va con --mora, che calcola ogni giorno al tasso di mora";
    if (given.margin) {
        if (!options.latePayment)
            return "--maggiorazione va con --mora";
        if (const auto fault = MarginFault(*given.margin))
            return fault->reason;
    }
    options.marginHundredths = given.margin ? *ReadMargin(*given.margin) : kDefaultMarginHundredths;
    return std::nullopt;
}

// --tasso and --capitalizzazione: why they do not go with the others, or
// nothing; sets the compounding.
std::optional<std::string> compoundingFault(CalcOptions& options, const Given& given)
{
    if (options.contractRate) {
        if (options.claimDate)
            return "--tasso non va con --domanda: l'art. 1284, 4° comma c.c. vale solo se le parti non hanno "
                   "convenuto un tasso";
        if (options.latePayment)
            return "--tasso e --mora non vanno insieme";
        if (options.rates)
            return "--tassi non va con --tasso, che calcola ogni giorno al tasso convenuto";
        if (const auto fault = ContractRateFault(*options.contractRate))
            return fault->reason;
    }
    if (given.compoundingFrom && !given.compounding)
        return "--capitalizzazione-dal va con --capitalizzazione";
    if (!given.compounding)
        return std::nullopt;
    const auto period = ReadWord(kCompoundingPeriodWords, *given.compounding);
    if (!period)
        return "--capitalizzazione vuole " + WordsText(kCompoundingPeriodWords) + ", non " + Quoted(*given.compounding);
    options.compounding = CompoundingRequest{*period, given.compoundingFrom.value_or("")};
    return std::nullopt;
}

// --rivalutazione, --elenco-indici and the options that go with them: why
// they do not go with the others, or nothing; sets the method of the interest.
std::optional<std::string> revaluationFault(CalcOptions& options, const Given& given, const ArgumentReader& reader)
{
    RevaluationOptions& revaluation = options.revaluation;
    if (given.listIndex) {
        for (const std::string& name : reader.options())
            if (name != "--elenco-indici" && name != "--indici")
                return "--elenco-indici va con --indici soltanto";
        return std::nullopt;
    }
    if (!revaluation.wanted) {
        for (const char* name : {"--interessi-su", "--percentuale"})
            if (reader.given(name))
                return name + std::string(" va con --rivalutazione");
        if (revaluation.indexFile)
            return "--indici va con --rivalutazione o --elenco-indici";
        return std::nullopt;
    }
    for (const char* name : {"--mora", "--domanda", "--movimenti", "--imputazione", "--indennizzo", "--tassi-mora",
                             "--elenco-tassi", "--elenco-tassi-mora", "--tasso", "--capitalizzazione"})
        if (reader.given(name))
            return "--rivalutazione non va con " + std::string(name);
    if (!given.interestOn) {
        if (options.rates)
            return "--tassi va con --interessi-su: la rivalutazione da sola non calcola interessi";
        return std::nullopt;
    }
    if (revaluation.percentage)
        return "--percentuale non va con --interessi-su";
    revaluation.interestOn = ReadWord(kInterestOnWords, *given.interestOn);
    if (!revaluation.interestOn)
        return "--interessi-su vuole " + WordsText(kInterestOnWords) + ", non " + Quoted(*given.interestOn);
    return std::nullopt;
}

// --elenco-tassi or --elenco-tassi-mora: the mode, or why not.
std::optional<std::string> finishListing(CalcOptions& options, const Given& given)
{
    if (given.listRates && given.listReferenceRates)
        return "--elenco-tassi e --elenco-tassi-mora non vanno insieme";
    const std::string name = given.listRates ? "--elenco-tassi" : "--elenco-tassi-mora";
    if (given.batch || options.wantsReport())
        return name + " non va con --csv, --pdf né --printer";
    if (options.chargesLatePayment() || options.contractRate || options.compounding
        || (given.listRates ? options.referenceRates : options.rates))
        return name + (given.listRates ? " va con --tassi soltanto" : " va con --tassi-mora soltanto");
    if (!given.positional.empty())
        return "argomento in più: " + Quoted(given.positional[0]);
    options.mode = given.listRates ? CalcOptions::Mode::ListRates : CalcOptions::Mode::ListReferenceRates;
    return std::nullopt;
}

// --csv [FILE]: the mode and the file, or why not.
std::optional<std::string> finishBatch(CalcOptions& options, const Given& given)
{
    if (options.wantsReport())
        return "--csv non va con --pdf né con --printer";
    if (given.positional.size() > 1)
        return "argomento in più: " + Quoted(given.positional[1]);
    options.mode = CalcOptions::Mode::Batch;
    if (!given.positional.empty())
        options.csvFile = given.positional[0];
    return std::nullopt;
}

// CAPITALE DAL AL, or why not.
std::optional<std::string> finishCalculation(CalcOptions& options, const Given& given)
{
    if (options.referenceRates && !options.chargesLatePayment())
        return "--tassi-mora va con --mora, --domanda, --csv o --elenco-tassi-mora";
    const std::vector<std::string>& positional = given.positional;
    if (positional.size() < 3)
        return missing(positional.size());
    if (positional.size() > 3)
        return "argomento in più: " + Quoted(positional[3]);
    options.capital = positional[0];
    options.startDate = positional[1];
    options.endDate = positional[2];
    return std::nullopt;
}

} // namespace

CalcOptions ParseCalcOptions(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    Given given;
    ArgumentReader reader(options, given);
    std::optional<std::string> fault = reader.read(arguments);
    if (!fault && given.help)
        options.mode = CalcOptions::Mode::Help;
    else if (!fault && given.version)
        options.mode = CalcOptions::Mode::Version;
    else if (!fault && !(fault = sharedFault(options, given, reader)) && !(fault = compoundingFault(options, given))
             && !(fault = revaluationFault(options, given, reader))) {
        if (given.listIndex && !given.positional.empty())
            fault = "argomento in più: " + Quoted(given.positional[0]);
        else if (given.listIndex)
            options.mode = CalcOptions::Mode::ListIndex;
        else if (options.ledger.file || options.ledger.imputation || options.ledger.compensation)
            FinishLedgerOptions(options, given.positional, given.batch || given.listRates || given.listReferenceRates);
        else if (given.listRates || given.listReferenceRates)
            fault = finishListing(options, given);
        else if (given.batch)
            fault = finishBatch(options, given);
        else if (!(fault = finishCalculation(options, given)) && options.revaluation.wanted)
            options.mode = CalcOptions::Mode::Revaluation;
    }
    if (fault)
        options.usageError = std::move(*fault);
    return options;
}

} // namespace tarvel
