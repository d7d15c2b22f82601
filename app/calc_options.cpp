#include "calc_options.h"

namespace tarvel {

const char* const kCalcUsage =
    "Uso: tarvel-calc CAPITALE DAL AL\n"
    "Calcola l'interesse legale su CAPITALE dal giorno DAL al giorno AL.\n"
    "  CAPITALE  importo in euro, per esempio 10000 oppure 10.000,50\n"
    "  DAL, AL   date nel formato gg/mm/aaaa, per esempio 01/01/2000\n"
    "Stampa i testi dei campi della finestra, uno per riga.\n"
    "Esce con 0 se il calcolo riesce, 1 se i dati non sono validi, 2 se l'uso è errato.\n";

std::optional<CalcOptions> ParseCalcOptions(const std::vector<std::string>& arguments)
{
    CalcOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
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
        } else {
            return std::nullopt;
        }
    }
    if (options.help)
        return options;
    if (positional.size() != 3)
        return std::nullopt;
    options.capital = positional[0];
    options.startDate = positional[1];
    options.endDate = positional[2];
    return options;
}

} // namespace tarvel
