"""Dravonel's cooling engine from Python.

How fast a freshly placed lift of hot asphalt mix cools, and when roller compaction should start and
must stop, in minutes after laydown: the engine of the desktop program and of ``dravonel-cli``, with
the same inputs, the same rules for reading them and the same refusals.

Inputs are given by the command line's option names, with ``_`` or ``-`` (``pg_high`` or
``pg-high``): units, air, wind, sky, latitude, mix, pg_high, pg_low, lift, delivery, material,
moisture, state, surface, date, time, and job (a ``.dravonel`` file whose inputs the others change).
Values are numbers or the texts the command line takes ("Clear & Dry" or its index 0; "2026-06-15";
"12:00"). Numbers are in the unit system given by ``units`` ("english", the default, or "si"). An
input left out (or given as None) keeps the form's start value; the date and time are then the
local clock's. A value the command line refuses raises ValueError with its message::

    >>> dravonel.calculate(air=130)
    ValueError: --air "130": out of range; allowed -40 to 120 F

calculate(**inputs)       one calculation: a dict as ``dravonel-cli --format json`` writes it
run_batch(table)          a table of inputs (pandas DataFrame or dict of columns): a DataFrame with
                          the columns of ``dravonel-cli batch``, one row per input row
plan(**options)           the paving-day planner: a DataFrame, one row per paving time
uncertainty(**options)    the uncertainty study: a dict of figures and a sensitivity DataFrame
calibrate(**options)      the delivery temperature that meets a measured temperature: a dict
lifts(**options)          several lifts one on another: a dict with a DataFrame of the lifts

The engine runs without the GIL; run_batch spreads its rows over every core and vector unit. Ctrl-C
stops a long run between pieces of work and raises KeyboardInterrupt.
"""

import json
import operator

from . import _dravonel

__version__ = _dravonel.__version__

__all__ = ["calculate", "run_batch", "plan", "uncertainty", "calibrate", "lifts", "__version__"]

# The inputs of a calculation, in the order the form lists them and the batch writes them.
INPUT_NAMES = tuple(_dravonel.input_names)


def calculate(**inputs):
    """One calculation: the dict ``dravonel-cli --format json`` writes for the same options.

    Keys: "inputs" (as used: numbers in the chosen units, list entries as texts, "date" and
    "time"), "units", "boundary", "stop_code", "stop_time" (minutes after laydown), "notice"
    ("none", "slow" or "rapid"), "start_temp_c", "start_time" (minutes), "last_sample" and
    "curve" (a list of {"t": minutes, "temp_c": C}).

    Raises TypeError for a name that is not an input or "job", ValueError for a refused value.
    """
    return json.loads(_dravonel.calculate(inputs))


def _pandas():
    import pandas

    return pandas


def _column_values(series):
    """A column as the compiled part reads it: NumPy arrays of numbers as they are, others as objects
    with missing values as None."""
    import numpy

    dtype = series.dtype
    if isinstance(dtype, numpy.dtype) and dtype.kind in "fi":
        return series.to_numpy()
    if isinstance(dtype, numpy.dtype) and dtype.kind == "M":
        return series.dt.strftime("%Y-%m-%d").to_numpy(dtype=object, na_value=None)
    return series.to_numpy(dtype=object, na_value=None)


def run_batch(table, *, threads=0):
    """Runs every row of a table of inputs, as ``dravonel-cli batch`` runs the rows of a CSV file.

    table: a pandas DataFrame, or a dict of columns (NumPy arrays or lists of equal length), with
    any of the columns units, air, wind, sky, latitude, mix, pg-high, pg-low, lift, delivery,
    material, moisture, state, surface, date, time (``pg_high`` for ``pg-high`` is taken as well)
    and an optional id, passed through. A column left out takes the form's start value in the row's
    unit system (the date and time: the local clock's); a missing value (None, NaN) is an empty
    cell: "not given" for moisture and state, refused elsewhere. Each row is read with its own
    units.

    Returns a DataFrame with the table's index: id (when given), every input as the form holds it
    (numbers as float, list entries, date and time as texts; moisture and state None where the
    material has none), then stop_code, stop_time (minutes), start_temp (C), start_time (minutes),
    window (stop_time - start_time) and notice ("none", "slow" or "rapid").

    threads: worker threads, 0 for every core. Every row is judged before any is run: refused cells
    raise one ValueError listing them as "row LABEL: column: reason" (LABEL the row's index label),
    at most 20 of them.
    """
    pandas = _pandas()
    if not isinstance(table, pandas.DataFrame):
        if not isinstance(table, dict):
            raise TypeError(
                "run_batch() takes a pandas DataFrame or a dict of columns, not "
                + type(table).__name__
            )
        table = pandas.DataFrame(table)
    if isinstance(threads, bool):
        raise TypeError("run_batch() threads: a whole number was expected, not bool")
    threads = operator.index(threads)
    names, columns, ids = [], [], None
    for column in table.columns:
        name = str(column)
        if name == "id":
            ids = table[column]
            continue
        names.append(name.replace("_", "-"))
        columns.append(_column_values(table[column]))
    # Refusals name a row by its index label, which a partition of a larger table keeps.
    result = _dravonel.run_batch(names, columns, len(table.index), table.index, threads)
    frame = pandas.DataFrame(result, index=table.index)
    if ids is not None:
        frame.insert(0, "id", ids)
    return frame


