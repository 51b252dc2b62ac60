#include "BatchTable.h"

#include <algorithm>

#include "InputOptions.h"
#include "QuotedText.h"

namespace {

bool EmptyMeansNotGiven(const std::string& name) { return name == "moisture" || name == "state"; }

}  // namespace

HeaderRead ReadBatchHeader(const std::vector<std::string>& fields) {
    HeaderRead read;
    std::string allowed = "id";
    for (const InputOption& option : InputOptions()) allowed += std::string(", ") + option.name;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& name = fields[i];
        if (name != "id" && FindInputOption(name) == nullptr) {
            read.refusal = QuoteForMessage(name) + ": not a column; allowed " + allowed;
            return read;
        }
        if (std::find(read.columns.names.begin(), read.columns.names.end(), name) !=
            read.columns.names.end()) {
            read.refusal = name + ": a column given twice";
            return read;
        }
        if (name == "id") read.columns.nIdColumn = static_cast<int>(i);
        read.columns.names.push_back(name);
    }
    return read;
}

BatchRow ReadBatchRow(const std::vector<std::string>& fields, const BatchColumns& columns,
                      const FormRecord& start) {
    BatchRow row;
    if (fields.size() != columns.names.size()) {
        row.refusals.push_back({"", std::to_string(fields.size()) + " fields where the header has " +
                                        std::to_string(columns.names.size())});
        return row;
    }
    if (columns.nIdColumn >= 0) row.strId = fields[static_cast<std::size_t>(columns.nIdColumn)];
    std::vector<NamedValue> values;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (static_cast<int>(i) == columns.nIdColumn) continue;
        if (fields[i].empty() && EmptyMeansNotGiven(columns.names[i])) continue;
        values.push_back({columns.names[i], fields[i]});
    }
    // Each pass drops the cell refused last, so that the user learns of every bad cell of a row at once.
    for (;;) {
        FormRecord record = start;
        const std::optional<InputRefusal> refusal = ApplyInputs(record, values);
        if (!refusal) {
            if (row.refusals.empty()) row.inputs = record.inputs;
            return row;
        }
        row.refusals.push_back({refusal->strName, RefusalReasonText(*refusal)});
        if (refusal->strName == "units") return row;
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(refusal->nIndex));
    }
}
