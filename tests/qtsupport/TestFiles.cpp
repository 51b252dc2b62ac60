#include "TestFiles.h"

#include <QDir>
#include <QFile>

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TemporaryCurrentFolder::TemporaryCurrentFolder()
    : m_previous(QDir::currentPath()), m_bCurrent(m_folder.isValid() && QDir::setCurrent(m_folder.path())) {}

TemporaryCurrentFolder::~TemporaryCurrentFolder() { QDir::setCurrent(m_previous); }
