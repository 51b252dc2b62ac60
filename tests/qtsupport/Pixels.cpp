#include "Pixels.h"

bool IsColor(const QImage& image, int x, int y, const QColor& color) {
    return image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFFu) == (color.rgb() & 0xFFFFFFu);
}

std::vector<QPoint> PixelsOf(const QImage& image, const QRect& area, const QColor& color, const QRect& skip) {
    std::vector<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!skip.contains(x, y) && IsColor(image, x, y, color)) found.emplace_back(x, y);
    return found;
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int nCount = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y))) ++nCount;
    return nCount;
}

int CountOtherThan(const QImage& image, const QRect& area, const QColor& color) {
    int nCount = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!IsColor(image, x, y, color)) ++nCount;
    return nCount;
}
