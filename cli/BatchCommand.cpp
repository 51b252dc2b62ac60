#include <csignal>

#include "BatchRun.h"
#include "CliArguments.h"
#include "CliSubcommands.h"
#include "CliUsage.h"

// dravonel-cli batch: the options into a BatchRequest, RunBatch, its end into an exit status.

namespace {

constexpr const char* kBatchFormats[] = {"csv", "jsonl"};

OptionInfo BatchOption(const char* name, OptionKind kind, const char* meaning, const char* details) {
    return {name,    kind,   RealField::Latitude, {ListMember::Sky, nullptr, 0}, meaning, nullptr, 0,
            nullptr, details};
}

std::span<const OptionInfo> BatchOptions() {
    static const std::vector<OptionInfo> options = [] {
        std::vector<OptionInfo> table;
        table.push_back(BatchOption("input", OptionKind::File, "the CSV file of inputs (required)",
                                    "a header line of column names, then one row per calculation"));
        table.push_back(
            BatchOption("output", OptionKind::File, "write to this file instead of standard output",
                        "the whole file or nothing; an existing file is replaced only when complete"));
        table.push_back(ChoiceOption("format", "what to write",
                                     "CSV with a header line, or one JSON object a line (default csv)",
                                     kBatchFormats, "not a format"));
        table.push_back(BatchOption("curves", OptionKind::Flag, "add each row's cooling curve (jsonl only)",
                                    "\"curve\": [[minutes, C], ...], the samples of the run"));
        table.push_back(BatchOption("help", OptionKind::Help, "show this text", nullptr));
        return table;
    }();
    return options;
}

std::string BatchUsageText() {
    std::string text =
        "Usage: dravonel-cli batch --input FILE.csv [--output FILE] [--format csv|jsonl] [--curves]\n"
        "Runs one calculation per row of a CSV file (RFC 4180: a field in double quotes may hold commas)\n"
        "and writes one result row each, in input order.\n\n";
    text += OptionLines(BatchOptions());
    text +=
        "\nColumns of the input: any of units, air, wind, sky, latitude, mix, pg-high, pg-low, lift,\n"
        "delivery, material, moisture, state, surface, date, time (the options of dravonel-cli, with the\n"
        "same values), and an optional id passed through. A column left out takes the form's start value\n"
        "in the row's unit system (the date and time: now); moisture and state may be left empty, as they\n"
        "must for AC and PCC; any other empty cell is refused. Every row is checked before any is run:\n"
        "refused cells are listed as FILE:LINE: column: reason and nothing is written.\n"
        "\nColumns of the output: id (when given), every input as the form shows it, then stop_code,\n"
        "stop_time (min), start_temp (C), start_time (min), window (stop_time - start_time, min) and\n"
        "notice (none, slow or rapid). Progress is shown on standard error when it is a terminal.\n"
        "Exit status: 0 done, 1 the output could not be written, 2 an option or a cell was refused,\n"
        "130 interrupted (an output file is then left as it was).\n";
    return text;
}

volatile std::sig_atomic_t g_bInterrupted = 0;

extern "C" void NoteInterrupt(int) { g_bInterrupted = 1; }

// Ctrl-C or a termination request stops the batch between chunks, so that an output file is never left
// half written and its temporary file is removed; the previous handlers come back afterwards.
class InterruptGuard {
public:
    InterruptGuard() {
        g_bInterrupted = 0;
        struct sigaction action {};
        action.sa_handler = NoteInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
    }

private:
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

CliOutcome Refused(const std::string& message) { return {kExitRefused, "", CliMessageLine(message)}; }

}  // namespace

CliOutcome RunBatchCommand(const std::vector<std::string>& args, const CliEnvironment& env) {
    const CollectedOptions collected = CollectOptions(args, BatchOptions());
    if (!collected.strError.empty()) return Refused(collected.strError);
    if (collected.action == CliAction::Help) return {kExitDone, BatchUsageText(), ""};

    BatchRequest request;
    request.now = env.now;
    bool bHasInput = false;
    FormRecord record;  // OptionAllowedText reads it for inputs only; batch options have none
    for (const GivenOption& given : collected.given) {
        if (std::string error = CheckCliValue(given, record); !error.empty()) return Refused(error);
        const std::string_view name = given.option->name;
        if (name == "input") {
            bHasInput = true;
            request.strInputPath = given.value;
        } else if (name == "output") {
            request.bHasOutput = true;
            request.strOutputPath = given.value;
        } else if (name == "format") {
            request.format = given.value == "jsonl" ? BatchFormat::Jsonl : BatchFormat::Csv;
        } else if (name == "curves") {
            request.bCurves = true;
        }
    }
    if (!bHasInput) return Refused("batch needs --input FILE; see dravonel-cli batch --help");
    // A curve of up to 361 samples has no readable place in a CSV cell.
    if (request.bCurves && request.format == BatchFormat::Csv)
        return Refused("--curves: not with --format csv; allowed with --format jsonl");

    CliOutcome outcome{kExitDone, "", ""};
    BatchStreams streams;
    streams.pOut = env.pOut;
    streams.pCollected = &outcome.strOut;
    streams.pProgress = env.pProgress;
    streams.pInterrupted = &g_bInterrupted;
    BatchOutcome batch;
    {
        const InterruptGuard guard;
        batch = RunBatch(request, streams);
    }
    for (const std::string& message : batch.messages) outcome.strErr += CliMessageLine(message);
    switch (batch.end) {
        case BatchEnd::Done:
            break;
        case BatchEnd::Refused:
            outcome.nExitStatus = kExitRefused;
            break;
        case BatchEnd::WriteFailed:
            outcome.nExitStatus = kExitWriteFailed;
            break;
        case BatchEnd::Interrupted:
            outcome.nExitStatus = kExitInterrupted;
            break;
    }
    return outcome;
}
