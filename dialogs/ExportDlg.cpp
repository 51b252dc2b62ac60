#include "ExportDlg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "DialogTemplates.h"
#include "Resource.h"

CExportDlg::CExportDlg(QWidget* pParent) : CDialog(kExportTemplate, pParent) {
    OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
}

void CExportDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_EXPORT_FILE, m_strFileName); }

void CExportDlg::OnOK() {
    UpdateData(true);
    if (m_strFileName.empty()) {
        MessageBox("Filename has not been selected", "Can Not Export", MB_OK | MB_ICONEXCLAMATION);
        if (QWidget* pEdit = GetDlgItem(IDC_EXPORT_FILE)) pEdit->setFocus(Qt::OtherFocusReason);
    } else {
        CDialog::OnOK();
    }
    UpdateData(false);
}

void CExportDlg::OnBrowse() {
    QStringList filters;
    for (const char* pszFilter : kExportNameFilters) filters << QString::fromUtf8(pszFilter);
    // An Open dialog that still accepts a name that does not exist yet: the report file is usually new.
    QFileDialog fileDialog;
    fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    fileDialog.setDefaultSuffix(QString());
    fileDialog.setNameFilters(filters);
    fileDialog.selectFile(QString::fromUtf8(kExportInitialName));
    if (UiServices::Current().DoModal(fileDialog) != IDOK) return;
    const QStringList chosen = fileDialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return;
    m_strFileName = QFileInfo(chosen.front()).absoluteFilePath().toStdString();
    UpdateData(false);
}
