// The batch with a standard input and output that its parent made
// non-blocking: it waits for them instead of failing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
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

} // namespace
