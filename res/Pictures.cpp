#include "Pictures.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QString>
#include <cmath>
#include <cstring>

namespace {

const QColor kInk(0, 0, 0);
const QColor kOutline(40, 40, 40);
const QColor kMachineYellow(255, 196, 0);
const QColor kDrumGrey(150, 150, 150);
const QColor kHubGrey(80, 80, 80);
const QColor kMat(55, 55, 55);
const QColor kGlass(170, 210, 240);
const QColor kSkin(240, 200, 160);
const QColor kVestOrange(255, 120, 0);
const QColor kStripe(255, 240, 90);
const QColor kTrousers(50, 70, 140);
const QColor kHandle(140, 90, 40);
const QColor kColdBlue(60, 120, 220);
const QColor kHotRed(220, 40, 30);

constexpr const char* kDisclaimerNotes =
    "Please Note:\n\n"
    "Some asphalt mixtures will require compaction start and stop times different from those recommended "
    "by this program.  As always, good judgement must be exercised in order to ensure a properly compacted "
    "surface.\n\n"
    "Special consideration should be made for polymer modified asphalt binders.  In this case, manufacturer "
    "guidelines should supersede recommendations made by this program.\n\n"
    "Consult the Help file with this program for further details.";

constexpr const char* kLiabilityStatement =
    "This program is provided as is, without warranty of any kind, and its results are estimates only.  "
    "In no event shall the developers of this program and their suppliers be liable to you or to anyone "
    "else for any damages, expenses, lost profits, lost savings, or other damages arising out of use or "
    "inability to use this program.";

// Largest and smallest text heights tried when fitting a text into its box.
constexpr int kLargestTextPx = 16;
constexpr int kSmallestTextPx = 7;

QImage BlankPicture(const QSize& size, const QColor& background) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

QFont TextFont(int nPixelSize, bool bBold) {
    QFont font = QGuiApplication::font();
    font.setBold(bBold);
    font.setPixelSize(nPixelSize);
    return font;
}

struct TextBlock {
    QRect box;
    QString text;
    bool bBold;
    int nAlignment;
};

// The largest pixel size at which every block fits its box whole, word-wrapped, so no word is ever cut
// off whatever font the machine substitutes; blocks of one picture share it so they read as one page.
int FittingPixelSize(const QPaintDevice* pDevice, std::initializer_list<TextBlock> blocks) {
    int nPx = kLargestTextPx;
    for (; nPx > kSmallestTextPx; --nPx) {
        bool bAllFit = true;
        for (const TextBlock& block : blocks) {
            const QRect needed =
                QFontMetrics(TextFont(nPx, block.bBold), pDevice)
                    .boundingRect(block.box, Qt::TextWordWrap | block.nAlignment, block.text);
            bAllFit = bAllFit && needed.height() <= block.box.height() && needed.width() <= block.box.width();
        }
        if (bAllFit) break;
    }
    return nPx;
}

void DrawTextBlocks(QPainter& p, std::initializer_list<TextBlock> blocks) {
    const int nPx = FittingPixelSize(p.device(), blocks);
    p.save();
    p.setPen(kInk);
    for (const TextBlock& block : blocks) {
        p.setFont(TextFont(nPx, block.bBold));
        p.drawText(block.box, Qt::TextWordWrap | block.nAlignment, block.text);
    }
    p.restore();
}

// Maps a figure drawn in its own units (designSize) into `area`, as large as fits, standing on the
// bottom of the area and centred across it.
void EnterFigure(QPainter& p, const QRectF& area, const QSizeF& designSize) {
    const double scale = std::min(area.width() / designSize.width(), area.height() / designSize.height());
    p.translate(area.left() + (area.width() - designSize.width() * scale) / 2.0,
                area.bottom() - designSize.height() * scale);
    p.scale(scale, scale);
}

void Fill(QPainter& p, const QColor& fill, const QColor& outline = kOutline, double outlineWidth = 1.5) {
    p.setBrush(fill);
    p.setPen(outline.isValid() ? QPen(outline, outlineWidth) : QPen(Qt::NoPen));
}

void Stroke(QPainter& p, const QColor& color, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A vibratory roller seen from the side, in a 160 x 100 design box.
void DrawRoller(QPainter& p, const QRectF& area) {
    p.save();
    EnterFigure(p, area, QSizeF(160, 100));
    Fill(p, kMat, QColor());
    p.drawRect(QRectF(0, 88, 160, 12));
    Fill(p, kOutline, QColor());
    p.drawRect(QRectF(95, 24, 5, 18));  // exhaust
    Fill(p, kMachineYellow);
    p.drawRect(QRectF(30, 3, 50, 6));  // roof
    Fill(p, kGlass);
    p.drawRect(QRectF(37, 9, 36, 33));  // cab window
    Fill(p, kOutline, QColor());
    p.drawRect(QRectF(34, 9, 4, 33));
    p.drawRect(QRectF(72, 9, 4, 33));
    Fill(p, kMachineYellow);
    p.drawRoundedRect(QRectF(18, 42, 124, 27), 4, 4);
    Fill(p, kOutline, QColor());
    p.drawRect(QRectF(18, 55, 124, 3));
    for (const double xCentre : {40.0, 123.0}) {
        Fill(p, kDrumGrey);
        p.drawEllipse(QPointF(xCentre, 68), 20, 20);
        Fill(p, kHubGrey);
        p.drawEllipse(QPointF(xCentre, 68), 7, 7);
    }
    p.restore();
}

// A road worker in a hard hat and vest holding an asphalt rake, in a 100 x 200 design box.
void DrawWorker(QPainter& p, const QRectF& area) {
    p.save();
    EnterFigure(p, area, QSizeF(100, 200));
    Fill(p, QColor(0, 0, 0, 60), QColor());
    p.drawEllipse(QRectF(18, 190, 70, 9));  // shadow
    Stroke(p, kHandle, 4);
    p.drawLine(QPointF(84, 58), QPointF(92, 188));  // rake handle
    Fill(p, kDrumGrey);
    p.drawRect(QRectF(78, 186, 24, 6));
    Fill(p, kTrousers);
    p.drawRect(QRectF(35, 128, 13, 58));
    p.drawRect(QRectF(52, 128, 13, 58));
    Fill(p, kOutline, QColor());
    p.drawRoundedRect(QRectF(30, 183, 19, 9), 3, 3);
    p.drawRoundedRect(QRectF(51, 183, 19, 9), 3, 3);
    Stroke(p, kTrousers, 10);
    p.drawLine(QPointF(32, 78), QPointF(22, 122));  // left arm
    p.drawLine(QPointF(68, 78), QPointF(84, 100));  // right arm, to the handle
    Fill(p, kVestOrange);
    p.drawRoundedRect(QRectF(28, 68, 44, 66), 6, 6);
    Fill(p, kStripe, QColor());
    p.drawRect(QRectF(29, 96, 42, 5));
    p.drawRect(QRectF(29, 112, 42, 5));
    Fill(p, kSkin);
    p.drawEllipse(QPointF(22, 124), 5, 5);  // hands
    p.drawEllipse(QPointF(86, 100), 5, 5);
    p.drawEllipse(QPointF(50, 52), 15, 15);  // head
    Fill(p, kInk, QColor());
    p.drawEllipse(QPointF(45, 51), 1.8, 1.8);
    p.drawEllipse(QPointF(55, 51), 1.8, 1.8);
    Stroke(p, kInk, 1.5);
    p.drawArc(QRectF(44, 52, 12, 8), 200 * 16, 140 * 16);  // smile
    Fill(p, kMachineYellow);
    p.drawChord(QRectF(34, 26, 32, 28), 0, 180 * 16);  // hard hat
    p.drawRect(QRectF(30, 38, 40, 4));
    p.restore();
}

// A wall clock: the long wait of a mat that stays hot.
void DrawClock(QPainter& p, const QPointF& centre, double radius) {
    p.save();
    Fill(p, Qt::white, kOutline, 2.0);
    p.drawEllipse(centre, radius, radius);
    Stroke(p, kOutline, 1.5);
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * M_PI / 6.0;
        const QPointF dir(std::sin(angle), -std::cos(angle));
        p.drawLine(centre + dir * radius * 0.78, centre + dir * radius * 0.92);
    }
    Stroke(p, kInk, 2.5);
    p.drawLine(centre, centre + QPointF(radius * 0.45, -radius * 0.2));  // hour hand near two
    Stroke(p, kInk, 1.8);
    p.drawLine(centre, centre + QPointF(0, -radius * 0.75));
    p.restore();
}

// Heat shimmering over the fresh mat: three wavy lines in warm orange.
void DrawHeatWaves(QPainter& p, const QRectF& area) {
    p.save();
    Stroke(p, QColor(240, 110, 20), 2.0);
    for (int i = 0; i < 3; ++i) {
        const double x = area.left() + area.width() * (0.2 + 0.3 * i);
        QPainterPath wave(QPointF(x, area.bottom()));
        wave.cubicTo(QPointF(x - 6, area.bottom() - area.height() * 0.35),
                     QPointF(x + 6, area.bottom() - area.height() * 0.65), QPointF(x, area.top()));
        p.drawPath(wave);
    }
    p.restore();
}

// Cold wind: curled blue lines blowing across `area`.
void DrawWind(QPainter& p, const QRectF& area) {
    p.save();
    Stroke(p, kColdBlue, 2.5);
    for (int i = 0; i < 3; ++i) {
        const double y = area.top() + area.height() * (0.2 + 0.3 * i);
        const double length = area.width() * (i == 1 ? 1.0 : 0.75);
        QPainterPath gust(QPointF(area.left(), y));
        gust.lineTo(QPointF(area.left() + length - 8, y));
        gust.arcTo(QRectF(area.left() + length - 16, y - 16, 16, 16), 270, 180);
        p.drawPath(gust);
    }
    p.restore();
}

// A thermometer with its column low and blue: a quick loss of heat.
void DrawColdThermometer(QPainter& p, const QRectF& area) {
    p.save();
    const double tubeWidth = area.width() * 0.45;
    const double bulb = area.width() / 2.0;
    const QPointF bulbCentre(area.center().x(), area.bottom() - bulb);
    Fill(p, Qt::white, kOutline, 1.5);
    p.drawRoundedRect(QRectF(area.center().x() - tubeWidth / 2, area.top(), tubeWidth, area.height() - bulb),
                      tubeWidth / 2, tubeWidth / 2);
    Fill(p, kColdBlue, kOutline, 1.5);
    p.drawEllipse(bulbCentre, bulb, bulb);
    Fill(p, kColdBlue, QColor());
    p.drawRect(QRectF(area.center().x() - tubeWidth / 4, area.bottom() - area.height() * 0.45, tubeWidth / 2,
                      area.height() * 0.45 - bulb));
    p.restore();
}

void BeginArt(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QImage IconCanvas(int nWidth, int nHeight) {
    QImage image(nWidth, nHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A pixel pattern: '#' ink, anything else transparent; rows of equal length.
QImage PixelArt(const char* const* rows, int nRows, const QColor& ink) {
    const int nWidth = static_cast<int>(std::strlen(rows[0]));
    QImage image = IconCanvas(nWidth, nRows);
    for (int y = 0; y < nRows; ++y)
        for (int x = 0; x < nWidth; ++x)
            if (rows[y][x] == '#') image.setPixelColor(x, y, ink);
    return image;
}

}  // namespace

QColor DialogBackground() { return QGuiApplication::palette().color(QPalette::Window); }

QImage DisclaimerPicture(const QColor& background) {
    QImage image = BlankPicture(kDisclaimerPictureSize, background);
    QPainter p(&image);
    BeginArt(p);
    DrawWorker(p, QRectF(6, 40, 92, 205));
    DrawTextBlocks(p, {{QRect(108, 8, 222, 241), kDisclaimerNotes, false, Qt::AlignLeft | Qt::AlignTop},
                       {QRect(342, 8, 223, 241), kLiabilityStatement, true, Qt::AlignLeft | Qt::AlignTop}});
    return image;
}

QImage SlowCoolingPicture(const QColor& background) {
    QImage image = BlankPicture(kSlowCoolingPictureSize, background);
    QPainter p(&image);
    BeginArt(p);
    DrawClock(p, QPointF(50, 34), 26);
    Fill(p, kMat, QColor());
    p.drawRect(QRectF(4, 128, 124, 8));  // the mat runs on ahead of the roller
    DrawRoller(p, QRectF(4, 72, 96, 64));
    DrawHeatWaves(p, QRectF(96, 96, 30, 28));
    DrawTextBlocks(p,
                   {{QRect(134, 12, 163, 119), kSlowCoolingText, false, Qt::AlignLeft | Qt::AlignVCenter}});
    return image;
}

QImage RapidCoolingPicture(const QColor& background) {
    QImage image = BlankPicture(kRapidCoolingPictureSize, background);
    QPainter p(&image);
    BeginArt(p);
    DrawWind(p, QRectF(6, 40, 46, 90));
    DrawColdThermometer(p, QRectF(14, 140, 22, 60));
    DrawWorker(p, QRectF(44, 12, 96, 190));
    DrawTextBlocks(p,
                   {{QRect(150, 14, 221, 104), kRapidCoolingText, false, Qt::AlignLeft | Qt::AlignVCenter},
                    {QRect(150, 126, 221, 70), kRapidCoolingAdvice, true, Qt::AlignLeft | Qt::AlignVCenter}});
    return image;
}

QImage MainIconImage(int nSizePx) {
    const int nSize = std::max(8, nSizePx);
    QImage image = IconCanvas(nSize, nSize);
    QPainter p(&image);
    BeginArt(p);
    // A red heat bar over the roller says "hot mix" at a glance, even at 16 pixels.
    Fill(p, kHotRed, QColor());
    p.drawRect(QRectF(nSize * 0.1, nSize * 0.08, nSize * 0.8, nSize * 0.12));
    DrawRoller(p, QRectF(0, nSize * 0.25, nSize, nSize * 0.75));
    return image;
}

QIcon MainIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(MainIconImage(kMainIconLargePx)));
    icon.addPixmap(QPixmap::fromImage(MainIconImage(kMainIconSmallPx)));
    return icon;
}

QImage ToolbarAboutImage() {
    static const char* const kQuestionMark[] = {
        "................", ".....######.....", "....########....", "...###....###...", "...##......##...",
        "..........###...", ".........###....", "........###.....", ".......###......", ".......##.......",
        "................", ".......##.......", ".......##.......", "................", "................",
    };
    return PixelArt(kQuestionMark, kToolbarImageSize.height(), QColor(0, 0, 128));
}

QPixmap LoadPictureResource(const char* name) {
    if (!name) return {};
    const QString key = QString::fromUtf8(name);
    if (key == QLatin1String("IDB_DISCLAIMER")) return QPixmap::fromImage(DisclaimerPicture());
    if (key == QLatin1String("IDB_SLOW_COOLING")) return QPixmap::fromImage(SlowCoolingPicture());
    if (key == QLatin1String("IDB_RAPID_COOLING")) return QPixmap::fromImage(RapidCoolingPicture());
    if (key == QLatin1String("IDR_MAINFRAME")) return QPixmap::fromImage(MainIconImage(kMainIconLargePx));
    return {};
}
