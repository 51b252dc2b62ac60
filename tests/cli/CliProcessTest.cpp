#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// Where the program's standard output goes.
enum class StandardOutput { PipeWithoutReader, FullDevice };

struct ProcessEnd {
    int nStatus;  // the exit status, or minus the signal that ended the process
    std::string err;
};

// dravonel-cli (DRAVONEL_CLI) run as a process with the default reaction to every signal, as a shell
// starts it, so that only the program itself can change how a closed pipe ends it.
ProcessEnd RunCliProcess(const std::vector<std::string>& args, StandardOutput output) {
    int errPipe[2];
    if (pipe(errPipe) != 0) return {-1000, "no pipe"};
    int outFd = -1;
    if (output == StandardOutput::PipeWithoutReader) {
        int outPipe[2];
        if (pipe(outPipe) != 0) return {-1000, "no pipe"};
        close(outPipe[0]);  // the reader is gone before the program writes
        outFd = outPipe[1];
    } else {
        outFd = open("/dev/full", O_WRONLY);
    }
    std::vector<char*> argv{const_cast<char*>(DRAVONEL_CLI)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGPIPE, SIG_DFL);
        dup2(outFd, STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        close(errPipe[0]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(outFd);
    close(errPipe[1]);
    ProcessEnd end{-1000, ""};
    char buffer[256];
    for (ssize_t n; (n = read(errPipe[0], buffer, sizeof buffer)) > 0;)
        end.err.append(buffer, static_cast<std::size_t>(n));
    close(errPipe[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child)
        end.nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return end;
}

// Standard output that cannot take the text ends the run with status 1 and one line saying so.
struct UnwritableOutput {
    const char* name;
    StandardOutput output;
};
void PrintTo(const UnwritableOutput& c, std::ostream* os) { *os << c.name; }

class CliProcess : public testing::TestWithParam<UnwritableOutput> {};

TEST_P(CliProcess, EndsWithStatus1AndSaysWhy) {
    const ProcessEnd end = RunCliProcess({"--format", "json"}, GetParam().output);
    EXPECT_EQ(end.nStatus, 1) << "negative: ended by that signal";
    EXPECT_EQ(end.err, "dravonel-cli: cannot write to standard output\n");
}

INSTANTIATE_TEST_SUITE_P(Outputs, CliProcess,
                         testing::Values(UnwritableOutput{"PipeWithoutReader",
                                                          StandardOutput::PipeWithoutReader},
                                         UnwritableOutput{"FullDevice", StandardOutput::FullDevice}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
