#include "cli/batch/batch.h"

#include "calc/calculate_interest.h"
#include "calc/charged_rates.h"
#include "calc/compounding.h"
#include "calc/csv_row.h"
#include "calc/date_field_text.h"
#include "calc/date_text.h"
#include "calc/failure_reason.h"
#include "calc/number_texts.h"
#include "calc/printable.h"
#include "calc/statement.h"
#include "calc/trim_spaces.h"
#include "cli/batch/fd_writer.h"
#include "cli/batch/progress.h"
#include "cli/batch/row_text.h"
#include "cli/chosen_rates.h"
#include "cli/options.h"
#include "cli/statement_request.h"
#include "runtime/descriptor_io.h"
#include "runtime/line_reader.h"
#include "runtime/system_error_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvel {
namespace {

// The result columns before the periods': interessi, somma, anni and giorni.
constexpr std::size_t kTotalColumns = 4;

// --capitalizzazione: its period, the day of --capitalizzazione-dal read once,
// and the single run's request, whose faults a row gives when its figures
// leave the calculation's limits.
struct BatchCompounding {
    CompoundingPeriod period;
    std::optional<Date> from;
    StatementRequest request;
};

class Batch {
public:
    // `charged`: the rows of --mora, --domanda or --tasso, charged from
    // `claim` on; nothing for the legal rates of `rates` alone.
    // `referenceRatesGiven`: --tassi-mora, which only late-payment rows use.
    // `revaluation`: the request of --rivalutazione, each row's texts put in it.
    // `compounding`: --capitalizzazione, for every row.
    Batch(int input, bool fromFile, std::uint64_t fileSize, const ChosenRates& rates,
          std::optional<ChargedRates> charged, std::optional<Date> claim, bool referenceRatesGiven,
          std::optional<StatementRequest> revaluation, std::optional<BatchCompounding> compounding)
        : reader_(input, kMaxCsvLine,
                  [this] {
                      compoundWaiting();
                      flushAll();
                  }),
          progress_(fromFile && isatty(STDERR_FILENO), fileSize), rates_(rates), charged_(std::move(charged)),
          claim_(claim), referenceRatesGiven_(referenceRatesGiven), revaluation_(std::move(revaluation)),
          compounding_(std::move(compounding))
    {
    }

    int run()
    {
        const bool read = reader_.ReadLines([this](const NumberedLine& line) {
            lineNumber_ = line.number;
            if (!line.refusal.empty()) {
                startOutput(false);
                if (!refusal_)
                    brokenRow(line.refusal);
            } else {
                row(line.text);
            }
            if (refusal_ || out_.failed())
                return false;
            out_.flushIfFull();
            if ((lineNumber_ & 0xFFF) == 0)
                progress_.update(rows_, reader_.bytesRead());
            return true;
        });
        compoundWaiting();
        if (!read)
            return stop("impossibile leggere l'input: " + SystemErrorText(errno));
        startOutput(false);
        if (refusal_)
            return stop(*refusal_);
        if (!flushAll())
            return stop("impossibile scrivere sullo standard output: " + SystemErrorText(out_.error()));
        progress_.clear();
        return anyError_ ? 1 : 0;
    }

private:
    // The columns follow the first row: a header capitale;dal;al;domanda gives
    // each row its own claim, with the legal rates and the late-payment ones.
    void startOutput(bool claimColumn)
    {
        if (outputStarted_)
            return;
        outputStarted_ = true;
        claimColumn_ = claimColumn;
        if (claimColumn && (charged_ || revaluation_)) {
            refusal_ = revaluation_ ? "la colonna domanda non va con --rivalutazione"
                       : charged_->ChargedRegime() == Regime::Contract
                           ? "la colonna domanda non va con --tasso"
                           : "la colonna domanda non va con --domanda né con --mora";
            return;
        }
        if (revaluation_)
            return startRevaluationOutput();
        if (!claimColumn && !(charged_ && charged_->ReferenceTable()) && referenceRatesGiven_) {
            refusal_ = "--tassi-mora va con --mora, --domanda o con la colonna domanda del file CSV";
            return;
        }
        if (claimColumn)
            charged_ = ChargedRates::WithClaim(rates_.LegalForClaims(), rates_.Reference());
        else if (compounding_ && !charged_)
            charged_ = ChargedRates::Legal(rates_.LegalForClaims());
        if (compounding_) {
            noResults_ = ";;";
            out_.buffer().append(claimColumn ? "capitale;dal;al;domanda" : "capitale;dal;al");
            out_.buffer().append(";esito;interessi;totale dovuto\n");
            return;
        }
        const auto periods = charged_ ? charged_->Periods(std::nullopt, periodRoom_) : rates_.periods();
        noResults_.assign(kTotalColumns + periods.size(), ';');
        text_.clear();
        text_.put(claimColumn ? "capitale;dal;al;domanda" : "capitale;dal;al");
        text_.put(";esito;interessi;somma;anni;giorni");
        for (const RatePeriod& period : periods) {
            text_.put(';');
            text_.putField(period.caption);
        }
        text_.put('\n');
        out_.buffer().append(text_.view());
    }

