"""plan, uncertainty, calibrate and lifts: each study's figures agree with single calculations of the
same site, and their own options are refused in the command line's words."""
import json
import math

import pandas
import pytest
from conftest import cli_refusal, run_cli

import dravonel

SITE = dict(units="si", air=10, wind=10, date="2026-06-15", time="12:00")


def window_of(result):
    return result["start_time"], result["stop_time"]


@pytest.mark.parametrize("weather", [
    pytest.param(None, id="site-weather-all-day"),
    pytest.param(pandas.DataFrame({"hour": [10, 11, 12, 13], "air": [5, 8.5, 12, 30],
                                   "wind": [0, 4, 20, 2], "sky": ["Overcast", 2, "Clear & Dry", 0]}),
                 id="hourly-weather-table"),
])
def test_plan_slots_are_single_calculations(weather):
    table = dravonel.plan(**SITE, from_="10:00", to="13:30", every=60, weather=weather)
    assert table["time"].tolist() == ["10:00", "11:00", "12:00", "13:00"]
    for _, slot in table.iterrows():
        single = dravonel.calculate(**{**SITE, "time": slot["time"], "air": slot["air"], "wind": slot["wind"],
                                       "sky": slot["sky"]})
        assert (slot["start_time"], slot["stop_time"]) == window_of(single)
        if weather is not None:
            hour = weather[weather["hour"] == int(slot["time"][:2])].iloc[0]
            assert (slot["air"], slot["wind"]) == (hour["air"], hour["wind"])
    calm = table[table["notice"] != "rapid"]
    assert table["best"].tolist() == (table["window"] == calm["window"].max()).tolist()


def test_uncertainty_is_seeded_and_centred_on_the_site():
    first = dravonel.uncertainty(**SITE, samples=40, seed=5, spread_wind=50)
    again = dravonel.uncertainty(**SITE, samples=40, seed="5", spread_wind=50)
    pandas.testing.assert_frame_equal(first.pop("sensitivity"), again.pop("sensitivity"))
    assert first == again
    assert first["seed"] == 5 and sum(first["stop_counts"]) == 40
    single = dravonel.calculate(**SITE)
    assert window_of(first["nominal"]) == window_of(single)


def test_calibration_fits_the_measurement_and_runs_the_fit():
    fit = dravonel.calibrate(**SITE, delivery=140, measured=95, at=20, where="mid-depth")
    assert abs(fit["model_temp"] - 95) <= 0.01
    assert window_of(fit) == window_of(dravonel.calculate(**{**SITE, "delivery": fit["delivery"]}))
    assert window_of(fit["given"]) == window_of(dravonel.calculate(**{**SITE, "delivery": 140}))
    assert fit["given"]["delivery"] == 140


def test_one_lift_is_the_single_calculation():
    result = dravonel.lifts(**SITE, add_lift={"lift": 50, "delivery": 150}, curves=True)
    single = dravonel.calculate(**SITE, lift=50, delivery=150)
    lift = result["lifts"].iloc[0]
    assert (lift["start_time"], lift["stop_time"], lift["stop_code"]) == (
        single["start_time"], single["stop_time"], single["stop_code"])
    assert result["curves"]["temp_c"].tolist() == [sample["temp_c"] for sample in single["curve"]]


def test_second_lift_is_laid_at_its_minute():
    result = dravonel.lifts(**SITE, add_lift=["at=0,lift=50,delivery=150", {"at": 40, "lift": 40, "delivery": 145}])
    table = result["lifts"]
    assert table["laid"].tolist() == ["2026-06-15 12:00", "2026-06-15 12:40"]
    assert table["placed"].all() and result["settled"]
    assert table["lift"].tolist() == [50, 40]
    assert result["next_lift_temp"] == 60


SITE_ARGS = ["--units", "si", "--air", "10", "--wind", "10", "--date", "2026-06-15", "--time", "12:00"]


@pytest.mark.parametrize("call, options, cli_args", [
    pytest.param(dravonel.plan, dict(every="abc"), ["--every", "abc"], id="plan-step-not-a-number"),
    pytest.param(dravonel.plan, dict(every=0), ["--every", "0"], id="plan-step-out-of-range"),
    pytest.param(dravonel.plan, {"from": "25:00"}, ["--from", "25:00"], id="plan-time-not-a-time"),
    pytest.param(dravonel.plan, dict(to="04:00"), ["--to", "04:00"], id="plan-last-before-first"),
    pytest.param(dravonel.plan, dict(weather=""), ["--weather", ""], id="plan-weather-without-file-name"),
    pytest.param(dravonel.uncertainty, dict(seed=-1), ["--seed", "-1"], id="uncertainty-negative-seed"),
    pytest.param(dravonel.uncertainty, dict(samples=1), ["--samples", "1"], id="uncertainty-one-sample"),
    pytest.param(dravonel.uncertainty, dict(units="english", spread_air=181), ["--units", "english", "--spread-air", "181"],
                 id="uncertainty-spread-in-the-site-units"),
    pytest.param(dravonel.calibrate, dict(at=10), ["--at", "10"], id="calibrate-without-measurement"),
    pytest.param(dravonel.calibrate, dict(measured=90, at=10, where="inside"),
                 ["--measured", "90", "--at", "10", "--where", "inside"], id="calibrate-unknown-place"),
    pytest.param(dravonel.lifts, dict(add_lift=[{}, "at=30,delivery=abc"]),
                 ["--add-lift", "at=0", "--add-lift", "at=30,delivery=abc"], id="lift-value-named"),
    pytest.param(dravonel.lifts, dict(add_lift=[{}, {"lift": 40}]), ["--add-lift", "at=0", "--add-lift", "lift=40"],
                 id="later-lift-without-placement"),
    pytest.param(dravonel.lifts, dict(add_lift="at=0,colour=red"), ["--add-lift", "at=0,colour=red"],
                 id="lift-unknown-key"),
    pytest.param(dravonel.lifts, dict(add_lift={"at": 0}, next_lift_temp=40), ["--add-lift", "at=0", "--next-lift-temp", "40"],
                 id="next-lift-temperature-out-of-range"),
    pytest.param(dravonel.lifts, {}, [], id="no-lifts"),
])
def test_study_options_are_refused_as_the_command_line_refuses_them(call, options, cli_args):
    with pytest.raises(ValueError) as refused:
        call(**{**SITE, **options})
    assert str(refused.value) == cli_refusal(call.__name__, *SITE_ARGS, *cli_args)


