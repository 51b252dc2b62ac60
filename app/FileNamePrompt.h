#pragma once

#include <QString>

class QWidget;

// Asks for a job file's name with the file dialog, run through the UiServices seam, showing job files
// (".dravonel") first. bOpen chooses an existing file to open; otherwise a name to save to, with the
// dialog's overwrite confirmation, ".dravonel" added to a name without an extension.
// proposedName starts the dialog (may be empty). Returns the chosen absolute path, or an empty string
// when the dialog was cancelled or named nothing.
QString PromptFileName(QWidget* pOwner, bool bOpen, const QString& proposedName);
