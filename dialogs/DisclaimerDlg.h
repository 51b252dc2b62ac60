#pragma once

#include "CDialog.h"

// The disclaimer, shown at start-up and from the form's button. It has no close box; OK or Esc closes it.
// DoModal gives IDOK or IDCANCEL; callers ignore it.
class CDisclaimerDlg : public CDialog {
    Q_OBJECT
public:
    explicit CDisclaimerDlg(QWidget* pParent = nullptr);
};
