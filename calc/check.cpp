#include "calc/check.h"

#include <cstdio>
#include <cstdlib>

namespace tarvel {

void CheckFailed(const char* what)
{
    std::fprintf(stderr, "tarvel: controllo interno fallito: %s\n", what);
    std::abort();
}

} // namespace tarvel
