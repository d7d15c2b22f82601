#pragma once

namespace tarvel {

class ReportPrinter;

// The whole of tarvel-calc, shared by both programs so that they read their
// arguments and dates alike; `printer` is null in tarvel-calc, which hands a
// run that asks for a report to tarvel-calc-print. Returns the exit code.
int RunTarvelCalc(int argc, char** argv, ReportPrinter* printer);

} // namespace tarvel
