#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CliRun.h"

// The subcommands of dravonel-cli ("dravonel-cli batch ..."). Each lives in a file of its own that reads its
// options (CliArguments.h) into the records the windows use, calls a library and returns the outcome; this
// list is the one place that names them. A new subcommand is one file and one line in CliSubcommands.cpp.
struct CliSubcommand {
    const char* name;     // the first argument that selects it
    const char* summary;  // one line for the program's --help
    // Runs it over the arguments that follow its name. Same rules as RunCli.
    CliOutcome (*run)(const std::vector<std::string>& args, const CliEnvironment& env);
};

std::span<const CliSubcommand> CliSubcommands();

// The subcommand of that name, or nullptr.
const CliSubcommand* FindSubcommand(std::string_view name);

// The subcommands, one function each.
CliOutcome RunBatchCommand(const std::vector<std::string>& args, const CliEnvironment& env);
CliOutcome RunPlanCommand(const std::vector<std::string>& args, const CliEnvironment& env);
CliOutcome RunUncertaintyCommand(const std::vector<std::string>& args, const CliEnvironment& env);
CliOutcome RunCalibrateCommand(const std::vector<std::string>& args, const CliEnvironment& env);
CliOutcome RunLiftsCommand(const std::vector<std::string>& args, const CliEnvironment& env);
