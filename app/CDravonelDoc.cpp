#include "CDravonelDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "FileNamePrompt.h"
#include "UiServices.h"

namespace {

constexpr const char* kUntitled = "Untitled";

void ReportFileError(const QString& action, const QString& pathName, const QString& reason) {
    AfxMessageBox(QStringLiteral("Could not %1 \"%2\".\n%3").arg(action, pathName, reason),
                  MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CDravonelDoc::CDravonelDoc() : m_strTitle(QString::fromUtf8(kUntitled)) {}

bool CDravonelDoc::OnNewDocument() {
    SetPathName({}, false);
    return true;
}

bool CDravonelDoc::OnOpenDocument(const QString& pathName) {
    QFile file(pathName);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportFileError(QStringLiteral("open"), pathName, file.errorString());
        return false;
    }
    Serialize(file, false);
    SetPathName(pathName, false);
    return true;
}

bool CDravonelDoc::OnSaveDocument(const QString& pathName) {
    // QSaveFile writes beside the target and renames at commit, so a failed write leaves the old file.
    QSaveFile file(pathName);
    if (!file.open(QIODevice::WriteOnly)) {
        ReportFileError(QStringLiteral("save"), pathName, file.errorString());
        return false;
    }
    Serialize(file, true);
    if (!file.commit()) {
        ReportFileError(QStringLiteral("save"), pathName, file.errorString());
        return false;
    }
    SetPathName(pathName, true);
    return true;
}

bool CDravonelDoc::DoFileSave(QWidget* pOwner) {
    QString pathName = m_bPathWrittenByUs ? m_strPathName : QString();
    if (pathName.isEmpty()) {
        const QString proposed = m_strPathName.isEmpty() ? m_strTitle : m_strPathName;
        pathName = PromptFileName(pOwner, false, proposed);
        if (pathName.isEmpty()) return false;
    }
    return OnSaveDocument(pathName);
}

void CDravonelDoc::Serialize(QIODevice&, bool) {}

void CDravonelDoc::SetPathName(const QString& pathName, bool bWrittenByUs) {
    m_strPathName = pathName.isEmpty() ? QString() : QFileInfo(pathName).absoluteFilePath();
    m_bPathWrittenByUs = bWrittenByUs && !pathName.isEmpty();
    m_strTitle = pathName.isEmpty() ? QString::fromUtf8(kUntitled) : QFileInfo(pathName).fileName();
    emit TitleChanged();
}
