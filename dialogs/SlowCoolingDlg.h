#pragma once

#include "CDialog.h"

// Notice that the mat stays above the stop temperature for the whole simulated period.
// DoModal gives IDOK or IDCANCEL; callers ignore it.
class CSlowCoolingDlg : public CDialog {
    Q_OBJECT
public:
    explicit CSlowCoolingDlg(QWidget* pParent = nullptr);
};
