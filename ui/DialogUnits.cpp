#include "DialogUnits.h"

#include <QFontMetrics>

namespace {

constexpr const char* kAllLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nLettersWidth = metrics.horizontalAdvance(QString::fromLatin1(kAllLetters));
    // The average over 52 letters, rounded half up to whole pixels.
    m_nBaseX = ((nLettersWidth / 26) + 1) / 2;
    m_nBaseY = metrics.height();
}

int DialogUnits::ToPixelsX(int x) const { return x * m_nBaseX / 4; }

int DialogUnits::ToPixelsY(int y) const { return y * m_nBaseY / 8; }

QRect DialogUnits::ToPixels(int x, int y, int w, int h) const {
    // Each edge is mapped, not the size, so that neighbouring controls keep their shared edges.
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + w) - left, ToPixelsY(y + h) - top);
}

QFont DialogUnits::TemplateFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
