#include "TemporarySettings.h"

#include <QSettings>

TemporarySettings::TemporarySettings() {
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, m_folder.path());
}
