#include "CliSubcommands.h"

CliOutcome RunBatchCommand(const std::vector<std::string>&, const CliEnvironment&) {
    return {kExitRefused, "", CliMessageLine("batch: not built yet")};
}
