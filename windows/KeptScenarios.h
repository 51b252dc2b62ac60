#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "Comparison.h"

class CDravonelView;

// The scenarios kept for comparison during this run of the program, shared by the Tools menu and every
// window that shows them. The list itself is plain data (KeptScenario), so a job file can store and
// restore it through Scenarios() and Assign().
class CKeptScenarios : public QObject {
    Q_OBJECT
public:
    enum class KeepOutcome {
        Kept,               // added at the end
        NothingCalculated,  // the form has no result yet
        Full,               // kMaxKeptScenarios are kept already
    };

    using QObject::QObject;

    // Keeps the form's shown result: the inputs that produced it (not what the form holds now, which may
    // have changed since), its times, notice, start temperature and curve; the label is made from the
    // inputs. Changes nothing unless the outcome is Kept.
    KeepOutcome Keep(const CDravonelView& view);

    const std::vector<KeptScenario>& Scenarios() const { return m_scenarios; }
    int Count() const { return static_cast<int>(m_scenarios.size()); }
    // The label shown for scenario nIndex (0 to Count() - 1) in `display` units; see ScenarioLabel.
    std::string LabelOf(int nIndex, UnitSystem display) const;

    // Gives scenario nIndex the user's label; a blank label (spaces only) goes back to the one made from the
    // inputs. An index outside the list changes nothing.
    void SetLabel(int nIndex, const std::string& strLabel);
    // Removes scenario nIndex; the next one becomes the base when the first goes. Outside the list:
    // nothing.
    void Remove(int nIndex);
    void Clear();
    // Replaces the whole list (at most kMaxKeptScenarios are taken), for a job file being opened.
    void Assign(std::vector<KeptScenario> scenarios);

signals:
    // The list or a label changed.
    void changed();

private:
    std::vector<KeptScenario> m_scenarios;
};
