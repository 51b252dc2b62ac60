#include "FileNamePrompt.h"

#include <QFileDialog>

#include "JobFile.h"
#include "UiServices.h"

QString PromptFileName(QWidget* pOwner, bool bOpen, const QString& proposedName) {
    QFileDialog dialog(pOwner, bOpen ? QStringLiteral("Open") : QStringLiteral("Save As"));
    // Job files by their extension; any other file can still be chosen (and is refused if it is no job).
    dialog.setNameFilters({QStringLiteral("Dravonel jobs (*%1)").arg(QString::fromUtf8(kJobFileExtension)),
                           QStringLiteral("All Files (*)")});
    if (!bOpen) dialog.setDefaultSuffix(QString::fromUtf8(kJobFileExtension + 1));  // without the dot
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
    if (UiServices::Current().DoModal(dialog) != IDOK) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
