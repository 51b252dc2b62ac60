#include "CDravonelView.h"

// Day corrections are silent; an out-of-range month, year, hour or minute is refused by the read of
// the form itself and stays on display until corrected.

void CDravonelView::OnUpdateTime() {
    UpdateData(true);
    FillFromClock(*this, Now());
    EnableExport(false);
    UpdateData(false);
}

void CDravonelView::OnKillfocusDay() {
    UpdateData(true);
    EnableExport(false);
    CorrectDayOnLeave(&m_nDay, m_nMonth);
    UpdateData(false);
}

void CDravonelView::OnKillfocusMonth() {
    UpdateData(true);
    LimitDayToMonth(&m_nDay, m_nMonth);
    EnableExport(false);
    UpdateData(false);
}

void CDravonelView::OnKillfocusHour() {
    // The read of the form is where an hour outside 0 to 24 is refused.
    UpdateData(true);
    EnableExport(false);
    UpdateData(false);
}
