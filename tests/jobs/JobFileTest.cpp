#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <variant>

#include "FieldText.h"
#include "FormRules.h"
#include "JobFile.h"
#include "SameRecord.h"
#include "TemporaryFolder.h"

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC

// A record the form can hold: every number on the hundredths it shows, somewhere in its system's range
// (both ends included), list entries, the material rule applied, any valid date and time.
FormRecord RandomRecord(std::mt19937& random, UnitSystem units) {
    FormRecord record = StartRecord(units, kNow);
    const auto pick = [&](int nCount) { return std::uniform_int_distribution<int>(0, nCount - 1)(random); };
    for (RealField field : {RealField::AirTemp, RealField::WindSpeed, RealField::LiftThickness,
                            RealField::DeliveryTemp, RealField::SurfaceTemp, RealField::Latitude}) {
        const RealFieldBinding binding = BindRealField(record, field);
        const int nEnd = pick(8);  // now and then a limit itself
        const double dTyped =
            nEnd == 0   ? binding.dMin
            : nEnd == 1 ? binding.dMax
                        : std::uniform_real_distribution<double>(binding.dMin, binding.dMax)(random);
        const double dShown = FieldValueAsShown(dTyped);
        *binding.pValue =
            TestRange(dShown, binding.dMax, binding.dMin) == RangeCheck::InRange ? dShown : binding.dMin;
    }
    SimulationInputs& in = record.inputs;
    in.m_nSkyCondition = pick(kSkyConditionCount);
    in.m_nMixType = pick(kMixTypeCount);
    in.m_nPgHigh = pick(kPgGradeCount);
    in.m_nPgLow = pick(kPgGradeCount);
    in.m_nMaterialType = pick(kMaterialTypeCount);
    ApplyMaterialRule(record);
    if (in.m_nMoistureContent >= 0) {
        in.m_nMoistureContent = pick(2);
        in.m_nMoistureState = pick(2);
    }
    in.m_nYear = 1990 + pick(1012);
    in.m_nMonth = 1 + pick(12);
    in.m_nDay = 1 + pick(FormDaysInMonth(in.m_nYear, in.m_nMonth));
    in.m_nHour = pick(25);
    in.m_nMinute = pick(61);
    return record;
}

TEST(JobFile, RecordsRoundTripBitForBitInBothUnitSystems) {
    std::mt19937 random(20260615);
    for (int i = 0; i < 400; ++i) {
        const UnitSystem units = i % 2 == 0 ? UnitSystem::SI : UnitSystem::English;
        const FormRecord record = RandomRecord(random, units);
        const JobFileRead read = ParseJobText(JobFileText(JobFromRecord(record)), "round.dravonel");
        ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobFileErrorText(std::get<JobFileError>(read));
        const InputsRead back = RecordFromJob(std::get<JobFile>(read), 0);
        ASSERT_FALSE(back.refusal.has_value()) << RefusalReasonText(*back.refusal);
        ASSERT_EQ(FirstDifference(record, back.record), "") << "record " << i << "\n"
                                                            << JobFileText(JobFromRecord(record));
    }
}

class JobFileOnDisk : public TemporaryFolderFixture {};

TEST_F(JobFileOnDisk, ScenariosAndLiftsComeBackAsWritten) {
    JobFile job = JobFromRecord(StartRecord(UnitSystem::SI, kNow));
    job.scenarios.push_back(
        {"Windy \xC3\xA9vening", UnitSystem::English, {{"wind", "40"}, {"time", "19:30"}}});
    job.lifts = JobLifts{"60", {{"0", "50", "150", "SMA", "64", "-28"}, {"45", "40", "", "", "", ""}}};
    const std::string path = (dir_ / "job.dravonel").string();
    std::string error;
    ASSERT_TRUE(WriteJobFile(path, job, &error)) << error;

    const JobFileRead read = ReadJobFile(path);
    ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobFileErrorText(std::get<JobFileError>(read));
    const JobFile& back = std::get<JobFile>(read);
    EXPECT_EQ(JobFileText(back), JobFileText(job));
    ASSERT_EQ(back.scenarios.size(), 1u);
    EXPECT_EQ(back.scenarios[0].strLabel, "Windy \xC3\xA9vening");
    EXPECT_EQ(RecordFromScenario(back.scenarios[0], kNow).record.inputs.m_dWindSpeed, 40.0);
    ASSERT_TRUE(back.lifts.has_value());
    EXPECT_EQ(back.lifts->lifts[1].strAt, "45");
    EXPECT_EQ(back.lifts->lifts[1].strMix, "");
}

TEST_F(JobFileOnDisk, UnreadableFileNamesItselfAndTheReason) {
    const std::string path = (dir_ / "missing.dravonel").string();
    const JobFileRead read = ReadJobFile(path);
    ASSERT_TRUE(std::holds_alternative<JobFileError>(read));
    EXPECT_EQ(JobFileErrorText(std::get<JobFileError>(read)),
              path + ": cannot read: No such file or directory");
}

// A bad or foreign file is refused with the key and the reason; nothing of it is returned.
struct BadJob {
    const char* name;
    const char* text;
    const char* key;
    const char* reason;
};
void PrintTo(const BadJob& c, std::ostream* os) { *os << c.name; }

class RefusedJobFile : public testing::TestWithParam<BadJob> {};

TEST_P(RefusedJobFile, NamesTheKeyAndTheReason) {
    const JobFileRead read = ParseJobText(GetParam().text, "a.dravonel");
    ASSERT_TRUE(std::holds_alternative<JobFileError>(read));
    const JobFileError& error = std::get<JobFileError>(read);
    EXPECT_EQ(error.strFile, "a.dravonel");
    EXPECT_EQ(error.strKey, GetParam().key);
    EXPECT_EQ(error.strReason, GetParam().reason);
}

