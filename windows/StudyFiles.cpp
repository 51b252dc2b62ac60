#include "StudyFiles.h"

#include <QAbstractItemModel>
#include <QFileDialog>

#include "AtomicFile.h"
#include "CsvText.h"
#include "UiServices.h"

namespace {

const QStringList kCsvFilters = {QStringLiteral("CSV files (*.csv)"), QStringLiteral("All Files (*)")};

QString Chosen(QFileDialog& dialog) {
    if (UiServices::Current().DoModal(dialog) != IDOK || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace

QString AskSaveCsvPath(QWidget* pOwner, const QString& title, const QString& suggestedName) {
    QFileDialog dialog(pOwner, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(kCsvFilters);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(suggestedName);
    return Chosen(dialog);
}

QString AskOpenCsvPath(QWidget* pOwner, const QString& title) {
    QFileDialog dialog(pOwner, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(kCsvFilters);
    return Chosen(dialog);
}

bool WriteExport(QWidget* pOwner, const QString& path, std::string_view bytes, const QString& caption) {
    std::string error;
    if (WriteFileAtomically(path.toStdString(), bytes, &error)) return true;
    UiServices::Current().MessageBox(
        pOwner, QString::fromStdString(error) + QStringLiteral("\nNothing was exported."), caption,
        MB_OK | MB_ICONEXCLAMATION);
    return false;
}

std::string ModelCsv(const QAbstractItemModel& model) {
    std::string csv;
    auto line = [&](auto cell) {
        for (int c = 0; c < model.columnCount(); ++c) {
            if (c > 0) csv += ',';
            csv += CsvField(cell(c).toStdString());
        }
        csv += "\r\n";
    };
    line([&](int c) { return model.headerData(c, Qt::Horizontal).toString(); });
    for (int r = 0; r < model.rowCount(); ++r)
        line([&](int c) { return model.index(r, c).data().toString(); });
    return csv;
}