    // The revaluation's columns after esito, as its statement's totals name them.
    void startRevaluationOutput()
    {
        const RevaluationRequest& asked = *revaluation_->revaluation;
        const char* results = asked.interestOn ? "coefficiente;variazione;capitale rivalutato;interessi;totale dovuto"
                              : asked.percentage.empty()
                                  ? "coefficiente;variazione;importo rivalutato"
                                  : "coefficiente;variazione;variazione applicata;importo aggiornato";
        noResults_.assign(static_cast<std::size_t>(std::count(results, results + std::strlen(results), ';')) + 1, ';');
        out_.buffer().append("capitale;dal;al;esito;").append(results) += '\n';
    }

    std::size_t inputFields() const { return claimColumn_ ? 4 : 3; }

    void row(std::string_view line)
    {
        const CsvRow::Status status = row_.read(line);
        if (status == CsvRow::Status::Ok && IsBlankRow(row_))
            return;
        const bool first = !rowSeen_;
        rowSeen_ = true;
        const bool claimHeader =
            first && status == CsvRow::Status::Ok && IsHeader(row_, {"capitale", "dal", "al", "domanda"});
        startOutput(claimHeader);
        if (refusal_)
            return;
        if (const char* problem = ProblemOf(status))
            return brokenRow(problem);
        if (claimHeader || (first && IsHeader(row_, {"capitale", "dal", "al"})))
            return;
        ++rows_;
        if (row_.size() != inputFields()) {
            failedRow(
                {"la riga ha " + std::to_string(row_.size()) + " campi invece di " + std::to_string(inputFields())});
            return;
        }
        if (revaluation_)
            revalue();
        else if (charged_)
            calculateCharged();
        else
            calculate();
    }

    // A row with late-payment interest: its claim, from its column or from
    // --domanda, may refuse it before any calculation.
    void calculateCharged()
    {
        std::optional<Date> claim = claim_;
        std::optional<FieldFault> refused;
        if (claimColumn_ && !TrimSpaces(row_[3]).empty()) {
            auto read = ReadClaimDate(row_[3]);
            if (auto* fault = std::get_if<FieldFault>(&read))
                refused = std::move(*fault);
            else
                claim = std::get<Date>(read);
        }
        const auto startField = DateFieldText(row_[1]);
        const auto endField = DateFieldText(row_[2]);
        if (startField && endField && !refused) {
            const Date start = *ParseDate(*startField);
            const Date end = *ParseDate(*endField);
            refused = end >= start ? charged_->LateDaysFault(start, end, claim) : std::nullopt;
            if (!refused) {
                input_.capitalText.assign(row_[0]);
                input_.startText.assign(*startField);
                input_.endText.assign(*endField);
                const auto periods = charged_->Periods(claim, periodRoom_);
                // A compounded row writes other figures than the simple run's.
                const CalculationResult result =
                    compounding_ ? CalculateFigures(input_, periods) : CalculateInterest(input_, periods);
                if (result.ok && !RunRefused(row_[0], result)) {
                    if (compounding_)
                        return compound(result, claim);
                    noteCharged(start, end, claim);
                    return writeResult(result);
                }
            }
        }
        if (!refused)
            return failedRow(FailureReasons(row_[0], row_[1], row_[2]));
        std::vector<std::string> reasons;
        for (const FieldFault& fault : TextFaults(row_[0], row_[1], row_[2]))
            reasons.push_back(fault.line());
        reasons.push_back(refused->line());
        failedRow(reasons);
    }

    void noteCharged(Date start, Date end, std::optional<Date> claim)
    {
        for (const LaterDaysNote& note : charged_->Notes(start, end, claim))
            noteOnce(NoteLine(note));
    }

    // Why --capitalizzazione-dal cannot compound the span, as the single run says it.
    std::optional<FieldFault> compoundingFromFault(Date start, Date end) const
    {
        const std::optional<Date>& from = compounding_->from;
        return from ? CompoundingFromFault(*from, start, end) : std::nullopt;
    }

