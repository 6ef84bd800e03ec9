// The program started with no usable standard input: closed before the
// prompt, a directory, or ended before any letter. It must print its prompt
// and end with 1, as for any letter it does not know, before any window.
#include "app/DriverPrompt.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

struct SRun
{
    int ExitCode;
    std::string Output;
};

// Runs the demo with standard input made by prepareInput in the child, and
// no display at all, so that a window could not even open by mistake.
template <typename F> SRun runDemo(F prepareInput)
{
    SRun run = {-1, ""};
    int out[2];
    if (pipe(out) != 0)
        return run;
    const pid_t pid = fork();
    if (pid == 0)
    {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        prepareInput();
        unsetenv("DISPLAY");
        execl(testsupport::demoBinaryPath(), testsupport::demoBinaryPath(), (char*)0);
        _exit(127);
    }
    close(out[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof(buffer))) > 0;)
        run.Output.append(buffer, (size_t)n);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

void expectRefused(const SRun& run, const char* how)
{
    EXPECT_EQ(1, run.ExitCode) << how;
    EXPECT_EQ(std::string(DriverPromptText), run.Output) << how;
}

} // namespace

TEST(DemoStandardInput, ClosedUnreadableOrEmptyEndsWithOneAfterThePrompt)
{
    expectRefused(runDemo([] { close(0); }), "closed");
    expectRefused(runDemo(
                      []
                      {
                          const int dir = open("/", O_RDONLY | O_DIRECTORY);
                          dup2(dir, 0);
                          close(dir);
                      }),
                  "a directory");
    expectRefused(runDemo(
                      []
                      {
                          const int empty = open("/dev/null", O_RDONLY);
                          dup2(empty, 0);
                          close(empty);
                      }),
                  "empty");
}
