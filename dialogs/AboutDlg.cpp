#include "AboutDlg.h"

#include "DialogPictures.h"
#include "DialogTemplates.h"

CAboutDlg::CAboutDlg() : CDialog(WithProgramPictures(kAboutBoxTemplate)) {}
