#include "FormSnapshot.h"

#include "CDravonelView.h"

std::optional<FormRecord> ReadFormAsShown(CDravonelView& view) {
    const FormRecord before = view.m_form;
    const auto unreached = view.m_unreached;
    const bool bRead = view.UpdateData(true);
    std::optional<FormRecord> shown;
    if (bRead) shown = view.m_form;
    view.m_form = before;
    view.m_unreached = unreached;
    return shown;
}
