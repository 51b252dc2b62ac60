#include "LocalClock.h"

#include <QDateTime>

std::time_t LocalClock(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond) {
    return QDateTime(QDate(nYear, nMonth, nDay), QTime(nHour, nMinute, nSecond)).toSecsSinceEpoch();
}
