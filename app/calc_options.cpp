#include "calc_options.h"

namespace tarvel {

const char* const kCalcUsage =
    "Uso: tarvel-calc CAPITALE DAL AL\n"
    "     tarvel-calc CAPITALE DAL AL --pdf FILE\n"
    "     tarvel-calc CAPITALE DAL AL --printer STAMPANTE\n"
    "Calcola l'interesse legale su CAPITALE dal giorno DAL al giorno AL.\n"
    "  CAPITALE  importo in euro, per esempio 10000 oppure 10.000,50\n"
    "  DAL, AL   date nel formato gg/mm/aaaa, per esempio 01/01/2000\n"
    "Stampa i testi dei campi della finestra, uno per riga.\n"
    "  --pdf FILE           scrive anche il prospetto del calcolo, una pagina A4, nel file PDF FILE\n"
    "  --printer STAMPANTE  stampa il prospetto sulla stampante installata STAMPANTE\n"
    "Esce con 0 se il calcolo riesce, 1 se i dati non sono validi, 2 se l'uso è errato\n"
    "o la stampante non esiste, 3 se la stampa non riesce.\n";

std::optional<CalcOptions> ParseCalcOptions(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    std::optional<std::string>* awaitingValue = nullptr;
    for (const std::string& argument : arguments) {
        if (awaitingValue) {
            *awaitingValue = argument;
            awaitingValue = nullptr;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            if (!optionsEnded && argument == "-h") {
                options.help = true;
                continue;
            }
            positional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--pdf" || argument == "--printer") {
            awaitingValue = argument == "--pdf" ? &options.pdfFile : &options.printerName;
        } else if (argument.rfind("--pdf=", 0) == 0) {
            options.pdfFile = argument.substr(6);
        } else if (argument.rfind("--printer=", 0) == 0) {
            options.printerName = argument.substr(10);
        } else {
            return std::nullopt;
        }
    }
    if (options.help)
        return options;
    // One report at a time, and an option needs its value.
    if (awaitingValue || (options.pdfFile && options.printerName) || (options.pdfFile && options.pdfFile->empty()))
        return std::nullopt;
    if (positional.size() != 3)
        return std::nullopt;
    options.capital = positional[0];
    options.startDate = positional[1];
    options.endDate = positional[2];
    return options;
}

} // namespace tarvel
