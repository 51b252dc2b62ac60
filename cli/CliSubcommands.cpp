#include "CliSubcommands.h"

namespace {

constexpr CliSubcommand kSubcommands[] = {
    {"batch", "run every row of a CSV file of inputs and write one result row each", RunBatchCommand},
};

}  // namespace

std::span<const CliSubcommand> CliSubcommands() { return kSubcommands; }

const CliSubcommand* FindSubcommand(std::string_view name) {
    for (const CliSubcommand& subcommand : kSubcommands) {
        if (name == subcommand.name) return &subcommand;
    }
    return nullptr;
}
