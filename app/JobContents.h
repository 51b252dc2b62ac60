#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Comparison.h"
#include "FormRecord.h"
#include "JobFile.h"
#include "LiftsWindow.h"

// What the desktop program keeps in a job file, as its windows hold it.
struct JobContents {
    FormRecord form;                    // the form's inputs in its unit system (the results are not kept)
    std::vector<KeptScenario> kept;     // the scenarios kept for comparison, each with its result
    std::optional<LiftsEntries> lifts;  // the Lifts window's fields, in the form's units; none: not used
};

// The job file of `contents`: the form's inputs, each kept scenario's label and inputs (in its own unit
// system) and the lifts as their fields show them (list entries by their texts).
JobFile JobOfContents(const JobContents& contents);

// What a job file gives the windows: the form as the job's inputs typed into a fresh one (RecordFromJob),
// every scenario calculated again from its inputs (its label kept; the same doubles as when it was kept),
// the lifts as texts, a value a lift leaves out taken from the lift below (the first lift's from the
// job's inputs). Refused, with a sentence naming the key and the reason: a value ReadJobFile would not
// have let through, and a placement left out from the second lift on (no time can be guessed for it).
std::variant<JobContents, std::string> ContentsOfJob(const JobFile& job, std::time_t now);
