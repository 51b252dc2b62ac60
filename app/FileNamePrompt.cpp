#include "FileNamePrompt.h"

#include <QFileDialog>

#include "UiServices.h"

QString PromptFileName(QWidget* pOwner, bool bOpen, const QString& proposedName) {
    QFileDialog dialog(pOwner, bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"));
    // The document has no file type of its own, so any file will do.
    dialog.setNameFilter(QStringLiteral("All Files (*)"));
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
    if (UiServices::Current().DoModal(dialog) != IDOK) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
