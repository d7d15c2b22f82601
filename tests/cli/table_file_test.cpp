// Table files read to their first fault and no further: the line reader's
// limit, judged as the bytes come, and a file of reference rates.
#include "runtime/line_reader.h"
#include "runtime/rate_table_file.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>
#include <string>
#include <variant>
#include <vector>

#include <unistd.h>

using namespace tarvel;

namespace {

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
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        ASSERT_EQ(write(ends[1], sent.data(), sent.size()), ssize_t(sent.size()));
        LineReader reader(ends[0], 8, nullptr);
        std::string_view line;
        const auto answer = [&]() -> std::string {
            switch (reader.next(line)) {
            case LineReader::Status::Line: return std::string(line);
            case LineReader::Status::TooLong: return "TooLong";
            case LineReader::Status::End: return "End";
            case LineReader::Status::Failed: break;
            }
            return "Failed";
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

// A file of reference rates is read by the same rules, and named after its
// file.
TEST(LoadRateTableFile, NamesAReferenceTableAfterItsFile)
{
    const tarvel::testing::ScratchFolder folder("tarvel-tassi");
    const std::string file = (folder.Path() / "mora.csv").string();
    std::ofstream(file) << "dal;tasso;atto\n01/01/2026;2,15;G.U. n. 15 del 20/01/2026\n01/07/2026;2;\n";
    auto loaded = LoadRateTableFile(file, RateKind::Reference);
    ASSERT_TRUE(std::holds_alternative<RateTable>(loaded));
    const RateTable& table = std::get<RateTable>(loaded);
    EXPECT_EQ(table.description(), "Tassi di riferimento dal file " + file);
    EXPECT_EQ(table.kind(), RateKind::Reference);
}

} // namespace
