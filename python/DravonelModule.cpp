// The compiled part of the Python package `dravonel`: the engine, the batch engine and the studies behind
// functions that take the command line's option names and values. dravonel/__init__.py wraps them and
// makes the pandas tables; everything here returns plain dicts, lists and NumPy arrays.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <unordered_map>
#include <variant>

#include "Calculation.h"
#include "CalibrationArgs.h"
#include "CommandLine.h"
#include "DravonelVersion.h"
#include "FieldText.h"
#include "HourlyWeatherCsv.h"
#include "InputOptions.h"
#include "JobFile.h"
#include "JsonResult.h"
#include "LiftArgs.h"
#include "PlanArgs.h"
#include "PyValues.h"
#include "ReadInputs.h"
#include "Scenarios.h"
#include "TableRun.h"
#include "UncertaintyArgs.h"

namespace {

// Python str objects for a column of texts, one object for each distinct text: a table's list columns
// hold a handful of entries however many rows it has.
class TextColumnOut {
public:
    void Add(const std::string& text) {
        auto found = m_objects.find(text);
        if (found == m_objects.end()) found = m_objects.emplace(text, py::str(text)).first;
        m_list.append(found->second);
    }
    void AddNone() { m_list.append(py::none()); }
    // A NumPy array of objects, so that a table without rows keeps the column's type.
    py::object List() const { return py::module_::import("numpy").attr("array")(m_list, "object"); }

private:
    py::list m_list;
    std::unordered_map<std::string, py::object> m_objects;
};

template <class T>
py::array_t<T> ArrayOf(const std::vector<T>& values) {
    return py::array_t<T>(static_cast<py::ssize_t>(values.size()), values.data());
}

py::array_t<bool> BoolArray(const std::vector<bool>& values) {
    py::array_t<bool> array(static_cast<py::ssize_t>(values.size()));
    auto out = array.mutable_unchecked<1>();
    for (std::size_t i = 0; i < values.size(); ++i) out(static_cast<py::ssize_t>(i)) = values[i];
    return array;
}

// The site's inputs (and its --job file) read as the command line reads them, or ValueError with its
// refusal.
SiteOptionsRead ReadSite(const CallOptions& options) {
    const CollectedOptions collected = CollectOptions(options.siteArgs, CliOptions());
    if (!collected.strError.empty()) throw py::value_error(collected.strError);
    // Only inputs and --job are passed on, so there is no other option to read.
    SiteOptionsRead site = ReadSiteOptions(collected.given, std::time(nullptr),
                                           [](const GivenOption&, FormRecord&) { return ""; });
    if (!site.strError.empty()) throw py::value_error(site.strError);
    return site;
}

FormRecord SiteRecord(const CallOptions& options) { return ReadSite(options).record; }

// A study's call: the site read, then the study's own options (`names`) in the order given, each read by
// `read` as the command line reads it, onto Args whose request has the site as its base. ValueError with
// the first refusal.
template <class Args>
Args StudyArgsOf(const py::dict& keywords, const char* function, std::span<const std::string_view> names,
                 std::string (*read)(const OptionText&, const FormRecord&, Args&)) {
    const CallOptions options = SplitCallOptions(keywords, function, names);
    const FormRecord site = SiteRecord(options);
    Args args;
    args.request.base = site.inputs;
    for (const auto& [name, value] : options.others) {
        const std::string text = ValueText(value);
        if (std::string error = read({name, text}, site, args); !error.empty()) throw py::value_error(error);
    }
    return args;
}

// A study that did not finish: refused (ValueError with `refusal`) or stopped.
template <class Result>
void CheckStudy(const Result& result, const std::string& refusal) {
    if (result.outcome == StudyOutcome::Refused) throw py::value_error(refusal);
    if (result.outcome == StudyOutcome::Cancelled) throw std::runtime_error("the study was stopped");
}

py::dict Window(int nStartTime, double dStopTime, CoolingNotice notice) {
    py::dict window;
    window["start_time"] = nStartTime;
    window["stop_time"] = dStopTime;
    window["window"] = std::max(0.0, dStopTime - nStartTime);
    window["notice"] = NoticeName(notice);
    return window;
}

std::string CalculateCall(const py::dict& keywords) {
    const CallOptions options = SplitCallOptions(keywords, "calculate", {});
    const SimulationInputs inputs = SiteRecord(options).inputs;
    py::gil_scoped_release release;
    return WriteJsonResult(inputs, RunCalculation(inputs));
}

// A column's cells: NumPy arrays of numbers as numbers, read into text only when their rows are read,
// without the GIL; any other column a text a cell (CellText).
TableCells ColumnCells(py::handle column) {
    if (py::isinstance<py::array>(column)) {
        const py::array array = py::reinterpret_borrow<py::array>(column);
        const char kind = array.dtype().kind();
        if (array.ndim() == 1 && kind == 'f') {
            const py::array_t<double, py::array::forcecast> doubles(array);  // kept while read
            return std::vector<double>(doubles.data(), doubles.data() + doubles.size());
        }
        if (array.ndim() == 1 && kind == 'i') {
            const py::array_t<long long, py::array::forcecast> integers(array);  // kept while read
            return std::vector<long long>(integers.data(), integers.data() + integers.size());
        }
    }
    std::vector<std::string> cells;
    for (py::handle cell : py::iter(column)) cells.push_back(CellText(cell));
    return cells;
}

// The result columns: every input as the form shows it, numbers as numbers, then the answers.
py::dict BatchResultColumns(std::span<const SimulationInputs> inputs, const ScenarioResults& results) {
    const std::size_t n = inputs.size();
    const std::span<const InputOption> options = InputOptions();
    std::vector<std::vector<double>> numbers(options.size());
    std::vector<TextColumnOut> texts(options.size());
    FormRecord record;  // BindRealField hands out a number input's member of a record
    for (std::size_t i = 0; i < n; ++i) {
        record.inputs = inputs[i];
        const std::vector<InputText> shown = InputTextsOf(inputs[i]);
        std::size_t nShown = 0;  // InputTextsOf keeps the order of InputOptions, leaving out unset lists
        for (std::size_t k = 0; k < options.size(); ++k) {
            const bool bShown =
                nShown < shown.size() && std::string_view(shown[nShown].name) == options[k].name;
            if (options[k].kind == InputKind::Number)
                numbers[k].push_back(*BindRealField(record, options[k].field).pValue);
            else if (bShown)
                texts[k].Add(shown[nShown].text);
            else
                texts[k].AddNone();
            if (bShown) ++nShown;
        }
    }
    py::dict columns;
    for (std::size_t k = 0; k < options.size(); ++k)
        columns[options[k].name] =
            options[k].kind == InputKind::Number ? py::object(ArrayOf(numbers[k])) : texts[k].List();
    std::vector<long long> stopCodes(n), startTimes(n);
    std::vector<double> stopTimes(n), startTemps(n), windows(n);
    TextColumnOut notices;
    for (std::size_t i = 0; i < n; ++i) {
        const CalculationSummary& s = results.summaries[i];
        stopCodes[i] = s.nStopCode;
        stopTimes[i] = s.stop.dStopTime;
        startTemps[i] = s.start.dStartTemp;
        startTimes[i] = s.start.nStartTime;
        windows[i] = s.stop.dStopTime - s.start.nStartTime;  // as the batch writes it
        notices.Add(NoticeName(s.stop.notice));
    }
    columns["stop_code"] = ArrayOf(stopCodes);
    columns["stop_time"] = ArrayOf(stopTimes);
    columns["start_temp"] = ArrayOf(startTemps);
    columns["start_time"] = ArrayOf(startTimes);
    columns["window"] = ArrayOf(windows);
    columns["notice"] = notices.List();
    return columns;
}

py::dict RunBatchCall(const std::vector<std::string>& names, const py::list& columns, std::size_t nRows,
                      const py::object& labels, int nThreads) {
    if (nThreads < 0)
        throw py::value_error("threads " + std::to_string(nThreads) +
                              ": not a thread count; allowed 0 (every core) or more");
    std::vector<TextColumn> table;
    for (std::size_t i = 0; i < names.size(); ++i) table.push_back({names[i], ColumnCells(columns[i])});
    // The clock is read once, for every row that leaves out its date or time.
    const std::time_t now = std::time(nullptr);
    struct Answers {
        TableInputs read;
        ScenarioResults results;
    };
    const Answers answers = RunWithoutGil<Answers>([&](std::stop_token stop) {
        Answers done{ReadTextTable(table, nRows, now, nThreads, stop), {}};
        if (done.read.inputs.size() == nRows && !done.read.bStopped) {
            ScenarioOptions options;
            options.nThreads = nThreads;
            done.results = RunScenarios(done.read.inputs, options, {}, stop);
        }
        return done;
    });
    const TableInputs& read = answers.read;
    if (read.columnRefusal) throw py::value_error(*read.columnRefusal);
    if (read.nRefusedCells > 0) {
        const py::list labelList = labels.is_none() ? py::list() : py::list(labels);
        throw py::value_error(TableRefusalText(read, [&](std::size_t nRow) {
            return nRow < labelList.size() ? py::str(labelList[nRow]).cast<std::string>()
                                           : std::to_string(nRow);
        }));
    }
    if (read.bStopped || answers.results.bCancelled) throw std::runtime_error("the batch was stopped");
    const ScenarioResults& results = answers.results;
    return BatchResultColumns(read.inputs, results);
}

constexpr std::string_view kWeatherColumns[] = {"hour", "air", "wind", "sky"};

// "--weather:5: air: ..." of a table's CSV text as "--weather row LABEL: air: ...": line 1 is the header,
// line 2 the table's first row.
std::string WeatherTableError(const std::string& error, const std::vector<std::string>& labels) {
    const std::string prefix = "--weather:";
    if (error.rfind(prefix, 0) != 0) return error;
    std::size_t nLine = 0;
    const char* first = error.data() + prefix.size();
    const auto [end, ec] = std::from_chars(first, error.data() + error.size(), nLine);
    if (ec != std::errc() || nLine < 2 || nLine - 2 >= labels.size()) return error;
    return "--weather row " + labels[nLine - 2] + std::string(end, error.data() + error.size());
}

// The hourly weather of a table (a pandas DataFrame, or a dict of columns) with the columns hour, air, wind
// and sky, read with the weather file's rules.
std::vector<HourlyWeather> ReadWeatherTable(const py::object& weather, UnitSystem units) {
    const bool bFrame = py::hasattr(weather, "columns") && py::hasattr(weather, "index");
    if (!bFrame && !py::isinstance<py::dict>(weather))
        throw py::type_error(
            "weather: a file name, a pandas DataFrame or a dict of columns was expected, not " +
            py::str(py::type::of(weather).attr("__name__")).cast<std::string>());
    std::vector<TableCells> cells;
    for (std::string_view name : kWeatherColumns) {
        if (!weather.contains(py::str(std::string(name))))
            throw py::value_error("--weather: the table has no column \"" + std::string(name) +
                                  "\"; allowed a table with the columns hour, air, wind and sky");
        cells.push_back(ColumnCells(weather[py::str(std::string(name))]));
    }
    for (py::handle column : py::iter(bFrame ? weather.attr("columns") : weather)) {
        const std::string name = py::str(column).cast<std::string>();
        bool bKnown = false;
        for (std::string_view known : kWeatherColumns) bKnown = bKnown || name == known;
        if (!bKnown)
            throw py::value_error("--weather: \"" + name + "\": not a column; allowed hour, air, wind, sky");
    }
    std::vector<std::string> labels;
    if (bFrame)
        for (py::handle label : weather.attr("index")) labels.push_back(py::str(label).cast<std::string>());
    std::size_t nRows = 0;
    for (const TableCells& column : cells)
        nRows = std::max(nRows, std::visit([](const auto& values) { return values.size(); }, column));
    for (std::size_t i = labels.size(); i < nRows; ++i) labels.push_back(std::to_string(i));

    std::string text = "hour,air,wind,sky\n";
    for (std::size_t nRow = 0; nRow < nRows; ++nRow) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const std::string cell = TableCellText(cells[c], nRow);
            // The weather text has no quoting: a comma or line end would split the row.
            if (cell.find_first_of(",\r\n") != std::string::npos)
                throw py::value_error("--weather row " + labels[nRow] + ": " +
                                      std::string(kWeatherColumns[c]) + ": a value with a comma or line end");
            text += (c == 0 ? "" : ",") + cell;
        }
        text += '\n';
    }
    std::istringstream in(text);
    HourlyWeatherRead read = ReadHourlyWeatherCsv(in, "--weather", units);
    if (!read.strError.empty()) throw py::value_error(WeatherTableError(read.strError, labels));
    return std::move(read.rows);
}

