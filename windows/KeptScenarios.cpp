#include "KeptScenarios.h"

#include "CDravonelView.h"

CKeptScenarios::KeepOutcome CKeptScenarios::Keep(const CDravonelView& view) {
    if (!view.m_bCalculated) return KeepOutcome::NothingCalculated;
    if (Count() >= kMaxKeptScenarios) return KeepOutcome::Full;
    KeptScenario scenario;
    scenario.record = view.m_calculatedForm;
    scenario.dStartTempC = view.m_result.summary.start.dStartTemp;
    scenario.notice = view.m_result.summary.stop.notice;
    scenario.curve = view.m_result.curve;
    m_scenarios.push_back(std::move(scenario));
    emit changed();
    return KeepOutcome::Kept;
}

std::string CKeptScenarios::LabelOf(int nIndex, UnitSystem display) const {
    return ScenarioLabel(m_scenarios, nIndex, display);
}

void CKeptScenarios::SetLabel(int nIndex, const std::string& strLabel) {
    if (nIndex < 0 || nIndex >= Count()) return;
    const std::size_t nFirst = strLabel.find_first_not_of(" \t");
    const std::size_t nLast = strLabel.find_last_not_of(" \t");
    const std::string trimmed =
        nFirst == std::string::npos ? std::string() : strLabel.substr(nFirst, nLast - nFirst + 1);
    if (m_scenarios[nIndex].strLabel == trimmed) return;
    m_scenarios[nIndex].strLabel = trimmed;
    emit changed();
}

void CKeptScenarios::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= Count()) return;
    m_scenarios.erase(m_scenarios.begin() + nIndex);
    emit changed();
}

void CKeptScenarios::Clear() {
    if (m_scenarios.empty()) return;
    m_scenarios.clear();
    emit changed();
}

void CKeptScenarios::Assign(std::vector<KeptScenario> scenarios) {
    if (scenarios.size() > static_cast<std::size_t>(kMaxKeptScenarios)) scenarios.resize(kMaxKeptScenarios);
    m_scenarios = std::move(scenarios);
    emit changed();
}
