// The batch on pipes: with a standard input and output that its parent made
// non-blocking, it waits for them instead of failing; and it answers each
// row before it waits for the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

TEST(CalcBatch, WaitsForANonBlockingInputAndOutput)
{
    signal(SIGPIPE, SIG_IGN); // a batch that stops early must not stop the test
    int input[2], output[2];
    ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    fcntl(input[0], F_SETFL, O_NONBLOCK);
    fcntl(output[1], F_SETFL, O_NONBLOCK);
    posix_spawn_file_actions_t streams;
    posix_spawn_file_actions_init(&streams);
    posix_spawn_file_actions_adddup2(&streams, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&streams, output[1], STDOUT_FILENO);
    char* const argv[] = {const_cast<char*>(TARVEL_CALC), const_cast<char*>("--csv"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, TARVEL_CALC, &streams, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&streams);
    close(input[0]);
    close(output[1]);

    // Rows come in slowly, so that the input is often empty; the answers are
    // read late, so that the output fills up (2 MB against a 64 KB pipe).
    constexpr int kRows = 20000;
    std::thread feeder([fd = input[1]] {
        const std::string row = "10000;01/01/2000;01/01/2015\n";
        std::string chunk;
        for (int i = 0; i < 1000; ++i)
            chunk += row;
        for (int sent = 0; sent < kRows; sent += 1000) {
            for (std::size_t done = 0; done < chunk.size();) {
                const ssize_t wrote = write(fd, chunk.data() + done, chunk.size() - done);
                if (wrote < 0)
                    return void(close(fd)); // the batch gave up reading
                done += std::size_t(wrote);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        close(fd);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::string answers;
    char buffer[65536];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;)
        answers.append(buffer, std::size_t(got));
    close(output[0]);
    feeder.join();
    int status = 0;
    waitpid(pid, &status, 0);

    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(std::count(answers.begin(), answers.end(), '\n'), kRows + 1);
    const std::string answer = "10000;01/01/2000;01/01/2015;ok;3652,47;13652,47;";
    std::size_t answered = 0;
    for (std::size_t at = answers.find(answer); at != std::string::npos; at = answers.find(answer, at + 1))
        ++answered;
    EXPECT_EQ(answered, std::size_t(kRows));
}

// Compounded rows are charged several at a time: one typed alone is still
// answered at once, while the input stays open.
TEST(CalcBatch, AnswersACompoundedRowBeforeTheNextArrives)
{
    int input[2], output[2];
    ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    posix_spawn_file_actions_t streams;
    posix_spawn_file_actions_init(&streams);
    posix_spawn_file_actions_adddup2(&streams, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&streams, output[1], STDOUT_FILENO);
    char* const argv[] = {const_cast<char*>(TARVEL_CALC), const_cast<char*>("--csv"),
                          const_cast<char*>("--capitalizzazione"), const_cast<char*>("annuale"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, TARVEL_CALC, &streams, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&streams);
    close(input[0]);
    close(output[1]);

    const std::string row = "1000;31/12/2020;31/12/2023\n";
    ASSERT_EQ(write(input[1], row.data(), row.size()), ssize_t(row.size()));
    std::string answers;
    char buffer[4096];
    pollfd ready{output[0], POLLIN, 0};
    while (std::count(answers.begin(), answers.end(), '\n') < 2 && poll(&ready, 1, 5000) == 1) {
        const ssize_t got = read(output[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        answers.append(buffer, std::size_t(got));
    }
    close(input[1]);
    close(output[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(answers, "capitale;dal;al;esito;interessi;totale dovuto\n1000;31/12/2020;31/12/2023;ok;63,23;1063,23\n");
}

} // namespace
