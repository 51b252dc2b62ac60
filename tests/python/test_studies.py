"""plan, uncertainty, calibrate and lifts: each study's figures agree with single calculations of the
same site, and their own options are refused in the command line's words."""
import math

import pandas
import pytest
from conftest import cli_refusal

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


@pytest.mark.parametrize("call, options, message", [
    pytest.param(dravonel.plan, dict(every="abc"),
                 '--every "abc": not a whole number; allowed 1 to 1440 (minutes)', id="plan-step-not-a-number"),
    pytest.param(dravonel.plan, dict(every=0), "--every: the step 0 min is outside 1 to 1440 min",
                 id="plan-step-out-of-range"),
    pytest.param(dravonel.plan, {"from": "25:00"}, '--from "25:00": not a time; allowed HH:MM, 00:00 to 24:00',
                 id="plan-time-not-a-time"),
    pytest.param(dravonel.plan, dict(weather={"hour": [12, 13], "air": [10, "hot"], "wind": [1, 1], "sky": [0, 0]}),
                 '--weather row 1: air: "hot" is not a number', id="plan-weather-row"),
    pytest.param(dravonel.plan, dict(weather={"hour": [12], "air": [10], "wind": [1]}),
                 '--weather: the table has no column "sky"; allowed a table with the columns hour, air, wind and sky',
                 id="plan-weather-without-sky"),
    pytest.param(dravonel.uncertainty, dict(seed=-1),
                 '--seed "-1": not a seed; allowed a whole number 0 to 18446744073709551615, or random',
                 id="uncertainty-negative-seed"),
    pytest.param(dravonel.uncertainty, dict(samples=1), "--samples: the sample count 1 is outside 2 to 1000000",
                 id="uncertainty-one-sample"),
    pytest.param(dravonel.calibrate, dict(at=10), "--measured: missing value; allowed a temperature in C",
                 id="calibrate-without-measurement"),
    pytest.param(dravonel.calibrate, dict(measured=90, at=10, where="inside"),
                 '--where "inside": not a place; allowed surface or mid-depth', id="calibrate-unknown-place"),
    pytest.param(dravonel.lifts, dict(add_lift=[{}, "at=30,delivery=abc"]),
                 '--add-lift 2 delivery "abc": not a number; allowed 65.56 to 157.2 C', id="lift-value-named"),
    pytest.param(dravonel.lifts, dict(add_lift=[{}, "lift=40"]),
                 "--add-lift 2 at: missing value; allowed whole minutes after the first lift's laydown",
                 id="later-lift-without-placement"),
])
def test_study_options_are_refused_naming_them(call, options, message):
    with pytest.raises(ValueError) as refused:
        call(**SITE, **options)
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


def test_lifts_of_a_job_file_are_run_in_its_units(tmp_path):
    job = tmp_path / "two-lifts.dravonel"
    job.write_text(JOB_WITH_LIFTS)
    from_job = dravonel.lifts(job=job)
    given = dravonel.lifts(job=job, next_lift_temp=70, add_lift=[dict(at=0, lift=50, delivery=150, mix="SMA"),
                                                                 dict(at=40, lift=40, delivery=145)])
    pandas.testing.assert_frame_equal(from_job.pop("lifts"), given.pop("lifts"))
    assert from_job == given
    with pytest.raises(ValueError, match="the job's lifts are in si units"):
        dravonel.lifts(job=job, units="english")
