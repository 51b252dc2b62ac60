#include "ResultSummary.h"

#include "FieldText.h"

const char* NoticeText(CoolingNotice notice) {
    switch (notice) {
        case CoolingNotice::Slow:
            return kSlowCoolingSummary;
        case CoolingNotice::Rapid:
            return kRapidCoolingSummary;
        case CoolingNotice::None:
            break;
    }
    return "";
}

std::string ResultSummaryText(int nStartTime, double dStopTime, CoolingNotice notice) {
    if (notice != CoolingNotice::None) return NoticeText(notice);
    // The form shows both times with the same text, so the status bar and the fields always agree.
    return "Rolling window: " + FormatFieldInt(nStartTime) + " to " + FormatFieldDouble(dStopTime) +
           " min after laydown (" + FormatFieldDouble(dStopTime - nStartTime) + " min)";
}
