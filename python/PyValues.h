#pragma once

#include <pybind11/pybind11.h>

#include <chrono>
#include <exception>
#include <functional>
#include <future>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

// Python values as the texts the command line reads, keyword names as option names, and engine work run
// without the GIL. Shared by every function of the module.

namespace py = pybind11;

// The text a Python value stands for, as it would be typed after an option: a str as it is; a float as the
// shortest text that reads back to the same double ("10", "0.1", "1e-05"; -0.0 as "0", so that a zero is
// not refused for its sign; NaN and infinities as "nan" and "inf", which are refused as not a number); a
// datetime.time without seconds as "HH:MM"; a path (os.PathLike) as its file name; anything else (int,
// NumPy integer, datetime.date, bool) as str() writes it.
std::string ValueText(py::handle value);

// A cell of a table: None and a float NaN (a missing value in pandas) are the empty cell "", others as
// ValueText.
std::string CellText(py::handle value);

// A keyword as an option name: "pg_high" -> "pg-high", "from_" -> "from" (a trailing "_" lets a Python
// keyword such as `from` be passed as from_=...).
std::string OptionName(std::string_view keyword);

// The keywords of a call split into the site's inputs ("--name=text", for ParseCommandLine, in the order
// given) and the others by name. A value of None is an option left out. A name that is neither an input,
// "job" nor one of `others` is refused with TypeError, as Python refuses an unexpected keyword argument.
struct CallOptions {
    std::vector<std::string> siteArgs;
    std::vector<std::pair<std::string, py::object>> others;  // in the order given

    // The last other of that name, or an empty object.
    py::object Other(std::string_view name) const;
};
CallOptions SplitCallOptions(const py::dict& keywords, const char* function,
                             std::span<const std::string_view> others);

// Runs work(stop) on a thread of its own while the calling thread waits without the GIL, looking every
// tenth of a second for a signal Python has to handle (Ctrl-C): then the stop is requested, the work is
// waited for and the Python exception (KeyboardInterrupt) is raised. An exception of the work is rethrown.
template <class Result>
Result RunWithoutGil(const std::function<Result(std::stop_token)>& work) {
    std::stop_source stop;
    std::future<Result> done;
    {
        py::gil_scoped_release release;
        done = std::async(std::launch::async, work, stop.get_token());
        while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
            py::gil_scoped_acquire acquire;
            if (PyErr_CheckSignals() != 0) {
                stop.request_stop();
                {
                    py::gil_scoped_release waiting;
                    done.wait();
                }
                throw py::error_already_set();
            }
        }
    }
    return done.get();
}
