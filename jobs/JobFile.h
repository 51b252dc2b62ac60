#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "FormRecord.h"
#include "ReadInputs.h"

// A job file (".dravonel"): the inputs of one calculation, with optional comparison scenarios and lifts,
// as a small JSON text. docs/job-file.md describes the format; this header is its reader and writer.
// Values are kept as the texts the form shows; reading checks each by the form's rules (ReadInputs).

constexpr const char* kJobFormatName = "dravonel-job";  // the "format" every job file names
constexpr int kJobFormatVersion = 1;                    // the "version" written; higher ones are refused
constexpr const char* kJobFileExtension = ".dravonel";
constexpr std::size_t kMaxJobScenarios = 8;
constexpr std::size_t kMaxJobFileBytes = 1 << 20;  // a job is a few kilobytes; anything past 1 MiB is not one

// One input by its command-line option name, with the text the form shows: {"air", "10"}.
struct JobInput {
    std::string strName;
    std::string strText;
};

// A comparison scenario: a label and a set of inputs in its own unit system.
struct JobScenario {
    std::string strLabel;
    UnitSystem units = UnitSystem::English;
    std::vector<JobInput> inputs;
};

// One lift of a multi-lift job, in the job's unit system, checked against the lift engine's limits
// (LiftSequence.h). An empty text is a value not given.
struct JobLift {
    std::string strAt;        // "at": whole minutes after the first lift was placed: 0 for the first, then
                              // never earlier than the lift before and at most 120 minutes after it
    std::string strLift;      // "lift": thickness, as the input "lift"
    std::string strDelivery;  // "delivery": delivery temperature, as the input "delivery"
    std::string strMix;       // "mix", "pg-high", "pg-low": list entries as those inputs take them
    std::string strPgHigh;
    std::string strPgLow;
};

struct JobLifts {
    std::string strNextLiftTemp;  // "next-lift-temp": 50 to 157.2 C or 122 to 315 F ("" not given)
    std::vector<JobLift> lifts;   // at most kMaxLifts (4)
};

// The whole file as plain data.
struct JobFile {
    UnitSystem units = UnitSystem::English;  // the system of every value in "inputs" and "lifts"
    std::vector<JobInput> inputs;            // in InputOptions() order when written by JobFromRecord
    std::vector<JobScenario> scenarios;      // at most kMaxJobScenarios
    std::optional<JobLifts> lifts;
};

// Why a file was refused: the file as named by the caller, the key ("inputs.air", "scenarios[0].units",
// "" for the file as a whole) and the reason.
struct JobFileError {
    std::string strFile;
    std::string strKey;
    std::string strReason;
};

// One line: "job.dravonel: inputs.air: not a number (\"abc\"); allowed -40 to 120 F", or without the key
// part when there is none. The file name is shown by ShownFileName.
std::string JobFileErrorText(const JobFileError& error);

using JobFileRead = std::variant<JobFile, JobFileError>;

// Reads and checks a whole job file: JSON with "format" "dravonel-job", a "version" from 1 to this
// program's, "units", and only the documented keys, every value accepted by the form's rules (scenarios in
// their own units). Refuses with the file, the key and the reason: a file that cannot be read, an empty file
// ("holds no inputs"), one over kMaxJobFileBytes, text that is not JSON (with its line and column), a key
// given twice, a newer version ("written by a newer version"). Nothing is returned but the error then.
JobFileRead ReadJobFile(const std::string& path);

// The same checks on text already read; fileName is only used in errors.
JobFileRead ParseJobText(std::string_view text, const std::string& fileName);

// The file's text: two-space indented JSON, UTF-8 (bytes that are not UTF-8 in a label become U+FFFD),
// ending with a line end. "scenarios" and "lifts" are written only when there are any.
std::string JobFileText(const JobFile& job);

// Writes JobFileText to path all or nothing (WriteFileAtomically). false and a sentence naming the file and
// the reason in *pError when it could not be written; an existing file is then unchanged.
bool WriteJobFile(const std::string& path, const JobFile& job, std::string* pError);

// The job of what a form holds: its active unit system and the texts of its inputs (InputTextsOf). The
// results on the form are not part of a job.
JobFile JobFromRecord(const FormRecord& record);

// The form after a job's inputs were typed into a fresh one in the job's unit system (ReadInputs): for a
// record written by JobFromRecord, the same record bit for bit except the two results, which are 0. A
// job returned by ReadJobFile is never refused here; one made by hand may be.
InputsRead RecordFromJob(const JobFile& job, std::time_t now);

// The same for a scenario's inputs in the scenario's unit system.
InputsRead RecordFromScenario(const JobScenario& scenario, std::time_t now);
