#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "FormRecord.h"
#include "JobFile.h"

enum class CliFormat { Report, Json };

// One calculation as asked for on the command line.
struct CliRequest {
    CliAction action = CliAction::Run;
    FormRecord record;  // the inputs as the form would hold them, in the chosen unit system
    CliFormat format = CliFormat::Report;
    bool bHasOutput = false;
    std::string strOutputPath;
};

struct CliParseResult {
    bool bOk = false;
    CliRequest request;
    std::string strError;  // when refused: one line naming the option, the value and what is allowed
};

// Reads the arguments (without the program name): "--name value" or "--name=value". Options left out
// keep the form's start values, with the paving date and time from `now` as local time, or the values of
// the --job file given (the last one counts), read in the job's unit system. --units converts a job's
// values as the form's unit switch does; every number given is read in the system chosen. Numbers are
// refused outside the range of that system and otherwise held as the form shows them. --help or --version
// ends the reading where it stands. A job file that cannot be read is refused with its name, key and reason.
CliParseResult ParseCommandLine(const std::vector<std::string>& args, std::time_t now);

// The inputs of one scenario read from options, for the calculation and every subcommand that takes them.
struct SiteOptionsRead {
    FormRecord record;           // the inputs as the form would hold them, in the chosen unit system
    std::optional<JobFile> job;  // the --job file read (the last one given), as the file holds it
    std::string strJobPath;      // its name as given
    std::string strError;        // when refused: one line naming the option, the value and what is allowed
};

// Reads an option that is neither an input nor --job, given the record as read so far (its unit system is
// final by then). Returns the option's refusal, or "" when accepted.
using OtherOptionReader = std::function<std::string(const GivenOption& given, FormRecord& record)>;

// The inputs among `given` read as ParseCommandLine reads them: the --job file first, --units before any
// number, then every option in argument order, the first refusal reported. Options that are neither inputs
// nor --job go to `other` in their place in that order.
SiteOptionsRead ReadSiteOptions(const std::vector<GivenOption>& given, std::time_t now,
                                const OtherOptionReader& other);
