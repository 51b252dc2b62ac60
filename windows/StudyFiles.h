#pragma once

#include <QString>
#include <string>
#include <string_view>

class QAbstractItemModel;
class QWidget;

// Files the study windows write and read, chosen through the UiServices seam.

// Asks for a file to write (the save dialog, CSV files first): the chosen path, or empty when cancelled.
QString AskSaveCsvPath(QWidget* pOwner, const QString& title, const QString& suggestedName);
// Asks for a CSV file to read (the open dialog): the chosen path, or empty when cancelled.
QString AskOpenCsvPath(QWidget* pOwner, const QString& title);
// Writes `bytes` to `path` all or nothing. False after a message box (titled `caption`) naming the file
// and the reason, ending "Nothing was exported."; an existing file is then left as it was.
bool WriteExport(QWidget* pOwner, const QString& path, std::string_view bytes, const QString& caption);

// The model's header and rows as CSV: comma separated, a field with a comma, quote or line break quoted
// (quotes doubled), CR LF line ends, text as shown (full stop as decimal point).
std::string ModelCsv(const QAbstractItemModel& model);
