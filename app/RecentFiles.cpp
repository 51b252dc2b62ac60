#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

constexpr const char* kSettingsKey = "RecentFiles/files";

}  // namespace

QStringList CRecentFiles::Paths() const {
    QStringList paths = QSettings().value(QString::fromUtf8(kSettingsKey)).toStringList();
    paths.removeAll(QString());
    if (paths.size() > kMaxRecentFiles) paths.resize(kMaxRecentFiles);
    return paths;
}

void CRecentFiles::Add(const QString& pathName) {
    const QString path = QFileInfo(pathName).absoluteFilePath();
    QStringList paths = Paths();
    paths.removeAll(path);
    paths.prepend(path);
    if (paths.size() > kMaxRecentFiles) paths.resize(kMaxRecentFiles);
    Store(paths);
}

void CRecentFiles::Remove(const QString& pathName) {
    QStringList paths = Paths();
    if (paths.removeAll(QFileInfo(pathName).absoluteFilePath()) + paths.removeAll(pathName) == 0) return;
    Store(paths);
}

QString CRecentFiles::MenuText(int nIndex, const QString& pathName) {
    // An '&' in the name is doubled so it shows instead of underlining the next letter.
    QString name = QFileInfo(pathName).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(name);
}

void CRecentFiles::Store(const QStringList& paths) {
    QSettings().setValue(QString::fromUtf8(kSettingsKey), paths);
    emit changed();
}
