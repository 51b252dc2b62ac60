#include "PyValues.h"

#include <cmath>

#include "InputOptions.h"
#include "TableRun.h"

namespace {

bool IsSiteName(std::string_view name) { return name == "job" || FindInputOption(name) != nullptr; }

}  // namespace

std::string ValueText(py::handle value) {
    if (PyUnicode_Check(value.ptr())) return value.cast<std::string>();
    if (PyFloat_Check(value.ptr())) return ShortestNumberText(PyFloat_AsDouble(value.ptr()));
    // Kept for the life of the process: a Python object must not be released after the interpreter ends.
    static const py::object& timeType = *new py::object(py::module_::import("datetime").attr("time"));
    if (py::isinstance(value, timeType) && value.attr("second").cast<int>() == 0 &&
        value.attr("microsecond").cast<int>() == 0)
        return value.attr("strftime")("%H:%M").cast<std::string>();
    if (py::hasattr(value, "__fspath__"))
        return py::module_::import("os").attr("fspath")(value).cast<std::string>();
    return py::str(value).cast<std::string>();
}

std::string CellText(py::handle value) {
    if (value.is_none()) return "";
    if (PyFloat_Check(value.ptr()) && std::isnan(PyFloat_AsDouble(value.ptr()))) return "";
    return ValueText(value);
}

std::string OptionName(std::string_view keyword) {
    while (!keyword.empty() && keyword.back() == '_') keyword.remove_suffix(1);
    std::string name(keyword);
    for (char& c : name)
        if (c == '_') c = '-';
    return name;
}

py::object CallOptions::Other(std::string_view name) const {
    // The last one given counts, as on the command line.
    for (auto it = others.rbegin(); it != others.rend(); ++it)
        if (it->first == name) return it->second;
    return py::object();
}

CallOptions SplitCallOptions(const py::dict& keywords, const char* function,
                             std::span<const std::string_view> others) {
    CallOptions options;
    for (const auto& [key, value] : keywords) {
        const std::string keyword = py::str(key).cast<std::string>();
        const std::string name = OptionName(keyword);
        bool bOther = false;
        for (std::string_view other : others) bOther = bOther || name == other;
        if (!bOther && !IsSiteName(name))
            throw py::type_error(std::string(function) + "() got an unexpected keyword argument '" + keyword +
                                 "'");
        if (value.is_none()) continue;
        if (bOther)
            options.others.emplace_back(name, py::reinterpret_borrow<py::object>(value));
        else
            options.siteArgs.push_back("--" + name + "=" + ValueText(value));
    }
    return options;
}
