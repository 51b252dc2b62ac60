#pragma once

#include <QFont>
#include <QRect>

// Maps dialog units to pixels from the dialog font's metrics:
// the horizontal base is the average width of the 52 Latin letters, the vertical base the font's
// height; x pixels = x * baseX / 4, y pixels = y * baseY / 8. Every text therefore fits whatever font
// the machine substitutes and at any screen scaling.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    // Explicit bases in pixels, for a layout widened to fit its texts.
    DialogUnits(int nBaseX, int nBaseY) : m_nBaseX(nBaseX), m_nBaseY(nBaseY) {}
    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }
    int ToPixelsX(int x) const;
    int ToPixelsY(int y) const;
    QRect ToPixels(int x, int y, int w, int h) const;

    // The template font: "MS Sans Serif" 8 point, or the closest the machine has.
    static QFont TemplateFont();

private:
    int m_nBaseX;
    int m_nBaseY;
};
