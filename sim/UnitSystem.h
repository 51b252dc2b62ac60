#pragma once

// The two unit systems of the form. Records and files keep the stored int code (0 SI, 1 English); code
// works with the type and converts at the edges with the helpers below.
enum class UnitSystem { SI = 0, English = 1 };

// The system the engine reads a stored code in: 1 is English, any other code counts as SI.
constexpr UnitSystem UnitSystemOfCode(int nCode) { return nCode == 1 ? UnitSystem::English : UnitSystem::SI; }

// The system results are shown in for a stored code: 0 is SI, any other code English. The chart's axis,
// the start-time search, the report, the JSON and the printed page go by this rule; only a code outside
// 0 and 1, which the form never holds, tells it from UnitSystemOfCode.
constexpr UnitSystem DisplayUnitsOfCode(int nCode) {
    return nCode == 0 ? UnitSystem::SI : UnitSystem::English;
}

// The stored code of a system: 0 SI, 1 English.
constexpr int UnitCode(UnitSystem units) { return units == UnitSystem::English ? 1 : 0; }