    // A row of --capitalizzazione that the simple calculation took waits
    // with the next ones, to be compounded with them; or why not, when the day
    // compounding starts from is outside its span or its capital is negative.
    void compound(const CalculationResult& result, std::optional<Date> claim)
    {
        if (const std::optional<FieldFault> fault = compoundingFromFault(result.start, result.end))
            return failedRow({fault->line()});
        if (result.capital.isNegative())
            return failedRow(singleRunFaults(row_.fields(), claim));
        if (waitingCount_ > 0 && (waiting_[0].claim != claim || waitingCount_ == kWaitingRows))
            compoundWaiting();
        if (waiting_.size() == waitingCount_)
            waiting_.emplace_back();
        WaitingRow& waiting = waiting_[waitingCount_++];
        waiting.lineNumber = lineNumber_;
        writeInput();
        waiting.echo.assign(text_.view());
        waiting.fields.assign(row_.fields().begin(), row_.fields().end());
        waiting.claim = claim;
        waiting.capital = result.capital;
        waiting.start = result.start;
        waiting.end = result.end;
        CapitalisationDays(compounding_->period, result.start, result.end, compounding_->from, waiting.days);
    }

    // The rows waiting, compounded together and written in their order.
    void compoundWaiting()
    {
        const std::size_t count = std::exchange(waitingCount_, 0);
        if (count == 0)
            return;
        spans_.clear();
        for (std::size_t k = 0; k < count; ++k)
            spans_.push_back({waiting_[k].capital, waiting_[k].start, waiting_[k].end, waiting_[k].days});
        compounded_.resize(count);
        const std::optional<Date> claim = waiting_[0].claim;
        CompoundEach(*charged_, charged_->Periods(claim, waitingRoom_), spans_, compounded_);
        const std::uint64_t current = lineNumber_;
        for (std::size_t k = 0; k < count; ++k) {
            const WaitingRow& waiting = waiting_[k];
            lineNumber_ = waiting.lineNumber;
            text_.clear();
            text_.put(waiting.echo);
            const std::optional<CompoundedInterest>& compounded = compounded_[k];
            const auto due = compounded ? waiting.capital.plus(compounded->interest) : std::nullopt;
            if (!due) {
                endFailedRow(singleRunFaults(waiting.fields, claim));
                continue;
            }
            noteCharged(waiting.start, waiting.end, claim);
            text_.put(";ok;");
            text_.putPlainCurrency(compounded->interest);
            text_.put(';');
            text_.putPlainCurrency(*due);
            text_.put('\n');
            out_.buffer().append(text_.view());
        }
        lineNumber_ = current;
    }

    // What the single run says of a row's texts: a rare row, never the
    // ordinary one, is calculated again in full.
    std::vector<std::string> singleRunFaults(std::span<const std::string> fields, std::optional<Date> claim)
    {
        StatementRequest& request = compounding_->request;
        request.capital.assign(fields[0]);
        request.start.assign(fields[1]);
        request.end.assign(fields[2]);
        if (claimColumn_) {
            request.regime = claim ? Regime::LegalWithClaim : Regime::Legal;
            request.claimDate.assign(claim ? fields[3] : std::string_view());
        }
        std::vector<std::string> reasons;
        for (const FieldFault& fault : CalculateCharged(request).faults)
            reasons.push_back(fault.line());
        return reasons;
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
            if (result.ok && !RunRefused(row_[0], result)) {
                noteLaterDays(result.end);
                return writeResult(result);
            }
        }
        failedRow(FailureReasons(row_[0], row_[1], row_[2]));
    }

    // A row of --rivalutazione: the figures of the single run's statement,
    // without its rows.
    void revalue()
    {
        StatementRequest& request = *revaluation_;
        request.capital.assign(row_[0]);
        request.start.assign(row_[1]);
        request.end.assign(row_[2]);
        const RevaluationRun run = RunRevaluation(request, nullptr);
        if (!run.revaluation) {
            std::vector<std::string> reasons;
            for (const FieldFault& fault : run.faults)
                reasons.push_back(fault.line());
            return failedRow(reasons);
        }
        for (const LaterDaysNote& note : run.notes)
            noteOnce(NoteLine(note));
        writeRevaluation(*run.revaluation);
    }

    void writeRevaluation(const StatementRevaluation& revaluation)
    {
        const Revaluation& figures = revaluation.figures;
        writeInput();
        text_.put(";ok;");
        text_.put(CoefficientText(figures.coefficientThousandths));
        text_.put(';');
        text_.put(VariationText(figures.variationTenths));
        text_.put(';');
        if (revaluation.interestOn) {
            text_.putPlainCurrency(figures.revalued);
            text_.put(';');
            text_.putPlainCurrency(revaluation.interest);
            text_.put(';');
            text_.putPlainCurrency(revaluation.due);
        } else if (figures.percentageHundredths) {
            text_.put(AppliedVariationText(figures.appliedHundredThousandths));
            text_.put(';');
            text_.putPlainCurrency(figures.updated);
        } else {
            text_.putPlainCurrency(figures.revalued);
        }
        text_.put('\n');
        out_.buffer().append(text_.view());
    }

