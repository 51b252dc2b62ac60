#include "RapidCoolingDlg.h"

#include "DialogPictures.h"
#include "DialogTemplates.h"

CRapidCoolingDlg::CRapidCoolingDlg(QWidget* pParent)
    : CDialog(WithProgramPictures(kRapidCoolingTemplate), pParent) {}
