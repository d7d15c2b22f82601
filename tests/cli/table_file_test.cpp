// Table files read to their first fault and no further: the line reader's
// limit, and the fault given as data for a window to show.
#include "calc/csv_row.h"
#include "runtime/line_reader.h"
#include "runtime/rate_table_file.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fstream>
#include <future>
#include <string>
#include <variant>
#include <vector>

#include <unistd.h>

using namespace tarvel;

namespace {

const char* StatusName(LineReader::Status status)
{
    switch (status) {
    case LineReader::Status::Line: return "Line";
    case LineReader::Status::TooLong: return "TooLong";
    case LineReader::Status::End: return "End";
    case LineReader::Status::Failed: return "Failed";
    }
    return "?";
}

// A pipe holding `sent`, its writing end open for what a case sends later.
std::array<int, 2> PipeHolding(const std::string& sent)
{
    std::array<int, 2> ends{-1, -1};
    EXPECT_EQ(pipe(ends.data()), 0);
    EXPECT_EQ(write(ends[1], sent.data(), sent.size()), ssize_t(sent.size()));
    return ends;
}

struct PipeCase {
    const char* name;
    std::string sent;                 // written before the first read, the pipe left open
    const char* firstAnswer;          // what the first read answers at once; nullptr: it waits for more
    std::string sentLater;            // then written, and the pipe closed
    std::vector<std::string> answers; // every later answer: "TooLong", "End" or the line
};

// A line of 8 bytes at most, from a pipe that a writer keeps open.
TEST(LineReader, RefusesALineAsSoonAsTheBytePastTheLimitComes)
{
    const PipeCase cases[] = {
        {"past the limit", "123456789", "TooLong", "0\nok\n", {"ok", "End"}},
        {"past the limit, ended later by CRLF", "123456789abc\r", "TooLong", "\nok", {"ok", "End"}},
        {"a whole line", "12345678\nx", "12345678", "y", {"xy", "End"}},
        {"at the limit, its end to come", "12345678", nullptr, "\r\n", {"12345678", "End"}},
        {"a CR at the limit may be half a CRLF", "12345678\r", nullptr, "\nz", {"12345678", "z", "End"}},
    };
    for (const auto& [name, sent, firstAnswer, sentLater, answers] : cases) {
        SCOPED_TRACE(name);
        const auto ends = PipeHolding(sent);
        LineReader reader(ends[0], 8, nullptr);
        std::string_view line;
        const auto answer = [&] {
            const LineReader::Status status = reader.next(line);
            return status == LineReader::Status::Line ? std::string(line) : std::string(StatusName(status));
        };
        std::future<std::string> first = std::async(std::launch::async, answer);
        const bool answeredAtOnce = first.wait_for(std::chrono::milliseconds(300)) == std::future_status::ready;
        EXPECT_EQ(answeredAtOnce, firstAnswer != nullptr);
        if (answeredAtOnce) {
            EXPECT_EQ(first.get(), firstAnswer);
        }
        ASSERT_EQ(write(ends[1], sentLater.data(), sentLater.size()), ssize_t(sentLater.size()));
        close(ends[1]);
        std::vector<std::string> later;
        if (!answeredAtOnce)
            later.push_back(first.get());
        for (std::size_t i = later.size(); i < answers.size(); ++i)
            later.push_back(answer());
        EXPECT_EQ(later, answers);
        close(ends[0]);
    }
}

// Every line numbered, a line too long refused by its number, a byte-order
// mark dropped from the first line only, and no line after a stop.
TEST(LineReader, HandsOnEachLineWithItsNumberUntilTold)
{
    const std::string mark(kByteOrderMark);
    const struct {
        const char* name;
        std::string sent;
        std::vector<std::string> handed; // "number text", "number !refusal"
    } cases[] = {
        {"a mark on the first line", mark + "a\n" + mark + "b", {"1 a", "2 " + mark + "b"}},
        {"a line too long", "123456789\nok\n", {"1 !riga più lunga di 8 byte", "2 ok"}},
        {"a stop", "a\nstop\nb\n", {"1 a", "2 stop"}},
    };
    for (const auto& [name, sent, handed] : cases) {
        SCOPED_TRACE(name);
        const auto ends = PipeHolding(sent);
        close(ends[1]);
        LineReader reader(ends[0], 8, nullptr);
        std::vector<std::string> got;
        EXPECT_TRUE(reader.ReadLines([&got](const NumberedLine& line) {
            got.push_back(std::to_string(line.number) + " "
                          + (line.refusal.empty() ? std::string(line.text) : "!" + line.refusal));
            return line.text != "stop";
        }));
        EXPECT_EQ(got, handed);
        close(ends[0]);
    }
}

struct FaultCase {
    const char* name;
    std::string bytes;
    RateTableFileFault::Kind kind;
    std::size_t line; // 0: wherever the reading stops
    std::string reason;
};

TEST(LoadRateTableFile, GivesTheFaultAsTheLineAndTheReason)
{
    using enum RateTableFileFault::Kind;
    const tarvel::testing::ScratchFolder folder("tarvel-tassi");
    const std::string file = (folder.Path() / "tassi.csv").string();
    const std::string header = "dal;tasso;atto\n";
    // Blank lines without end, as a device or a pipe could give them.
    const std::string endless = header + "01/01/2020;1;\n" + std::string(300000, '\n');
    const FaultCase cases[] = {
        {"a line out of order", header + "01/01/2021;1;\n01/01/2020;1;\n", Line, 3,
         "la data 01/01/2020 non viene dopo 01/01/2021"},
        {"a line too long", header + std::string(4097, '1'), Line, 2, "riga più lunga di 4096 byte"},
        {"too many bytes", endless, Line, 0, "file più lungo di 266370 byte"},
    };
    for (const auto& [name, bytes, kind, line, reason] : cases) {
        std::ofstream(file, std::ios::binary) << bytes;
        const auto loaded = LoadRateTableFile(file, RateKind::Legal);
        const auto* fault = std::get_if<RateTableFileFault>(&loaded);
        ASSERT_TRUE(fault) << name;
        EXPECT_EQ(fault->kind, kind) << name;
        if (line != 0) {
            EXPECT_EQ(fault->line, line) << name;
        }
        EXPECT_EQ(fault->reason, reason) << name;
    }

    const auto device = LoadRateTableFile("/dev/zero", RateKind::Reference);
    ASSERT_TRUE(std::holds_alternative<RateTableFileFault>(device));
    EXPECT_EQ(std::get<RateTableFileFault>(device).message("/dev/zero"),
              "/dev/zero: riga 1: riga più lunga di 4096 byte");
    const auto missing = LoadRateTableFile(file + ".no", RateKind::Legal);
    ASSERT_TRUE(std::holds_alternative<RateTableFileFault>(missing));
    EXPECT_EQ(std::get<RateTableFileFault>(missing).kind, Open);
    EXPECT_EQ(std::get<RateTableFileFault>(missing).message(file + ".no"),
              "impossibile aprire \"" + file + ".no\": File o directory non esistente");
}

// A file of reference rates is read by the same rules; it knows its
// half-year, and its note names the file.
TEST(LoadRateTableFile, NamesAReferenceTableAfterItsFile)
{
    const tarvel::testing::ScratchFolder folder("tarvel-tassi");
    const std::string file = (folder.Path() / "mora.csv").string();
    std::ofstream(file) << "dal;tasso;atto\n01/01/2026;2,15;G.U. n. 15 del 20/01/2026\n01/07/2026;2;\n";
    auto loaded = LoadRateTableFile(file, RateKind::Reference);
    ASSERT_TRUE(std::holds_alternative<RateTable>(loaded));
    const RateTable& table = std::get<RateTable>(loaded);
    EXPECT_EQ(table.name(), "Tassi di riferimento dal file " + file);
    EXPECT_EQ(table.description(), "Tassi di riferimento dal file " + file);
    EXPECT_EQ(table.kind(), RateKind::Reference);
    EXPECT_EQ(table.knownUntil(), *Date::fromCivil(2026, 12, 31));
}

} // namespace
