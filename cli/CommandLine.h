#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "FormRecord.h"

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
