#include "PyValues.h"

#include <charconv>
#include <cmath>

#include "InputOptions.h"

namespace {

bool IsSiteName(std::string_view name) { return name == "job" || FindInputOption(name) != nullptr; }

}  // namespace

std::string ShortestText(double dValue) {
    if (dValue == 0.0) dValue = 0.0;  // -0.0 reads as a zero typed without its leading digit
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, dValue);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

std::string ValueText(py::handle value) {
    if (PyUnicode_Check(value.ptr())) return value.cast<std::string>();
    if (PyFloat_Check(value.ptr())) return ShortestText(PyFloat_AsDouble(value.ptr()));
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

std::vector<NamedText> CallOptions::OtherTexts() const {
    std::vector<NamedText> texts;
    for (const auto& [name, value] : others) texts.push_back({name, ValueText(value)});
    return texts;
}

py::object CallOptions::Other(std::string_view name) const {
    for (const auto& [other, value] : others)
        if (other == name) return value;
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
