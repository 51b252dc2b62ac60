#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Files as the tests see them.

// The whole file; "<unreadable>" when it cannot be opened, so that a missing file never reads as empty.
QByteArray ReadFileBytes(const QString& path);
// Creates or replaces the file with `bytes`; false when it could not be written in full.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

// A fresh temporary folder made the current one for the object's life; the previous one comes back after.
class TemporaryCurrentFolder {
public:
    TemporaryCurrentFolder();
    ~TemporaryCurrentFolder();
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    // False when the folder could not be made or entered.
    bool IsCurrent() const { return m_bCurrent; }

private:
    QTemporaryDir m_folder;
    QString m_previous;
    bool m_bCurrent;
};
