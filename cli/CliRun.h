#pragma once

#include <ctime>
#include <string>
#include <vector>

// Exit statuses of dravonel-cli.
constexpr int kExitDone = 0;
constexpr int kExitWriteFailed = 1;  // the output file or standard output could not be written
constexpr int kExitRefused = 2;      // an option or SOURCE_DATE_EPOCH was refused; nothing written

// What the process brings from outside, so that a run can be repeated exactly in tests.
struct CliEnvironment {
    std::time_t now;               // the clock, for the default paving date and time and the report's date
    const char* pSourceDateEpoch;  // SOURCE_DATE_EPOCH, or nullptr when not set
};

struct CliOutcome {
    int nExitStatus;
    std::string strOut;  // for standard output (empty when --output wrote a file)
    std::string strErr;  // for standard error: one line with its line end, or empty
};

// One run of dravonel-cli over its arguments (without the program name). Writes the --output file
// itself (all or nothing); everything else is returned for the caller to print.
CliOutcome RunCli(const std::vector<std::string>& args, const CliEnvironment& env);

// The report's time of writing: SOURCE_DATE_EPOCH (decimal seconds since 1970, 0 or more) as UTC when
// set and not empty, else `now` as local time. false when SOURCE_DATE_EPOCH is not such a number.
bool ReportTimeOfWriting(const CliEnvironment& env, std::tm* pTime);
