"""A large study on a Dask cluster: the scenario table split into partitions, each answered by
run_batch in a worker process, gives the rows run_batch gives for the whole table."""
import dask.dataframe
import pandas
import pytest
from conftest import make_batch_csv
from distributed import Client, LocalCluster

import dravonel

# Debian's tornado warns about its own event loop as the cluster starts.
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")


def test_study_on_two_worker_processes_equals_one_run_batch(tmp_path):
    # The workers are new processes: they import dravonel through the PYTHONPATH they inherit.
    table = pandas.read_csv(make_batch_csv(tmp_path / "rows.csv", 20000, 11))
    whole = dravonel.run_batch(table)
    with LocalCluster(n_workers=2, processes=True, threads_per_worker=1, dashboard_address=None) as cluster, \
            Client(cluster):
        scenarios = dask.dataframe.from_pandas(table, npartitions=8)
        meta = dravonel.run_batch(table.iloc[:0])
        gathered = scenarios.map_partitions(dravonel.run_batch, meta=meta).compute()
    pandas.testing.assert_frame_equal(gathered, whole, check_exact=True)
