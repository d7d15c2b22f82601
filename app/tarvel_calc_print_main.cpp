// tarvel-calc-print: tarvel-calc with the report of --pdf and --printer, run
// by tarvel-calc when a report is asked for.
#include "calc_options.h"
#include "calc_program.h"
#include "calc_report_output.h"
#include "report.h"

namespace {

class QtReportPrinter final : public tarvel::ReportPrinter {
public:
    bool Open(const tarvel::CalcOptions& options, std::ostream& errors) override
    {
        if (options.pdfFile)
            output_ = tarvel::ReportOutput::ToPdf(*options.pdfFile);
        else
            output_ = tarvel::ReportOutput::ToPrinter(*options.printerName, errors);
        return output_ != nullptr;
    }

    bool Print(const tarvel::ControlTexts& window, const std::string& startField, const std::string& endField,
               std::ostream& errors) override
    {
        return output_->Print(tarvel::MakeReportTexts(window, startField, endField), errors);
    }

private:
    std::unique_ptr<tarvel::ReportOutput> output_;
};

} // namespace

int main(int argc, char** argv)
{
    QtReportPrinter printer;
    return tarvel::RunTarvelCalc(argc, argv, &printer);
}
