#pragma once

#include "CDialog.h"

// About box: the main icon, product, copyright and credits; OK or Esc closes it.
// DoModal gives IDOK or IDCANCEL; callers ignore it.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    CAboutDlg();
};