bool IsFileName(py::handle value) { return PyUnicode_Check(value.ptr()) || py::hasattr(value, "__fspath__"); }

py::dict PlanCall(const py::dict& keywords) {
    const CallOptions options = SplitCallOptions(keywords, "plan", PlanOptionNames());
    const FormRecord site = SiteRecord(options);
    PlanArgs args;
    args.request.base = site.inputs;
    for (const auto& [name, value] : options.others) {
        // A weather table is read here; a file name as the command line reads --weather.
        if (name == "weather" && !IsFileName(value)) {
            args.request.hourly = ReadWeatherTable(value, DisplayUnitsOfCode(site.inputs.m_nUnits));
            args.strWeatherPath.clear();
            continue;
        }
        const std::string text = ValueText(value);
        if (std::string error = ReadPlanOption({name, text}, site, args); !error.empty())
            throw py::value_error(error);
    }
    if (std::string error = CheckPlanTimes(args); !error.empty()) throw py::value_error(error);
    const PavingDayRequest& request = args.request;

    const PavingDayPlan plan =
        RunWithoutGil<PavingDayPlan>([&](std::stop_token stop) { return PlanPavingDay(request, {}, stop); });
    CheckStudy(plan, PlanFaultText(plan.fault, args));
    const std::size_t n = plan.timeSlots.size();
    TextColumnOut times, skies, notices;
    std::vector<double> airs(n), winds(n), stops(n), windows(n);
    std::vector<long long> starts(n);
    std::vector<bool> shorts(n), bests(n);
    for (std::size_t i = 0; i < n; ++i) {
        const PavingSlot& slot = plan.timeSlots[i];
        times.Add(ClockText(slot.nClockMinute));
        airs[i] = slot.dAirTemp;
        winds[i] = slot.dWindSpeed;
        skies.Add(kSkyConditionNames[slot.nSkyCondition]);
        starts[i] = slot.nStartTime;
        stops[i] = slot.dStopTime;
        windows[i] = slot.dWindow;
        notices.Add(NoticeName(slot.notice));
        shorts[i] = slot.bShortWindow;
        bests[i] = slot.bBest;
    }
    py::dict columns;
    columns["time"] = times.List();
    columns["air"] = ArrayOf(airs);
    columns["wind"] = ArrayOf(winds);
    columns["sky"] = skies.List();
    columns["start_time"] = ArrayOf(starts);
    columns["stop_time"] = ArrayOf(stops);
    columns["window"] = ArrayOf(windows);
    columns["notice"] = notices.List();
    columns["short"] = BoolArray(shorts);
    columns["best"] = BoolArray(bests);
    return columns;
}

