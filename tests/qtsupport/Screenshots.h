#pragma once

#include <QString>

class QImage;

// Pictures the tests save for people to look at, in the build tree's `screenshots` folder.

// The full path of `fileName` (e.g. "form-si-after.png") in that folder.
QString ScreenshotPath(const QString& fileName);
// Makes the folder if need be and saves the image there as PNG; false when it could not be written.
bool SaveScreenshot(const QImage& image, const QString& fileName);
