#include <QDir>
#include <QTest>

#include "Resource.h"
#include "TestSuites.h"
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
    const QString folder = QString::fromUtf8(DRAVONEL_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(folder));
    const QString stem = folder + "/form-" + QTest::currentDataTag();
    ViewHarness form;
    if (si) form.Click(IDC_UNITS_SI);
    QVERIFY(form.WindowImage().save(stem + "-before.png"));
    form.Click(IDC_CALCULATE);
    QVERIFY(form.WindowImage().save(stem + "-after.png"));
    QVERIFY(QFile::exists(stem + "-after.png"));
}

REGISTER_TEST_SUITE(ScreenshotTest);
#include "ScreenshotTest.moc"
