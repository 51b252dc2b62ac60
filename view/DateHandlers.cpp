#include "CDravonelView.h"

// Day corrections are silent; an out-of-range month, year, hour or minute is refused by the read of
// the form itself and stays on display until corrected. February has 29 days in a leap year of the
// year as last read.

void CDravonelView::OnUpdateTime() {
    ReadForm();
    FillFromClock(m_form, Now());
    EnableExport(false);
    UpdateData(false);
}

void CDravonelView::OnKillfocusDay() {
    ReadForm();
    EnableExport(false);
    SimulationInputs& in = m_form.inputs;
    CorrectDayOnLeave(&in.m_nDay, in.m_nYear, in.m_nMonth);
    UpdateData(false);
}

void CDravonelView::OnKillfocusMonth() {
    ReadForm();
    SimulationInputs& in = m_form.inputs;
    LimitDayToMonth(&in.m_nDay, in.m_nYear, in.m_nMonth);
    EnableExport(false);
    UpdateData(false);
}

void CDravonelView::OnKillfocusHour() {
    // The read of the form is where an hour outside 0 to 24 is refused.
    ReadForm();
    EnableExport(false);
    UpdateData(false);
}
