#include "ShownUnits.h"

double TemperatureIn(double dValue, UnitSystem from, UnitSystem to) {
    return from == to ? dValue : RoundValue(ConvertTemperature(to, dValue));
}

double WindSpeedIn(double dValue, UnitSystem from, UnitSystem to) {
    return from == to ? dValue : RoundValue(ConvertSpeed(to, dValue));
}

double LengthIn(double dValue, UnitSystem from, UnitSystem to) {
    return from == to ? dValue : RoundValue(ConvertLength(to, dValue));
}
