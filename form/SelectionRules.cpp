#include "FormRules.h"

MoistureLists ApplyMaterialRule(FormRecord& record) {
    SimulationInputs& in = record.inputs;
    const MaterialType material = MaterialTypeAt(in.m_nMaterialType);
    if (IsBound(material)) {
        in.m_nMoistureState = -1;
        in.m_nMoistureContent = -1;
        return MoistureLists::Disabled;
    }
    if (IsUnbound(material)) {
        in.m_nMoistureState = 1;    // "Unfrozen"
        in.m_nMoistureContent = 0;  // "Dry"
        return MoistureLists::Enabled;
    }
    return MoistureLists::Unchanged;
}