#define JOB_HEAD "{\"format\": \"dravonel-job\", \"version\": 1, \"units\": \"si\""

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedJobFile,
    testing::Values(
        BadJob{"EmptyAsEarlierSavesWrote", "", "", "the file is empty and holds no inputs"},
        BadJob{"NotJson", "{\"format\": \"dravonel-job\",\n  \"version\": 1,,", "",
               "not a job file: not JSON (error at line 2, column 16)"},
        BadJob{"NotAnObject", "[1, 2]", "", "not a job file: the JSON text is not an object"},
        BadJob{"ForeignJson", "{\"name\": \"package\"}", "",
               "not a job file: it has no \"format\": \"dravonel-job\""},
        BadJob{"OtherFormat", "{\"format\": \"other\", \"version\": 1}", "format",
               "not a job file: the format is not \"dravonel-job\""},
        BadJob{"NewerVersionBeforeItsNewKeys", "{\"format\": \"dravonel-job\", \"version\": 2, \"hue\": 1}",
               "version",
               "written by a newer version of the program (job format 2); this one reads format 1"},
        BadJob{"VersionAsText", "{\"format\": \"dravonel-job\", \"version\": \"1\"}", "version",
               "not a version; allowed a whole number from 1"},
        BadJob{"UnitsMissing", "{\"format\": \"dravonel-job\", \"version\": 1}", "units",
               "missing; allowed english or si"},
        BadJob{"UnknownKey", JOB_HEAD ", \"colour\": \"red\"}", "colour",
               "unknown key; allowed format, version, units, inputs, scenarios, lifts"},
        BadJob{
            "UnknownInput", JOB_HEAD ", \"inputs\": {\"speed\": \"5\"}}", "inputs.speed",
            "unknown key; allowed air, wind, sky, latitude, mix, pg-high, pg-low, lift, delivery, material, "
            "moisture, state, surface, date, time"},
        BadJob{"UnitsAmongTheInputs", JOB_HEAD ", \"inputs\": {\"units\": \"si\"}}", "inputs.units",
               "the unit system is given by \"units\" beside \"inputs\""},
        BadJob{"ValueByTheFormsRules", JOB_HEAD ", \"inputs\": {\"air\": \"50\"}}", "inputs.air",
               "out of range (\"50\"); allowed -40 to 48.89 C"},
        BadJob{"ValueNeitherTextNorNumber", JOB_HEAD ", \"inputs\": {\"air\": true}}", "inputs.air",
               "a text was expected, not true or false"},
        BadJob{"MoistureWithAc", JOB_HEAD ", \"inputs\": {\"material\": \"AC\", \"moisture\": \"Dry\"}}",
               "inputs.moisture",
               "not used with material \"AC\" (\"Dry\"); allowed only with \"Granular Base\" or \"Subgrade "
               "Soil\""},
        BadJob{"KeyGivenTwice", JOB_HEAD ", \"inputs\": {\"air\": \"1\", \"air\": \"2\"}}", "air",
               "key given twice in one object"},
        BadJob{"ScenarioInItsOwnUnits",
               JOB_HEAD ", \"scenarios\": [{\"label\": \"a\"}, {\"units\": \"english\", \"inputs\": "
                        "{\"air\": \"-41\"}}]}",
               "scenarios[1].inputs.air", "out of range (\"-41\"); allowed -40 to 120 F"},
        BadJob{"NineScenarios", JOB_HEAD ", \"scenarios\": [{},{},{},{},{},{},{},{},{}]}", "scenarios",
               "9 scenarios; allowed at most 8"},
        BadJob{"LiftMix",
               JOB_HEAD ", \"lifts\": {\"lifts\": [{\"at\": \"0\"}, {\"at\": \"30\", \"mix\": \"Hot\"}]}}",
               "lifts.lifts[1].mix",
               "not an entry (\"Hot\"); allowed 0 to 3 or \"Dense Graded\", \"SMA\", \"Superpave-Fine\", "
               "\"Superpave-Coarse\""},
        BadJob{"FirstLiftLater", JOB_HEAD ", \"lifts\": {\"lifts\": [{\"at\": \"5\"}]}}", "lifts.lifts[0].at",
               "out of range (\"5\"); allowed 0 for the first lift"},
        BadJob{"LiftGapBeyondTheEngine",
               JOB_HEAD ", \"lifts\": {\"lifts\": [{\"at\": \"0\"}, {\"at\": \"30\"}, {\"at\": \"151\"}]}}",
               "lifts.lifts[2].at",
               "out of range (\"151\"); allowed 30 to 150 minutes (at most 120 after the lift before)"},
        BadJob{"NextLiftTempInTheJobsUnits", JOB_HEAD ", \"lifts\": {\"next-lift-temp\": \"160\"}}",
               "lifts.next-lift-temp", "out of range (\"160\"); allowed 50 to 157.2 C"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobFile, HandWrittenNumbersReadAsTheirText) {
    const JobFileRead read =
        ParseJobText(JOB_HEAD ", \"inputs\": {\"air\": 10.5, \"wind\": 8}}", "n.dravonel");
    ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobFileErrorText(std::get<JobFileError>(read));
    const InputsRead record = RecordFromJob(std::get<JobFile>(read), kNow);
    EXPECT_EQ(record.record.inputs.m_dAirTemp, 10.5);
    EXPECT_EQ(record.record.inputs.m_dWindSpeed, 8.0);
}

}  // namespace
