#pragma once

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

// Exit statuses of dravonel-cli.
constexpr int kExitDone = 0;
constexpr int kExitWriteFailed = 1;    // the output file or standard output could not be written
constexpr int kExitRefused = 2;        // an option, a job file, a batch file's cell or SOURCE_DATE_EPOCH was
                                       // refused; nothing written
constexpr int kExitInterrupted = 130;  // a batch was stopped by SIGINT or SIGTERM; nothing written

// What the process brings from outside, so that a run can be repeated exactly in tests.
struct CliEnvironment {
    std::time_t now;               // the clock, for the default paving date and time and the report's date
    const char* pSourceDateEpoch;  // SOURCE_DATE_EPOCH, or nullptr when not set
    // Standard output for a subcommand that writes as it goes (batch); nullptr: collected in strOut.
    std::FILE* pOut = nullptr;
    // Where a long run shows its progress (standard error when it is a terminal); nullptr: no progress.
    std::FILE* pProgress = nullptr;
};

struct CliOutcome {
    int nExitStatus;
    std::string strOut;  // for standard output (empty when --output wrote a file)
    std::string strErr;  // for standard error: lines with their line ends (one for a calculation), or empty
};

// One run of dravonel-cli over its arguments (without the program name). A first argument that names a
// subcommand (CliSubcommands.h) runs it over the arguments after it. Writes the --output file itself (all
// or nothing); everything else is returned for the caller to print, or written to env.pOut as it comes.
CliOutcome RunCli(const std::vector<std::string>& args, const CliEnvironment& env);

// The report's time of writing: SOURCE_DATE_EPOCH (decimal seconds since 1970, 0 or more) as UTC when
// set and not empty, else `now` as local time. false when SOURCE_DATE_EPOCH is not such a number.
bool ReportTimeOfWriting(const CliEnvironment& env, std::tm* pTime);

// A line for standard error: "dravonel-cli: " + message + line end. Every message of the program has this
// form.
std::string CliMessageLine(const std::string& message);
