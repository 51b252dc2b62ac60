"""dravonel.calculate and dravonel.run_batch against dravonel-cli: the same options give the same
numbers to the last bit and the same refusals word for word."""
import datetime
import json
import os
import signal
import threading

import numpy
import pandas
import pytest
from conftest import assert_same_as_cli_csv, cli_refusal, run_cli

import dravonel

RUN_A = dict(units="si", air=10, wind=8, sky=0, latitude=45, mix=0, lift=75, delivery=150, material=2,
             moisture=0, state=1, surface=10, date="2026-06-15", time="12:00")
NOON = dict(date="2026-06-15", time="12:00")
JOB = os.path.join(os.path.dirname(__file__), "..", "cli", "run-a.dravonel")


def cli_args(options):
    args = []
    for name, value in options.items():
        args += ["--" + name.replace("_", "-"), value]
    return args


@pytest.mark.parametrize("options", [
    pytest.param(RUN_A, id="run-a-si"),
    pytest.param(NOON, id="english-start-values"),
    pytest.param(dict(sky="Partly Cloudy", pg_high="52", pg_low="-40", material="PCC", **NOON),
                 id="entries-by-text-and-underscore-names"),
    pytest.param(dict(units="si", air=10.456, lift=50.005, wind=0, **NOON), id="fractions-held-as-hundredths"),
    pytest.param(dict(job=JOB, air=15), id="job-file-with-a-change"),
])
def test_calculate_gives_the_command_lines_json(options):
    done = run_cli(*cli_args(options), "--format", "json")
    assert done.returncode == 0, done.stderr
    assert dravonel.calculate(**options) == json.loads(done.stdout)


@pytest.mark.parametrize("given, typed", [
    pytest.param(dict(air=numpy.float64(12.5)), dict(air="12.5"), id="numpy-float"),
    pytest.param(dict(air=-0.0), dict(air="0"), id="negative-zero-is-zero"),
    pytest.param(dict(sky=numpy.int64(3)), dict(sky="3"), id="numpy-integer-index"),
    pytest.param(dict(date=datetime.date(2026, 6, 15)), dict(date="2026-06-15"), id="date-object"),
    pytest.param(dict(time=datetime.time(9, 5)), dict(time="09:05"), id="time-object"),
    pytest.param(dict(moisture=None), dict(), id="none-is-left-out"),
])
def test_python_values_read_as_their_texts(given, typed):
    base = dict(date="2026-06-15", time="12:00")
    assert dravonel.calculate(**{**base, **given}) == dravonel.calculate(**{**base, **typed})


@pytest.mark.parametrize("options", [
    pytest.param(dict(air="abc"), id="letters"),
    pytest.param(dict(units="si", air=49), id="above-the-si-range"),
    pytest.param(dict(wind=float("nan")), id="nan"),
    pytest.param(dict(sky="Sunny"), id="not-an-entry"),
    pytest.param(dict(material="AC", moisture="Wet"), id="moisture-on-a-bound-material"),
    pytest.param(dict(date="2026-02-29"), id="no-leap-day"),
    pytest.param(dict(units="metric"), id="not-a-unit-system"),
    pytest.param(dict(job="/nonexistent/x.dravonel"), id="missing-job-file"),
])
def test_calculate_refuses_as_the_command_line(options):
    with pytest.raises(ValueError) as refused:
        dravonel.calculate(**options)
    assert str(refused.value) == cli_refusal(*cli_args(options), "--format", "json")


@pytest.mark.parametrize("name", ["colour", "format", "output"])
def test_calculate_names_an_unknown_option(name):
    with pytest.raises(TypeError, match=f"'{name}'"):
        dravonel.calculate(**{name: "x"})


def test_version_is_the_programs():
    assert (dravonel.__version__ + "\n").startswith(run_cli("--version").stdout.split()[1] + ".")


def numbers_as_read(path):
    return pandas.read_csv(path)


def texts_as_dict(path):
    table = pandas.read_csv(path, dtype=str, keep_default_na=False)
    return {column: table[column].to_numpy() for column in table.columns}


def underscore_names(path):
    return pandas.read_csv(path).rename(columns={"pg-high": "pg_high", "pg-low": "pg_low"})


@pytest.mark.parametrize("read", [
    pytest.param(numbers_as_read, id="dataframe-of-numbers"),
    pytest.param(texts_as_dict, id="dict-of-texts"),
    pytest.param(underscore_names, id="underscore-column-names"),
])
def test_run_batch_gives_the_batch_subcommands_rows(seeded_batch, read):
    path, cli_csv = seeded_batch
    assert_same_as_cli_csv(dravonel.run_batch(read(path)), cli_csv)


def test_run_batch_threads_change_nothing(seeded_batch):
    table = pandas.read_csv(seeded_batch[0])
    pandas.testing.assert_frame_equal(dravonel.run_batch(table, threads=1), dravonel.run_batch(table))


def test_empty_table_gives_the_columns_and_types_of_a_full_one(seeded_batch):
    table = pandas.read_csv(seeded_batch[0])
    full = dravonel.run_batch(table.head(3))
    empty = dravonel.run_batch(table.iloc[:0])
    assert len(empty) == 0
    assert empty.dtypes.to_dict() == full.dtypes.to_dict()


BAD_CELLS = """units,air,material,moisture,date,time
si,10,AC,,2026-06-15,12:00
english,abc,Granular Base,Wet,2026-06-15,12:00
metric,10,AC,,2026-06-15,12:00
si,10,AC,Wet,2026-02-30,12:00
"""
UNKNOWN_COLUMN = "units,colour\nsi,red\n"


@pytest.mark.parametrize("csv", [
    pytest.param(BAD_CELLS, id="every-refused-cell-listed"),
    pytest.param(UNKNOWN_COLUMN, id="unknown-column"),
])
def test_run_batch_refuses_as_the_batch_subcommand(tmp_path, csv):
    path = tmp_path / "bad.csv"
    path.write_text(csv)
    done = run_cli("batch", "--input", path)
    assert done.returncode == 2
    first_label = 1000  # a partition of a larger table keeps its labels
    expected = []
    for line in done.stderr.splitlines():
        place, rest = line.removeprefix("dravonel-cli: " + str(path) + ":").split(": ", 1)
        expected.append(rest if place == "1" else f"row {first_label + int(place) - 2}: {rest}")
    table = pandas.read_csv(path, dtype=str, keep_default_na=False)
    table.index += first_label
    with pytest.raises(ValueError) as refused:
        dravonel.run_batch(table)
    assert str(refused.value) == "\n".join(expected)


def test_ctrl_c_stops_a_batch_and_leaves_the_module_usable(seeded_batch):
    table = pandas.read_csv(seeded_batch[0])
    large = pandas.concat([table] * 400, ignore_index=True)  # far longer than the timer's delay
    threading.Timer(0.2, signal.raise_signal, (signal.SIGINT,)).start()
    with pytest.raises(KeyboardInterrupt):
        dravonel.run_batch(large)
    assert len(dravonel.run_batch(table.head(2))) == 2
