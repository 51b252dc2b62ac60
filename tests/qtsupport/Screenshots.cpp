#include "Screenshots.h"

#include <QDir>
#include <QImage>

QString ScreenshotPath(const QString& fileName) {
    return QDir(QString::fromUtf8(DRAVONEL_SCREENSHOT_DIR)).filePath(fileName);
}

bool SaveScreenshot(const QImage& image, const QString& fileName) {
    return QDir().mkpath(QString::fromUtf8(DRAVONEL_SCREENSHOT_DIR)) &&
           image.save(ScreenshotPath(fileName), "PNG");
}
