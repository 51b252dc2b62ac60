#pragma once

#include <QTemporaryDir>

// QSettings of the user scope (native and INI format) kept in a fresh temporary folder for the object's
// life, so that what one test remembers (a window's size) never reaches another test or the user.
class TemporarySettings {
public:
    TemporarySettings();
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

private:
    QTemporaryDir m_folder;
};