    void writeInput()
    {
        text_.clear();
        for (std::size_t i = 0; i < inputFields(); ++i) {
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
        compoundWaiting();
        writeInput();
        endFailedRow(reasons);
    }

    // After the row's input fields, in text_.
    void endFailedRow(const std::vector<std::string>& reasons)
    {
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
        compoundWaiting();
        ++rows_;
        rowSeen_ = true;
        out_.buffer().append(claimColumn_ ? ";;;;errore" : ";;;errore").append(noResults_) += '\n';
        message(reason);
    }

    // Once a batch, at the first row whose span reaches past what the table knows.
    void noteLaterDays(Date end)
    {
        if (const auto note = rates_.LaterDaysNote(end))
            noteOnce(*note);
    }

    // Each table's note once a batch.
    void noteOnce(const std::string& note)
    {
        if (std::find(notes_.begin(), notes_.end(), note) != notes_.end())
            return;
        notes_.push_back(note);
        errors_.buffer().append(note) += '\n';
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
    std::optional<ChargedRates> charged_;
    std::vector<RatePeriod> periodRoom_; // the periods of a row's claim, reused from row to row
    const std::optional<Date> claim_;
    const bool referenceRatesGiven_;
    std::optional<StatementRequest> revaluation_;
    std::optional<BatchCompounding> compounding_;
    // Rows of --capitalizzazione waiting to be compounded together, all with
    // the same claim: the first waitingCount_, the others kept for their room.
    struct WaitingRow {
        std::uint64_t lineNumber = 0;
        std::string echo; // its input fields as the output repeats them
        std::vector<std::string> fields;
        std::optional<Date> claim;
        Currency capital;
        Date start;
        Date end;
        std::vector<Date> days; // its capitalisation days
    };
    static constexpr std::size_t kWaitingRows = 64;
    std::vector<WaitingRow> waiting_;
    std::size_t waitingCount_ = 0;
    std::vector<RatePeriod> waitingRoom_; // their periods, when of a claim
    std::vector<CompoundingSpan> spans_;
    std::vector<std::optional<CompoundedInterest>> compounded_;
    std::string noResults_; // the result fields of a row that has none
    CsvRow row_;
    RowText text_;
    CalculationInput input_;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t rows_ = 0;
    bool rowSeen_ = false;
    bool anyError_ = false;
    bool outputStarted_ = false;
    bool claimColumn_ = false;
    std::optional<std::string> refusal_; // why the batch cannot go on, as a usage error
    std::vector<std::string> notes_;     // the notes given so far
};

} // namespace

int RunBatch(const CalcOptions& options, const ChosenRates& rates)
{
    // An option that every row would refuse is refused once, before any row.
    if (const auto& percentage = options.revaluation.percentage) {
        if (const auto fault = PercentageFault(*percentage)) {
            WriteFully(STDERR_FILENO, "tarvel-calc: " + fault->line() + "\n");
            return 2;
        }
    }
    std::optional<StatementRequest> revaluation;
    if (options.revaluation.wanted)
        revaluation = StatementRequestOf(options, rates);
    std::optional<Date> claim;
    if (options.claimDate) {
        auto read = ReadClaimDate(*options.claimDate);
        if (const auto* fault = std::get_if<FieldFault>(&read)) {
            WriteFully(STDERR_FILENO, "tarvel-calc: " + fault->line() + "\n");
            return 2;
        }
        claim = std::get<Date>(read);
    }
    std::optional<BatchCompounding> compounding;
    if (options.compounding) {
        compounding = BatchCompounding{options.compounding->period, std::nullopt, StatementRequestOf(options, rates)};
        if (const std::string& from = options.compounding->from; !from.empty()) {
            const auto field = DateFieldText(from);
            // A text that is no date, which every row would refuse, as the single run says it.
            if (!field) {
                const FieldFault fault = std::get<FieldFault>(ReadCompoundingFrom(from, Date(), Date()));
                WriteFully(STDERR_FILENO, "tarvel-calc: " + fault.line() + "\n");
                return 2;
            }
            compounding->from = ParseDate(*field);
        }
    }
    std::optional<ChargedRates> charged;
    if (options.latePayment)
        charged = ChargedRates::LatePayment(rates.Reference(), options.marginHundredths);
    else if (claim)
        charged = ChargedRates::WithClaim(rates.LegalForClaims(), rates.Reference());
    else if (options.contractRate)
        charged = ChargedRates::Contract(*ReadContractRate(*options.contractRate));

    const std::string& file = options.csvFile;
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
    return Batch(input, fromFile, size, rates, std::move(charged), claim, options.referenceRates.has_value(),
                 std::move(revaluation), std::move(compounding))
        .run();
}

} // namespace tarvel