@pytest.mark.parametrize("options, message", [
    pytest.param(dict(weather={"hour": [12, 13], "air": [10, "hot"], "wind": [1, 1], "sky": [0, 0]}),
                 '--weather row 1: air: "hot" is not a number', id="weather-row"),
    pytest.param(dict(weather={"hour": [12], "air": [10], "wind": [1]}),
                 '--weather: the table has no column "sky"; allowed a table with the columns hour, air, wind and sky',
                 id="weather-without-sky"),
    pytest.param(dict(to="13:00", every=60, weather={"hour": [12], "air": [10], "wind": [1], "sky": [0]}),
                 "--weather: the hourly weather has no row for hour 5 (paving at 05:00)",
                 id="weather-without-an-hour"),
])
def test_plan_weather_table_is_refused_naming_its_row(options, message):
    with pytest.raises(ValueError) as refused:
        dravonel.plan(**SITE, **options)
    assert str(refused.value) == message


@pytest.mark.parametrize("call", [dravonel.plan, dravonel.uncertainty, dravonel.lifts])
def test_study_site_is_read_as_the_command_line_reads_it(call):
    with pytest.raises(ValueError) as refused:
        call(units="si", air=60)
    assert str(refused.value) == cli_refusal("--units", "si", "--air", "60")


def test_study_names_an_option_of_another_study():
    with pytest.raises(TypeError, match="'samples'"):
        dravonel.plan(samples=10)


JOB_WITH_LIFTS = """{"format": "dravonel-job", "version": 1, "units": "si",
 "inputs": {"air": "10", "wind": "10", "date": "2026-06-15", "time": "12:00"},
 "lifts": {"next-lift-temp": "70", "lifts": [{"at": "0", "lift": "50", "delivery": "150", "mix": "SMA"},
                                            {"at": "40", "lift": "40", "delivery": "145"}]}}"""

# The command line's lift columns and the Python table's.
LIFT_COLUMNS = {"laid": "at", "thickness": "lift", "delivery": "delivery", "mix": "mix", "pg_high": "pg-high",
                "pg_low": "pg-low", "start": "start_time", "stop": "stop_time", "notice": "notice"}


@pytest.mark.parametrize("options, cli_args", [
    pytest.param(dict(job="JOB"), ["--job", "JOB"], id="job-in-its-units"),
    pytest.param(dict(job="JOB", units="english"), ["--job", "JOB", "--units", "english"], id="job-converted"),
    pytest.param(dict(job="JOB", add_lift=["at=0,lift=60", {"at": 30, "pg_high": 64}]),
                 ["--job", "JOB", "--add-lift", "at=0,lift=60", "--add-lift", "at=30,pg-high=64"],
                 id="lifts-given-replace-the-jobs"),
    pytest.param(dict(**SITE, mix="Superpave-Fine", add_lift=[{"at": 0, "mix": "SMA", "lift": 60}, "at=45,delivery=140"]),
                 [*SITE_ARGS, "--mix", "Superpave-Fine", "--add-lift", "at=0,mix=SMA,lift=60", "--add-lift", "at=45,delivery=140"],
                 id="left-out-values-from-the-lift-below"),
])
def test_lifts_agree_with_the_command_line(tmp_path, options, cli_args):
    job = tmp_path / "two-lifts.dravonel"
    job.write_text(JOB_WITH_LIFTS)
    options = {key: job if value == "JOB" else value for key, value in options.items()}
    result = dravonel.lifts(**options)
    done = run_cli("lifts", *[job if arg == "JOB" else arg for arg in cli_args], "--format", "json")
    assert done.returncode == 0, done.stderr
    expected = json.loads(done.stdout)
    assert result["next_lift_temp"] == expected["next_lift_temp"]
    table = result["lifts"]
    for cli_column, column in LIFT_COLUMNS.items():
        assert table[column].tolist() == [lift[cli_column] for lift in expected["lifts"]], column
    if "mix" in options:
        # The second lift gives neither mix nor lift: both are the first lift's, not the site's.
        assert table["mix"].tolist() == ["SMA", "SMA"] and table["lift"].tolist() == [60, 60]
