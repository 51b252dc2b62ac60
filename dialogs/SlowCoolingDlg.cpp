#include "SlowCoolingDlg.h"

#include "DialogPictures.h"
#include "DialogTemplates.h"

CSlowCoolingDlg::CSlowCoolingDlg(QWidget* pParent)
    : CDialog(WithProgramPictures(kSlowCoolingTemplate), pParent) {}
