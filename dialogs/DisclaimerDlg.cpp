#include "DisclaimerDlg.h"

#include "DialogPictures.h"
#include "DialogTemplates.h"

CDisclaimerDlg::CDisclaimerDlg(QWidget* pParent)
    : CDialog(WithProgramPictures(kDisclaimerTemplate), pParent) {}
