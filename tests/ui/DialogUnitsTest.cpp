#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include "DialogUnits.h"
#include "FormTemplate.h"
#include "SuiteMain.h"
#include "TemplateBuilder.h"

// The form's texts must fit their controls whatever font the machine gives for the template font and
// at any scaling, because dialog units follow the font.
class DialogUnitsTest : public QObject {
    Q_OBJECT

private slots:
    void unitsFollowTheFont();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void formPageHasTheTemplateSize();
};

namespace {

// Room a push button's frame or a group box title's corners take besides the text, in pixels.
constexpr int kButtonFramePx = 4;

QFont ScaledTemplateFont(double dFactor) {
    QFont font = DialogUnits::TemplateFont();
    font.setPointSizeF(font.pointSizeF() * dFactor);
    return font;
}

}  // namespace

void DialogUnitsTest::unitsFollowTheFont() {
    const DialogUnits small(ScaledTemplateFont(1.0));
    const DialogUnits large(ScaledTemplateFont(2.0));
    QVERIFY(small.BaseX() > 0 && small.BaseY() > 0);
    QVERIFY(large.BaseX() > small.BaseX());
    QVERIFY(large.BaseY() > small.BaseY());
    // 4 horizontal and 8 vertical units are one base each.
    QCOMPARE(small.ToPixelsX(4), small.BaseX());
    QCOMPARE(small.ToPixelsY(8), small.BaseY());
}

// Rows: the template font as the machine resolves it, and larger fonts standing for screen scaling.
void DialogUnitsTest::textsFitTheirControls_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("machine font") << 1.0;
    QTest::newRow("125 percent") << 1.25;
    QTest::newRow("150 percent") << 1.5;
    QTest::newRow("200 percent") << 2.0;
}

void DialogUnitsTest::textsFitTheirControls() {
    QFETCH(double, scale);
    QWidget page;
    const QFont font = ScaledTemplateFont(scale);
    const BuiltTemplate built = BuildTemplateControls(page, kDravonelFormTemplate, font);
    const DialogUnits fontUnits(font);
    QVERIFY(built.units.BaseX() >= fontUnits.BaseX());
    QCOMPARE(built.units.BaseY(), fontUnits.BaseY());
    const QFontMetrics metrics(font);
    int nTexts = 0;
    for (size_t i = 0; i < built.allInOrder.size(); ++i) {
        const QWidget& control = *built.allInOrder[i];
        const ControlKind kind = kDravonelFormTemplate.controls[i].kind;
        const QString text = QString::fromUtf8(kDravonelFormTemplate.controls[i].text);
        int nNeededPx = 0;
        if (kind == ControlKind::Static || kind == ControlKind::RadioGroupStart || kind == ControlKind::Radio)
            nNeededPx = control.sizeHint().width();
        else if (kind == ControlKind::PushButton || kind == ControlKind::GroupBox)
            nNeededPx = metrics.horizontalAdvance(text) + kButtonFramePx;
        else
            continue;
        ++nTexts;
        if (nNeededPx > control.width())
            QFAIL(qPrintable(
                QString("\"%1\" needs %2 px, has %3").arg(text).arg(nNeededPx).arg(control.width())));
        QVERIFY2(metrics.height() <= control.height(), qPrintable(text));
    }
    QCOMPARE(nTexts, 23 + 6 + 4 + 2);  // static texts, group boxes, push buttons, radio buttons
}

void DialogUnitsTest::formPageHasTheTemplateSize() {
    QWidget page;
    const BuiltTemplate built = BuildTemplateControls(page, kDravonelFormTemplate);
    QCOMPARE(built.sizePixels, QSize(built.units.ToPixelsX(573), built.units.ToPixelsY(233)));
    // The "Cooling Curve" box sits at its place and inside the page.
    const QWidget* pBox = built.controls.value(1047);
    QVERIFY(pBox);
    QCOMPARE(pBox->geometry().left(), built.units.ToPixelsX(319));
    QVERIFY(pBox->geometry().right() < built.sizePixels.width());
}

REGISTER_TEST_SUITE(DialogUnitsTest);
#include "DialogUnitsTest.moc"
