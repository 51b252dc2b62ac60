#include "CliSubcommands.h"

namespace {

constexpr CliSubcommand kSubcommands[] = {
    {"batch", "run every row of a CSV file of inputs and write one result row each", RunBatchCommand},
    {"plan", "the compaction window at every paving time of a day, and the best time", RunPlanCommand},
    {"uncertainty", "how uncertain inputs spread the window: percentiles and a tornado table",
     RunUncertaintyCommand},
    {"calibrate", "the delivery temperature that matches a temperature measured on the mat",
     RunCalibrateCommand},
    {"lifts", "up to four lifts placed one on another: each lift's window and next-lift time",
     RunLiftsCommand},
};

}  // namespace

std::span<const CliSubcommand> CliSubcommands() { return kSubcommands; }

const CliSubcommand* FindSubcommand(std::string_view name) {
    for (const CliSubcommand& subcommand : kSubcommands) {
        if (name == subcommand.name) return &subcommand;
    }
    return nullptr;
}
