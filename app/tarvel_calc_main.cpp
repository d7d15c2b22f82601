// tarvel-calc: the calculator for scripts. It links no Qt: a report is printed
// by tarvel-calc-print, which it runs only when one is asked for.
#include "cli/run_tarvel_calc.h"

int main(int argc, char** argv) { return tarvel::RunTarvelCalc(argc, argv, nullptr); }
