#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "CliRun.h"

namespace {

// A full disk or a closed pipe must not pass as success.
bool WriteAllTo(std::FILE* stream, const std::string& text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stream) != text.size()) return false;
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that went away (`dravonel-cli | head -1`) makes a write fail with EPIPE instead of
    // ending the process by signal, so the run ends as every other failed write does: a message on
    // standard error and exit status 1 (kExitWriteFailed). The same holds for an --output FIFO.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // A subcommand that writes as it goes (batch) gets standard output itself, and shows its progress on
    // standard error when a person is watching there.
    const CliEnvironment env{std::time(nullptr), std::getenv("SOURCE_DATE_EPOCH"), stdout,
                             isatty(STDERR_FILENO) ? stderr : nullptr};
    const CliOutcome outcome = RunCli(args, env);
    if (!WriteAllTo(stdout, outcome.strOut)) {
        WriteAllTo(stderr, "dravonel-cli: cannot write to standard output\n");
        return kExitWriteFailed;
    }
    WriteAllTo(stderr, outcome.strErr);
    return outcome.nExitStatus;
}