constexpr const char* kUncertainColumns[kUncertainInputCount] = {"air", "wind", "delivery", "surface",
                                                                 "lift"};

py::dict PercentilesOf(const Percentiles& p) {
    py::dict d;
    d["p10"] = p.dP10;
    d["p50"] = p.dP50;
    d["p90"] = p.dP90;
    return d;
}

py::dict UncertaintyCall(const py::dict& keywords) {
    const UncertaintyArgs args =
        StudyArgsOf(keywords, "uncertainty", UncertaintyOptionNames(), &ReadUncertaintyOption);
    const UncertaintyRequest& request = args.request;
    const UncertaintyResult r = RunWithoutGil<UncertaintyResult>(
        [&](std::stop_token stop) { return RunUncertainty(request, {}, stop); });
    CheckStudy(r, r.fault.strMessage);

    py::dict out;
    out["sampling"] = r.pszSampling;
    out["percentile_rule"] = r.pszPercentileRule;
    out["seed"] = r.nSeed;
    out["samples"] = r.nSamples;
    out["min_window"] = request.dMinimumWindow;
    out["start_time"] = PercentilesOf(r.start);
    out["stop_time"] = PercentilesOf(r.stop);
    out["window"] = PercentilesOf(r.window);
    out["short_window_share"] = r.dShortWindowShare;
    out["rapid_samples"] = r.nRapidSamples;
    out["slow_samples"] = r.nSlowSamples;
    out["stop_counts"] = py::cast(std::vector<std::size_t>(r.stopCounts.begin(), r.stopCounts.end()));
    py::dict clamped;
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) clamped[kUncertainColumns[k]] = r.clamped[k];
    out["clamped"] = clamped;
    out["nominal"] = Window(r.nominal.nStartTime, r.nominal.dStopTime, r.nominal.notice);

    TextColumnOut inputs;
    std::vector<double> lows, highs, stopsAtLow, stopsAtHigh, effects;
    for (const SensitivityRow& row : r.sensitivity) {
        inputs.Add(kUncertainColumns[static_cast<std::size_t>(row.input)]);
        lows.push_back(row.dLowValue);
        highs.push_back(row.dHighValue);
        stopsAtLow.push_back(row.dStopAtLow);
        stopsAtHigh.push_back(row.dStopAtHigh);
        effects.push_back(row.dEffect);
    }
    py::dict sensitivity;
    sensitivity["input"] = inputs.List();
    sensitivity["low"] = ArrayOf(lows);
    sensitivity["high"] = ArrayOf(highs);
    sensitivity["stop_at_low"] = ArrayOf(stopsAtLow);
    sensitivity["stop_at_high"] = ArrayOf(stopsAtHigh);
    sensitivity["effect"] = ArrayOf(effects);
    out["sensitivity"] = sensitivity;
    return out;
}

