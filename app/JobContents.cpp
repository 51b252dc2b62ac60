#include "JobContents.h"

#include <algorithm>
#include <cctype>

#include "Calculation.h"
#include "FieldText.h"
#include "ReadInputs.h"

namespace {

std::string Entry(const char* const* names, int nCount, int nIndex) {
    return nIndex >= 0 && nIndex < nCount ? names[nIndex] : std::string();
}

bool SameText(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A list entry given by its text (any ASCII case) or its zero-based index; -1 when it is neither.
int IndexOf(const std::string& text, const char* const* names, int nCount) {
    for (int i = 0; i < nCount; ++i)
        if (SameText(text, names[i])) return i;
    int nIndex = -1;
    if (ParseFieldInt(text, &nIndex) && nIndex >= 0 && nIndex < nCount) return nIndex;
    return -1;
}

std::string InputsRefusal(const std::string& key, const InputRefusal& refusal) {
    return key + "." + refusal.strName + ": " + RefusalReasonText(refusal);
}

// One lift of the job onto the Lifts window's entry. A value left out takes the lift below's, the first
// lift's the form's, as the command line reads the same file; the placement cannot be guessed, so only
// the first lift may leave it out (it goes down at 0).
std::optional<std::string> ReadLift(const JobLift& lift, std::size_t nIndex, const LiftEntry& below,
                                    LiftEntry& entry) {
    const std::string key = "lifts.lifts[" + std::to_string(nIndex) + "].";
    const auto list = [&](const std::string& text, const char* const* names, int nCount, const char* name,
                          int& nTarget) -> std::optional<std::string> {
        if (text.empty()) return std::nullopt;
        nTarget = IndexOf(text, names, nCount);
        if (nTarget < 0) return key + name + ": not in its list (\"" + text + "\")";
        return std::nullopt;
    };
    entry = below;
    if (lift.strAt.empty()) {
        if (nIndex > 0) return key + "at: missing; allowed whole minutes after the first lift's laydown";
        entry.nPlacementMinutes = 0;
    } else if (!ParseFieldInt(lift.strAt, &entry.nPlacementMinutes)) {
        return key + "at: not a whole number of minutes (\"" + lift.strAt + "\")";
    }
    if (!lift.strLift.empty()) entry.strThickness = lift.strLift;
    if (!lift.strDelivery.empty()) entry.strDelivery = lift.strDelivery;
    if (auto error = list(lift.strMix, kMixTypeNames, kMixTypeCount, "mix", entry.nMixType)) return error;
    if (auto error = list(lift.strPgHigh, kPgHighNames, kPgGradeCount, "pg-high", entry.nPgHigh))
        return error;
    return list(lift.strPgLow, kPgLowNames, kPgGradeCount, "pg-low", entry.nPgLow);
}

}  // namespace

JobFile JobOfContents(const JobContents& contents) {
    JobFile job = JobFromRecord(contents.form);
    for (const KeptScenario& scenario : contents.kept) {
        const JobFile scenarioJob = JobFromRecord(scenario.record);
        job.scenarios.push_back({scenario.strLabel, scenarioJob.units, scenarioJob.inputs});
    }
    if (contents.lifts) {
        JobLifts lifts;
        lifts.strNextLiftTemp = contents.lifts->strNextLiftTemp;
        for (const LiftEntry& entry : contents.lifts->lifts)
            lifts.lifts.push_back({FormatFieldInt(entry.nPlacementMinutes), entry.strThickness,
                                   entry.strDelivery, Entry(kMixTypeNames, kMixTypeCount, entry.nMixType),
                                   Entry(kPgHighNames, kPgGradeCount, entry.nPgHigh),
                                   Entry(kPgLowNames, kPgGradeCount, entry.nPgLow)});
        job.lifts = std::move(lifts);
    }
    return job;
}

std::variant<JobContents, std::string> ContentsOfJob(const JobFile& job, std::time_t now) {
    JobContents contents;
    InputsRead form = RecordFromJob(job, now);
    if (form.refusal) return InputsRefusal("inputs", *form.refusal);
    contents.form = form.record;

    for (std::size_t i = 0; i < job.scenarios.size() && i < static_cast<std::size_t>(kMaxKeptScenarios);
         ++i) {
        const JobScenario& scenario = job.scenarios[i];
        InputsRead read = RecordFromScenario(scenario, now);
        if (read.refusal) return InputsRefusal("scenarios[" + std::to_string(i) + "].inputs", *read.refusal);
        // Kept results are not stored: the inputs give them again, exactly as Calculate gave them.
        KeptScenario kept;
        kept.strLabel = scenario.strLabel;
        kept.record = read.record;
        const CalculationResult result = RunCalculation(kept.record.inputs);
        kept.record.m_nStartTime = result.summary.start.nStartTime;
        kept.record.m_dStopTime = result.summary.stop.dStopTime;
        kept.dStartTempC = result.summary.start.dStartTemp;
        kept.notice = result.summary.stop.notice;
        kept.curve = result.curve;
        contents.kept.push_back(std::move(kept));
    }

    if (job.lifts) {
        LiftsEntries lifts;
        lifts.strNextLiftTemp = job.lifts->strNextLiftTemp.empty()
                                    ? FormatFieldDouble(DefaultNextLiftTemp(job.units))
                                    : job.lifts->strNextLiftTemp;
        const SimulationInputs& form = contents.form.inputs;
        LiftEntry below{0,
                        FormatFieldDouble(form.m_dLiftThickness),
                        FormatFieldDouble(form.m_dDeliveryTemp),
                        form.m_nMixType,
                        form.m_nPgHigh,
                        form.m_nPgLow};
        for (std::size_t i = 0; i < job.lifts->lifts.size() && i < static_cast<std::size_t>(kMaxLifts); ++i) {
            LiftEntry entry;
            if (auto error = ReadLift(job.lifts->lifts[i], i, below, entry)) return *error;
            lifts.lifts.push_back(entry);
            below = entry;
        }
        if (!lifts.lifts.empty()) contents.lifts = std::move(lifts);
    }
    return contents;
}
