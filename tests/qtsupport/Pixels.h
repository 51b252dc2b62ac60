#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

// Pixels of a rendered image, looked for and counted.

// True when (x, y) lies in the image and has the colour's red, green and blue.
bool IsColor(const QImage& image, int x, int y, const QColor& color);
// Positions of pixels of `color` inside `area`, leaving out those inside `skip`.
std::vector<QPoint> PixelsOf(const QImage& image, const QRect& area, const QColor& color,
                             const QRect& skip = {});
// How many pixels inside `area` (which lies in the image) pass `test`.
int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test);
// How many pixels inside `area` are not `color`.
int CountOtherThan(const QImage& image, const QRect& area, const QColor& color);
