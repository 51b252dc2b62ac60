"""What the Python tests share: the command-line program, seeded batch files and the comparison of a
run_batch table with the CSV file the batch subcommand writes."""
import io
import os
import subprocess
import sys

import pandas
import pytest

CLI = os.environ["DRAVONEL_CLI"]
MAKE_BATCH_CSV = os.environ["DRAVONEL_MAKE_BATCH_CSV"]

# Result columns of the batch that hold numbers; the rest are texts.
FLOAT_COLUMNS = {"air", "wind", "latitude", "lift", "delivery", "surface", "stop_time", "start_temp", "window"}
INT_COLUMNS = {"stop_code", "start_time"}


def run_cli(*args):
    return subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, check=False)


def cli_refusal(*args):
    """The one-line message dravonel-cli refuses the arguments with, without its program name."""
    done = run_cli(*args)
    assert done.returncode == 2, done
    return done.stderr.removeprefix("dravonel-cli: ").rstrip("\n")


def make_batch_csv(path, rows, seed):
    with open(path, "w", encoding="utf-8") as out:
        subprocess.run([sys.executable, MAKE_BATCH_CSV, str(rows), str(seed)], stdout=out, check=True)
    return path


def assert_same_as_cli_csv(frame, cli_csv_text):
    """Every cell of the frame equals the batch's CSV cell: numbers as exact doubles, texts as written."""
    expected = pandas.read_csv(io.StringIO(cli_csv_text), dtype=str, keep_default_na=False)
    assert list(frame.columns) == list(expected.columns)
    assert len(frame) == len(expected)
    for column in expected.columns:
        want = expected[column].tolist()
        got = frame[column].tolist()
        if column in FLOAT_COLUMNS:
            want = [float(text) for text in want]
        elif column in INT_COLUMNS:
            want = [int(text) for text in want]
        else:
            got = ["" if value is None else str(value) for value in got]
        assert got == want, column


@pytest.fixture(scope="session")
def seeded_batch(tmp_path_factory):
    """A varied batch file (both unit systems, every list entry, bound and unbound materials) and the
    CSV text dravonel-cli batch writes for it."""
    path = make_batch_csv(tmp_path_factory.mktemp("batch") / "rows.csv", 300, 7)
    done = run_cli("batch", "--input", path)
    assert done.returncode == 0, done.stderr
    return path, done.stdout
