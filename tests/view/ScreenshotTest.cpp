#include <QFile>
#include <QTest>

#include "Resource.h"
#include "Screenshots.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// Pictures of the form with the default inputs before and after "Calculate", in both unit systems,
// for people to look at; the test only checks they were written.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void formBeforeAndAfterCalculate_data();
    void formBeforeAndAfterCalculate();
};

void ScreenshotTest::formBeforeAndAfterCalculate_data() {
    QTest::addColumn<bool>("si");
    QTest::newRow("english") << false;
    QTest::newRow("si") << true;
}

void ScreenshotTest::formBeforeAndAfterCalculate() {
    QFETCH(bool, si);
    const QString stem = QString("form-") + QTest::currentDataTag();
    ViewHarness form;
    if (si) form.Click(IDC_UNITS_SI);
    QVERIFY(SaveScreenshot(form.WindowImage(), stem + "-before.png"));
    form.Click(IDC_CALCULATE);
    QVERIFY(SaveScreenshot(form.WindowImage(), stem + "-after.png"));
    QVERIFY(QFile::exists(ScreenshotPath(stem + "-after.png")));
}

REGISTER_TEST_SUITE(ScreenshotTest);
#include "ScreenshotTest.moc"
