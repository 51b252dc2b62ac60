#pragma once

#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliDocument.h"
#include "CliRun.h"
#include "CommandLine.h"
#include "CompactionWindow.h"
#include "JobFile.h"

// What the study subcommands (plan, uncertainty, calibrate, lifts) share: one option table shape (--job,
// every input of the calculation, the subcommand's own options, --format, --output, --help), one reading
// of it with the calculation's values and refusals, one usage layout and one way to write the result.

// The subcommand's table: --job and the inputs as the calculation has them, then `own`, then
// --format text|csv|json, --output FILE and --help.
std::vector<OptionInfo> StudyOptionTable(const std::vector<OptionInfo>& own);

struct StudyArguments {
    CliAction action = CliAction::Run;  // Help: show the usage and nothing else
    FormRecord record;                  // the scenario, in the chosen unit system
    std::optional<JobFile> job;         // the --job file, when one was given
    std::string strJobPath;             // its name as given
    CliOutputFormat format = CliOutputFormat::Text;
    bool bHasOutput = false;
    std::string strOutputPath;
    std::string strError;  // when refused: the one line to say
};

// Reads the arguments against the table as the calculation reads its own (ReadSiteOptions); the
// subcommand's own options go to `own`, in argument order with the rest, after the unit system is known.
StudyArguments ReadStudyArguments(const std::vector<std::string>& args, std::span<const OptionInfo> table,
                                  std::time_t now, const OtherOptionReader& own);

// The same with the subcommand's own options read onto `settings` by its study reader (studyargs/).
template <class Settings>
StudyArguments ReadStudyArguments(const std::vector<std::string>& args, std::span<const OptionInfo> table,
                                  std::time_t now, Settings& settings,
                                  std::string (*read)(const OptionText&, const FormRecord&, Settings&)) {
    return ReadStudyArguments(args, table, now, [&](const GivenOption& given, FormRecord& record) {
        return read(AsOptionText(given), record, settings);
    });
}

// Exit 2 and the message as one line on standard error.
CliOutcome StudyRefused(const std::string& message);

// The document in the format asked for, to standard output or to the --output file (all or nothing; exit
// 1 and the reason when it cannot be written).
CliOutcome StudyOutput(const StudyArguments& arguments, const CliDocument& document);

// A subcommand's --help: its usage lines and what it does, the option lines of its table (ranges and
// defaults included), then `after` (how the results read) and the exit statuses.
std::string StudyUsageText(const char* usage, const char* about, std::span<const OptionInfo> table,
                           const char* after);

// Shared pieces of the documents.

// The scenario in one line, in its own units, numbers as the form shows them:
// "2026-06-15 12:00, latitude 45; air 10 C, wind 10 km/h, Clear & Dry; Dense Graded PG 58-34, 50 mm at
// 150 C; on Granular Base (Dry, Unfrozen) at 10 C". bTime: with the paving time; bMix: with the mix part.
std::string ScenarioLine(const SimulationInputs& inputs, bool bTime, bool bMix);

// The fact "inputs": in JSON an object of every input as the form shows it (numbers as numbers, list
// entries as texts), the names in `leftOut` left out; elsewhere ScenarioLine.
CliFact InputsFact(const SimulationInputs& inputs, bool bTime, bool bMix,
                   std::span<const char* const> leftOut);

// The fact "units": "si" or "english".
CliFact UnitsFact(const SimulationInputs& inputs);