py::dict CalibrateCall(const py::dict& keywords) {
    const CalibrationArgs args =
        StudyArgsOf(keywords, "calibrate", CalibrationOptionNames(), &ReadCalibrationOption);
    if (std::string error = CheckCalibrationOptions(args); !error.empty()) throw py::value_error(error);
    const CalibrationRequest& request = args.request;
    struct Runs {
        CalibrationResult fit;
        CalculationResult given;
    };
    const Runs runs = RunWithoutGil<Runs>([&](std::stop_token stop) {
        return Runs{Calibrate(request, {}, stop), RunCalculation(request.base)};
    });
    CheckStudy(runs.fit, runs.fit.fault.strMessage);
    const CalibrationResult& fit = runs.fit;

    py::dict out = Window(fit.fitted.summary.start.nStartTime, fit.fitted.summary.stop.dStopTime,
                          fit.fitted.summary.stop.notice);
    out["delivery"] = fit.dDeliveryTemp;
    out["delivery_exact"] = fit.dDeliveryTempExact;
    out["model_temp"] = fit.dModelTemp;
    out["engine_runs"] = fit.nEngineRuns;
    out["start_temp"] = fit.fitted.summary.start.dStartTemp;
    const CalculationSummary& given = runs.given.summary;
    py::dict givenWindow = Window(given.start.nStartTime, given.stop.dStopTime, given.stop.notice);
    givenWindow["delivery"] = request.base.m_dDeliveryTemp;
    out["given"] = givenWindow;

    const int nLast = std::clamp(fit.fitted.curve.m_nLastSample, 0, kCurveCapacity - 1);
    std::vector<double> times, means, surfaces, middles;
    for (int i = 0; i <= nLast; ++i) {
        times.push_back(fit.fitted.curve.m_dCurveTime[i]);
        means.push_back(fit.fitted.curve.m_dCurveTemp[i]);
        surfaces.push_back(fit.fitted.profile.m_dSurfaceTemp[i]);
        middles.push_back(fit.fitted.profile.m_dMidDepthTemp[i]);
    }
    py::dict curve;
    curve["time"] = ArrayOf(times);
    curve["mean_c"] = ArrayOf(means);
    curve["surface_c"] = ArrayOf(surfaces);
    curve["mid_depth_c"] = ArrayOf(middles);
    out["curve"] = curve;
    return out;
}

