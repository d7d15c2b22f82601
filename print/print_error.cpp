#include "print/print_error.h"

#include <cmath>
#include <limits>

namespace tarvel {

std::string PrintErrorDescription(int number)
{
    switch (number) {
    case kErrInvalidCall: return "Operazione non consentita dalla stampante";
    case kErrOverflow: return "Valore fuori dall'intervallo consentito";
    case kErrDivisionByZero: return "Divisione per zero";
    case kErrInternal: return "Errore interno";
    case kErrInvalidProperty: return "Valore non accettato dalla stampante";
    case kErrNoPicture: return "L'oggetto non contiene un'immagine";
    case kErrPicture: return "Immagine non valida o illeggibile";
    case kErrPrinter: return "Errore della stampante";
    case kErrNoPrinter: return "Nessuna stampante disponibile";
    default: return "Errore non previsto";
    }
}

PrintError::PrintError(int number) : PrintError(number, PrintErrorDescription(number)) {}

PrintError::PrintError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}

std::int16_t NarrowToInteger(std::int64_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw PrintError(kErrOverflow);
    return static_cast<std::int16_t>(value);
}

float ToSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        throw PrintError(kErrOverflow);
    return static_cast<float>(value);
}

} // namespace tarvel
