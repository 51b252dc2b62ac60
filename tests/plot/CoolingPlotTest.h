#pragma once

#include <QObject>

// The chart's pixels: frame, legend, ticks, curve points and markers, and the start time it reads off.
class CoolingPlotTest : public QObject {
    Q_OBJECT
private slots:
    void frameBeforeCalculation_data();
    void frameBeforeCalculation();
    void axisTitleIsTheOnlyDifferenceBetweenUnitsBeforeCalculation();
    void startTemperatureFollowsGrade_data();
    void startTemperatureFollowsGrade();
    void temperatureTicksAfterCalculation_data();
    void temperatureTicksAfterCalculation();
    void curvePointsAreYellowPluses_data();
    void curvePointsAreYellowPluses();
    void coolSamplesSkippedOrEndTheCurve_data();
    void coolSamplesSkippedOrEndTheCurve();
    void stopMarker_data();
    void stopMarker();
    void startMarkerAndStartTime_data();
    void startMarkerAndStartTime();
    void gradeChangeMovesTheStartMarker();
    void saveScreenshots();
};
