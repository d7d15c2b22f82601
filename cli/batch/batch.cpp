#include "cli/batch/batch.h"

#include "calc/calculate_interest.h"
#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/failure_reason.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "cli/batch/fd_writer.h"
#include "cli/batch/progress.h"
#include "cli/batch/row_text.h"
#include "cli/chosen_rates.h"
#include "runtime/descriptor_io.h"
#include "runtime/line_reader.h"
#include "runtime/system_error_text.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel {
namespace {

// The result columns before the periods': interessi, somma, anni and giorni.
constexpr std::size_t kTotalColumns = 4;

class Batch {
public:
    Batch(int input, bool fromFile, std::uint64_t fileSize, const ChosenRates& rates)
        : reader_(input, kMaxCsvLine, [this] { flushAll(); }), progress_(fromFile && isatty(STDERR_FILENO), fileSize),
          rates_(rates), noResults_(kTotalColumns + rates.periods().size(), ';')
    {
    }

    int run()
    {
        writeHeader();
        std::string_view line;
        while (true) {
            const LineReader::Status status = reader_.next(line);
            if (status == LineReader::Status::End)
                break;
            if (status == LineReader::Status::Failed)
                return stop("impossibile leggere l'input: " + SystemErrorText(errno));
            ++lineNumber_;
            if (status == LineReader::Status::TooLong)
                brokenRow("riga più lunga di " + std::to_string(kMaxCsvLine) + " byte");
            else
                row(line);
            if (out_.failed())
                break;
            out_.flushIfFull();
            if ((lineNumber_ & 0xFFF) == 0)
                progress_.update(rows_, reader_.bytesRead());
        }
        if (!flushAll())
            return stop("impossibile scrivere sullo standard output: " + SystemErrorText(out_.error()));
        progress_.clear();
        return anyError_ ? 1 : 0;
    }

private:
    void writeHeader()
    {
        text_.clear();
        text_.put("capitale;dal;al;esito;interessi;somma;anni;giorni");
        for (const RatePeriod& period : rates_.periods()) {
            text_.put(';');
            text_.putField(period.caption);
        }
        text_.put('\n');
        out_.buffer().append(text_.view());
    }

    void row(std::string_view line)
    {
        if (lineNumber_ == 1 && line.starts_with(kByteOrderMark))
            line.remove_prefix(kByteOrderMark.size());
        if (line.empty())
            return;
        const CsvRow::Status status = row_.read(line);
        const bool first = !rowSeen_;
        rowSeen_ = true;
        if (const char* problem = ProblemOf(status))
            return brokenRow(problem);
        if (first && IsHeader(row_, {"capitale", "dal", "al"}))
            return;
        ++rows_;
        if (row_.size() != 3) {
            failedRow({"la riga ha " + std::to_string(row_.size()) + " campi invece di 3"});
            return;
        }
        calculate();
    }

    void calculate()
    {
        const auto startField = DateFieldText(row_[1]);
        const auto endField = DateFieldText(row_[2]);
        if (startField && endField) {
            input_.capitalText.assign(row_[0]);
            input_.startText.assign(*startField);
            input_.endText.assign(*endField);
            const CalculationResult result = CalculateInterest(input_, rates_.periods());
            if (result.ok) {
                noteLaterDays(result.end);
                return writeResult(result);
            }
        }
        failedRow(FailureReasons(row_[0], row_[1], row_[2]));
    }

    void writeInput()
    {
        text_.clear();
        for (std::size_t i = 0; i < 3; ++i) {
            if (i > 0)
                text_.put(';');
            if (i < row_.size())
                text_.putField(row_[i], i == 0);
        }
    }

    void writeResult(const CalculationResult& result)
    {
        writeInput();
        text_.put(";ok;");
        text_.putPlainAmount(result.written[ResultControl::SeeInteressi].view());
        text_.put(';');
        text_.putPlainAmount(result.written[ResultControl::Label6].view());
        text_.put(';');
        text_.putCount(result.years);
        text_.put(';');
        text_.putCount(result.remainingDays);
        // The run has written the texts of the rows the window has fields
        // for; a longer table's later rows are written here.
        for (std::size_t i = 0; i < result.lineCount; ++i) {
            text_.put(';');
            if (i < kPeriodCount)
                text_.put(result.written[PeriodControl(i)].view());
            else if (result.lines[i].applies)
                text_.putCurrency(result.lines[i].interest);
        }
        text_.put('\n');
        out_.buffer().append(text_.view());
    }

    void failedRow(const std::vector<std::string>& reasons)
    {
        writeInput();
        text_.put(";errore");
        text_.put(noResults_);
        text_.put('\n');
        out_.buffer().append(text_.view());
        for (const std::string& reason : reasons)
            message(reason);
    }

    // A row that could not be split into fields: nothing of it is echoed.
    void brokenRow(const std::string& reason)
    {
        ++rows_;
        rowSeen_ = true;
        out_.buffer().append(";;;errore").append(noResults_) += '\n';
        message(reason);
    }

    // Once a batch, at the first row whose span reaches past what the table knows.
    void noteLaterDays(Date end)
    {
        if (laterDaysNoted_)
            return;
        if (const auto note = rates_.LaterDaysNote(end)) {
            laterDaysNoted_ = true;
            errors_.buffer().append(*note) += '\n';
        }
    }

    void message(const std::string& reason)
    {
        anyError_ = true;
        errors_.buffer().append("tarvel-calc: riga ").append(std::to_string(lineNumber_)).append(": ").append(reason) +=
            '\n';
        errors_.flushIfFull();
    }

    bool flushAll()
    {
        if (!errors_.buffer().empty()) {
            progress_.clear();
            errors_.flush();
        }
        return out_.flush();
    }

    int stop(const std::string& reason)
    {
        flushAll();
        progress_.clear();
        const std::string line = "tarvel-calc: " + reason + "\n";
        WriteFully(STDERR_FILENO, line);
        return 2;
    }

    FdWriter out_{STDOUT_FILENO};
    FdWriter errors_{STDERR_FILENO};
    LineReader reader_;
    BatchProgress progress_;
    const ChosenRates& rates_;
    const std::string noResults_; // the result fields of a row that has none
    CsvRow row_;
    RowText text_;
    CalculationInput input_;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t rows_ = 0;
    bool rowSeen_ = false;
    bool anyError_ = false;
    bool laterDaysNoted_ = false;
};

} // namespace

int RunBatch(const std::string& file, const ChosenRates& rates)
{
    const bool fromFile = !file.empty() && file != "-";
    const OwnedDescriptor opened(fromFile ? ::open(file.c_str(), O_RDONLY | O_CLOEXEC) : -1);
    const int input = fromFile ? opened.get() : STDIN_FILENO;
    struct stat status {};
    if (fromFile) {
        const int error = input < 0 ? errno : fstat(input, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
        if (error != 0) {
            const std::string line =
                "tarvel-calc: impossibile aprire " + Quoted(file) + ": " + SystemErrorText(error) + "\n";
            WriteFully(STDERR_FILENO, line);
            return 2;
        }
    }
    const std::uint64_t size = fromFile && S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
    return Batch(input, fromFile, size, rates).run();
}

} // namespace tarvel