def plan(**options):
    """The paving-day planner: the site's inputs at every paving time of a day.

    Options beside the inputs: from_ (or ``**{"from": ...}``) and to, the first and last paving
    time "HH:MM" (05:00 and 22:00, to not before from); every, the step in minutes (30, 1 to 1440);
    min_window, the shortest window the rollers need, minutes (15, 0 to 120); weather, hourly
    weather as a CSV file name or a table (DataFrame or dict) with the columns hour, air, wind, sky
    in the site's units (none: the site's weather all day). Each is read and refused as the command
    line reads the option of that name.

    Returns a DataFrame, one row per paving time: time, air, wind, sky (the weather used),
    start_time, stop_time, window (minutes), notice, short (window below min_window) and best (the
    longest window among the slots without a rapid-cooling notice).
    """
    return _pandas().DataFrame(_dravonel.plan(options))


def uncertainty(**options):
    """How uncertain inputs spread the compaction window (Latin hypercube sampling).

    Options beside the inputs: samples (1000, 2 to 1000000); seed (a whole number 0 to 2**64 - 1, or
    "random"); spread_air, spread_delivery, spread_surface (half-widths in the site's units, 0 to 100 C
    or 0 to 180 F: 2, 5, 3 C or 3.6, 9, 5.4 F); spread_wind, spread_lift (percent of the value, 0 to
    100: 30, 10); min_window (minutes, 0 to 120: 15). Each is read and refused as the command line
    reads the option of that name.

    Returns a dict: sampling and percentile_rule (how), seed, samples, min_window; start_time,
    stop_time and window as {"p10", "p50", "p90"} in minutes; short_window_share (0 to 1);
    rapid_samples, slow_samples; stop_counts (samples by whole stop minute 0 to 120); clamped
    (drawn values clamped to their field's range, by input); nominal (the site's own window); and
    sensitivity, a DataFrame of the one-at-a-time runs sorted by effect: input, low, high,
    stop_at_low, stop_at_high, effect.
    """
    result = _dravonel.uncertainty(options)
    result["sensitivity"] = _pandas().DataFrame(result["sensitivity"])
    return result


def calibrate(**options):
    """The delivery temperature that makes the model meet a temperature measured on the mat.

    Options beside the inputs, all three required as on the command line: measured (the
    temperature, in the site's units), at (minutes after laydown, more than 0 to 120), where
    ("surface" or "mid-depth"). The site's delivery temperature is not read for the fit.

    Returns a dict: delivery (the fit, as the form holds it) and delivery_exact, model_temp (the
    fitted run at the time of the measurement), engine_runs; start_time, stop_time, window, notice
    and start_temp (C) of the fitted run; given (the window with the site's own delivery, for
    comparison); curve, a DataFrame of the fitted run: time (minutes), mean_c, surface_c,
    mid_depth_c.
    """
    result = _dravonel.calibrate(options)
    result["curve"] = _pandas().DataFrame(result["curve"])
    return result


def lifts(**options):
    """Several lifts placed one on another: each lift's window and when the next may go on it.

    Options beside the inputs: add_lift, one lift or a list of them, bottom first, each a dict or a
    text "at=MIN,lift=X,delivery=Y[,mix=..,pg-high=..,pg-low=..]", or a DataFrame with a row per lift
    (at: whole minutes after the first lift's laydown, needed from the second lift on; values left
    out, None or NaN, take the lift below's, the first lift's the site's); next_lift_temp, the mat
    mean a lift must fall below before the next goes on (60 C or 140 F, or the job's); curves (True:
    each lift's curve). Without add_lift, the lifts of the job file given with job are run, converted
    to the units given as the form converts them.

    Returns a dict: next_lift_temp, settled, failed_step_minutes, column_minutes; lifts, a
    DataFrame one row per lift: number, placed, at, laid (its clock time), mix, pg-high, pg-low,
    lift, delivery, stop_code, start_temp (C), start_time, stop_time, window, notice, next_lift
    (minutes after its laydown; NaN when not within its run) and next_lift_at (clock time); with
    curves, curves: a DataFrame lift, time (minutes after that lift's laydown), temp_c.
    """
    pandas = _pandas()
    if isinstance(options.get("add_lift"), pandas.DataFrame):
        options["add_lift"] = options["add_lift"].to_dict("records")
    result = _dravonel.lifts(options)
    result["lifts"] = pandas.DataFrame(result["lifts"])
    if "curves" in result:
        result["curves"] = pandas.DataFrame(result["curves"])
    return result
