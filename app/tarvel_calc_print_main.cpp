// tarvel-calc-print: tarvel-calc with the report of --pdf and --printer, run
// by tarvel-calc when a report is asked for.
#include "cli/qt_report_printer.h"
#include "cli/run_tarvel_calc.h"

int main(int argc, char** argv)
{
    tarvel::QtReportPrinter printer;
    return tarvel::RunTarvelCalc(argc, argv, &printer);
}
