#include "BatchOutput.h"

#include <algorithm>

#include "CompactionWindow.h"
#include "InputOptions.h"
#include "CsvText.h"
#include "JsonText.h"
#include "NumberText.h"
#include "ReadInputs.h"

namespace {

constexpr const char* kResultColumns[] = {"stop_code",  "stop_time", "start_temp",
                                          "start_time", "window",    "notice"};

// The input's text, or nullptr when it has none (moisture and state of a bound material).
const std::string* TextOf(const std::vector<InputText>& texts, const char* name) {
    for (const InputText& text : texts)
        if (std::string_view(text.name) == name) return &text.text;
    return nullptr;
}

void AppendJsonKey(std::string& out, const char* key) {
    out += out.back() == '{' ? "" : ", ";
    AppendJsonString(out, key);
    out += ": ";
}

void AppendJsonInput(std::string& out, const InputOption& option, const std::string* pText, double dNumber) {
    AppendJsonKey(out, option.name);
    if (pText == nullptr)
        out += "null";
    else if (option.kind == InputKind::Number)
        AppendJsonNumber(out, dNumber);
    else
        AppendJsonString(out, *pText);
}

}  // namespace

std::string BatchCsvHeader(bool bWithId) {
    std::string header = bWithId ? "id" : "";
    for (const InputOption& option : InputOptions())
        header += std::string(header.empty() ? "" : ",") + option.name;
    for (const char* column : kResultColumns) header += std::string(",") + column;
    return header + "\n";
}

void AppendBatchRow(std::string& out, BatchFormat format, const std::string* pId,
                    const SimulationInputs& inputs, const CalculationSummary& summary,
                    const CoolingCurve* pCurve) {
    const std::vector<InputText> texts = InputTextsOf(inputs);
    const double dStopTime = summary.stop.dStopTime;
    const double dWindow = dStopTime - summary.start.nStartTime;
    if (format == BatchFormat::Csv) {
        bool bFirst = true;
        const auto separate = [&] {
            if (!bFirst) out += ',';
            bFirst = false;
        };
        if (pId) {
            separate();
            out += CsvField(*pId);
        }
        for (const InputOption& option : InputOptions()) {
            separate();
            if (const std::string* pText = TextOf(texts, option.name)) out += CsvField(*pText);
        }
        out += ',';
        AppendInt(out, summary.nStopCode);
        out += ',';
        AppendJsonNumber(out, dStopTime);
        out += ',';
        AppendJsonNumber(out, summary.start.dStartTemp);
        out += ',';
        AppendInt(out, summary.start.nStartTime);
        out += ',';
        AppendJsonNumber(out, dWindow);
        out += ',';
        out += NoticeName(summary.stop.notice);
        out += '\n';
        return;
    }

    FormRecord record;  // for BindRealField, which hands out the member of a number input
    record.inputs = inputs;
    out += '{';
    if (pId) {
        AppendJsonKey(out, "id");
        AppendJsonString(out, *pId);
    }
    for (const InputOption& option : InputOptions()) {
        const double dNumber =
            option.kind == InputKind::Number ? *BindRealField(record, option.field).pValue : 0.0;
        AppendJsonInput(out, option, TextOf(texts, option.name), dNumber);
    }
    AppendJsonKey(out, "stop_code");
    AppendInt(out, summary.nStopCode);
    AppendJsonKey(out, "stop_time");
    AppendJsonNumber(out, dStopTime);
    AppendJsonKey(out, "start_temp");
    AppendJsonNumber(out, summary.start.dStartTemp);
    AppendJsonKey(out, "start_time");
    AppendInt(out, summary.start.nStartTime);
    AppendJsonKey(out, "window");
    AppendJsonNumber(out, dWindow);
    AppendJsonKey(out, "notice");
    AppendJsonString(out, NoticeName(summary.stop.notice));
    if (pCurve) {
        AppendJsonKey(out, "curve");
        out += '[';
        const int nLast = std::clamp(pCurve->m_nLastSample, 0, kCurveCapacity - 1);
        for (int i = 0; i <= nLast; ++i) {
            out += i == 0 ? "[" : ", [";
            AppendJsonNumber(out, pCurve->m_dCurveTime[i]);
            out += ", ";
            AppendJsonNumber(out, pCurve->m_dCurveTemp[i]);
            out += ']';
        }
        out += ']';
    }
    out += "}\n";
}
