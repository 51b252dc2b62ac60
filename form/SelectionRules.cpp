#include "FormRules.h"

MoistureLists ApplyMaterialRule(FormRecord& record) {
    switch (record.m_nMaterialType) {
        case 0:  // "AC"
        case 1:  // "PCC"
            record.m_nMoistureState = -1;
            record.m_nMoistureContent = -1;
            return MoistureLists::Disabled;
        case 2:                             // "Granular Base"
        case 3:                             // "Subgrade Soil"
            record.m_nMoistureState = 1;    // "Unfrozen"
            record.m_nMoistureContent = 0;  // "Dry"
            return MoistureLists::Enabled;
        default:
            return MoistureLists::Unchanged;
    }
}
