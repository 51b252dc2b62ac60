#include <QtTest>

#include "Pictures.h"
#include "Pixels.h"
#include "Screenshots.h"
#include "SuiteMain.h"

namespace {

bool IsInk(QColor c) { return c.alpha() > 0 && c.red() < 60 && c.green() < 60 && c.blue() < 60; }
// Clearly coloured: the figure's paint, never the grey background or black text.
bool IsColourful(QColor c) { return c.alpha() > 0 && c.hsvSaturation() > 120 && c.value() > 100; }

enum class PictureKind { Disclaimer, SlowCooling, RapidCooling };

QImage Draw(PictureKind kind, const QColor& background) {
    switch (kind) {
        case PictureKind::Disclaimer:
            return DisclaimerPicture(background);
        case PictureKind::SlowCooling:
            return SlowCoolingPicture(background);
        case PictureKind::RapidCooling:
            return RapidCoolingPicture(background);
    }
    return {};
}

}  // namespace

Q_DECLARE_METATYPE(PictureKind)

// The artwork drawn by code: exact sizes, text and figure present, nothing spilling over the edges.
class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void picturesByName_data();
    void picturesByName();
    void dialogPicturesHaveTextAndFigure_data();
    void dialogPicturesHaveTextAndFigure();
    void iconAndToolbarImage();
};

void PicturesTest::picturesByName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");  // pixels, exact; an empty size means no picture
    QTest::newRow("disclaimer") << "IDB_DISCLAIMER" << QSize(573, 257);
    QTest::newRow("slow cooling") << "IDB_SLOW_COOLING" << QSize(305, 143);
    QTest::newRow("rapid cooling") << "IDB_RAPID_COOLING" << QSize(379, 209);
    QTest::newRow("main icon") << "IDR_MAINFRAME" << QSize(32, 32);
    QTest::newRow("unknown name") << "IDB_NONE" << QSize();
    QTest::newRow("numeric id is not a name") << "141" << QSize();
}

void PicturesTest::picturesByName() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap picture = LoadPictureResource(name.toUtf8().constData());
    QCOMPARE(picture.isNull(), size.isEmpty());
    if (!size.isEmpty()) QCOMPARE(picture.size(), size);
}

void PicturesTest::dialogPicturesHaveTextAndFigure_data() {
    QTest::addColumn<PictureKind>("kind");
    QTest::addColumn<int>("minInk");  // pixels of black text, a loose floor for "the text is there"
    QTest::newRow("disclaimer") << PictureKind::Disclaimer << 4000;
    QTest::newRow("slow cooling") << PictureKind::SlowCooling << 500;
    QTest::newRow("rapid cooling") << PictureKind::RapidCooling << 800;
}

void PicturesTest::dialogPicturesHaveTextAndFigure() {
    QFETCH(PictureKind, kind);
    QFETCH(int, minInk);
    const QColor background(192, 192, 192);
    const QImage image = Draw(kind, background);
    const QRect all = image.rect();
    QVERIFY(CountPixels(image, all, IsInk) > minInk);
    QVERIFY(CountPixels(image, all, IsColourful) > 300);
    // A two-pixel frame of plain background: neither text nor figure runs off the picture.
    const auto isBackground = [&](QColor c) { return c.rgb() == background.rgb(); };
    const QRect inner = all.adjusted(2, 2, -2, -2);
    QCOMPARE(CountPixels(image, all, isBackground) - CountPixels(image, inner, isBackground),
             all.width() * all.height() - inner.width() * inner.height());
    // The background follows the dialog it is shown on.
    const QImage light = Draw(kind, QColor(239, 239, 239));
    QCOMPARE(light.pixelColor(0, 0), QColor(239, 239, 239));
    QVERIFY(SaveScreenshot(image, QString("picture_%1.png").arg(QTest::currentDataTag()).replace(' ', '_')));
}

void PicturesTest::iconAndToolbarImage() {
    for (const int nSize : {kMainIconLargePx, kMainIconSmallPx}) {
        const QImage icon = MainIconImage(nSize);
        QCOMPARE(icon.size(), QSize(nSize, nSize));
        QVERIFY(CountPixels(icon, icon.rect(), IsColourful) > nSize * nSize / 10);
    }
    const QList<QSize> sizes = MainIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));

    const QImage toolbar = ToolbarAboutImage();
    QCOMPARE(toolbar.size(), QSize(16, 15));
    QVERIFY(toolbar.hasAlphaChannel());
    QVERIFY(CountPixels(toolbar, toolbar.rect(), [](QColor c) { return c.alpha() == 255; }) > 20);
    QCOMPARE(toolbar.pixelColor(0, 0).alpha(), 0);
    QVERIFY(SaveScreenshot(MainIconImage(32), "icon_32.png"));
    QVERIFY(SaveScreenshot(MainIconImage(16), "icon_16.png"));
    QVERIFY(SaveScreenshot(toolbar, "toolbar_about.png"));
}

REGISTER_TEST_SUITE(PicturesTest);
#include "PicturesTest.moc"
