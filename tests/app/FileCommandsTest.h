#pragma once

#include <QObject>
#include <QTemporaryDir>

// Ctrl+N, Ctrl+O and Ctrl+S: the document's title, the files on disk and the view's first update.
class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void newRerunsFirstUpdateAndKeepsInputs();
    void openReadsNothingAndNamesTheDocument();
    void openCancelledOrUnreadableChangesNothing_data();
    void openCancelledOrUnreadableChangesNothing();
    void saveAsksOnlyForFilesItWroteItself_data();
    void saveAsksOnlyForFilesItWroteItself();
    void saveWritesAnEmptyFileToTheChosenName();
    void saveFailureIsReportedAndKeepsTheOldFile();

private:
    QString PathOf(const QString& name) const;
    QString WriteFile(const QString& name, const QByteArray& contents) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
};
