#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

// The program's artwork, drawn by code: the three dialog pictures, the main icon and the toolbar image.
// Every picture needs a QGuiApplication (fonts). Texts are black, wrapped and sized to fit their area.

constexpr QSize kDisclaimerPictureSize{573, 257};
constexpr QSize kSlowCoolingPictureSize{305, 143};
constexpr QSize kRapidCoolingPictureSize{379, 209};
constexpr QSize kToolbarImageSize{16, 15};
constexpr int kMainIconLargePx = 32;
constexpr int kMainIconSmallPx = 16;

constexpr const char* kSlowCoolingText =
    "There are over 2 hours before the stop temperature will be reached.";
constexpr const char* kRapidCoolingText =
    "There are less than 10 minutes before the stop temperature will be reached.";
constexpr const char* kRapidCoolingAdvice = "Paving under these conditions is not recommended.";

// The colour the dialog pictures are drawn on: the application palette's window colour, so a picture
// sits on its dialog without a visible box.
QColor DialogBackground();

// Disclaimer notes with a worker figure and the bold limitation of liability; 573 x 257 pixels.
QImage DisclaimerPicture(const QColor& background = DialogBackground());
// Slow-cooling notice: a roller on a steaming mat beside a clock; 305 x 143 pixels.
QImage SlowCoolingPicture(const QColor& background = DialogBackground());
// Rapid-cooling notice: a worker in cold wind beside the two sentences; 379 x 209 pixels.
QImage RapidCoolingPicture(const QColor& background = DialogBackground());

// The main icon, a roller on a dark mat, on a transparent square of nSizePx (32 and 16 are the
// program's sizes; any size from 8 up draws the same figure).
QImage MainIconImage(int nSizePx);
// The main icon with both sizes.
QIcon MainIcon();
// The About button's image: a question mark, 16 x 15 pixels on transparency.
QImage ToolbarAboutImage();

// A picture by its template name ("IDB_DISCLAIMER", "IDB_SLOW_COOLING", "IDB_RAPID_COOLING",
// "IDR_MAINFRAME" for the 32-pixel icon); a null pixmap for any other name. Fits SetTemplatePictureLoader.
QPixmap LoadPictureResource(const char* name);
