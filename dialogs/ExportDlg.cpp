#include "ExportDlg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "DialogTemplates.h"
#include "Resource.h"

namespace {

constexpr const char* kRefusalCaption = "Can Not Export";

bool HasWildcard(const QString& name) { return name.contains(u'*') || name.contains(u'?'); }

// "" when the name may be exported to, else the message that says why not.
QString NameRefusal(const std::string& name) {
    if (name.empty()) return QStringLiteral("Filename has not been selected");
    const QString text = QString::fromStdString(name);
    if (!HasWildcard(text)) return QString();
    return QStringLiteral(
               "The name \"%1\" contains * or ?, which a file dialog reads as a pattern for "
               "many names. Please enter the name of one file without them.")
        .arg(text);
}

// One run of the file dialog, opened in `folder` ("" for the dialog's own start) with the standard
// filters, and `pattern` added and in force when not empty. The chosen path, or "" when cancelled.
QString ChooseExportFile(const QString& folder, const QString& pattern) {
    QStringList filters;
    for (const char* pszFilter : kExportNameFilters) filters << QString::fromUtf8(pszFilter);
    if (!pattern.isEmpty()) filters << pattern;
    // An Open dialog that still accepts a name that does not exist yet: the report file is usually new.
    QFileDialog fileDialog;
    fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    fileDialog.setDefaultSuffix(QString());
    fileDialog.setNameFilters(filters);
    fileDialog.selectNameFilter(pattern.isEmpty() ? filters.front() : pattern);
    if (!folder.isEmpty()) fileDialog.setDirectory(folder);
    if (UiServices::Current().DoModal(fileDialog) != IDOK) return QString();
    const QStringList chosen = fileDialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace

CExportDlg::CExportDlg(QWidget* pParent) : CDialog(kExportTemplate, pParent) {
    OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
}

void CExportDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_EXPORT_FILE, m_strFileName); }

void CExportDlg::OnOK() {
    UpdateData(true);
    const QString refusal = NameRefusal(m_strFileName);
    if (!refusal.isEmpty()) {
        MessageBox(refusal, kRefusalCaption, MB_OK | MB_ICONEXCLAMATION);
        if (QWidget* pEdit = GetDlgItem(IDC_EXPORT_FILE)) pEdit->setFocus(Qt::OtherFocusReason);
    } else {
        CDialog::OnOK();
    }
    UpdateData(false);
}

void CExportDlg::OnBrowse() {
    QString folder;
    QString pattern;
    for (;;) {
        const QString chosen = ChooseExportFile(folder, pattern);
        if (chosen.isEmpty()) return;
        const QFileInfo info(chosen);
        if (!HasWildcard(info.fileName())) {
            m_strFileName = info.absoluteFilePath().toStdString();
            break;
        }
        folder = info.absolutePath();
        pattern = info.fileName();
    }
    UpdateData(false);
}
