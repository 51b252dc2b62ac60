#pragma once

#include <QObject>
#include <QStringList>

// The job files opened or saved most recently, newest first, at most kMaxRecentFiles, kept between runs in
// QSettings under "RecentFiles/files" (absolute paths).
class CRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxRecentFiles = 4;

    using QObject::QObject;

    // The remembered paths, newest first (read from the settings each time, so every window agrees).
    QStringList Paths() const;
    // Puts pathName (made absolute) first, dropping an older entry of the same file and the oldest beyond
    // kMaxRecentFiles.
    void Add(const QString& pathName);
    // Forgets pathName; nothing happens when it is not in the list.
    void Remove(const QString& pathName);

    // The menu text of entry nIndex (0 based): "&1 name.dravonel".
    static QString MenuText(int nIndex, const QString& pathName);

signals:
    void changed();

private:
    void Store(const QStringList& paths);
};
