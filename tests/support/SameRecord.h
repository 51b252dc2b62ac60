#pragma once

#include <cstring>
#include <string>

#include "FormRecord.h"

// Field-by-field equality of form records, doubles compared bit for bit (so -0.0 differs from 0.0), without
// reading the padding between members. Returns the first member that differs, or "" when none does.
inline std::string FirstDifference(const FormRecord& a, const FormRecord& b) {
    const auto sameDouble = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    const SimulationInputs& p = a.inputs;
    const SimulationInputs& q = b.inputs;
    const struct {
        const char* name;
        double x, y;
    } doubles[] = {
        {"air", p.m_dAirTemp, q.m_dAirTemp},
        {"surface", p.m_dSurfaceTemp, q.m_dSurfaceTemp},
        {"delivery", p.m_dDeliveryTemp, q.m_dDeliveryTemp},
        {"latitude", p.m_dLatitude, q.m_dLatitude},
        {"lift", p.m_dLiftThickness, q.m_dLiftThickness},
        {"wind", p.m_dWindSpeed, q.m_dWindSpeed},
        {"stop time", a.m_dStopTime, b.m_dStopTime},
    };
    for (const auto& d : doubles)
        if (!sameDouble(d.x, d.y)) return d.name;
    const struct {
        const char* name;
        int x, y;
    } ints[] = {
        {"material", p.m_nMaterialType, q.m_nMaterialType},
        {"mix", p.m_nMixType, q.m_nMixType},
        {"units", p.m_nUnits, q.m_nUnits},
        {"day", p.m_nDay, q.m_nDay},
        {"month", p.m_nMonth, q.m_nMonth},
        {"year", p.m_nYear, q.m_nYear},
        {"hour", p.m_nHour, q.m_nHour},
        {"minute", p.m_nMinute, q.m_nMinute},
        {"sky", p.m_nSkyCondition, q.m_nSkyCondition},
        {"state", p.m_nMoistureState, q.m_nMoistureState},
        {"moisture", p.m_nMoistureContent, q.m_nMoistureContent},
        {"pg-high", p.m_nPgHigh, q.m_nPgHigh},
        {"pg-low", p.m_nPgLow, q.m_nPgLow},
        {"active units", a.m_nActiveUnits, b.m_nActiveUnits},
        {"start time", a.m_nStartTime, b.m_nStartTime},
    };
    for (const auto& n : ints)
        if (n.x != n.y) return n.name;
    if (std::memcmp(&a.ranges, &b.ranges, sizeof a.ranges) != 0) return "ranges";  // doubles only, no padding
    if (a.m_strAirTempUnit != b.m_strAirTempUnit || a.m_strSurfaceTempUnit != b.m_strSurfaceTempUnit ||
        a.m_strDeliveryTempUnit != b.m_strDeliveryTempUnit || a.m_strLiftUnit != b.m_strLiftUnit ||
        a.m_strWindUnit != b.m_strWindUnit)
        return "unit labels";
    return "";
}