// One lift of add_lift: a text as --add-lift reads it, or a dict whose missing values (None, NaN, as a
// table's row holds them) are values left out.
void AddLift(py::handle lift, const FormRecord& site, LiftArgs& args) {
    std::string error;
    if (PyUnicode_Check(lift.ptr())) {
        const std::string text = lift.cast<std::string>();
        error = ReadLiftOption({"add-lift", text}, site, args);
    } else if (py::isinstance<py::dict>(lift)) {
        std::vector<LiftValueText> values;
        for (const auto& [key, value] : lift.cast<py::dict>())
            if (std::string text = CellText(value); !text.empty())
                values.push_back({OptionName(py::str(key).cast<std::string>()), std::move(text)});
        error = AddLiftValues(values, site, args);
    } else {
        throw py::type_error("add_lift: a lift is a dict or a text \"at=MIN,lift=X,delivery=Y\", not " +
                             py::str(py::type::of(lift).attr("__name__")).cast<std::string>());
    }
    if (!error.empty()) throw py::value_error(error);
}

std::string LiftClockText(const LiftClockTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.nYear, t.nMonth, t.nDay, t.nHour,
                  t.nMinute);
    return text;
}

py::dict LiftsCall(const py::dict& keywords) {
    const CallOptions options = SplitCallOptions(keywords, "lifts", LiftOptionNames());
    const SiteOptionsRead site = ReadSite(options);
    LiftArgs args;
    for (const auto& [name, value] : options.others) {
        if (name == "add-lift") {
            if (PyUnicode_Check(value.ptr()) || py::isinstance<py::dict>(value))
                AddLift(value, site.record, args);
            else
                for (py::handle lift : py::iter(value)) AddLift(lift, site.record, args);
        } else if (name == "curves") {
            args.bCurves = py::bool_(value);
        } else {
            const std::string text = ValueText(value);
            if (std::string error = ReadLiftOption({name, text}, site.record, args); !error.empty())
                throw py::value_error(error);
        }
    }
    const bool bCurves = args.bCurves;
    const LiftsRead read =
        LiftSequenceOfArgs(args, site.record, site.job ? &*site.job : nullptr, site.strJobPath);
    if (!read.strError.empty()) throw py::value_error(read.strError);
    const LiftSequenceInputs& inputs = read.inputs;
    const LiftSequenceResult r =
        RunWithoutGil<LiftSequenceResult>([&](std::stop_token) { return RunLiftSequence(inputs); });
    if (r.error) throw py::value_error(r.error->strMessage);

    const double dNaN = std::nan("");
    TextColumnOut laid, mixes, highs, lows, notices, nextClocks;
    std::vector<long long> numbers, ats, stopCodes;
    std::vector<bool> placed;
    std::vector<double> thicknesses, deliveries, startTemps, starts, stops, windows, nextLifts;
    std::vector<long long> curveLifts;
    std::vector<double> curveTimes, curveTemps;
    for (int i = 0; i < r.nLifts; ++i) {
        const LiftOutcome& lift = r.lifts[i];
        const LiftInput& in = inputs.lifts[i];
        numbers.push_back(i + 1);
        placed.push_back(lift.bPlaced);
        ats.push_back(lift.nPlacementMinutes);
        laid.Add(LiftClockText(lift.placement));
        mixes.Add(kMixTypeNames[in.nMixType]);
        highs.Add(kPgHighNames[in.nPgHigh]);
        lows.Add(kPgLowNames[in.nPgLow]);
        thicknesses.push_back(in.dLiftThickness);
        deliveries.push_back(in.dDeliveryTemp);
        stopCodes.push_back(lift.nStopCode);
        notices.Add(NoticeName(lift.stop.notice));
        stops.push_back(lift.stop.dStopTime);
        // An unplaced lift has no compaction start and no next-lift time.
        startTemps.push_back(lift.bPlaced ? lift.start.dStartTemp : dNaN);
        starts.push_back(lift.bPlaced ? lift.start.nStartTime : dNaN);
        windows.push_back(lift.bPlaced ? std::max(0.0, lift.stop.dStopTime - lift.start.nStartTime) : dNaN);
        nextLifts.push_back(lift.nextLift.bReached ? lift.nextLift.nMinutes : dNaN);
        if (lift.nextLift.bReached)
            nextClocks.Add(LiftClockText(lift.nextLift.clock));
        else
            nextClocks.AddNone();
        if (!bCurves || !lift.bPlaced) continue;
        const int nLast = std::clamp(lift.curve.m_nLastSample, 0, kCurveCapacity - 1);
        for (int k = 0; k <= nLast; ++k) {
            curveLifts.push_back(i + 1);
            curveTimes.push_back(lift.curve.m_dCurveTime[k]);
            curveTemps.push_back(lift.curve.m_dCurveTemp[k]);
        }
    }
    py::dict table;
    table["number"] = ArrayOf(numbers);
    table["placed"] = BoolArray(placed);
    table["at"] = ArrayOf(ats);
    table["laid"] = laid.List();
    table["mix"] = mixes.List();
    table["pg-high"] = highs.List();
    table["pg-low"] = lows.List();
    table["lift"] = ArrayOf(thicknesses);
    table["delivery"] = ArrayOf(deliveries);
    table["stop_code"] = ArrayOf(stopCodes);
    table["start_temp"] = ArrayOf(startTemps);
    table["start_time"] = ArrayOf(starts);
    table["stop_time"] = ArrayOf(stops);
    table["window"] = ArrayOf(windows);
    table["notice"] = notices.List();
    table["next_lift"] = ArrayOf(nextLifts);
    table["next_lift_at"] = nextClocks.List();

    py::dict out;
    out["next_lift_temp"] =
        inputs.dNextLiftTemp.value_or(DefaultNextLiftTemp(DisplayUnitsOfCode(site.record.m_nActiveUnits)));
    out["settled"] = r.bSettled;
    out["failed_step_minutes"] =
        r.bSettled ? py::object(py::none()) : py::object(py::int_(r.nFailedStepMinutes));
    out["column_minutes"] = r.nColumnMinutes;
    out["lifts"] = table;
    if (bCurves) {
        py::dict curves;
        curves["lift"] = ArrayOf(curveLifts);
        curves["time"] = ArrayOf(curveTimes);
        curves["temp_c"] = ArrayOf(curveTemps);
        out["curves"] = curves;
    }
    return out;
}

}  // namespace

PYBIND11_MODULE(_dravonel, m) {
    m.doc() = "The compiled part of dravonel; use the functions of the package dravonel.";
    m.attr("__version__") = DRAVONEL_VERSION;
    py::list names;
    for (const InputOption& option : InputOptions()) names.append(option.name);
    m.attr("input_names") = names;
    m.def("calculate", &CalculateCall, "The command line's JSON text of one calculation.");
    m.def("run_batch", &RunBatchCall, py::arg("names"), py::arg("columns"), py::arg("rows"),
          py::arg("labels"), py::arg("threads"),
          "The result columns of a table of inputs given column by column.");
    m.def("plan", &PlanCall, "The paving-day plan's columns.");
    m.def("uncertainty", &UncertaintyCall, "The uncertainty study's figures.");
    m.def("calibrate", &CalibrateCall, "The calibration's figures.");
    m.def("lifts", &LiftsCall, "The lift sequence's figures.");
}
