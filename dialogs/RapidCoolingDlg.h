#pragma once

#include "CDialog.h"

// Notice that the mat reaches the stop temperature within 10 minutes, or at once.
// DoModal gives IDOK or IDCANCEL; callers ignore it.
class CRapidCoolingDlg : public CDialog {
    Q_OBJECT
public:
    explicit CRapidCoolingDlg(QWidget* pParent = nullptr);
};
