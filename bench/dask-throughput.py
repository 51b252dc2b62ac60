#!/usr/bin/python3
"""Scenarios a second of a study: run_batch alone, and on a local Dask cluster of 1 and 2 workers.

Usage: PYTHONPATH=build/python bench/dask-throughput.py [ROWS] [PARTITIONS]   (defaults 20000 and 8)

The table comes from tools/make-batch-csv.py (seed 11). Each figure is the best of three runs after one
warm-up; the cluster's start is not counted, the split into partitions, the runs and the gathering of
the result are. It also prints the bytes a row of the scenarios and of the result take on the wire.
Every gathered table is checked against run_batch's, row for row.
"""
import io
import os
import pickle
import subprocess
import sys
import time
import warnings

import dask.dataframe
import pandas
from distributed import Client, LocalCluster

import dravonel

HERE = os.path.dirname(os.path.abspath(__file__))


def best_of_three(run):
    run()
    seconds = []
    for _ in range(3):
        start = time.perf_counter()
        result = run()
        seconds.append(time.perf_counter() - start)
    return min(seconds), result


def main():
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 20000
    partitions = int(sys.argv[2]) if len(sys.argv) > 2 else 8
    csv = subprocess.run([sys.executable, os.path.join(HERE, "..", "tools", "make-batch-csv.py"), str(rows), "11"],
                         capture_output=True, text=True, check=True).stdout
    table = pandas.read_csv(io.StringIO(csv))
    print(f"{rows} scenarios, {os.cpu_count()} hardware threads")

    alone, whole = best_of_three(lambda: dravonel.run_batch(table))
    print(f"run_batch alone            {alone:7.3f} s  {rows / alone:9.0f} scenarios/s")
    # What a worker sends back for each row: the gather's cost grows with it.
    print(f"result: {len(pickle.dumps(whole)) / rows:.0f} bytes a row pickled, "
          f"scenarios: {len(pickle.dumps(table)) / rows:.0f} bytes a row")

    meta = dravonel.run_batch(table.iloc[:0])
    warnings.filterwarnings("ignore", category=DeprecationWarning)
    for workers, threads in ((1, 0), (2, 0), (2, 1)):
        with LocalCluster(n_workers=workers, processes=True, threads_per_worker=1,
                          dashboard_address=None) as cluster, Client(cluster):
            def study():
                scenarios = dask.dataframe.from_pandas(table, npartitions=partitions)
                return scenarios.map_partitions(dravonel.run_batch, threads=threads, meta=meta).compute()

            seconds, gathered = best_of_three(study)
            pandas.testing.assert_frame_equal(gathered, whole, check_exact=True)
            cores = "every core" if threads == 0 else f"{threads} thread"
            print(f"Dask, {workers} worker(s), {cores:10s} {seconds:7.3f} s  {rows / seconds:9.0f} scenarios/s")


if __name__ == "__main__":
    main()
